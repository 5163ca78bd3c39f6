#pragma once

#include "format/SheetFormat.h"
#include "sheet/ZoomStep.h"

#include <cstddef>

namespace tessra {

// Where the sheet, its labels, lines and cells appear in the view, in pixels (one logical unit per
// pixel, before scrolling). Every millimetre length is converted on its own by Px.

struct ScreenPoint {
    int x = 0;
    int y = 0;

    bool operator==(const ScreenPoint&) const = default;
};

// Edges as the label's outline uses them: the outline covers right and bottom too.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const ScreenRect&) const = default;
};

struct ScrollSize {
    int width = 0;
    int height = 0;

    bool operator==(const ScrollSize&) const = default;
};

// The sheet's top-left corner in the sheet view, centred in the client width but at least 30
// pixels from the left.
ScreenPoint SheetViewOrigin(const SheetFormat& format, const ZoomStep& step, int clientWidth);

// The label's top-left corner in the label view, centred but at least 50 pixels from the left.
ScreenPoint LabelViewOrigin(const SheetFormat& format, const ZoomStep& step, int clientWidth);

// Label (row, column) of the sheet view. The edges are converted one by one, so the width on
// screen may differ from Px(labelWidth) by a pixel.
ScreenRect LabelOnScreen(const SheetFormat& format, const ZoomStep& step, ScreenPoint sheetOrigin,
                         int row, int column);

// The shown label of the label view.
ScreenRect LabelViewLabel(const SheetFormat& format, const ZoomStep& step, ScreenPoint labelOrigin);

// Top-left corner of label line `line` (from 1) of the label whose top-left corner is `label`.
ScreenPoint LineOnScreen(const SheetFormat& format, const ZoomStep& step, ScreenPoint label,
                         int line);

// Cells advance by the step's whole pixel pitch, not by Px(cell * 5.08).
int CellX(int lineX, std::size_t cell, const ZoomStep& step);

// The sheet view grows beyond the sheet when the label grid sticks out of it.
ScrollSize SheetViewScrollSize(const SheetFormat& format, const ZoomStep& step,
                               ScreenPoint sheetOrigin);
ScrollSize LabelViewScrollSize(const SheetFormat& format, const ZoomStep& step);

}  // namespace tessra
