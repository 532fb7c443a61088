// rondaxa-cli check: the results check of one class; one line per finding.
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/options.h"

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
    CheckArgs read;
    read.File = ReadOptions(arguments, "check", kFileOperand,
                            {
                                Text("--class", read.ClassArg),
                                Number("--from", 1, kMaxResults, read.From),
                                Number("--to", 1, kMaxResults, read.To),
                            });
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
