#include "cli/cli_common.h"
#include "cli/commands.h"

#include "core/model/kzb_file.h"
#include "core/model/messages.h"
#include "core/platform/files.h"

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#define RONDAXA_LARGE_PAGES 1
#endif

namespace rondaxa::cli {

namespace {

#ifdef RONDAXA_LARGE_PAGES
// What a competition takes in memory (with its standings) per byte of its
// file, about, and the size from which large pages pay.
constexpr std::uintmax_t kMemoryPerFileByte = 4;
constexpr std::size_t kLargePagesFrom = 4 << 20;
// The largest step malloc takes at once from the heap (its largest
// threshold for blocks of their own).
constexpr std::size_t kLargestHeapStep = 32 << 20;
#endif

// The memory of a large competition comes in large pages where Linux offers
// them for the asking: every first touch of a fresh page costs a fault, and
// the riders of the largest competition touch some thousands of pages,
// which on a virtual machine costs as much as the whole calculation. The
// heap is grown once, by what the competition will take, and that room is
// marked for large pages; malloc keeps it (nothing is given back before the
// program ends, which is soon). Elsewhere, or where malloc does not take its
// memory from the heap (as under a sanitizer), nothing changes.
void PrepareMemoryFor(std::uintmax_t fileSize) {
#ifdef RONDAXA_LARGE_PAGES
    const std::uintmax_t expected = fileSize * kMemoryPerFileByte;
    if (expected < kLargePagesFrom)
        return;
    const std::size_t room = static_cast<std::size_t>(std::min<std::uintmax_t>(expected, kLargestHeapStep));
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(kLargestHeapStep));
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * kLargestHeapStep));
    mallopt(M_TOP_PAD, static_cast<int>(room));
    char *const before = static_cast<char *>(sbrk(0));
    // A block larger than what the heap has free makes malloc grow it now,
    // by the block and the room; freed, the block is part of the room.
    void *volatile block = std::malloc(1 << 20);
    std::free(block);
    char *const after = static_cast<char *>(sbrk(0));
    if (before == reinterpret_cast<char *>(-1) || after - before < static_cast<std::ptrdiff_t>(room))
        return;
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const std::uintptr_t from = (reinterpret_cast<std::uintptr_t>(before) + page - 1) & ~(page - 1);
    const std::uintptr_t to = reinterpret_cast<std::uintptr_t>(after) & ~(page - 1);
    madvise(reinterpret_cast<void *>(from), to - from, MADV_HUGEPAGE);
#else
    (void)fileSize;
#endif
}

} // namespace

void StderrPrompts::Message(std::string_view text, MessageIcon) {
    last_ = std::string(text);
    std::cerr << ForTerminal(last_) << '\n';
}

Answer StderrPrompts::Ask(std::string_view text, Buttons) {
    std::cerr << ForTerminal(std::string(text)) << '\n';
    return answer_;
}

std::unique_ptr<Competition> LoadForCli(const std::string &path) {
    std::error_code ec;
    if (const std::uintmax_t size = std::filesystem::file_size(NativePath(path), ec); !ec)
        PrepareMemoryFor(size);
    try {
        // The command line names the file exactly: no extension rule here.
        auto parsed = ParseCompetitionFile(path);
        if (!parsed)
            throw CliExit(kExitFile, ErrorMessageFor(kLoadRejectedCode).Text);
        parsed->FileName = path;
        return parsed;
    } catch (const IoError &error) {
        throw CliExit(kExitFile, error.what());
    }
}

std::unique_ptr<FileLock> LockForCli(const std::string &path) {
    try {
        return std::make_unique<FileLock>(path, "rondaxa-cli");
    } catch (const FileInUse &refusal) {
        throw CliExit(kExitRefused, ForTerminal(refusal.what()));
    } catch (const IoError &error) {
        throw CliExit(kExitFile, error.what());
    }
}

void SaveForCli(Competition &comp) {
    try {
        SaveCompetition(comp, comp.FileName);
    } catch (const IoError &error) {
        throw CliExit(kExitFile, ForTerminal(ErrorMessageFor(kSaveFailedCode).Text) + '\n' + error.what());
    }
}

