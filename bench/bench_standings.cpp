// Final standings of every class of the largest competition (20 classes x
// 500 riders x 50 results, five tie-break steps) and its HTML and text
// exports.
#include "large_competition.h"

#include "core/reports/text_export.h"
#include "core/scoring/final_standings.h"

#include <benchmark/benchmark.h>

namespace {

using namespace rondaxa;

// Back to the input order without standings, so each run sorts from scratch.
void Reset(Competition &comp) {
    RemoveAllStandings(comp);
    for (auto &klasse : comp.Classes)
        CalculateStandings(comp.Club, *klasse, ModeInputOrder, 0, kAscending, 0);
}

void CalculateAll(Competition &comp) {
    ProblemList problems;
    CalculateFinalStandings(comp, CalcOptions{}, 0, 0, &problems);
    benchmark::DoNotOptimize(problems.Entries().size());
}

ExportChoices HtmlOfAllClasses(const Competition &comp) {
    ExportChoices choices = OpenExportChoices(comp, ExportMemory{});
    choices.FileType = ExportFileType::Html;
    choices.Classes = ExportClassChoice::All;
    choices.Info = true;
    return choices;
}

void BM_FinalStandingsAllClasses(benchmark::State &state) {
    auto comp = bench::MakeLargeCompetition();
    for (auto _ : state) {
        state.PauseTiming();
        Reset(*comp);
        state.ResumeTiming();
        CalculateAll(*comp);
    }
}
BENCHMARK(BM_FinalStandingsAllClasses)->Unit(benchmark::kMillisecond);

// One export of all classes, over and over; the string's room (about 24 MB
// for HTML) is used again by every run.
void ExportAllClasses(benchmark::State &state, ExportFileType type) {
    auto comp = bench::MakeLargeCompetition();
    CalculateAll(*comp);
    ExportChoices choices = HtmlOfAllClasses(*comp);
    choices.FileType = type;
    std::string out;
    for (auto _ : state) {
        out.clear();
        AppendExport(*comp, choices, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["bytes"] = static_cast<double>(out.size());
}

void BM_HtmlExportAllClasses(benchmark::State &state) {
    ExportAllClasses(state, ExportFileType::Html);
}
BENCHMARK(BM_HtmlExportAllClasses)->Unit(benchmark::kMillisecond);

// The text export: tab-separated, one line per rider.
void BM_TextExportAllClasses(benchmark::State &state) {
    ExportAllClasses(state, ExportFileType::Text);
}
BENCHMARK(BM_TextExportAllClasses)->Unit(benchmark::kMillisecond);

void BM_StandingsThenHtmlExport(benchmark::State &state) {
    auto comp = bench::MakeLargeCompetition();
    std::string out;
    for (auto _ : state) {
        state.PauseTiming();
        Reset(*comp);
        out.clear();
        state.ResumeTiming();
        CalculateAll(*comp);
        AppendExport(*comp, HtmlOfAllClasses(*comp), out);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_StandingsThenHtmlExport)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
