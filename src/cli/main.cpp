// rondaxa-cli: the headless front end of the competition core.
#include "cli/cli_common.h"
#include "cli/commands.h"

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace {

using rondaxa::cli::CommandArgs;

struct Command {
    const char *Name;
    int (*Run)(const CommandArgs &);
    const char *Usage;
};

const Command kCommands[] = {
    {"info", rondaxa::cli::RunInfo, "rondaxa-cli info FILE"},
    {"standings", rondaxa::cli::RunStandings,
     "rondaxa-cli standings FILE [--class NAME|#N] [--average] [--no-net] [--no-gross] [--daily]\n"
     "    [--count N] [--hc 0|1|2|3] [--no-calc] [--html] [--separator tab|semicolon|newline|char:TEXT]\n"
     "    [--no-results] [--no-startno] [--info] [--swap-names|--no-swap-names] [--no-club]\n"
     "    [--no-class-name] [--zero-empty|--no-zero-empty] [--empty-text TEXT] [--join-results TEXT]\n"
     "    [--decimal C] [--out PATH]"},
    {"daily", rondaxa::cli::RunDaily,
     "rondaxa-cli daily FILE --class NAME|#N --from N --to M [--hc-no-points] [--html] [--no-startno]\n"
     "    [--info] [--replacement] [--all-riders] [--extra] [--apply] [--out PATH]"},
    {"import-dos", rondaxa::cli::RunImportDos,
     "rondaxa-cli import-dos DIR --set S [--class-dir DIR2] --out FILE.kzb"},
    {"check", rondaxa::cli::RunCheck, "rondaxa-cli check FILE [--class NAME|#N] [--from N --to M]"},
    {"add-results", rondaxa::cli::RunAddResults,
     "rondaxa-cli add-results FILE --class NAME|#N [--column N] [--ignore-unknown] [--order PATH]\n"
     "    The order (PATH or standard input) is UTF-8 text, one finisher per line; a leading byte-order\n"
     "    mark is skipped, text that is not valid UTF-8 is read as Windows-1252 and UTF-16 with its\n"
     "    byte-order mark as UTF-16."},
#ifdef RONDAXA_CLI_PRINT
    {"print", rondaxa::cli::HandOverPrint, rondaxa::cli::kPrintUsage},
#endif
    {"publish", rondaxa::cli::RunPublish,
     "rondaxa-cli publish FILE --out DIR [--top N] [--class NAME|#N] [--average] [--no-net] [--no-gross]\n"
     "    [--daily] [--count N] [--hc 0|1|2|3] [--no-calc] [--decimal C]"},
    {"chart", rondaxa::cli::RunChart, "rondaxa-cli chart FILE --class NAME|#N [--top N] --out PATH.svg"},
    {"demo", rondaxa::cli::RunDemo, "rondaxa-cli demo OUT.kzb"},
};

void PrintUsage(std::ostream &out) {
    out << "usage: rondaxa-cli COMMAND [options]\n\ncommands:\n";
    for (const Command &command : kCommands)
        out << "  " << command.Usage << '\n';
    out << "  rondaxa-cli --version\n";
}

int RunCommandLine(int argc, char **argv) {
    if (argc < 2) {
        PrintUsage(std::cerr);
        return rondaxa::cli::kExitUsage;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(std::cout);
        return rondaxa::cli::FinishStandardOutput("", rondaxa::cli::kExitOk);
    }
    if (name == "--version") {
        std::cout << "rondaxa-cli " << RONDAXA_VERSION << '\n';
        return rondaxa::cli::FinishStandardOutput("", rondaxa::cli::kExitOk);
    }
    for (const Command &command : kCommands)
        if (name == command.Name)
            return rondaxa::cli::RunCommand(command.Name, command.Usage, command.Run,
                                            CommandArgs(argv + 2, argv + argc));
    std::cerr << "rondaxa-cli: unknown command '" << name << "' (see rondaxa-cli --help)\n";
    return rondaxa::cli::kExitUsage;
}

} // namespace

#ifdef _WIN32
namespace {

std::string Utf8(const wchar_t *wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), size, nullptr, nullptr);
    utf8.pop_back(); // the terminating zero
    return utf8;
}

} // namespace

// Windows differs from POSIX in two ways here: the narrow arguments are in
// the ANSI code page (a name outside it arrives broken), so they are taken
// in UTF-16 and passed on as UTF-8 like everywhere else; and the standard
// streams are text streams that would turn LF into CR LF, so they are made
// binary to give the same bytes as elsewhere. A console shows UTF-8.
int wmain(int argc, wchar_t **wargv) {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i)
        args.push_back(Utf8(wargv[i]));
    std::vector<char *> argv;
    for (std::string &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    return RunCommandLine(argc, argv.data());
}
#else
int main(int argc, char **argv) {
    return RunCommandLine(argc, argv);
}
#endif
