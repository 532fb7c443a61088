// Printing the standings of the largest competition (20 classes x 500
// riders x 50 results) to a PDF file with the file's print settings.
#include "large_competition.h"

#include "core/reports/print_standings.h"
#include "core/scoring/final_standings.h"
#include "ui/platform/QtPrintDevice.h"

#include <QDir>
#include <QGuiApplication>
#include <QPrinter>

#include <benchmark/benchmark.h>

namespace {

using namespace rondaxa;

void BM_PrintAllClassesToPdf(benchmark::State &state) {
    auto comp = bench::MakeLargeCompetition();
    CalcOptions options;
    options.Set(CalcOptions::AllClasses, true);
    CalculateFinalStandings(*comp, options, 0, 0, nullptr);
    PrintChoices choices = OpenPrintChoices(*comp);
    choices.Classes = PrintClassChoice::All;
    const QString path = QDir::temp().filePath(QStringLiteral("rondaxa_bench_print.pdf"));
    bench::QuietPrompts prompts;
    int pages = 0;
    for (auto _ : state) {
        const auto printer = MakePdfPrinter(path, PageOrientation::Portrait);
        QtPrintDevice device(*printer);
        pages = PrintStandings(*comp, choices, device, prompts).Pages;
    }
    state.counters["pages"] = pages;
    QFile::remove(path);
}
BENCHMARK(BM_PrintAllClassesToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
