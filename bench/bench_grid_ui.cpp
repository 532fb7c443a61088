// Repainting the class grid and switching classes on the largest
// competition (500 riders x 50 results per class), offscreen.
#include "core/model/kzb_file.h"
#include "core/model/settings.h"
#include "large_competition.h"
#include "ui/app/ClassGridView.h"
#include "ui/app/KZBmain.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabBar>
#include <benchmark/benchmark.h>

namespace {

using namespace rondaxa;

struct Window {
    bench::QuietPrompts prompts{Answer::No};
    MemorySettingsStore store;
    TMainForm form{prompts, store};

    Window() {
        form.resize(1280, 800);
        form.show();
        form.FirstPaint();
        // Opened as the user opens it: saved once, then loaded into the window.
        const std::string file = QDir::temp().filePath("rondaxa_bench_grid.kzb").toStdString();
        SaveCompetition(*bench::MakeLargeCompetition(), file);
        form.LoadFile(QString::fromStdString(file), prompts);
        QApplication::processEvents();
    }
    ClassGridView &Grid() { return *form.findChild<ClassGridView *>("ActiveSG"); }
};

// One full repaint of the visible grid, every cell text from the data.
void BM_RepaintGrid(benchmark::State &state) {
    Window window;
    QWidget *viewport = window.Grid().viewport();
    for (auto _ : state) {
        QPixmap pixmap = viewport->grab();
        benchmark::DoNotOptimize(pixmap);
    }
}
BENCHMARK(BM_RepaintGrid)->Unit(benchmark::kMillisecond);

// Selecting another class tab and painting its grid.
void BM_SwitchTab(benchmark::State &state) {
    Window window;
    QWidget *viewport = window.Grid().viewport();
    int tab = 0;
    for (auto _ : state) {
        tab = 1 - tab;
        window.form.ShowClass(tab);
        QPixmap pixmap = viewport->grab();
        benchmark::DoNotOptimize(pixmap);
    }
}
BENCHMARK(BM_SwitchTab)->Unit(benchmark::kMillisecond);

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
