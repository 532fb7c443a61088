// The file layer: every file the program reads or writes goes through here.
//
// - Paths travel through the program as UTF-8 std::string; NativePath turns
//   one into the platform's own form in this one place (wide characters on
//   Windows, where the narrow calls would take the ANSI code page and a folder
//   named "Zoë's club" would not open).
// - ReadAll reads a file whole (up to a limit); InputFile reads it piecewise.
// - SafeWriter (and SafeWrite for bytes at hand) writes every output: a
//   temporary file beside the target, flushed and synced, replaces the target
//   in one step (rename on POSIX; MoveFileExW with write-through on Windows),
//   and the folder is synced after the replacement. Stopped at any moment, it
//   leaves the complete old or the complete new file under the name.
//
// One error style: every failure throws IoError, whose text names what failed
// and the file, followed by the system's own reason in parentheses; Reason()
// carries that reason as a code. These functions never show a message: the
// command boundary of the window and the one of the command line turn the
// error into the program's message or exit code.
//
// Where the platforms differ, the difference stays in files.cpp: POSIX has
// hard links, rename over an open file, fsync on a folder and permission bits;
// Windows refuses to replace a file another program holds open (the save then
// fails cleanly), keeps a read-only attribute instead of permission bits, and
// syncs the rename itself (write-through). macOS takes the POSIX branches.
#pragma once

#include "core/platform/platform.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace rondaxa {

using Bytes = std::vector<uint8_t>;

// The platform's form of a UTF-8 path, and back.
std::filesystem::path NativePath(std::string_view utf8);
std::string Utf8Path(const std::filesystem::path &path);

// What a file layer function was doing when it failed: lets tests make one
// step fail on demand.
enum class FileStep { Open, Read, Write, Sync, Link, Rename, Remove };
// Returns a non-zero error to make that step fail for that path (for Link and
// Rename the path is the new name). Tests only; none is installed otherwise.
// Returns the hook it replaces.
using FileFaultHook = std::function<std::error_code(FileStep step, const std::string &path)>;
FileFaultHook SetFileFaultHook(FileFaultHook hook);

// A failure for path: "<what>: <path> (<reason>)".
IoError FileError(const std::string &what, const std::string &path, std::error_code reason);
// The wording of the layer's failures.
inline constexpr const char *kCannotOpen = "Kan bestand niet openen";
inline constexpr const char *kCannotRead = "Fout bij het lezen van";
inline constexpr const char *kCannotWrite = "Kan bestand niet schrijven";

// A file opened for reading. Throws IoError when it cannot be opened or read.
class InputFile {
public:
    explicit InputFile(std::string path);
    ~InputFile();
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;
    // Reads up to size bytes; fewer only at the end of the file.
    std::size_t Read(void *buffer, std::size_t size);
    // Skips count bytes (or up to the end).
    void Skip(std::size_t count);

private:
    std::string path_;
    std::FILE *file_ = nullptr;
};

// Reads a whole file, at most limit bytes from its start.
Bytes ReadAll(const std::string &path, std::size_t limit = std::numeric_limits<std::size_t>::max());

// Writes a new version of target safely. The constructor refuses a target
// that is read-only and creates the temporary file beside it (with the
// target's permissions where it exists); Commit replaces the target. A writer
// destroyed before Commit removes its temporary file and leaves the target
// as it was. A target that is a device or pipe (/dev/stdout) cannot be
// replaced: it is written directly, and Commit checks that all was written.
class SafeWriter {
public:
    explicit SafeWriter(std::string target);
    ~SafeWriter();
    SafeWriter(const SafeWriter &) = delete;
    SafeWriter &operator=(const SafeWriter &) = delete;

    const std::string &Target() const { return target_; }
    const std::string &TemporaryName() const { return temporary_; }
    void Write(std::string_view bytes);
    void Write(const Bytes &bytes);
    // Flushes, syncs and closes the temporary file: it is then complete.
    void Finish();
    // For a writer of its own (a PDF printer): the temporary file is closed
    // and left to it, to be written under TemporaryName() before Commit.
    void HandOver();
    // Finishes (syncing what another writer wrote), replaces the target in one
    // step and syncs the folder.
    void Commit();
    // Whether Commit replaced the target (its folder sync may still fail).
    bool Committed() const { return committed_; }

private:
    void Fail(std::error_code reason);
    void OpenDevice();
    std::string target_;
    std::string temporary_;
    std::FILE *file_ = nullptr;
    bool device_ = false;
    bool finished_ = false;
    bool committed_ = false;
};

// The bytes as the new content of path, written by a SafeWriter.
void SafeWrite(const std::string &path, std::string_view bytes);

// ---- steps of the competition file's save, which keeps a backup ------------

// A free name beside target for a temporary file: target + ".~tmp" and a
// number where that name is taken.
std::string TemporaryNameBeside(const std::string &target);
// Removes what stopped writes of target left behind (its temporary names).
void RemoveLeftTemporaries(const std::string &target);
// Gives the file at from a second name to (which must not exist): a hard
// link where the disk has them, else a complete, synced copy.
void SecondName(const std::string &from, const std::string &to);
// Replaces to by from in one step.
void ReplaceFile(const std::string &from, const std::string &to);
// Removes a file; false when it could not.
bool RemoveFile(const std::string &path) noexcept;
// Whether something exists under path (a broken link counts).
bool FileExists(const std::string &path) noexcept;
// Syncs the folder of path, so that its renames survive a power cut.
void SyncFolderOf(const std::string &path);

// The size and modification time of a file, to notice that another program
// changed it. Empty (Exists false) where the file does not exist.
struct FileStamp {
    bool Exists = false;
    std::uintmax_t Size = 0;
    std::filesystem::file_time_type LastWrite{};
    bool operator==(const FileStamp &) const = default;
};
FileStamp StampOf(const std::string &path) noexcept;

} // namespace rondaxa
