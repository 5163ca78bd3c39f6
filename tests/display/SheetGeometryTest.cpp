#include "display/PrintableArea.h"
#include "display/SheetGeometry.h"

#include "SheetFixtures.h"

#include <gtest/gtest.h>

#include <climits>

namespace tessra {
namespace {

const SheetFormat kA4 = testing::A4State({}).format;

struct CapacityCase {
    const char* name;
    double labelWidth, x3, labelHeight, y3, linePitch;
    int cells, lines;
};

class LabelCapacity : public ::testing::TestWithParam<CapacityCase> {};

TEST_P(LabelCapacity, TruncatesTheProductAndTheQuotient)
{
    const CapacityCase& c = GetParam();
    SheetFormat f;
    f.labelWidth = c.labelWidth;
    f.x3 = c.x3;
    f.labelHeight = c.labelHeight;
    f.y3 = c.y3;
    f.linePitch = c.linePitch;
    EXPECT_EQ(CellsPerLabelLine(f), c.cells);
    EXPECT_EQ(LinesPerLabel(f), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, LabelCapacity,
    ::testing::Values(
        CapacityCase{"A4", 210, 10, 297, 15, 10.2, 39, 28},
        CapacityCase{"A4WithExactLp22", 210, 10, 297, 15, 10.24159205, 39, 27},
        CapacityCase{"BusinessCard", 91, 6, 55, 4, 10.2, 16, 5},
        CapacityCase{"ExactMultipleLosesACell", 14.16, 0, 16, 0, 10, 2, 2},
        CapacityCase{"RoomOfMinusOnePitchHoldsOne", 0, 1.08, 6, 10.1, 10.2, 1, 1},
        CapacityCase{"RoomBeyondMinusOnePitchHoldsNone", 0, 2, 6, 10.2, 10.2, 0, 0},
        CapacityCase{"ZeroPitchHoldsOneLine", 210, 10, 0, 15, 0, 39, 1},
        CapacityCase{"HugeLabelIsClamped", 1e98, 0, 1e98, 0, 1, INT_MAX, INT_MAX},
        CapacityCase{"HugeNegativeLabel", -1e98, 0, -1e98, 0, 10, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct LinesCase {
    const char* name;
    std::size_t documentLines;
    int linesPerPage;
    bool sameData;
    long long label, lineLimit;
    std::size_t firstLine;
    int count;
};

class PageAndLineRule : public ::testing::TestWithParam<LinesCase> {};

TEST_P(PageAndLineRule, StopsAtTheFirstFailingCondition)
{
    const LinesCase& c = GetParam();
    const LabelText text =
        LabelLines(c.documentLines, c.linesPerPage, c.sameData, c.label, c.lineLimit);
    EXPECT_EQ(text.firstLine, c.firstLine);
    EXPECT_EQ(text.count, c.count);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, PageAndLineRule,
    ::testing::Values(LinesCase{"PageEndsBeforeCapacity", 100, 28, true, 7, 28, 1, 27},
                      LinesCase{"CapacityEnds", 100, 28, true, 0, 5, 1, 5},
                      LinesCase{"DocumentEnds", 4, 28, true, 0, 28, 1, 3},
                      LinesCase{"OwnPage", 35, 10, false, 2, 28, 21, 9},
                      LinesCase{"LastPartialPage", 35, 10, false, 3, 28, 31, 4},
                      LinesCase{"PageOfOnlyItsFirstLine", 31, 10, false, 3, 28, 0, 0},
                      LinesCase{"OneLinePages", 10, 1, true, 0, 28, 0, 0},
                      LinesCase{"NoCapacity", 10, 28, true, 0, 0, 0, 0},
                      LinesCase{"HugeLabelIndex", 1000, 99, false, LLONG_MAX, 28, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CellOnPaper, AddsCellLineAndLabelOffsets)
{
    SheetFormat f = kA4;
    f.x1 = 3;
    f.x2 = 5;
    f.y1 = 7;
    f.y2 = 2;
    f.labelWidth = 50;
    f.labelHeight = 30;
    const PaperPoint at = CellOnPaper(f, 1, 2, 3, 4);
    EXPECT_DOUBLE_EQ(at.x, 4 * 5.08 + 10 + (50 + 5) * 2 + 3);
    EXPECT_DOUBLE_EQ(at.y, 2 * 10.2 + 15 + (2 + 30) * 1 + 7);
}

struct PrintableCase {
    const char* name;
    int line;
    std::size_t cell;
    char byte;
    double leftMargin;
    bool printable;
};

class CellPrintability : public ::testing::TestWithParam<PrintableCase> {};

// A4 with margins left 10, top 15, bottom 15: dots may lie from y 15 down to 276.
TEST_P(CellPrintability, BoundsTheA4CellByTheMarginsAndTheSheet)
{
    const PrintableCase& c = GetParam();
    const PaperPoint at = CellOnPaper(kA4, 0, 0, c.line, c.cell);
    EXPECT_EQ(CellPrintable(kA4, {c.leftMargin, 15, 15}, at, c.byte), c.printable);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, CellPrintability,
    ::testing::Values(PrintableCase{"FirstCellOnBothLimits", 1, 0, 'A', 10, true},
                      PrintableCase{"BlankLeftOfTheMargin", 1, 0, ' ', 10.01, false},
                      PrintableCase{"LastCellOfTheLabel", 1, 38, 'A', 10, true},
                      PrintableCase{"BlankBeyondTheRightLimit", 1, 39, ' ', 10, false},
                      PrintableCase{"LineTwentySix", 26, 0, 'A', 10, true},
                      PrintableCase{"DotsOnLineTwentySeven", 27, 0, 'A', 10, false},
                      PrintableCase{"BlankOnLineTwentySeven", 27, 0, ' ', 10, true},
                      PrintableCase{"OtherByteOnLineTwentySeven", 27, 0, '\x7F', 10, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LabelsFitSheet, ChecksTheRightSideFirstAndLetsEqualityFit)
{
    SheetFormat f = kA4;
    f.rows = f.columns = 2;
    f.labelWidth = 100;
    f.x2 = 10;
    f.labelHeight = 148.5;
    EXPECT_EQ(LabelsFitSheet(f), SheetFit::Fits);
    f.y1 = 1;
    EXPECT_EQ(LabelsFitSheet(f), SheetFit::SticksOutBottom);
    f.x1 = 0.1;
    EXPECT_EQ(LabelsFitSheet(f), SheetFit::SticksOutRight);
    f.rows = f.columns = INT_MIN;  // must not overflow
    EXPECT_EQ(LabelsFitSheet(f), SheetFit::Fits);
}

}  // namespace
}  // namespace tessra
