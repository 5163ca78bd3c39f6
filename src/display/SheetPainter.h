#pragma once

#include "braille/KanaReader.h"
#include "display/CellFonts.h"
#include "document/AppState.h"
#include "sheet/ScreenLayout.h"
#include "sheet/ZoomStep.h"

#include <QColor>

#include <optional>

class QPainter;

namespace tessra {

// The grey behind the sheet, in the view and in rendered images.
inline const QColor kViewBackground{150, 150, 150};

// What a drawing leaves for the view besides the picture.
struct ViewDrawing {
    // The sizes the view scrolls over; absent when nothing was drawn (no document, or a view mode
    // that is neither sheet nor label), and the view then keeps the sizes it had.
    std::optional<ScrollSize> scrollSize;
    // The sheet's (sheet view) or the label's (label view) top-left corner: what a double click
    // is measured against.
    ScreenPoint origin;
};

// Draws the sheet view or the label view of the state, as the view shows it, onto any painter:
// the view's viewport, an image, a PDF page. One logical unit is one pixel; the caller has
// already translated the painter by the scroll position and filled the background.
class SheetPainter {
public:
    // `dpi` turns font sizes in tenths of a point into pixels: 96 on screen and in images.
    explicit SheetPainter(int dpi = 96);

    // Applies state.zoom to `step` (an unknown name keeps the step as it was), draws, and leaves
    // state.allCellsPrintable as the drawing found it: cleared only by a sheet drawing that met
    // an unprintable cell.
    ViewDrawing Paint(QPainter& painter, AppState& state, ZoomStep& step, int clientWidth);

    // What Paint would leave for the view, without drawing: the size of a picture to paint into.
    static ViewDrawing Layout(const AppState& state, ZoomStep& step, int clientWidth);

private:
    CellFonts fonts_;
    KanaReader reader_;
};

}  // namespace tessra
