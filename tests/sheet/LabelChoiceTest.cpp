#include "sheet/LabelChoice.h"
#include "sheet/LabelHit.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

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
