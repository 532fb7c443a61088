// rondaxa-cli chart: the season chart of one class as an SVG file.
#include "cli/calc_args.h"
#include "cli/cli_common.h"
#include "cli/commands.h"

#include "core/reports/season_chart.h"
#include "core/reports/season_site.h"

#include <filesystem>

namespace rondaxa::cli {

namespace {

struct ChartArgs {
    std::string File;
    std::string OutPath;
    CalcArgs Calculation;
    int Top = kDefaultChartTop;
};

ChartArgs ReadArgs(const CommandArgs &arguments) {
    Args args(arguments);
    ChartArgs read;
    while (!args.Done()) {
        const std::string arg = args.Next();
        if (arg == "--class")
            read.Calculation.ClassArg = args.Value(arg);
        else if (arg == "--top")
            read.Top = args.IntValue(arg, 1, kMaxChartTop);
        else if (arg == "--out")
            read.OutPath = args.Value(arg);
        else if (!arg.empty() && arg[0] == '-')
            throw UsageError("unknown option " + arg);
        else if (!read.File.empty())
            throw UsageError("chart takes one file");
        else
            read.File = arg;
    }
    if (read.File.empty())
        throw UsageError("chart needs a file");
    if (!read.Calculation.ClassArg)
        throw UsageError("chart needs --class NAME|#N");
    if (read.OutPath.empty())
        throw UsageError("chart needs --out PATH.svg");
    FinishCalcArgs(read.Calculation);
    return read;
}

} // namespace

int RunChart(const CommandArgs &arguments) {
    const ChartArgs read = ReadArgs(arguments);
    auto comp = LoadAndCalculate(read.File, read.Calculation, std::nullopt);
    const SeasonChart chart = SeasonChartOf(comp->Club, *comp->Active(), read.Top);
    const std::filesystem::path out(read.OutPath);
    try {
        WriteSite(out.has_parent_path() ? out.parent_path().string() : std::string("."),
                  {SitePage{out.filename().string(), SeasonChartSvgFile(chart)}});
    } catch (const IoError &error) {
        throw CliExit(kExitFile, error.what());
    }
    return kExitOk;
}

} // namespace rondaxa::cli
