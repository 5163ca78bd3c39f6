#include "sheet/LabelHit.h"

#include "sheet/SheetGeometry.h"

namespace tessra {
namespace {

// The first of `count` spans, each `length` pixels from where `startOf` puts it, that holds
// `value` strictly inside.
template <typename StartOf>
std::optional<int> FirstHit(int count, int length, StartOf startOf, int value)
{
    for (int index = 0; index < count; ++index) {
        const int start = startOf(index);
        if (start < value && value < start + length) return index;
    }
    return std::nullopt;
}

}  // namespace

std::optional<GridPosition> LabelAtPoint(const SheetFormat& format, const ZoomStep& step,
                                         ScreenPoint sheetOrigin, ScreenPoint point)
{
    const std::optional<int> column = FirstHit(
        GridColumns(format), Px(format.labelWidth, step),
        [&](int c) { return Px(LabelLeft(format, c), step) + sheetOrigin.x; }, point.x);
    if (!column) return std::nullopt;
    const std::optional<int> row = FirstHit(
        GridRows(format), Px(format.labelHeight, step),
        [&](int r) { return Px(LabelTop(format, r), step) + sheetOrigin.y; }, point.y);
    if (!row) return std::nullopt;
    return GridPosition{*row, *column};
}

}  // namespace tessra
