#pragma once

#include "document/AppState.h"

#include <QImage>
#include <QSize>

#include <optional>

class QPainter;

namespace tessra {

// The view's picture as a whole, the way the window shows it scrolled to its top-left corner:
// as wide as the client area or the scroll width, whichever is larger, and the scroll height
// high, on the view's grey. Images and PDF pages of the view are made from it.

// Pictures larger than this on either side are refused: no viewer or printer takes them.
inline constexpr int kLargestPictureSide = 32767;
// Nor pictures of more pixels than this: 800 MB as an image, before it is encoded.
inline constexpr long long kLargestPicturePixels = 200'000'000;

// The picture's size in pixels; empty when there is nothing to draw or it would be too large.
QSize ViewPictureSize(const AppState& state, int clientWidth);

// The same before the limits, for a refusal that names the size.
QSize UnlimitedViewPictureSize(const AppState& state, int clientWidth);

// A way to draw a picture that is too large: the largest zoom step (from 0) at or below the
// state's and the widest client width up to `clientWidth` at which it fits; none when even the
// smallest step at the narrowest width is too large. Only sizes are worked out, nothing is drawn.
struct PictureThatFits {
    int zoom = 0;
    int clientWidth = 0;
};
std::optional<PictureThatFits> FitPicture(AppState state, int clientWidth);

// Paints the picture onto a surface of ViewPictureSize; sets state.allCellsPrintable.
void PaintViewPicture(QPainter& painter, AppState& state, int clientWidth);

// The picture as a 96-dpi image; a null image when ViewPictureSize is empty.
QImage ViewImage(AppState& state, int clientWidth);

}  // namespace tessra
