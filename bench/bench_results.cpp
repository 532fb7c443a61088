// Quick entry of a 500-line finishing order into a class of 500 riders, and
// the results check of 50 columns of 500 riders.
#include "large_competition.h"

#include "core/results/quick_entry.h"
#include "core/results/results_check.h"

#include <benchmark/benchmark.h>

namespace {

using namespace rondaxa;

// Every rider of the class in reverse start-number order, as a pasted list.
std::vector<std::string> ReverseOrder(const TKlasse &klasse) {
    std::vector<std::string> lines;
    for (int row = klasse.Grid.RowCount() - 1; row >= 1; --row)
        lines.push_back(klasse.Rider(row)->StartNo.str() + "\tNaam\tWoonplaats");
    return lines;
}

void BM_QuickEntry500Lines(benchmark::State &state) {
    auto comp = bench::MakeLargeCompetition();
    TKlasse &klasse = *comp->Classes[0];
    const std::vector<std::string> order = ReverseOrder(klasse);
    QuickEntryChoices choices;
    choices.NewColumn = false;
    choices.Column = 1;
    for (auto _ : state) {
        std::vector<std::string> lines = order;
        const QuickEntryOutcome outcome = EnterFinishingOrder(*comp, klasse, lines, choices);
        benchmark::DoNotOptimize(outcome.Code);
    }
}
BENCHMARK(BM_QuickEntry500Lines)->Unit(benchmark::kMillisecond);

void BM_CheckResults50Columns(benchmark::State &state) {
    auto comp = bench::MakeLargeCompetition();
    const TKlasse &klasse = *comp->Classes[0];
    for (auto _ : state) {
        ProblemList problems;
        CheckResults(comp->Club, klasse, 1, kMaxResults, problems);
        benchmark::DoNotOptimize(problems.Entries().size());
    }
}
BENCHMARK(BM_CheckResults50Columns)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
