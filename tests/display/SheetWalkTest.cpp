#include "display/SheetWalk.h"

#include "SheetFixtures.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace tessra {
namespace {

using testing::A4State;
using testing::Page;

// The recorded places refer to the state's lines: the state must outlive the recorder.
struct Recorder final : SheetVisitor {
    std::vector<LabelPlace> labels;
    std::vector<LinePlace> lines;
    std::vector<CellPlace> cells;
    std::vector<CellPlace> unprintable;

    void BeginLabel(const LabelPlace& label) override { labels.push_back(label); }
    void BeginLine(const LinePlace& line) override { lines.push_back(line); }
    void Cell(const CellPlace& cell) override
    {
        cells.push_back(cell);
        if (!cell.printable) unprintable.push_back(cell);
    }
};

Recorder Walk(const AppState& state, bool labelView = false)
{
    ZoomStep step;
    ApplyZoom("Zoom_0", step);
    Recorder recorder;
    if (labelView) {
        WalkLabelView(state, step, 600, recorder);
    } else {
        const SheetWalkResult result = WalkSheet(state, step, 600, recorder);
        EXPECT_EQ(result.unprintableCells, static_cast<long long>(recorder.unprintable.size()));
    }
    return recorder;
}

// 2 x 2 labels of 100 x 100 (17 cells, 8 lines) in the corner of the A4 sheet, own pages.
AppState FourLabels(int linesPerPage, std::vector<std::string> lines)
{
    AppState state = A4State(std::move(lines));
    state.format.rows = state.format.columns = 2;
    state.format.labelWidth = state.format.labelHeight = 100;
    state.linesPerPage = linesPerPage;
    state.sameDataForAllLabels = false;
    return state;
}

TEST(SheetWalk, A4PageShowsTwentySevenPaddedLinesAndOnlyLowDotsAreUnprintable)
{
    const AppState state = A4State(Page("ABC"));
    const Recorder walk = Walk(state);
    ASSERT_EQ(walk.lines.size(), 27u);
    ASSERT_EQ(walk.cells.size(), 27u * 38u);
    EXPECT_TRUE(walk.cells[37].lastInLine);
    EXPECT_FALSE(walk.cells[36].lastInLine);
    EXPECT_EQ(walk.cells[40].screen, (ScreenPoint{93 + 19 + 20, 30 + 49}));
    ASSERT_EQ(walk.unprintable.size(), 3u);  // A, B and C of line 27; its blanks are printable
    EXPECT_EQ(walk.unprintable[2].line, 27);
    EXPECT_EQ(walk.unprintable[2].cell, 2u);
    EXPECT_DOUBLE_EQ(walk.unprintable[2].paper.y, 280.2);
    EXPECT_EQ(CountUnprintable(state), 3);
    EXPECT_FALSE(AllCellsPrintable(state));
}

TEST(SheetWalk, CutsALongLineAtTheCapacityAndCountsBlanksBeyondTheMargins)
{
    AppState state = A4State({"", std::string(45, 'X'), ""});
    state.leftMargin = 12;
    const Recorder walk = Walk(state);
    ASSERT_EQ(walk.lines.size(), 2u);
    EXPECT_EQ(walk.lines[0].paddedLength, 45u);
    EXPECT_EQ(walk.lines[0].placedCells, 39u);
    EXPECT_FALSE(walk.cells[38].lastInLine);  // the line goes on beyond the label
    ASSERT_EQ(walk.unprintable.size(), 2u);   // the first cell of each line, blank or not
    EXPECT_EQ(walk.unprintable[1].byte, ' ');
}

TEST(SheetWalk, PerLabelDataGivesEachLabelItsOwnPage)
{
    const AppState state = FourLabels(3, {"h0", "a1", "a2", "h1", "b1", "b2", "h2", "c1"});
    const Recorder walk = Walk(state);
    ASSERT_EQ(walk.labels.size(), 4u);
    EXPECT_EQ(walk.labels[3].row, 1);
    EXPECT_EQ(walk.labels[3].column, 1);
    std::vector<std::string> shown;
    for (const LinePlace& line : walk.lines) {
        shown.push_back(std::to_string(line.label) + ":" + std::string(line.text));
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"0:a1", "0:a2", "1:b1", "1:b2", "2:c1"}));
    EXPECT_DOUBLE_EQ(walk.cells.back().paper.x, 16 * 5.08 + 10);  // label (1, 0)
    EXPECT_DOUBLE_EQ(walk.cells.back().paper.y, 15 + 100);
}

