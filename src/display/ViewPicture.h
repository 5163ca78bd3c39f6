#pragma once

#include "app/AppState.h"

#include <QImage>
#include <QSize>

class QPainter;

namespace tessra {

// The view's picture as a whole, the way the window shows it scrolled to its top-left corner:
// as wide as the client area or the scroll width, whichever is larger, and the scroll height
// high, on the view's grey. Images and PDF pages of the view are made from it.

// Pictures larger than this on either side are refused: no viewer or printer takes them.
inline constexpr int kLargestPictureSide = 32767;

// The picture's size in pixels; empty when there is nothing to draw or it would be too large.
QSize ViewPictureSize(const AppState& state, int clientWidth);

// Paints the picture onto a surface of ViewPictureSize; sets state.allCellsPrintable.
void PaintViewPicture(QPainter& painter, AppState& state, int clientWidth);

// The picture as a 96-dpi image; a null image when ViewPictureSize is empty.
QImage ViewImage(AppState& state, int clientWidth);

}  // namespace tessra
