// rondaxa-cli's "print": the command runs in rondaxa-print, which takes the
// process over with the same arguments.
#include "cli/cli_common.h"
#include "cli/commands.h"

#include <filesystem>
#include <iostream>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace rondaxa::cli {

namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr const char *kPrintProgram = "rondaxa-print.exe";
#else
constexpr const char *kPrintProgram = "rondaxa-print";
#endif

// rondaxa-print next to this program (as in the build), else in the folder
// of the programs' helpers beside the installed program's folder
// (bin/../libexec/rondaxa, whatever the prefix), else in that folder where
// the build meant to install it. Only Linux tells a program its own file
// here (/proc/self/exe); Windows (GetModuleFileNameW) and macOS
// (_NSGetExecutablePath) would need their own call and until then find the
// installed folder only.
fs::path FindPrintProgram() {
    std::vector<fs::path> candidates;
    std::error_code ec;
#ifdef __linux__
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        candidates.push_back(self.parent_path() / kPrintProgram);
        candidates.push_back(self.parent_path().parent_path() / RONDAXA_LIBEXEC_SUBDIR / kPrintProgram);
    }
#endif
    candidates.push_back(fs::path(RONDAXA_LIBEXEC_DIR) / kPrintProgram);
    for (const fs::path &candidate : candidates)
        if (fs::exists(candidate, ec))
            return candidate;
    return {};
}

} // namespace

int HandOverPrint(const CommandArgs &args) {
    const fs::path program = FindPrintProgram();
    if (program.empty())
        throw CliExit(kExitFile,
                      std::string("cannot find ") + kPrintProgram + " (is the program installed whole?)");
    const std::string path = program.string();
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(path.c_str()));
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    std::cout.flush();
#ifdef _WIN32
    _execv(path.c_str(), argv.data());
#else
    execv(path.c_str(), argv.data());
#endif
    throw CliExit(kExitFile, "cannot start " + path);
}

} // namespace rondaxa::cli
