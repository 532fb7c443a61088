#include "cli/cli_common.h"
#include "cli/commands.h"

#include "core/model/demo.h"
#include "core/model/kzb_file.h"

namespace rondaxa::cli {

int RunDemo(const CommandArgs &arguments) {
    Args args(arguments);
    const std::string out = args.OnlyFile("demo", "an output file");
    auto comp = MakeDemoCompetition();
    const Bytes bytes = SerializeCompetition(*comp);
    WriteBytesTo(out, std::string(bytes.begin(), bytes.end()));
    return kExitOk;
}

} // namespace rondaxa::cli