TEST(SheetWalk, LabelsBeyondTheSheetAreTestedLikeAnyOther)
{
    AppState state = A4State({"", "A"});
    state.format.columns = 2;
    state.format.labelWidth = 150;  // 27 cells each; the second label starts at 150 mm
    const Recorder walk = Walk(state);
    ASSERT_EQ(walk.cells.size(), 2u * 27u);
    ASSERT_EQ(walk.unprintable.size(), 17u);  // cells 10 .. 26 of label 1: 160 + 10 x 5.08 > 206
    EXPECT_EQ(walk.unprintable.front().label, 1);
    EXPECT_EQ(walk.unprintable.front().cell, 10u);
}

TEST(SheetWalk, DegenerateLayoutsPlaceNothingOrLittle)
{
    AppState state = A4State(Page("A"));
    state.format.linePitch = 0;
    EXPECT_EQ(Walk(state).lines.size(), 1u);
    state.format.labelWidth = -50;
    EXPECT_TRUE(Walk(state).cells.empty());
    state.format.rows = -3;
    EXPECT_TRUE(Walk(state).labels.empty());
    EXPECT_TRUE(AllCellsPrintable(AppState{}));
}

TEST(SheetWalk, HugeValuesAndTheLargestGridStayBounded)
{
    AppState huge = FourLabels(99, {"", std::string(1000, 'A')});
    huge.format.labelWidth = huge.format.labelHeight = huge.format.x1 = 1e98;
    EXPECT_EQ(Walk(huge).unprintable.size(), 1000u);  // only label 0 has a page

    struct Counter final : SheetVisitor {
        long long cells = 0;
        void Cell(const CellPlace&) override { ++cells; }
    } counter;
    AppState grid = A4State({"", std::string(1'000'000, 'A')});
    grid.format.rows = INT_MAX;  // no file holds more than 99
    grid.format.columns = 99;
    const SheetWalkResult result = WalkSheet(grid, counter);
    EXPECT_EQ(counter.cells, 99 * 99 * 39);
    EXPECT_EQ(result.unprintableCells, counter.cells - 39);  // all but label 0 lie off the sheet
}

TEST(LabelViewWalk, ShowsPageZeroInFullAndMarksTheExcess)
{
    AppState state = FourLabels(30, std::vector<std::string>(31, "A"));
    state.lines[1] = std::string(45, 'B');
    state.leftMargin = 50;  // not a single sheet: margins do not apply
    state.selectedPresetKey = "\x83}\x83\x8B\x83`\x83\x89\x83x\x83\x8B@";  // マルチラベル@
    const Recorder walk = Walk(state, true);
    ASSERT_EQ(walk.lines.size(), 29u);
    EXPECT_FALSE(walk.lines[7].excess);
    EXPECT_TRUE(walk.lines[8].excess);
    int excess = 0;
    for (const CellPlace& cell : walk.cells) excess += cell.excess;
    EXPECT_EQ(excess, (45 - 17) + 7 * (38 - 17) + 21 * 38);
    EXPECT_TRUE(walk.cells[44].lastInLine && walk.cells[44].Marked());
    EXPECT_TRUE(walk.unprintable.empty());
}

TEST(LabelViewWalk, SingleSheetMarginsMarkCellsByPixels)
{
    AppState state = A4State(Page("A"));
    state.leftMargin = 12;  // 93 + 23 px; the first cell stands at 93 + 19
    const Recorder walk = Walk(state, true);
    ASSERT_EQ(walk.cells.size(), 27u * 38u);
    EXPECT_FALSE(walk.cells[0].printable);
    EXPECT_TRUE(walk.cells[25 * 38 + 1].printable);
    EXPECT_FALSE(walk.cells[26 * 38 + 37].printable);  // line 27, a blank, below 50 + 543 px
    EXPECT_EQ(walk.unprintable.size(), 27u + 37u);
    EXPECT_EQ(CountUnprintable(state), 27);  // on paper: the first cell of each line
}

}  // namespace
}  // namespace tessra
