// Undo and redo on the largest competition: one exchange of a whole-class
// step, performing such a step (copy and comparison of the class), a step
// over the whole competition, and the memory a history of 100 steps keeps.
#include "large_competition.h"

#include "core/model/document.h"
#include "core/results/quick_entry.h"
#include "core/scoring/final_standings.h"

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

using namespace rondaxa;

std::unique_ptr<CompetitionDocument> LargeDocument() {
    auto doc = std::make_unique<CompetitionDocument>();
    doc->Comp() = std::move(*bench::MakeLargeCompetition());
    return doc;
}

// A finishing order of every rider of the class into its first column: a
// step that changes the whole class.
std::unique_ptr<DocumentStep> EnterWholeClass(CompetitionDocument &doc, int tab, bool reverse) {
    Competition &comp = doc.Comp();
    TKlasse &klasse = *comp.Classes[static_cast<std::size_t>(tab)];
    std::vector<std::string> lines;
    for (int row = 1; row < klasse.Grid.RowCount(); ++row)
        lines.push_back(klasse.Rider(reverse ? klasse.Grid.RowCount() - row : row)->StartNo.str());
    QuickEntryChoices choices;
    choices.NewColumn = false;
    choices.Column = 1;
    return doc.Perform(StepScope::Class(tab), "Snel uitslagen toevoegen",
                       [&] { EnterFinishingOrder(comp, klasse, lines, choices); });
}

// Each iteration is one undo or one redo (they alternate).
void UndoAndRedo(benchmark::State &state, CompetitionDocument &doc, DocumentStep &step) {
    bool undone = false;
    for (auto _ : state) {
        if (undone)
            doc.Redo(step);
        else
            doc.Undo(step);
        undone = !undone;
    }
}

void BM_UndoOrRedoWholeClassStep(benchmark::State &state) {
    auto doc = LargeDocument();
    auto step = EnterWholeClass(*doc, 0, true);
    UndoAndRedo(state, *doc, *step);
}
BENCHMARK(BM_UndoOrRedoWholeClassStep)->Unit(benchmark::kMillisecond);

// The step's own cost on top of the change: the class copied before and
// compared after.
void BM_PerformWholeClassStep(benchmark::State &state) {
    auto doc = LargeDocument();
    bool reverse = false;
    for (auto _ : state) {
        auto step = EnterWholeClass(*doc, 0, reverse = !reverse);
        benchmark::DoNotOptimize(step.get());
    }
}
BENCHMARK(BM_PerformWholeClassStep)->Unit(benchmark::kMillisecond);

// A step over all 20 classes that changes all of them: standings computed,
// then undone and redone.
void BM_UndoOrRedoStandingsOfEveryClass(benchmark::State &state) {
    auto doc = LargeDocument();
    CalcOptions options;
    auto step = doc->Perform(StepScope::WholeCompetition(), "Eindstanden",
                             [&] { CalculateFinalStandings(doc->Comp(), options, 0, 0, nullptr); });
    UndoAndRedo(state, *doc, *step);
    state.counters["step_MB"] = static_cast<double>(step->MemoryUse()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_UndoOrRedoStandingsOfEveryClass)->Unit(benchmark::kMillisecond);

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

// 100 whole-class steps, one class after the other: what the history keeps
// (counted by the steps, and the growth of the process where the system
// tells it).
void BM_HistoryOf100WholeClassSteps(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = LargeDocument();
        const long before = ResidentKilobytes();
        state.ResumeTiming();
        std::vector<std::unique_ptr<DocumentStep>> history;
        std::size_t kept = 0;
        const int classes = doc->Comp().ClassCount();
        for (int i = 0; i < 100; ++i) {
            // Each round over the classes enters the other order, so every step changes its class.
            history.push_back(EnterWholeClass(*doc, i % classes, (i / classes) % 2 == 0));
            if (history.back())
                kept += history.back()->MemoryUse();
        }
        state.PauseTiming();
        state.counters["history_MB"] = static_cast<double>(kept) / (1024.0 * 1024.0);
        state.counters["resident_growth_MB"] = static_cast<double>(ResidentKilobytes() - before) / 1024.0;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HistoryOf100WholeClassSteps)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
