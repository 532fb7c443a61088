// Printing the standings of the largest competition (20 classes x 500
// riders x 50 results) to a PDF file with the file's print settings, and
// opening the print preview of the same pages (until the first page shows).
//
// Measured on the shared 2-core build machine under load (about 12), from the
// preview's start to its first page on the screen: 21.1 s CPU while the
// platform's preview kept every text as glyph paths, 1.5 s CPU (4.8 s wall)
// once it recorded texts as text and still drew all 105 pages before showing
// one; 0.11 s CPU (0.51 s wall) now that the job is laid out once and only the
// page shown is drawn. Turning a page takes 9 ms CPU (27 ms wall).
// Printing the same 105 pages to PDF takes 0.3 s CPU.
#include "large_competition.h"

#include "core/reports/print_standings.h"
#include "core/reports/recorded_pages.h"
#include "core/scoring/final_standings.h"
#include "print/QtPrintDevice.h"
#include "ui/reports/PagePreview.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>

#include <benchmark/benchmark.h>

namespace {

using namespace rondaxa;

// The final standings of every class, and the choices that print them all.
PrintChoices AllClassesWithStandings(Competition &comp) {
    CalcOptions options;
    options.Set(CalcOptions::AllClasses, true);
    CalculateFinalStandings(comp, options, 0, 0, nullptr);
    PrintChoices choices = OpenPrintChoices(comp);
    choices.Classes = PrintClassChoice::All;
    return choices;
}

void BM_PrintAllClassesToPdf(benchmark::State &state) {
    auto comp = bench::MakeLargeCompetition();
    const PrintChoices choices = AllClassesWithStandings(*comp);
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

// From the preview's start to its first page on the screen: the job laid
// out once, page 1 drawn.
void BM_PreviewAllClasses(benchmark::State &state) {
    auto comp = bench::MakeLargeCompetition();
    const PrintChoices choices = AllClassesWithStandings(*comp);
    const QString path = QDir::temp().filePath(QStringLiteral("rondaxa_bench_preview.pdf"));
    const auto printer = MakePdfPrinter(path, PageOrientation::Portrait);
    bench::QuietPrompts prompts;
    int pages = 0;
    for (auto _ : state) {
        QtPrintDevice measure(*printer);
        RecordedPages recorded(measure);
        PrintStandings(*comp, choices, recorded, prompts);
        PagePreview preview(recorded, *printer);
        preview.show();
        benchmark::DoNotOptimize(preview.grab());
        pages = preview.PageCount();
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PreviewAllClasses)->Unit(benchmark::kMillisecond)->Iterations(3);

// Turning to the next page once the preview shows.
void BM_PreviewNextPage(benchmark::State &state) {
    auto comp = bench::MakeLargeCompetition();
    const PrintChoices choices = AllClassesWithStandings(*comp);
    const QString path = QDir::temp().filePath(QStringLiteral("rondaxa_bench_preview.pdf"));
    const auto printer = MakePdfPrinter(path, PageOrientation::Portrait);
    bench::QuietPrompts prompts;
    QtPrintDevice measure(*printer);
    RecordedPages recorded(measure);
    PrintStandings(*comp, choices, recorded, prompts);
    PagePreview preview(recorded, *printer);
    preview.show();
    int page = 0;
    for (auto _ : state) {
        page = (page + 1) % preview.PageCount();
        preview.ShowPage(page);
        benchmark::DoNotOptimize(preview.grab());
    }
}
BENCHMARK(BM_PreviewNextPage)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
