#include "bench/FilledSheets.h"
#include "sheet/SheetWalk.h"

#include <benchmark/benchmark.h>

#include <string>

namespace tessra {
namespace {

// A sheet of 25 x 5 labels with per-label data, every label filled with dots to its capacity.
AppState FullGrid(double labelWidth, double labelHeight)
{
    SheetFormat f;
    f.rows = 25;
    f.columns = 5;
    f.labelWidth = labelWidth;
    f.labelHeight = labelHeight;
    f.sheetWidth = f.columns * labelWidth;
    f.sheetHeight = f.rows * labelHeight;
    f.x3 = 6;
    f.y3 = 4;
    f.linePitch = 10.2;
    return FilledSheet(f, [] { return 'A'; });
}

// Touches what a drawing would use of every cell.
struct CellSink final : SheetVisitor {
    long long sum = 0;
    void Cell(const CellPlace& cell) override
    {
        sum += cell.byte + cell.screen.x + cell.screen.y + (cell.Marked() ? 1 : 0);
    }
};

void WalkFullGrid(benchmark::State& run, double labelWidth, double labelHeight)
{
    const AppState state = FullGrid(labelWidth, labelHeight);
    ZoomStep step;
    ApplyZoom("Zoom_1", step);
    for (auto _ : run) {
        CellSink sink;
        const SheetWalkResult result = WalkSheet(state, step, 1000, sink);
        benchmark::DoNotOptimize(sink.sum);
        benchmark::DoNotOptimize(result.unprintableCells);
    }
    run.counters["cells"] = static_cast<double>(state.document.lines().size() - 125) * state.document.cellsPerLine();
}

void BM_SheetWalkBusinessCards(benchmark::State& run)
{
    WalkFullGrid(run, 91, 55);
}
BENCHMARK(BM_SheetWalkBusinessCards)->Unit(benchmark::kMillisecond);

void BM_SheetWalkA4SizedLabels(benchmark::State& run)
{
    WalkFullGrid(run, 210, 297);
}
BENCHMARK(BM_SheetWalkA4SizedLabels)->Unit(benchmark::kMillisecond);

void BM_CountUnprintableA4SizedLabels(benchmark::State& run)
{
    const AppState state = FullGrid(210, 297);
    for (auto _ : run) benchmark::DoNotOptimize(CountUnprintable(state));
}
BENCHMARK(BM_CountUnprintableA4SizedLabels)->Unit(benchmark::kMillisecond);

// The sheet count is worked out on every repaint; a document just under the size limit, of blank
// pages only, makes it look at every page.
void BM_PlanSheetsOfBlankPages(benchmark::State& run)
{
    AppState state = FullGrid(91, 55);
    DocumentContent content = state.document.content();
    content.choice.sameDataForAllLabels = false;
    content.linesPerPage = 2;
    content.lines.assign(999'000 / 20, std::string(18, ' '));
    state.document.Replace(std::move(content), {}, {}, Document::Start::Unmodified);
    for (auto _ : run) benchmark::DoNotOptimize(PlanSheets(state).sheets);
    run.counters["pages"] = static_cast<double>(state.document.lines().size() / 2);
}
BENCHMARK(BM_PlanSheetsOfBlankPages)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessra
