#pragma once

#include "format/SheetFormat.h"
#include "sheet/ScreenLayout.h"
#include "sheet/ZoomStep.h"

#include <optional>

namespace tessra {

struct GridPosition {
    int row = 0;
    int column = 0;

    bool operator==(const GridPosition&) const = default;
};

// The label of the sheet view under `point` (drawing coordinates, scroll position included), as
// a double click finds it: the first column whose inside holds x, then the first row of that
// column whose inside holds y; no other column is tried. The bounds are strict, and the far
// edges are the label's size converted on its own, which may differ by a pixel from the outline.
std::optional<GridPosition> LabelAtPoint(const SheetFormat& format, const ZoomStep& step,
                                         ScreenPoint sheetOrigin, ScreenPoint point);

}  // namespace tessra
