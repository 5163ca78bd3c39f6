#include "sheet/SheetWalk.h"

#include "sheet/SheetPages.h"
#include "text/Cp932Text.h"
#include "format/Presets.h"

#include <algorithm>
#include <climits>
#include <unordered_map>

namespace tessra {
namespace {

// Lines are padded with blanks to the document's line width when they are shown, never cut.
std::size_t PaddedLength(std::string_view text, int cellsPerLine)
{
    return std::max(text.size(), static_cast<std::size_t>(std::max(cellsPerLine, 0)));
}

char PaddedCell(std::string_view text, std::size_t cell)
{
    return cell < text.size() ? text[cell] : kBlankCell;
}

LinePlace LineOf(const AppState& state, const LabelPlace& label, int line)
{
    LinePlace place;
    place.label = label.index;
    place.line = line;
    place.documentLine = label.text.firstLine + static_cast<std::size_t>(line) - 1;
    place.text = state.document.lines()[place.documentLine];
    place.paddedLength = PaddedLength(place.text, state.document.cellsPerLine());
    return place;
}

// What both views set alike for cell `cell` of `line`.
void MoveTo(CellPlace& place, const LinePlace& line, std::size_t cell, const ZoomStep& step)
{
    place.cell = cell;
    place.byte = PaddedCell(line.text, cell);
    place.screen = {CellX(line.screen.x, cell, step), line.screen.y};
    place.lastInLine = cell + 1 == line.paddedLength;
}

CellPlace CellPlaceFor(const LinePlace& line)
{
    CellPlace place;
    place.label = line.label;
    place.line = line.line;
    return place;
}

class SheetWalker {
public:
    SheetWalker(const AppState& state, const SheetPlan& plan, const ZoomStep& step,
                int clientWidth, SheetVisitor& visitor)
        : state_(state), format_(state.document.format()), plan_(plan), step_(step), visitor_(visitor),
          origin_(SheetViewOrigin(format_, step, clientWidth)),
          margins_{state.leftMargin, state.topMargin, state.bottomMargin},
          cellsPerLabelLine_(CellsPerLabelLine(format_)), linesPerLabel_(LinesPerLabel(format_))
    {
    }

    SheetWalkResult Walk(long long sheet)
    {
        const int columns = GridColumns(format_);
        for (int row = 0; row < GridRows(format_); ++row) {
            for (int column = 0; column < columns; ++column) WalkLabel(sheet, row, column, columns);
        }
        return result_;
    }

private:
    void WalkLabel(long long sheet, int row, int column, int columns)
    {
        LabelPlace label;
        label.index = static_cast<long long>(row) * columns + column;
        label.sheet = sheet;
        label.skipped = plan_.Skipped(sheet, label.index);
        label.row = row;
        label.column = column;
        label.screen = LabelOnScreen(format_, step_, origin_, row, column);
        label.text = PageLines(state_.document.lines().size(), state_.document.linesPerPage(),
                               plan_.PageOf(sheet, label.index), linesPerLabel_);
        visitor_.BeginLabel(label);
        for (int line = 1; line <= label.text.count; ++line) WalkLine(label, line);
        WalkLinesBeyond(label);
    }

    // The cells the label cannot hold, line by line: past the capacity of its shown lines, and
    // on the lines of its page beyond the label.
    void WalkLinesBeyond(const LabelPlace& label)
    {
        LabelPlace page = label;
        page.text = PageLines(state_.document.lines().size(), state_.document.linesPerPage(),
                              plan_.PageOf(label.sheet, label.index), LLONG_MAX);
        for (int number = 1; number <= page.text.count; ++number) {
            LinePlace line = LineOf(state_, page, number);
            line.cellsBeyond = CellsBeyond(line);
            if (line.cellsBeyond == 0) continue;
            line.excess = number > linesPerLabel_;
            line.screen = LineOnScreen(format_, step_, {label.screen.left, label.screen.top}, number);
            result_.cellsBeyondLabel += static_cast<long long>(line.cellsBeyond);
            visitor_.BeyondLabel(line);
        }
    }

    // Labels that share their data share its lines: each is counted once, however long.
    std::size_t CellsBeyond(const LinePlace& line)
    {
        const auto [known, added] = cellsBeyond_.try_emplace(line.documentLine);
        if (added) known->second = CellsBeyondLabel(format_, line.line, line.text);
        return known->second;
    }

    void WalkLine(const LabelPlace& label, int lineNumber)
    {
        LinePlace line = LineOf(state_, label, lineNumber);
        line.placedCells =
            std::min(line.paddedLength, static_cast<std::size_t>(cellsPerLabelLine_));
        line.screen = LineOnScreen(format_, step_, {label.screen.left, label.screen.top},
                                   lineNumber);
        visitor_.BeginLine(line);
        CellPlace cell = CellPlaceFor(line);
        for (std::size_t i = 0; i < line.placedCells; ++i) {
            MoveTo(cell, line, i, step_);
            cell.paper = CellOnPaper(format_, label.row, label.column, lineNumber, i);
            cell.printable = CellPrintable(format_, margins_, cell.paper, cell.byte);
            if (!cell.printable) ++result_.unprintableCells;
            visitor_.Cell(cell);
        }
        visitor_.EndLine(line);
    }

