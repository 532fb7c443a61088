#include "core/platform/trash.h"

#include "core/platform/files.h"

#if defined(__unix__) && !defined(__APPLE__)
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#define RONDAXA_HOME_TRASH 1
#endif

namespace rondaxa {

#ifdef RONDAXA_HOME_TRASH

namespace {

namespace fs = std::filesystem;

// $XDG_DATA_HOME when it is an absolute path, else ~/.local/share; empty
// without a home folder.
fs::path DataHome() {
    const char *data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/')
        return data;
    const char *home = std::getenv("HOME");
    if (!home || home[0] != '/')
        return {};
    return fs::path(home) / ".local" / "share";
}

// Makes a folder (and its missing parents) readable by the user only.
bool MakePrivateFolder(const fs::path &folder) {
    std::error_code ec;
    if (fs::is_directory(folder, ec))
        return true;
    if (folder.has_parent_path() && folder.parent_path() != folder &&
        !MakePrivateFolder(folder.parent_path()))
        return false;
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

// The path in the info file: bytes other than letters, digits, "/" and
// "-_.~" escaped as %XX.
std::string EscapedPath(const std::string &path) {
    static const char hex[] = "0123456789ABCDEF";
    std::string escaped;
    for (const unsigned char c : path) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '/' || c == '-' || c == '_' || c == '.' || c == '~';
        if (plain) {
            escaped += static_cast<char>(c);
        } else {
            escaped += '%';
            escaped += hex[c >> 4];
            escaped += hex[c & 15];
        }
    }
    return escaped;
}

std::string DeletionDate() {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &t);
    return text;
}

// Creates the info file of a free name in the trash (atomically, so that two
// programs never take one name); the name, or empty.
std::string ReserveName(const fs::path &info, const std::string &name, const std::string &contents) {
    for (int i = 1; i <= 1000; ++i) {
        const std::string candidate = i == 1 ? name : name + "." + std::to_string(i);
        const fs::path infoFile = info / (candidate + ".trashinfo");
        const int fd = ::open(infoFile.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return {};
        }
        const bool written =
            ::write(fd, contents.data(), contents.size()) == static_cast<ssize_t>(contents.size());
        // A failed close may mean the text never reached the disk.
        const bool closed = ::close(fd) == 0;
        if (written && closed)
            return candidate;
        ::unlink(infoFile.c_str());
        return {};
    }
    return {};
}

} // namespace

bool MoveToHomeTrash(const std::string &path, const std::string &originalPath) {
    const fs::path dataHome = DataHome();
    if (dataHome.empty())
        return false;
    const fs::path trash = dataHome / "Trash";
    if (!MakePrivateFolder(trash / "files") || !MakePrivateFolder(trash / "info"))
        return false;
    std::error_code ec;
    const fs::path original = fs::absolute(NativePath(originalPath), ec);
    if (ec)
        return false;
    const std::string contents =
        "[Trash Info]\nPath=" + EscapedPath(original.string()) + "\nDeletionDate=" + DeletionDate() + "\n";
    const std::string name = ReserveName(trash / "info", original.filename().string(), contents);
    if (name.empty())
        return false;
    // The trash must be on the file's own disk: a rename, never a copy.
    if (std::rename(path.c_str(), (trash / "files" / name).c_str()) != 0) {
        ::unlink((trash / "info" / (name + ".trashinfo")).c_str());
        return false;
    }
    return true;
}

#else

bool MoveToHomeTrash(const std::string &, const std::string &) {
    return false;
}

#endif

} // namespace rondaxa
