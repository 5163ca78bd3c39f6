// Any format, document, margins and view: both walks must stay defined and bounded, and the
// sheet walks (the shown sheet and every sheet) must count exactly the cells they hand out as
// unprintable, whatever the view, start label and shown sheet.
#include "FuzzedSheet.h"
#include "sheet/SheetWalk.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace tessra;

AppState StateFrom(FuzzedDataProvider& data)
{
    AppState state;
    DocumentContent content;
    content.choice.format = fuzz::Format(data);
    for (double* margin : {&state.leftMargin, &state.topMargin, &state.bottomMargin})
        *margin = fuzz::Length(data);
    content.choice.sameDataForAllLabels = data.ConsumeBool();
    content.cellsPerLine = data.ConsumeIntegralInRange(-9, 99);
    content.linesPerPage = data.ConsumeIntegralInRange(-9, 99);
    content.choice.selectedPresetKey = data.ConsumeRandomLengthString(60);
    state.startLabel = data.ConsumeIntegralInRange(-1, 9802);
    state.shownSheet = data.ConsumeIntegral<long long>();
    while (data.remaining_bytes() > 0) content.lines.push_back(data.ConsumeRandomLengthString(200));
    state.document.Replace(std::move(content), {}, {}, Document::Start::Unmodified);
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
    CheckingVisitor everySheet;
    const SheetWalkResult job = WalkEverySheet(state, everySheet);
    if (job.unprintableCells != everySheet.unprintable) std::abort();
    if (job.unprintableCells != CountUnprintable(state) || job.unprintableCells < 0) std::abort();

    CheckingVisitor label;
    WalkLabelView(state, step, clientWidth, label);
    return 0;
}
