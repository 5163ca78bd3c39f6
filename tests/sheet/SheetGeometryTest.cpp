#include "sheet/LabelChoice.h"
#include "sheet/LabelHit.h"
#include "sheet/ScreenLayout.h"
#include "sheet/SheetGeometry.h"
#include "sheet/ZoomStep.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

namespace tessra {
namespace {

// The default A4 single sheet: one 210 x 297 label, cells from (10, 15), LP22.
const SheetFormat kA4{.sheetWidth = 210, .sheetHeight = 297, .rows = 1, .columns = 1,
                      .labelWidth = 210, .labelHeight = 297, .x3 = 10, .y3 = 15, .linePitch = 10.2,
                      .lineCode = "LP22"};
const ZoomStep kZoom0{0.508, 10, 90, 2};

TEST(SheetGeometry, LabelCapacityTruncatesTheProductAndTheQuotient)
{
    // Label width, x3, label height, y3, line pitch; cells per line and lines per label.
    const struct { const char* name; double w, x3, h, y3, pitch; int cells, lines; } rows[] = {
        {"A4", 210, 10, 297, 15, 10.2, 39, 28},
        {"A4 with the exact LP22", 210, 10, 297, 15, 10.24159205, 39, 27},
        {"business card", 91, 6, 55, 4, 10.2, 16, 5},
        {"exact multiple of the pitch loses a cell", 14.16, 0, 16, 0, 10, 2, 2},
        {"room of minus one pitch holds one", 0, 1.08, 6, 10.1, 10.2, 1, 1},
        {"room beyond minus one pitch holds none", 0, 2, 6, 10.2, 10.2, 0, 0},
        {"zero pitch holds one line", 210, 10, 0, 15, 0, 39, 1},
        {"huge label is clamped", 1e98, 0, 1e98, 0, 1, INT_MAX, INT_MAX},
        {"huge negative label", -1e98, 0, -1e98, 0, 10, 0, 0},
    };
    for (const auto& r : rows) {
        const SheetFormat free{.labelWidth = r.w, .labelHeight = r.h, .x3 = r.x3,
                               .y3 = r.y3, .linePitch = r.pitch, .lineCode = ""};
        EXPECT_EQ(CellsPerLabelLine(free), r.cells) << r.name;
        EXPECT_EQ(LinesPerLabel(free), r.lines) << r.name;
    }
}

// Which lines show where is left to the sheet walk; these are the ways a label shows nothing.
TEST(SheetGeometry, LabelShowsNoLines)
{
    EXPECT_EQ(LabelLines(31, 10, false, 3, 28).count, 0);  // its page holds only line 0
    EXPECT_EQ(LabelLines(10, 0, true, 0, 28).count, 0);    // no page size
    EXPECT_EQ(LabelLines(10, 28, true, 0, 0).count, 0);    // no room for a line
    EXPECT_EQ(LabelLines(1000, 99, false, LLONG_MAX, 28).count, 0);
}

TEST(SheetGeometry, LabelGridOffsetsAndExtent)
{
    SheetFormat f{.sheetWidth = 108, .sheetHeight = 69, .rows = 2, .columns = 2, .x1 = 3, .x2 = 5,
                  .y1 = 7, .y2 = 2, .labelWidth = 50, .labelHeight = 30, .x3 = 10, .y3 = 15,
                  .linePitch = 10.2, .lineCode = "LP22"};
    const PaperPoint at = CellOnPaper(f, 1, 2, 3, 4);
    EXPECT_DOUBLE_EQ(at.x, 4 * 5.08 + 10 + (50 + 5) * 2 + 3);
    EXPECT_DOUBLE_EQ(at.y, 2 * 10.2 + 15 + (2 + 30) * 1 + 7);
    EXPECT_EQ(LabelsFitSheet(f), SheetFit::Fits);  // both extents exactly the sheet's
    f.sheetHeight = 68.9;
    EXPECT_EQ(LabelsFitSheet(f), SheetFit::SticksOutBottom);
    f.sheetWidth = 107.9;
    EXPECT_EQ(LabelsFitSheet(f), SheetFit::SticksOutRight);  // the right side is named first
    f.rows = f.columns = INT_MIN;
    EXPECT_EQ(LabelsFitSheet(f), SheetFit::Fits);
}

TEST(ZoomStep, StepsOfTheTableAndUnknownNames)
{
    const struct { const char* name; ZoomStep step; int kanaFontSize; } rows[] = {
        {"Zoom_0", kZoom0, 70}, {"Zoom_1", {0.42333, 12, 120, 3}, 93},
        {"Zoom_2", {0.33867, 15, 150, 5}, 117}, {"Zoom_3", {0.211665, 24, 250, 6}, 195}};
    ZoomStep step;
    for (const auto& r : rows) {
        ApplyZoom(r.name, step);
        EXPECT_EQ(step, r.step) << r.name;
        EXPECT_EQ(KanaFontSize(step), r.kanaFontSize) << r.name;
    }
    for (const char* name : {"", "zoom_1", "Zoom_4", "Zoom_1 "}) ApplyZoom(name, step);
    EXPECT_EQ(step, rows[3].step);  // as the last known name left it
    EXPECT_EQ(ZoomedIn("Zoom_2") + ZoomedIn("Zoom_3") + ZoomedOut("Zoom_0") + ZoomedIn("x"),
              "Zoom_3" "Zoom_3" "Zoom_0" "x");
}

TEST(ScreenLayout, A4AtTheSmallestStepInWholePixels)
{
    const ScreenPoint origin = SheetViewOrigin(kA4, kZoom0, 600);
    EXPECT_EQ(origin, (ScreenPoint{93, 30}));
    EXPECT_EQ(LabelOnScreen(kA4, kZoom0, origin, 0, 0), (ScreenRect{93, 30, 93 + 413, 30 + 584}));
    EXPECT_EQ(SheetViewScrollSize(kA4, kZoom0, origin), (ScrollSize{483, 634}));
    SheetFormat f = kA4;
    f.columns = 2;  // 420 mm, 826 px: beyond the sheet
    EXPECT_EQ(SheetViewScrollSize(f, kZoom0, origin), (ScrollSize{93 + 826 + 70, 634}));
    f.x1 = 1;
    f.labelWidth = 50;
    const ScreenRect label = LabelOnScreen(f, kZoom0, {0, 0}, 0, 0);
    EXPECT_EQ(label.right - label.left, 100 - 1);  // Px(51) - Px(1), while Px(50) is 98
    EXPECT_EQ(CellX(0, 38, {0.33867, 15, 150, 5}), 38 * 15);  // Px(38 x 5.08) at Zoom_2 is 569
    EXPECT_EQ(Px(-1, kZoom0), -1);  // toward zero
}

TEST(ScreenLayout, ExtremeInputsStayWithinThePixelLimit)
{
    SheetFormat f = kA4;
    f.labelWidth = f.x1 = 1e98;
    const ScreenPoint far{INT_MAX, INT_MIN};
    EXPECT_EQ(Px(210, ZoomStep{}), kPixelLimit);  // before the first ApplyZoom
    EXPECT_EQ(Px(0, ZoomStep{}), 0);              // NaN
    EXPECT_EQ(SheetViewOrigin(f, kZoom0, INT_MIN).x, 30);
    EXPECT_EQ(LineOnScreen(f, kZoom0, far, INT_MAX).y, -kPixelLimit);
    EXPECT_EQ(CellX(kPixelLimit, SIZE_MAX, kZoom0), kPixelLimit);
    EXPECT_EQ(SheetViewScrollSize(f, kZoom0, far).width, kPixelLimit);
}

TEST(LabelChoice, KeysMoveAlongRowsAndColumnsAndStopAtTheEnds)
{
    SheetFormat grid;  // 3 rows of 4 labels: 0 1 2 3 / 4 5 6 7 / 8 9 10 11
    grid.rows = 3;
    grid.columns = 4;
    const struct { long long from; LabelStep step; long long to; } rows[] = {
        {0, LabelStep::Next, 1},      {3, LabelStep::Next, 4},     {11, LabelStep::Next, 11},
        {4, LabelStep::Previous, 3},  {0, LabelStep::Previous, 0}, {1, LabelStep::RowDown, 5},
        {9, LabelStep::RowDown, 9},   {6, LabelStep::RowUp, 2},    {2, LabelStep::RowUp, 2},
        {7, LabelStep::First, 0},     {2, LabelStep::Last, 11},
        {40, LabelStep::Previous, 10},  // a label a larger format left behind counts as the last
    };
    for (const auto& row : rows)
        EXPECT_EQ(SteppedLabel(grid, row.from, row.step), row.to) << row.from << " step " << int(row.step);

    EXPECT_EQ(ClampedLabel(grid, -3), 0);
    EXPECT_EQ(ClampedLabel(grid, 12), 11);
    SheetFormat none;
    none.rows = 0;
    EXPECT_EQ(SteppedLabel(none, 5, LabelStep::Last), 0);
}

struct HitRow {
    const char* name;
    ScreenPoint point;
    std::optional<GridPosition> hit;
};

// One millimetre per pixel; origin (30, 30). Column 0 spans 40..70, column 1 75..105,
// row 0 50..90, row 1 96..136: only the pixels strictly between the edges hit.
TEST(LabelHit, StrictBoundsInTheFirstMatchingColumn)
{
    SheetFormat format;
    format.rows = 2;
    format.columns = 2;
    format.x1 = 10;
    format.y1 = 20;
    format.x2 = 5;
    format.y2 = 6;
    format.labelWidth = 30;
    format.labelHeight = 40;
    const ZoomStep step{1.0, 5, 100, 2};
    const HitRow rows[] = {
        {"left edge misses", {40, 60}, std::nullopt},
        {"first pixel inside hits", {41, 51}, GridPosition{0, 0}},
        {"last pixel inside hits", {69, 89}, GridPosition{0, 0}},
        {"pixel past the width misses", {70, 60}, std::nullopt},
        {"bottom edge misses", {60, 90}, std::nullopt},
        {"gap between columns misses", {73, 60}, std::nullopt},
        {"second row, second column", {76, 97}, GridPosition{1, 1}},
        {"below the last row misses", {76, 136}, std::nullopt},
    };
    for (const HitRow& row : rows)
        EXPECT_EQ(LabelAtPoint(format, step, {30, 30}, row.point), row.hit) << row.name;

    format.x2 = -20;  // overlapping columns: the first one that holds x wins
    EXPECT_EQ(LabelAtPoint(format, step, {30, 30}, {55, 60}), (GridPosition{0, 0}));
}

TEST(LabelHit, TruncatesEachEdgeOnItsOwn)
{
    SheetFormat format;
    format.rows = format.columns = 1;
    format.x1 = format.y1 = 1.3;
    format.labelWidth = format.labelHeight = 2.9;
    const ZoomStep step{0.5, 10, 100, 2};  // left edge trunc(2.6) = 2, width trunc(5.8) = 5, not trunc(8.4) - 2
    EXPECT_TRUE(LabelAtPoint(format, step, {0, 0}, {6, 6}));
    EXPECT_FALSE(LabelAtPoint(format, step, {0, 0}, {7, 6}));
}

}  // namespace
}  // namespace tessra
