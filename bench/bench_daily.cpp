// The daily classification of a 500-rider class over 10 result columns,
// with its HTML export, as the window and its export dialog run it.
#include "large_competition.h"

#include "core/daily/daily.h"
#include "core/daily/daily_export.h"

#include <benchmark/benchmark.h>

namespace {

using namespace rondaxa;

int FixedWidth(std::string_view text) {
    return static_cast<int>(text.size()) * 7;
}

void BM_DailyClassification(benchmark::State &state) {
    auto comp = bench::MakeLargeCompetition();
    TKlasse &klasse = *comp->Classes[0];
    for (auto _ : state) {
        const DailyTable table = MakeDailyClassification(comp->Club, klasse, 11, 20, false, FixedWidth);
        benchmark::DoNotOptimize(table.Links.data());
    }
}
BENCHMARK(BM_DailyClassification)->Unit(benchmark::kMicrosecond);

void BM_DailyClassificationWithHtmlExport(benchmark::State &state) {
    auto comp = bench::MakeLargeCompetition();
    TKlasse &klasse = *comp->Classes[0];
    DailyExportChoices choices = OpenDailyExportChoices(*comp, klasse, DailyExportMemory{});
    choices.Target = DailyTarget::HtmlFile;
    choices.Info = choices.Replacement = choices.AllRiders = true;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const DailyTable table = MakeDailyClassification(comp->Club, klasse, 11, 20, false, FixedWidth);
        const std::string html = DailyHtmlFile(comp->Club, klasse, table, choices);
        bytes = html.size();
        benchmark::DoNotOptimize(html.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_DailyClassificationWithHtmlExport)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
