#include "display/ViewPicture.h"

#include "display/SheetPainter.h"

#include <QPainter>

#include <algorithm>

namespace tessra {

QSize ViewPictureSize(const AppState& state, int clientWidth)
{
    ZoomStep step;
    const auto scroll = SheetPainter::Layout(state, step, clientWidth).scrollSize;
    if (!scroll) return {};
    const int width = std::max(clientWidth, scroll->width);
    const int height = scroll->height;
    if (width <= 0 || height <= 0 || width > kLargestPictureSide || height > kLargestPictureSide)
        return {};
    return {width, height};
}

void PaintViewPicture(QPainter& painter, AppState& state, int clientWidth)
{
    const QSize size = ViewPictureSize(state, clientWidth);
    painter.fillRect(QRect(QPoint(0, 0), size), kViewBackground);
    ZoomStep step;
    SheetPainter().Paint(painter, state, step, clientWidth);
}

QImage ViewImage(AppState& state, int clientWidth)
{
    const QSize size = ViewPictureSize(state, clientWidth);
    if (size.isEmpty()) return {};
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintViewPicture(painter, state, clientWidth);
    return image;
}

}  // namespace tessra
