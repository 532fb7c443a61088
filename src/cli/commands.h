// The commands of rondaxa-cli; each lives in its own cmd_*.cpp.
#pragma once

#include <string>
#include <vector>

namespace rondaxa::cli {

using CommandArgs = std::vector<std::string>;

int RunInfo(const CommandArgs &args);
int RunDemo(const CommandArgs &args);
int RunStandings(const CommandArgs &args);
int RunImportDos(const CommandArgs &args);
int RunAddResults(const CommandArgs &args);
int RunCheck(const CommandArgs &args);
int RunPublish(const CommandArgs &args);
int RunChart(const CommandArgs &args);
#ifdef RONDAXA_CLI_PRINT
// "print" runs in a program of its own, rondaxa-print, so that only printing
// loads the Qt libraries (which cost a start of every other command more
// than its work): RunPrint is that program's command, HandOverPrint
// rondaxa-cli's, which replaces the process by rondaxa-print.
inline constexpr const char *kPrintUsage =
    "rondaxa-cli print FILE --pdf OUT.pdf [--class NAME|#N | --all] [--average] [--no-net] [--no-gross]\n"
    "    [--daily] [--count N] [--hc 0|1|2|3] [--no-calc] [--decimal C]";
int RunPrint(const CommandArgs &args);
int HandOverPrint(const CommandArgs &args);
#endif

// Runs a command as rondaxa-cli does: "--help" shows its usage, and a
// CliExit ends it with its message (usage errors naming the command) and
// exit code. Returns the exit code.
int RunCommand(const std::string &name, const char *usage, int (*run)(const CommandArgs &),
               const CommandArgs &args);
int RunDaily(const CommandArgs &args);

} // namespace rondaxa::cli
