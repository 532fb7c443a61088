#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/options.h"

#include "core/model/demo.h"
#include "core/model/kzb_file.h"

namespace rondaxa::cli {

int RunDemo(const CommandArgs &arguments) {
    const std::string out = ReadOptions(arguments, "demo", {"output file", "an output file"}, {});
    auto comp = MakeDemoCompetition();
    const Bytes bytes = SerializeCompetition(*comp);
    WriteBytesTo(out, std::string(bytes.begin(), bytes.end()));
    return kExitOk;
}

} // namespace rondaxa::cli