int FindClassIndex(const Competition &comp, const std::string &which) {
    if (!which.empty() && which[0] == '#') {
        const std::string digits = which.substr(1);
        int n = 0;
        try {
            std::size_t used = 0;
            n = std::stoi(digits, &used);
            if (used != digits.size())
                n = 0;
        } catch (const std::exception &) {
            n = 0;
        }
        if (n < 1 || n > comp.ClassCount())
            throw UsageError("no class " + which + " (the file has " + IntText(comp.ClassCount()) +
                             " classes)");
        return n - 1;
    }
    const std::string name = Utf8ToCp1252(which);
    for (int i = 0; i < comp.ClassCount(); ++i)
        if (comp.Classes[static_cast<std::size_t>(i)]->Name == name)
            return i;
    throw UsageError("no class named '" + which + "'");
}

void UseDecimalSeparator(const std::string &value) {
    if (value.size() != 1)
        throw UsageError("option --decimal takes one character");
    static std::unique_ptr<FixedLocale> locale;
    locale = std::make_unique<FixedLocale>(value[0]);
    InstallLocale(locale.get());
}

// Platforms differ in where the user's locale comes from: LANG/LC_* on Linux
// and macOS (on macOS not the region chosen in System Settings, and a
// program started from the Finder has none: "."), the user's regional
// settings on Windows.
void UseUserLocale() {
    std::setlocale(LC_NUMERIC, "");
    const std::lconv *conv = std::localeconv();
    const char separator =
        (conv && conv->decimal_point && conv->decimal_point[0]) ? conv->decimal_point[0] : '.';
    std::setlocale(LC_NUMERIC, "C");
    static FixedLocale locale(separator);
    InstallLocale(&locale);
}

std::string ForTerminal(const std::string &cp1252) {
    std::string text;
    text.reserve(cp1252.size());
    for (std::size_t i = 0; i < cp1252.size(); ++i) {
        // CR LF, and the LF CR of some of the system's questions, end one line.
        if (cp1252[i] == '\r' && i + 1 < cp1252.size() && cp1252[i + 1] == '\n')
            continue;
        if (cp1252[i] == '\r' && i > 0 && cp1252[i - 1] == '\n')
            continue;
        text += cp1252[i];
    }
    return Cp1252ToUtf8(text);
}

void WriteBytesTo(const std::string &path, const std::string &bytes) {
    try {
        SafeWrite(path, bytes);
    } catch (const IoError &error) {
        throw CliExit(kExitFile, error.what());
    }
}

namespace {

int StandardOutputFailed(const std::string &name, int error) {
    const std::error_code reason(error ? error : EIO, std::generic_category());
    std::cerr << "rondaxa-cli" << (name.empty() ? "" : " ") << name
              << ": Fout bij het schrijven naar standaarduitvoer (" << reason.message() << ")\n";
    return kExitFile;
}

} // namespace

int FinishStandardOutput(const std::string &name, int code) {
    errno = 0;
    std::cout.flush();
    const bool flushed = std::fflush(stdout) == 0;
    if (std::cout && flushed && !std::ferror(stdout))
        return code;
    return StandardOutputFailed(name, errno);
}

int RunCommand(const std::string &name, const char *usage, int (*run)(const CommandArgs &),
               const CommandArgs &args) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << "usage: " << usage << '\n';
        return FinishStandardOutput(name, kExitOk);
    }
    try {
        // The first write to standard output that fails ends the command, so
        // that the system's reason is still known (and nothing is saved after
        // an output that was cut short).
        std::cout.exceptions(std::ios::badbit);
        return FinishStandardOutput(name, run(args));
    } catch (const std::ios_base::failure &) {
        const int error = errno;
        std::cout.exceptions(std::ios::goodbit);
        return StandardOutputFailed(name, error);
    } catch (const CliExit &exit) {
        // Usage errors name the command; the system's own messages stand alone.
        if (exit.Code == kExitUsage)
            std::cerr << "rondaxa-cli " << name << ": ";
        std::cerr << exit.what() << '\n';
        return exit.Code;
    } catch (const std::exception &error) {
        std::cerr << "rondaxa-cli " << name << ": " << error.what() << '\n';
        return kExitFile;
    }
}

} // namespace rondaxa::cli
