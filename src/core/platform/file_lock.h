// The lock beside a competition file ("club.kzb.~lock") while a program holds
// the file open for writing: the desktop program from open to close, the
// command line for its read-change-save. A second writer is refused with the
// holder's program, computer and since when; read-only use takes no lock.
//
// The lock is the operating system's lock on that file (flock on POSIX,
// LockFileEx on Windows), which ends with its process: a lock file left by a
// process that is gone (a crash, a power cut) is simply taken over. The file's
// text only names the holder for the refusal's message.
#pragma once

#include "core/platform/platform.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace rondaxa {

// Who holds a lock (UTF-8; empty where the lock file does not say).
struct LockHolder {
    std::string Program;
    std::string Host;
    std::string Since; // local time of the holder, "07-12-2026 18:03"
};

// The file is locked by another running program.
class FileInUse : public std::runtime_error {
public:
    FileInUse(const std::string &fileName, LockHolder holder);
    const LockHolder &Holder() const { return holder_; }

private:
    LockHolder holder_;
};

// The refusal in the program's code page: "Het bestand ... is in gebruik door
// <program> op computer <host> sinds <since>. ...".
std::string FileInUseMessage(const std::string &fileName, const LockHolder &holder);

// The name of the lock file of fileName.
std::string LockFileName(const std::string &fileName);

class FileLock {
public:
    // Takes the lock of fileName for program. Throws FileInUse when another
    // running program holds it, IoError when the lock file cannot be made.
    FileLock(const std::string &fileName, const std::string &program);
    // Gives the lock up and removes the lock file.
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    const std::string &FileName() const { return fileName_; }

private:
    std::string fileName_;
    std::string lockName_;
#ifdef _WIN32
    void *handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

} // namespace rondaxa
