#include "sheet/LabelChoice.h"

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

}  // namespace
}  // namespace tessra
