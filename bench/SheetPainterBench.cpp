#include "bench/FilledSheets.h"
#include "display/SheetPainter.h"
#include "sheet/SheetGeometry.h"
#include "format/FormatString.h"
#include "format/Presets.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace tessra {
namespace {

// Every label of a catalogue layout filled to its capacity with cells of readable text: kana,
// numbers, letters and punctuation drawn at random from the cell code.
AppState FilledWithText(const Preset& preset, int rows = 0, int columns = 0)
{
    SheetFormat format;
    ParseFormatString(preset.layout, format);
    if (rows > 0) format.rows = rows;
    if (columns > 0) format.columns = columns;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> cell(0x20, 0x5F);
    return FilledSheet(format, [&] { return static_cast<char>(cell(random)); });
}

AppState A4FilledWithText()
{
    return FilledWithText(Catalogue()[0]);
}

AppState BusinessCards()
{
    return FilledWithText(Catalogue()[9]);  // 名刺(1): 5 x 2
}

AppState FullGrid()
{
    return FilledWithText(Catalogue()[9], 25, 5);
}

void Paint(benchmark::State& run, AppState state, const char* zoom, const char* display)
{
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);

    state.zoom = zoom;
    state.displayMode = display;
    state.viewMode = mode::kSheet;
    SheetPainter painter;
    ZoomStep step;
    const auto size = SheetPainter::Layout(state, step, 800).scrollSize;
    QImage image(std::max(800, size->width), size->height, QImage::Format_RGB32);
    for (auto _ : run) {
        QPainter surface(&image);
        benchmark::DoNotOptimize(painter.Paint(surface, state, step, 800));
    }
}

void BM_PaintA4(benchmark::State& run, const char* zoom, const char* display)
{
    Paint(run, A4FilledWithText(), zoom, display);
}

void BM_PaintBusinessCards(benchmark::State& run, const char* zoom, const char* display)
{
    Paint(run, BusinessCards(), zoom, display);
}

void BM_PaintFullGrid(benchmark::State& run, const char* display)
{
    Paint(run, FullGrid(), mode::kZoom0, display);
}

#define PAINT_AT_EVERY_STEP(function)                                                     \
    BENCHMARK_CAPTURE(function, zoom0_braille, mode::kZoom0, mode::kBraille)->Unit(benchmark::kMillisecond); \
    BENCHMARK_CAPTURE(function, zoom1_braille, mode::kZoom1, mode::kBraille)->Unit(benchmark::kMillisecond); \
    BENCHMARK_CAPTURE(function, zoom2_braille, mode::kZoom2, mode::kBraille)->Unit(benchmark::kMillisecond); \
    BENCHMARK_CAPTURE(function, zoom3_braille, mode::kZoom3, mode::kBraille)->Unit(benchmark::kMillisecond); \
    BENCHMARK_CAPTURE(function, zoom0_kana, mode::kZoom0, mode::kKana)->Unit(benchmark::kMillisecond);       \
    BENCHMARK_CAPTURE(function, zoom1_kana, mode::kZoom1, mode::kKana)->Unit(benchmark::kMillisecond);       \
    BENCHMARK_CAPTURE(function, zoom2_kana, mode::kZoom2, mode::kKana)->Unit(benchmark::kMillisecond);       \
    BENCHMARK_CAPTURE(function, zoom3_kana, mode::kZoom3, mode::kKana)->Unit(benchmark::kMillisecond)

PAINT_AT_EVERY_STEP(BM_PaintA4);
PAINT_AT_EVERY_STEP(BM_PaintBusinessCards);
BENCHMARK_CAPTURE(BM_PaintFullGrid, braille, mode::kBraille)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PaintFullGrid, kana, mode::kKana)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessra
