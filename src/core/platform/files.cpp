#include "core/platform/files.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// windows.h names its ANSI/wide variants of ReplaceFile with a macro, which
// would rename the layer's own ReplaceFile below.
#undef ReplaceFile

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace rondaxa {
namespace {

namespace fs = std::filesystem;

FileFaultHook &FaultHook() {
    static FileFaultHook hook;
    return hook;
}

// The error a test asks for at this step, if any.
std::error_code Injected(FileStep step, const std::string &path) {
    const FileFaultHook &hook = FaultHook();
    return hook ? hook(step, path) : std::error_code();
}

std::error_code LastErrno() {
    return std::error_code(errno ? errno : EIO, std::generic_category());
}

#ifdef _WIN32
std::error_code LastWindowsError() {
    return std::error_code(static_cast<int>(GetLastError()), std::system_category());
}
#endif

constexpr const char *kTemporarySuffix = ".~tmp";

std::string FolderOf(const std::string &path) {
    const fs::path native = NativePath(path);
    return native.has_parent_path() ? Utf8Path(native.parent_path()) : std::string(".");
}

// Whether name is one of the temporary names of the file named own: the
// suffix and an optional number.
bool IsTemporaryNameOf(const std::string &name, const std::string &own) {
    const std::string stem = own + kTemporarySuffix;
    if (name.size() < stem.size() || name.compare(0, stem.size(), stem) != 0)
        return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(stem.size()), name.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

std::string TemporaryCandidate(const std::string &target, int i) {
    return target + kTemporarySuffix + (i ? std::to_string(i) : std::string());
}

constexpr int kTemporaryTries = 1000;

// Creates a new file exclusively and opens it for writing; nullptr with errno
// set when path exists or cannot be created.
std::FILE *CreateExclusively(const std::string &path) {
#ifdef _WIN32
    const int fd =
        _wopen(NativePath(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return nullptr;
    std::FILE *file = _fdopen(fd, "wb");
    if (!file)
        _close(fd);
    return file;
#else
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return nullptr;
    std::FILE *file = fdopen(fd, "wb");
    if (!file)
        ::close(fd);
    return file;
#endif
}

// A target that exists but may not be written is refused: a save must not
// replace a file the user made read-only.
std::error_code RefusalToReplace(const std::string &target) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(NativePath(target).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return std::error_code(ERROR_ACCESS_DENIED, std::system_category());
#else
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    // Permission bits count even for a user (root) whom access() lets write.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.c_str(), W_OK) != 0)
        return std::error_code(EACCES, std::generic_category());
#endif
    return {};
}

// The new file keeps the permissions (and, where allowed, the group) of the
// file it replaces. Windows: the new file takes the folder's access rules.
void KeepPermissions(std::FILE *file, const std::string &target) {
#ifdef _WIN32
    (void)file;
    (void)target;
#else
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return;
    const int fd = fileno(file);
    if (fchown(fd, static_cast<uid_t>(-1), st.st_gid) != 0) {
        // not a member of that group: the new file keeps the user's group
    }
    fchmod(fd, st.st_mode & 07777);
#endif
}

// A target that exists and is no ordinary file (a terminal, a pipe, a
// device such as /dev/stdout) is written directly: it cannot be replaced.
bool IsDevice(const std::string &target) {
    const fs::path native = NativePath(target);
    std::error_code ec;
    // /dev/stdout and its kin name a descriptor of this process: whatever
    // that is, it is written directly, and the name is never replaced.
    const fs::path link = fs::read_symlink(native, ec);
    if (!ec && link.native().rfind(fs::path("/proc/").native(), 0) == 0)
        return true;
    const fs::file_status status = fs::status(native, ec);
    return !ec && fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status);
}

// Flushes and syncs an open file to the disk.
std::error_code SyncFile(std::FILE *file, const std::string &path) {
    if (std::fflush(file) != 0)
        return LastErrno();
    if (std::error_code injected = Injected(FileStep::Sync, path))
        return injected;
#ifdef _WIN32
    if (_commit(_fileno(file)) != 0)
        return LastErrno();
#else
    if (fsync(fileno(file)) != 0)
        return LastErrno();
#endif
    return {};
}

// Writes bytes as a new file named path (which must not exist), synced.
void WriteNewFile(const std::string &path, const Bytes &bytes) {
    std::error_code ec = Injected(FileStep::Open, path);
    std::FILE *file = ec ? nullptr : CreateExclusively(path);
    if (!file)
        throw FileError(kCannotWrite, path, ec ? ec : LastErrno());
    ec = Injected(FileStep::Write, path);
    if (!ec && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
        ec = LastErrno();
    if (!ec)
        ec = SyncFile(file, path);
    if (std::fclose(file) != 0 && !ec)
        ec = LastErrno();
    if (ec) {
        RemoveFile(path);
        throw FileError(kCannotWrite, path, ec);
    }
}

} // namespace

fs::path NativePath(std::string_view utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Path(const fs::path &path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

FileFaultHook SetFileFaultHook(FileFaultHook hook) {
    return std::exchange(FaultHook(), std::move(hook));
}

IoError FileError(const std::string &what, const std::string &path, std::error_code reason) {
    return IoError(what + ": " + path + " (" + reason.message() + ")", reason);
}

// ---- reading ------------------------------------------------------------------

InputFile::InputFile(std::string path) : path_(std::move(path)) {
    std::error_code ec = Injected(FileStep::Open, path_);
    if (!ec) {
#ifdef _WIN32
        file_ = _wfopen(NativePath(path_).c_str(), L"rb");
#else
        file_ = std::fopen(path_.c_str(), "rb");
#endif
        if (!file_)
            ec = LastErrno();
    }
    if (ec)
        throw FileError(kCannotOpen, path_, ec);
}

InputFile::~InputFile() {
    std::fclose(file_);
}

std::size_t InputFile::Read(void *buffer, std::size_t size) {
    if (std::error_code ec = Injected(FileStep::Read, path_))
        throw FileError(kCannotRead, path_, ec);
    errno = 0;
    const std::size_t got = std::fread(buffer, 1, size, file_);
    if (got < size && std::ferror(file_))
        throw FileError(kCannotRead, path_, LastErrno());
    return got;
}

void InputFile::Skip(std::size_t count) {
    char scratch[4096];
    while (count > 0) {
        const std::size_t got = Read(scratch, std::min(count, sizeof scratch));
        if (got == 0)
            return;
        count -= got;
    }
}

Bytes ReadAll(const std::string &path, std::size_t limit) {
    InputFile in(path);
    // Room for the file as it is now, so that a small file does not cost the
    // room of the largest; a file that grows meanwhile, or whose size is not
    // known, is read on up to limit.
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(NativePath(path), ec);
    Bytes bytes(ec ? 0 : static_cast<std::size_t>(std::min<std::uintmax_t>(size, limit)));
    std::size_t got = 0;
    for (;;) {
        got += in.Read(bytes.data() + got, bytes.size() - got);
        if (got < bytes.size() || got >= limit)
            break;
        uint8_t probe = 0;
        if (in.Read(&probe, 1) == 0)
            break;
        bytes.resize(std::min(limit, std::max<std::size_t>(2 * bytes.size(), 64 * 1024)));
        bytes[got++] = probe;
    }
    bytes.resize(got);
    return bytes;
}

// ---- writing ------------------------------------------------------------------

SafeWriter::SafeWriter(std::string target) : target_(std::move(target)) {
    if (std::error_code refusal = RefusalToReplace(target_))
        throw FileError(kCannotWrite, target_, refusal);
    if (IsDevice(target_)) {
        OpenDevice();
        return;
    }
    std::error_code ec;
    for (int i = 0; i <= kTemporaryTries && !file_; ++i) {
        temporary_ = TemporaryCandidate(target_, i);
        ec = Injected(FileStep::Open, temporary_);
        if (ec)
            break;
        file_ = CreateExclusively(temporary_);
        if (!file_ && errno != EEXIST) {
            ec = LastErrno();
            break;
        }
    }
    if (!file_) {
        temporary_.clear();
        throw FileError(kCannotWrite, target_, ec ? ec : std::make_error_code(std::errc::file_exists));
    }
    KeepPermissions(file_, target_);
}

void SafeWriter::OpenDevice() {
    device_ = true;
    temporary_ = target_;
    std::error_code ec = Injected(FileStep::Open, target_);
#ifdef _WIN32
    file_ = ec ? nullptr : _wfopen(NativePath(target_).c_str(), L"wb");
#else
    file_ = ec ? nullptr : std::fopen(target_.c_str(), "wb");
#endif
    if (!file_)
        throw FileError(kCannotWrite, target_, ec ? ec : LastErrno());
}

SafeWriter::~SafeWriter() {
    if (file_)
        std::fclose(file_);
    if (!committed_ && !device_ && !temporary_.empty())
        RemoveFile(temporary_);
}

void SafeWriter::Fail(std::error_code reason) {
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
    if (!device_)
        RemoveFile(temporary_);
    temporary_.clear();
    throw FileError(kCannotWrite, target_, reason);
}

void SafeWriter::Write(std::string_view bytes) {
    if (!file_)
        Fail(std::make_error_code(std::errc::bad_file_descriptor));
    if (std::error_code ec = Injected(FileStep::Write, temporary_))
        Fail(ec);
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        Fail(LastErrno());
}

void SafeWriter::Write(const Bytes &bytes) {
    Write(std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
}

void SafeWriter::Finish() {
    if (finished_)
        return;
    if (device_) {
        const bool flushed = !file_ || std::fflush(file_) == 0;
        const std::error_code ec = flushed ? std::error_code() : LastErrno();
        if (file_ && std::fclose(file_) != 0 && !ec) {
            file_ = nullptr;
            Fail(LastErrno());
        }
        file_ = nullptr;
        if (ec)
            Fail(ec);
        finished_ = true;
        return;
    }
    if (!file_) { // handed over: sync what the other writer wrote
        errno = 0;
        std::error_code ec = Injected(FileStep::Open, temporary_);
#ifdef _WIN32
        file_ = ec ? nullptr : _wfopen(NativePath(temporary_).c_str(), L"r+b");
#else
        file_ = ec ? nullptr : std::fopen(temporary_.c_str(), "r+b");
#endif
        if (!file_)
            Fail(ec ? ec : LastErrno());
    }
    std::error_code ec = SyncFile(file_, temporary_);
    const int closed = std::fclose(file_);
    file_ = nullptr;
    if (!ec && closed != 0)
        ec = LastErrno();
    if (ec)
        Fail(ec);
    finished_ = true;
}

void SafeWriter::HandOver() {
    if (file_ && std::fclose(file_) != 0) {
        file_ = nullptr;
        Fail(LastErrno());
    }
    file_ = nullptr;
}

void SafeWriter::Commit() {
    Finish();
    if (device_) {
        committed_ = true;
        return;
    }
    try {
        ReplaceFile(temporary_, target_);
    } catch (const IoError &error) {
        RemoveFile(temporary_);
        temporary_.clear();
        throw FileError(kCannotWrite, target_, error.Reason());
    }
    committed_ = true;
    SyncFolderOf(target_);
}

void SafeWrite(const std::string &path, std::string_view bytes) {
    SafeWriter writer(path);
    writer.Write(bytes);
    writer.Commit();
}

// ---- steps of a save with a backup --------------------------------------------

std::string TemporaryNameBeside(const std::string &target) {
    for (int i = 0;; ++i) {
        std::string candidate = TemporaryCandidate(target, i);
        if (!FileExists(candidate) || i >= kTemporaryTries)
            return candidate;
    }
}

void RemoveLeftTemporaries(const std::string &target) {
    const fs::path file = NativePath(target);
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const std::string ownName = Utf8Path(file.filename());
    std::error_code ec;
    std::vector<fs::path> left;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (IsTemporaryNameOf(Utf8Path(it->path().filename()), ownName))
            left.push_back(it->path());
    for (const fs::path &path : left)
        fs::remove(path, ec);
}

void SecondName(const std::string &from, const std::string &to) {
    std::error_code ec = Injected(FileStep::Link, to);
#ifdef _WIN32
    // Windows: a hard link shares the file's open handles, so while another
    // program holds the file open the second name can be neither renamed nor
    // removed, and a refused save would leave it behind. A copy is free.
    ec = std::make_error_code(std::errc::operation_not_supported);
#endif
    if (!ec)
        fs::create_hard_link(NativePath(from), NativePath(to), ec);
    if (!ec)
        return;
    // No hard links here: a copy, whose reading must succeed whole.
    const Bytes bytes = ReadAll(from);
    WriteNewFile(to, bytes);
}

void ReplaceFile(const std::string &from, const std::string &to) {
    std::error_code ec = Injected(FileStep::Rename, to);
    if (!ec) {
#ifdef _WIN32
        if (!MoveFileExW(NativePath(from).c_str(), NativePath(to).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            ec = LastWindowsError();
#else
        if (std::rename(from.c_str(), to.c_str()) != 0)
            ec = LastErrno();
#endif
    }
    if (ec)
        throw FileError(kCannotWrite, to, ec);
}

bool RemoveFile(const std::string &path) noexcept {
    if (Injected(FileStep::Remove, path))
        return false;
    std::error_code ec;
    fs::remove(NativePath(path), ec);
    return !ec;
}

bool FileExists(const std::string &path) noexcept {
    std::error_code ec;
    return fs::exists(fs::symlink_status(NativePath(path), ec));
}

void SyncFolderOf(const std::string &path) {
#ifdef _WIN32
    // The renames were written through (MOVEFILE_WRITE_THROUGH); Windows
    // cannot open a folder for syncing.
    (void)path;
#else
    const std::string folder = FolderOf(path);
    std::error_code ec = Injected(FileStep::Sync, folder);
    if (!ec) {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            ec = LastErrno();
        } else {
            // Some file systems cannot sync a folder (EINVAL): their renames
            // are as durable as they get.
            if (fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP)
                ec = LastErrno();
            ::close(fd);
        }
    }
    if (ec)
        throw FileError(kCannotWrite, folder, ec);
#endif
}

FileStamp StampOf(const std::string &path) noexcept {
    std::error_code ec;
    const fs::path native = NativePath(path);
    FileStamp stamp;
    stamp.Size = fs::file_size(native, ec);
    if (ec)
        return {};
    stamp.LastWrite = fs::last_write_time(native, ec);
    if (ec)
        return {};
    stamp.Exists = true;
    return stamp;
}

} // namespace rondaxa
