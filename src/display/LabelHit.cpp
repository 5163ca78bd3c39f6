#include "display/LabelHit.h"

#include "display/SheetGeometry.h"

namespace tessra {
namespace {

bool StrictlyInside(int value, int start, int length)
{
    return start < value && value < start + length;
}

std::optional<int> FirstColumnHit(const SheetFormat& format, const ZoomStep& step, int originX, int x)
{
    const int width = Px(format.labelWidth, step);
    for (int column = 0; column < GridColumns(format); ++column) {
        const int left = Px((format.x2 + format.labelWidth) * column + format.x1, step) + originX;
        if (StrictlyInside(x, left, width)) return column;
    }
    return std::nullopt;
}

std::optional<int> FirstRowHit(const SheetFormat& format, const ZoomStep& step, int originY, int y)
{
    const int height = Px(format.labelHeight, step);
    for (int row = 0; row < GridRows(format); ++row) {
        const int top = Px((format.y2 + format.labelHeight) * row + format.y1, step) + originY;
        if (StrictlyInside(y, top, height)) return row;
    }
    return std::nullopt;
}

}  // namespace

std::optional<GridPosition> LabelAtPoint(const SheetFormat& format, const ZoomStep& step,
                                         ScreenPoint sheetOrigin, ScreenPoint point)
{
    const std::optional<int> column = FirstColumnHit(format, step, sheetOrigin.x, point.x);
    if (!column) return std::nullopt;
    const std::optional<int> row = FirstRowHit(format, step, sheetOrigin.y, point.y);
    if (!row) return std::nullopt;
    return GridPosition{*row, *column};
}

}  // namespace tessra
