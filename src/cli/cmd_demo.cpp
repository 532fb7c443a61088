#include "cli_common.h"
#include "commands.h"

#include "model/demo.h"
#include "model/kzb_file.h"

namespace rondaxa::cli {

int RunDemo(const CommandArgs &arguments) {
    Args args(arguments);
    std::string out;
    while (!args.Done()) {
        const std::string &arg = args.Next();
        if (!arg.empty() && arg[0] == '-')
            throw UsageError("unknown option " + arg);
        if (!out.empty())
            throw UsageError("demo takes one output file");
        out = arg;
    }
    if (out.empty())
        throw UsageError("demo needs an output file");
    auto comp = MakeDemoCompetition();
    const Bytes bytes = SerializeCompetition(*comp);
    WriteBytesTo(out, std::string(bytes.begin(), bytes.end()));
    return kExitOk;
}

} // namespace rondaxa::cli
