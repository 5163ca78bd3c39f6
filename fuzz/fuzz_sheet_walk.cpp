// Any format, document, margins and view: both walks must stay defined and bounded, and the
// sheet walk must count exactly the cells it hands out as unprintable, whatever the view.
#include "display/SheetWalk.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using namespace tessra;

// Mostly sheet-like millimetres, sometimes any double at all (NaN, infinities, huge).
double Length(FuzzedDataProvider& data)
{
    if (data.ConsumeIntegralInRange(0, 7) == 0) {
        const auto bits = data.ConsumeIntegral<std::uint64_t>();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    return data.ConsumeIntegralInRange(-1000, 10000) / 10.0;
}

int GridSide(FuzzedDataProvider& data, int largest)
{
    switch (data.ConsumeIntegralInRange(0, 15)) {
    case 0: return INT_MAX;
    case 1: return INT_MIN;
    default: return data.ConsumeIntegralInRange(-1, largest);
    }
}

AppState StateFrom(FuzzedDataProvider& data)
{
    AppState state;
    SheetFormat& f = state.format;
    f.rows = GridSide(data, 26);
    f.columns = data.ConsumeIntegralInRange(-1, 6);
    for (double* length : {&f.sheetWidth, &f.sheetHeight, &f.x1, &f.x2, &f.y1, &f.y2,
                           &f.labelWidth, &f.labelHeight, &f.x3, &f.y3, &f.linePitch,
                           &state.leftMargin, &state.topMargin, &state.bottomMargin}) {
        *length = Length(data);
    }
    state.sameDataForAllLabels = data.ConsumeBool();
    state.cellsPerLine = data.ConsumeIntegralInRange(-9, 99);
    state.linesPerPage = data.ConsumeIntegralInRange(-9, 99);
    state.selectedPresetKey = data.ConsumeRandomLengthString(60);
    while (data.remaining_bytes() > 0) state.lines.push_back(data.ConsumeRandomLengthString(200));
    return state;
}

class CheckingVisitor final : public SheetVisitor {
public:
    void BeginLine(const LinePlace& line) override { line_ = line; }

    void Cell(const CellPlace& cell) override
    {
        if (cell.cell >= line_.placedCells || cell.line != line_.line) std::abort();
        if (cell.lastInLine != (cell.cell + 1 == line_.paddedLength)) std::abort();
        if (!cell.printable) ++unprintable;
    }

    long long unprintable = 0;

private:
    LinePlace line_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    static constexpr std::array<const char*, 5> kZooms = {"", "Zoom_0", "Zoom_1", "Zoom_2",
                                                          "Zoom_3"};
    FuzzedDataProvider data(bytes, size);
    ZoomStep step;
    ApplyZoom(data.PickValueInArray(kZooms), step);
    const int clientWidth = data.ConsumeIntegral<int>();
    const AppState state = StateFrom(data);

    CheckingVisitor sheet;
    const SheetWalkResult result = WalkSheet(state, step, clientWidth, sheet);
    if (result.unprintableCells != sheet.unprintable) std::abort();
    if (result.unprintableCells != CountUnprintable(state)) std::abort();

    CheckingVisitor label;
    WalkLabelView(state, step, clientWidth, label);
    return 0;
}
