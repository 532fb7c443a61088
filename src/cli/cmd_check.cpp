// rondaxa-cli check: the results check of one class; one line per finding.
#include "cli/cli_common.h"
#include "cli/commands.h"

#include "core/model/messages.h"
#include "core/results/results_check.h"

#include <algorithm>
#include <iostream>
#include <optional>

namespace rondaxa::cli {

namespace {

struct CheckArgs {
    std::string File;
    std::string ClassArg = "#1";
    std::optional<int> From;
    std::optional<int> To;
};

CheckArgs ReadArgs(const CommandArgs &arguments) {
    Args args(arguments);
    CheckArgs read;
    while (!args.Done()) {
        const std::string arg = args.Next();
        if (arg == "--class")
            read.ClassArg = args.Value(arg);
        else if (arg == "--from")
            read.From = args.IntValue(arg, 1, kMaxResults);
        else if (arg == "--to")
            read.To = args.IntValue(arg, 1, kMaxResults);
        else if (!arg.empty() && arg[0] == '-')
            throw UsageError("unknown option " + arg);
        else if (!read.File.empty())
            throw UsageError("check takes one file");
        else
            read.File = arg;
    }
    if (read.File.empty())
        throw UsageError("check needs a file");
    if (read.From.has_value() != read.To.has_value())
        throw UsageError("options --from and --to go together");
    return read;
}

} // namespace

int RunCheck(const CommandArgs &arguments) {
    const CheckArgs read = ReadArgs(arguments);
    auto comp = LoadForCli(read.File);
    comp->ActiveClass = FindClassIndex(*comp, read.ClassArg);
    TKlasse &klasse = *comp->Active();
    CountColumns(klasse);
    const int columns = klasse.ResultCount;
    if (read.From && std::max(*read.From, *read.To) > columns)
        throw UsageError("options --from and --to take 1.." + IntText(columns) + " for this class");

    const CheckRange range = CheckRangeFor(!read.From, read.From.value_or(1), read.To.value_or(1), columns);
    ProblemList problems;
    CheckResults(comp->Club, klasse, range.First, range.Last, problems);
    if (!problems.HasProblems()) {
        std::cout << ForTerminal(ErrorMessageFor(kNoProblemsCode).Text) << '\n';
        return kExitOk;
    }
    for (const Problem &problem : problems.Entries())
        std::cout << ForTerminal(problem.Text) << '\n';
    return kExitFindings;
}

} // namespace rondaxa::cli
