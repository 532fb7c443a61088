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
#ifdef RONDAXA_CLI_PRINT
int RunPrint(const CommandArgs &args);
#endif
int RunDaily(const CommandArgs &args);

} // namespace rondaxa::cli
