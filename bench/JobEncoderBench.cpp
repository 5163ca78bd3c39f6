#include "print/JobEncoder.h"
#include "print/MemorySink.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tessra;

// A full sheet of ten business cards (5 x 2 of 91 x 55), each with its own page of five lines
// of 16 cells: every label holds as much as it can.
AppState FullBusinessCardSheet()
{
    AppState state;
    state.printerModel = mode::kZen10;
    state.leftMargin = 10;
    state.topMargin = 15;
    DocumentContent content;
    SheetFormat& f = content.choice.format;
    f.sheetWidth = 210;
    f.sheetHeight = 297;
    f.rows = 5;
    f.columns = 2;
    f.x1 = 14;
    f.y1 = 11;
    f.labelWidth = 91;
    f.labelHeight = 55;
    f.x3 = 6;
    f.y3 = 4;
    f.lineCode = "LP22";
    f.linePitch = 10.2;
    content.choice.sameDataForAllLabels = false;
    content.linesPerPage = 6;
    for (int page = 0; page < 10; ++page) {
        content.lines.emplace_back();
        for (int line = 1; line < 6; ++line) content.lines.emplace_back("ABCDEFGHIJKLMNOP");
    }
    state.document.Replace(std::move(content), {}, {}, Document::Start::Unmodified);
    return state;
}

void BM_EncodeThousandBusinessCardSheets(benchmark::State& bench)
{
    const AppState state = FullBusinessCardSheet();
    const PrintOptions options{.copies = 1000};
    NoProgress progress;
    // One sink for all runs: the measure is the encoder and its per-byte calls, not the
    // allocator's first touch of fresh pages.
    MemorySink sink;
    for (auto _ : bench) {
        sink.bytes.clear();
        EncodePrintJob(state, options, sink, progress);
        benchmark::DoNotOptimize(sink.bytes.data());
    }
    bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations() * sink.bytes.size()));
}
BENCHMARK(BM_EncodeThousandBusinessCardSheets)->Unit(benchmark::kMillisecond);

}  // namespace