    const AppState& state_;
    const SheetFormat& format_;
    const SheetPlan& plan_;
    const ZoomStep& step_;
    SheetVisitor& visitor_;
    const ScreenPoint origin_;
    const PrintMargins margins_;
    const int cellsPerLabelLine_;
    const int linesPerLabel_;
    SheetWalkResult result_;
    std::unordered_map<std::size_t, std::size_t> cellsBeyond_;  // by document line
};

// On a single-sheet format the label is the whole sheet, so the label view can show where the
// margins lie: in pixels, without a right limit, blanks included.
struct MarginPixels {
    bool apply = false;
    long long left = 0;
    long long top = 0;
    long long bottom = 0;

    bool Outside(ScreenPoint cell) const
    {
        return apply && (cell.x < left || cell.y < top || cell.y > bottom);
    }
};

MarginPixels SingleSheetMargins(const AppState& state, const ZoomStep& step, ScreenPoint origin)
{
    if (!Cp932Contains(state.document.selectedPresetKey(), preset::kSingleSheet)) return {};
    const double bottom = state.document.format().sheetHeight - state.bottomMargin - kCellFitHeightMm;
    return {true, static_cast<long long>(origin.x) + Px(state.leftMargin, step),
            static_cast<long long>(origin.y) + Px(state.topMargin, step),
            static_cast<long long>(origin.y) + Px(bottom, step)};
}

class LabelViewWalker {
public:
    LabelViewWalker(const AppState& state, const ZoomStep& step, int clientWidth,
                    SheetVisitor& visitor)
        : state_(state), format_(state.document.format()), step_(step), visitor_(visitor),
          origin_(LabelViewOrigin(format_, step, clientWidth)),
          margins_(SingleSheetMargins(state, step, origin_)),
          cellsPerLabelLine_(CellsPerLabelLine(format_)), linesPerLabel_(LinesPerLabel(format_))
    {
    }

    void Walk()
    {
        LabelPlace label;
        label.screen = LabelViewLabel(format_, step_, origin_);
        label.index = state_.chosenLabel;
        label.text = PageLines(state_.document.lines().size(), state_.document.linesPerPage(),
                               PageOfShownLabel(state_, state_.chosenLabel), LLONG_MAX);
        visitor_.BeginLabel(label);
        for (int line = 1; line <= label.text.count; ++line) WalkLine(label, line);
    }

private:
    void WalkLine(const LabelPlace& label, int lineNumber)
    {
        LinePlace line = LineOf(state_, label, lineNumber);
        line.placedCells = line.paddedLength;
        line.screen = LineOnScreen(format_, step_, origin_, lineNumber);
        line.excess = lineNumber > linesPerLabel_;
        visitor_.BeginLine(line);
        CellPlace cell = CellPlaceFor(line);
        for (std::size_t i = 0; i < line.placedCells; ++i) {
            MoveTo(cell, line, i, step_);
            cell.paper = CellOnPaper(format_, 0, 0, lineNumber, i);
            cell.excess = line.excess || i >= static_cast<std::size_t>(cellsPerLabelLine_);
            cell.printable = !margins_.Outside(cell.screen) && IsCellByte(cell.byte);
            visitor_.Cell(cell);
        }
        visitor_.EndLine(line);
    }

    const AppState& state_;
    const SheetFormat& format_;
    const ZoomStep& step_;
    SheetVisitor& visitor_;
    const ScreenPoint origin_;
    const MarginPixels margins_;
    const int cellsPerLabelLine_;
    const int linesPerLabel_;
};

ZoomStep SmallestStep()
{
    ZoomStep step;
    ApplyZoom(mode::kZoom0, step);
    return step;
}

}  // namespace

SheetWalkResult WalkSheet(const AppState& state, const ZoomStep& step, int clientWidth,
                          SheetVisitor& visitor)
{
    const SheetPlan plan = PlanSheets(state);
    return SheetWalker(state, plan, step, clientWidth, visitor).Walk(ShownSheet(state, plan));
}

SheetWalkResult WalkEverySheet(const AppState& state, SheetVisitor& visitor)
{
    const SheetPlan plan = PlanSheets(state);
    const ZoomStep step = SmallestStep();
    SheetWalker walker(state, plan, step, 0, visitor);
    SheetWalkResult result;
    for (long long sheet = 0; sheet < plan.sheets; ++sheet) result = walker.Walk(sheet);
    return result;  // the walker counts on over the sheets
}

long long CountUnprintable(const AppState& state)
{
    SheetVisitor nothingDrawn;
    return WalkEverySheet(state, nothingDrawn).unprintableCells;
}

bool AllCellsPrintable(const AppState& state)
{
    SheetVisitor nothingDrawn;
    return WalkEverySheet(state, nothingDrawn).AllCellsPrintable();
}

std::optional<long long> FirstSheetWithUnprintableCell(const AppState& state)
{
    struct FirstFinder final : SheetVisitor {
        long long sheet = 0;
        std::optional<long long> first;
        void BeginLabel(const LabelPlace& label) override { sheet = label.sheet; }
        void Cell(const CellPlace& cell) override
        {
            if (!cell.printable && !first) first = sheet;
        }
        void BeyondLabel(const LinePlace&) override
        {
            if (!first) first = sheet;
        }
    } finder;
    WalkEverySheet(state, finder);
    return finder.first;
}

void WalkLabelView(const AppState& state, const ZoomStep& step, int clientWidth,
                   SheetVisitor& visitor)
{
    LabelViewWalker(state, step, clientWidth, visitor).Walk();
}

}  // namespace tessra
