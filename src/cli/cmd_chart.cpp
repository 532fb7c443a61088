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
    ChartArgs read;
    read.File = ReadOptions(arguments, "chart", kFileOperand,
                            {
                                Needed("--class NAME|#N", Text("--class", read.Calculation.ClassArg)),
                                Number("--top", 1, kMaxChartTop, read.Top),
                                Needed("--out PATH.svg", Text("--out", read.OutPath)),
                            });
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
