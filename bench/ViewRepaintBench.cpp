#include "bench/FilledSheets.h"
#include "display/CTessraView.h"
#include "sheet/SheetGeometry.h"

#include <QApplication>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace tessra {
namespace {

// A 25 x 5 sheet of small labels with per-label data, every label filled to its capacity.
AppState FullGrid()
{
    SheetFormat f;
    f.rows = 25;
    f.columns = 5;
    f.labelWidth = 38;
    f.labelHeight = 11;
    f.sheetWidth = 210;
    f.sheetHeight = 297;
    f.x1 = 10;
    f.y1 = 10;
    f.x3 = 3;
    f.y3 = 2;
    f.linePitch = 4.5;
    return FilledSheet(f, [] { return 'A'; });
}

// One zoom command on the shown view: the state change and the whole repaint it forces.
void RepaintAfterZoom(benchmark::State& run, const char* displayMode)
{
    AppState state = FullGrid();
    state.displayMode = displayMode;
    CTessraView view(state);
    view.resize(900, 700);
    view.show();
    // A repaint reaches only an exposed window.
    for (int i = 0; i < 1000 && !(view.windowHandle() && view.windowHandle()->isExposed()); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!view.windowHandle() || !view.windowHandle()->isExposed()) run.SkipWithError("the view was never exposed");
    bool in = true;
    for (auto _ : run) {
        if (in) {
            view.OnZoomIn();
        } else {
            view.OnZoomOut();
        }
        in = !in;
    }
}

void BM_RepaintAfterZoomBraille(benchmark::State& run) { RepaintAfterZoom(run, "Braille"); }
BENCHMARK(BM_RepaintAfterZoomBraille)->Unit(benchmark::kMillisecond);

void BM_RepaintAfterZoomKana(benchmark::State& run) { RepaintAfterZoom(run, "Japanease"); }
BENCHMARK(BM_RepaintAfterZoomKana)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessra

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
