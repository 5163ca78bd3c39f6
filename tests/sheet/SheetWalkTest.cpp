#include "sheet/SheetWalk.h"

#include "support/A4Sheet.h"
#include "support/DocumentSetUp.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

namespace tessra {
namespace {

using test::A4State;

// The sheet view at the smallest step, or the label view in a client area 600 pixels wide. The
// recorded lines point into the state's lines: the state must outlive the recorder.
struct Walk final : SheetVisitor {
    int labels = 0;
    std::vector<LinePlace> lines;
    std::vector<CellPlace> cells;
    int unprintable = 0;

    explicit Walk(const AppState& state) { WalkEverySheet(state, *this); }
    Walk(const AppState& state, const ZoomStep& step) { WalkLabelView(state, step, 600, *this); }
    void BeginLabel(const LabelPlace&) override { ++labels; }
    void BeginLine(const LinePlace& line) override { lines.push_back(line); }
    void Cell(const CellPlace& cell) override
    {
        cells.push_back(cell);
        unprintable += !cell.printable;
    }
    void BeyondLabel(const LinePlace& line) override { beyond.push_back(line); }
    std::vector<LinePlace> beyond;
};

TEST(SheetWalk, A4PageShowsTwentySevenPaddedLinesAndOnlyLowDotsAreUnprintable)
{
    AppState state = A4State(std::vector<std::string>(28, "ABC"));
    Set(state).lines[1] = std::string(45, 'X');  // never cut, but placed only up to the 39 cells
    Set(state).lines[2] = "";
    const Walk walk(state);
    ASSERT_EQ(walk.lines.size(), 27u);
    ASSERT_EQ(walk.cells.size(), 39u + 26u * 38u);
    EXPECT_TRUE(!walk.cells[38].lastInLine && walk.cells[39 + 37].lastInLine);  // 45 cells go on
    EXPECT_EQ(walk.cells[39 + 2].screen, (ScreenPoint{30 + 19 + 20, 30 + 49}));
    EXPECT_EQ(walk.unprintable, 3);  // A, B and C of line 27; its blanks are printable
    EXPECT_EQ(CountUnprintable(state), 3);
    state.leftMargin = 12;  // right of every line's first cell, the blank one of line 2 included
    EXPECT_EQ(CountUnprintable(state), 27 + 2);
    Set(state).format.x1 = 3;  // past the margin; cell 38 of the long line now at 206.04, past 206
    EXPECT_EQ(CountUnprintable(state), 3 + 1);
}

TEST(SheetWalk, PerLabelDataGivesEachLabelItsOwnPage)
{
    AppState state = A4State({"h0", "a1", "a2", "h1", "b1", "b2", "h2", "c1"});
    {
        test::DocumentSetUp set(state);
        set.format.rows = set.format.columns = 2;
    }
    Set(state).linesPerPage = 3;
    Set(state).sameDataForAllLabels = false;
    const Walk walk(state);
    EXPECT_EQ(walk.labels, 4);
    std::vector<std::string> shown;
    for (const LinePlace& line : walk.lines) shown.emplace_back(line.text);
    EXPECT_EQ(shown, (std::vector<std::string>{"a1", "a2", "b1", "b2", "c1"}));
    EXPECT_DOUBLE_EQ(walk.cells.back().paper.y, 15 + 297);  // label 2 is the one below label 0
}

TEST(SheetWalk, HugeLayoutsStayBounded)
{
    AppState state = A4State({"", std::string(1000, 'A')});
    {
        test::DocumentSetUp set(state);
        set.format.labelWidth = set.format.labelHeight = set.format.x1 = 1e98;
    }
    EXPECT_EQ(CountUnprintable(state), 1000);  // room for INT_MAX cells; the line's 1000 placed

    state = A4State({"", std::string(1'000'000, 'A')});
    Set(state).format.rows = INT_MAX;  // the walk stops at 99, as no file holds more
    Set(state).format.columns = 99;
    EXPECT_EQ(CountUnprintable(state), 99 * 99 * 39 - 39);  // all but label 0 lie off the sheet
}

// A label of 60 x 60 holds 4 lines of 10 cells. Cells with dots beyond it are counted line by line,
// blanks and lines the page never shows aside, and a page holding nothing else still gets its label.
TEST(SheetWalk, CountsTheCellsWithDotsThatTheLabelCannotHold)
{
    const std::string ten(10, 'A');
    const struct {
        std::vector<std::string> lines;
        long long beyond;
        std::vector<std::pair<int, bool>> marked;  // line, below the label
    } rows[] = {
        {{"", ten, "", "", ten}, 0, {}},
        {{"", ten + "  ", "B"}, 0, {}},
        {{"", ten + "B C", "", ten + "\x1b"}, 3, {{1, false}, {3, false}}},
        {{"", "A", "", "", "", "B C", "  "}, 2, {{5, true}}},
        {{"", "A", "", "", "", "", "", "", "B C"}, 0, {}},  // line 0 of page 1 is never shown
        {{"", "A", "", "", "", "", "", "", "", "", "", "", "", "B"}, 1, {{5, true}}},  // all page 1 holds
    };
    for (const auto& row : rows) {
        AppState state = A4State(row.lines);
        {
            test::DocumentSetUp set(state);
            set.format.labelWidth = set.format.labelHeight = 60;
        }
        Set(state).linesPerPage = 8;
        Set(state).sameDataForAllLabels = false;
        const Walk walk(state);
        std::vector<std::pair<int, bool>> marked;
        long long counted = 0;
        for (const LinePlace& line : walk.beyond) {
            marked.emplace_back(line.line, line.excess);
            counted += static_cast<long long>(line.cellsBeyond);
        }
        EXPECT_EQ(marked, row.marked) << row.lines[1];
        EXPECT_EQ(counted, row.beyond);
        EXPECT_EQ(AllCellsPrintable(state), row.beyond == 0);
        EXPECT_EQ(CountUnprintable(state), 0);
    }
}

// Bytes outside the cell code would reach the embosser as controls: they are never printable.
// Which cells of a line they make red is `tessra check`'s test.
TEST(SheetWalk, BytesThatAreNoCellAreUnprintable)
{
    const AppState state = A4State({"", std::string("AB\x1b\x1b") + "F00\x0c" + "CD"});
    for (int byte = 0; byte < 256; ++byte) {
        const bool cell = byte >= 0x20 && byte <= 0x7E;
        EXPECT_EQ(CellPrintable(state.document.format(), {10, 15, 15}, {20, 20}, static_cast<char>(byte)), cell) << byte;
    }
    EXPECT_EQ(Walk(state, ZoomStep{0.508, 10, 90, 2}).unprintable, 3);  // red in the label view too
}

// Lines 1 to 29 of page 0; the label holds 28 lines of 39 cells.
TEST(LabelViewWalk, ShowsPageZeroInFullAndMarksMarginsByPixelsOnSingleSheets)
{
    AppState state = A4State(std::vector<std::string>(31, "A"));
    Set(state).lines[1] = std::string(45, 'B');
    Set(state).linesPerPage = 30;
    state.leftMargin = 12;  // 23 px, right of the first cell at 19 px
    ZoomStep step;
    ApplyZoom("Zoom_0", step);
    const Walk walk(state, step);
    ASSERT_EQ(walk.lines.size(), 29u);
    EXPECT_TRUE(walk.lines[28].excess && !walk.lines[27].excess);
    int excess = 0;
    for (const CellPlace& cell : walk.cells) excess += cell.excess;
    EXPECT_EQ(excess, (45 - 39) + 38);
    EXPECT_TRUE(walk.cells[44].lastInLine && walk.cells[44].Marked());
    // The first cell of every line, and lines 27 on below 50 + 543 px, blanks too.
    EXPECT_EQ(walk.unprintable, 29 + 3 * 37);
    EXPECT_EQ(CountUnprintable(state), 28);  // on paper: the first cell of each line
    Set(state).selectedPresetKey = "\x83}\x83\x8B\x83`\x83\x89\x83x\x83\x8B@";  // マルチラベル@
    EXPECT_EQ(Walk(state, step).unprintable, 0);
}

}  // namespace
}  // namespace tessra
