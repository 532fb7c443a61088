#include "cli_common.h"
#include "commands.h"

namespace rondaxa::cli {

int RunStandings(const CommandArgs &) {
    throw CliExit(kExitRefused, "standings: not available yet");
}

} // namespace rondaxa::cli
