#include "core/platform/file_lock.h"

#include "core/model/text.h"
#include "core/platform/files.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <sstream>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace rondaxa {
namespace {

constexpr const char *kLockSuffix = ".~lock";
constexpr const char *kCannotLock = "Kan bestand niet vergrendelen";
constexpr std::size_t kMaxLockText = 1024;

std::string HostName() {
#ifdef _WIN32
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    if (!GetComputerNameW(name, &size))
        return {};
    std::string utf8(static_cast<std::size_t>(size) * 4, '\0');
    const int length = WideCharToMultiByte(CP_UTF8, 0, name, static_cast<int>(size), utf8.data(),
                                           static_cast<int>(utf8.size()), nullptr, nullptr);
    utf8.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return utf8;
#else
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return {};
    return name;
#endif
}

std::string NowText() {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
#ifdef _WIN32
    localtime_s(&t, &now);
#else
    localtime_r(&now, &t);
#endif
    char text[80];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d %02d:%02d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900,
                  t.tm_hour, t.tm_min);
    return text;
}

// The lock file's text: program, computer and since when, one a line.
std::string HolderText(const std::string &program) {
    return program + '\n' + HostName() + '\n' + NowText() + '\n';
}

LockHolder ParseHolder(const std::string &text) {
    std::istringstream lines(text);
    LockHolder holder;
    std::getline(lines, holder.Program);
    std::getline(lines, holder.Host);
    std::getline(lines, holder.Since);
    return holder;
}

std::string OrUnknown(const std::string &text) {
    return text.empty() ? std::string("?") : Utf8ToCp1252(text);
}

} // namespace

FileInUse::FileInUse(const std::string &fileName, LockHolder holder)
    : std::runtime_error(FileInUseMessage(fileName, holder)), holder_(std::move(holder)) {}

std::string FileInUseMessage(const std::string &fileName, const LockHolder &holder) {
    return "Het bestand " + Utf8ToCp1252(Utf8Path(NativePath(fileName).filename())) + " is in gebruik door " +
           OrUnknown(holder.Program) + " op computer " + OrUnknown(holder.Host) + " sinds " +
           OrUnknown(holder.Since) + ".";
}

std::string LockFileName(const std::string &fileName) {
    return fileName + kLockSuffix;
}

#ifdef _WIN32

namespace {

// The lock is one byte far beyond the text, so that others can still read
// who holds it (a locked range cannot be read on Windows).
constexpr DWORD kLockedByteHigh = 1;

std::string ReadText(HANDLE handle) {
    std::string text(kMaxLockText, '\0');
    DWORD got = 0;
    OVERLAPPED at{};
    if (!ReadFile(handle, text.data(), static_cast<DWORD>(text.size()), &got, &at))
        got = 0;
    text.resize(got);
    return text;
}

} // namespace

FileLock::FileLock(const std::string &fileName, const std::string &program)
    : fileName_(fileName), lockName_(LockFileName(fileName)) {
    // A lock file being removed by its last holder cannot be opened for a
    // moment (ERROR_ACCESS_DENIED while the removal is pending): try again.
    HANDLE handle = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 50; ++attempt) {
        handle = CreateFileW(NativePath(lockName_).c_str(), GENERIC_READ | GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_ACCESS_DENIED)
            break;
        Sleep(20);
    }
    if (handle == INVALID_HANDLE_VALUE)
        throw FileError(kCannotLock, fileName_,
                        std::error_code(static_cast<int>(GetLastError()), std::system_category()));
    OVERLAPPED at{};
    at.OffsetHigh = kLockedByteHigh;
    if (!LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        const DWORD error = GetLastError();
        const std::string text = ReadText(handle);
        CloseHandle(handle);
        if (error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING)
            throw FileInUse(fileName_, ParseHolder(text));
        throw FileError(kCannotLock, fileName_,
                        std::error_code(static_cast<int>(error), std::system_category()));
    }
    const std::string text = HolderText(program);
    DWORD written = 0;
    OVERLAPPED start{};
    SetFilePointer(handle, 0, nullptr, FILE_BEGIN);
    SetEndOfFile(handle);
    WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, &start);
    handle_ = handle;
}

FileLock::~FileLock() {
    HANDLE handle = static_cast<HANDLE>(handle_);
    // Removed while still locked, so that no one takes over a file that is
    // about to go.
    DeleteFileW(NativePath(lockName_).c_str());
    OVERLAPPED at{};
    at.OffsetHigh = kLockedByteHigh;
    UnlockFileEx(handle, 0, 1, 0, &at);
    CloseHandle(handle);
}

#else

namespace {

std::string ReadText(int fd) {
    std::string text(kMaxLockText, '\0');
    const ssize_t got = pread(fd, text.data(), text.size(), 0);
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return text;
}

// Whether fd is still the file under name: a holder that gave its lock up
// removed the file after we opened it, and a new one may stand there.
bool IsStillThere(int fd, const std::string &name) {
    struct stat opened {
    }, named{};
    return fstat(fd, &opened) == 0 && ::stat(name.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

} // namespace

FileLock::FileLock(const std::string &fileName, const std::string &program)
    : fileName_(fileName), lockName_(LockFileName(fileName)) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int fd = ::open(lockName_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0)
            throw FileError(kCannotLock, fileName_, std::error_code(errno, std::generic_category()));
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            const std::string text = ReadText(fd);
            ::close(fd);
            if (error == EWOULDBLOCK)
                throw FileInUse(fileName_, ParseHolder(text));
            throw FileError(kCannotLock, fileName_, std::error_code(error, std::generic_category()));
        }
        if (!IsStillThere(fd, lockName_)) {
            ::close(fd);
            continue;
        }
        const std::string text = HolderText(program);
        if (ftruncate(fd, 0) != 0 ||
            pwrite(fd, text.data(), text.size(), 0) != static_cast<ssize_t>(text.size())) {
            // the lock holds all the same; only its message will lack the holder
        }
        fd_ = fd;
        return;
    }
    throw FileError(kCannotLock, fileName_, std::make_error_code(std::errc::resource_unavailable_try_again));
}

FileLock::~FileLock() {
    // Removed while still locked, so that no one takes over a file that is
    // about to go.
    ::unlink(lockName_.c_str());
    ::close(fd_);
}

#endif

} // namespace rondaxa
