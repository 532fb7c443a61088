// rondaxa-cli publish: the final-standings command followed by the season's
// web site (index, class pages with standings, race days and chart, one
// stylesheet) written into a folder.
#include "cli/calc_args.h"
#include "cli/cli_common.h"
#include "cli/commands.h"

#include "core/reports/season_site.h"

namespace rondaxa::cli {

namespace {

struct PublishArgs {
    std::string File;
    std::string Folder;
    CalcArgs Calculation;
    std::optional<std::string> Decimal;
    int Top = kDefaultChartTop;
};

PublishArgs ReadArgs(const CommandArgs &arguments) {
    PublishArgs read;
    read.File =
        ReadOptions(arguments, "publish", kFileOperand,
                    CalcOptionTable(read.Calculation, {
                                                          Needed("--out DIR", Text("--out", read.Folder)),
                                                          Number("--top", 1, kMaxChartTop, read.Top),
                                                          Text("--decimal", read.Decimal),
                                                      }));
    FinishCalcArgs(read.Calculation);
    return read;
}

} // namespace

int RunPublish(const CommandArgs &arguments) {
    const PublishArgs read = ReadArgs(arguments);
    auto comp = LoadAndCalculate(read.File, read.Calculation, read.Decimal);
    SiteChoices choices;
    choices.ChartTop = read.Top;
    // With --class the site holds that class, as "standings" exports it.
    if (read.Calculation.ClassArg)
        choices.Classes.push_back(comp->ActiveClass);
    try {
        WriteSite(read.Folder, BuildSeasonSite(*comp, choices));
    } catch (const IoError &error) {
        throw CliExit(kExitFile, error.what());
    }
    return kExitOk;
}

} // namespace rondaxa::cli
