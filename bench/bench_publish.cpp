// The season's web site of the largest competition (20 classes x 500 riders
// x 50 results, a race day on every column): the pages made in memory, and
// made and written into a folder.
#include "large_competition.h"

#include "core/reports/season_site.h"
#include "core/scoring/final_standings.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace rondaxa;

std::unique_ptr<Competition> CalculatedLargest() {
    auto comp = bench::MakeLargeCompetition();
    CalculateFinalStandings(*comp, CalcOptions{}, 0, 0, nullptr);
    return comp;
}

void BM_BuildSiteLargest(benchmark::State &state) {
    const auto comp = CalculatedLargest();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::vector<SitePage> pages = BuildSeasonSite(*comp, SiteChoices{});
        bytes = 0;
        for (const SitePage &page : pages)
            bytes += page.Content.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_BuildSiteLargest)->Unit(benchmark::kMillisecond);

void BM_PublishLargest(benchmark::State &state) {
    const auto comp = CalculatedLargest();
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "rondaxa-bench-site";
    for (auto _ : state)
        WriteSite(folder.string(), BuildSeasonSite(*comp, SiteChoices{}));
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_PublishLargest)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
