#include "display/ViewPicture.h"

#include "display/SheetPainter.h"

#include <QPainter>

#include <algorithm>
#include <string>

namespace tessra {

QSize UnlimitedViewPictureSize(const AppState& state, int clientWidth)
{
    ZoomStep step;
    const auto scroll = SheetPainter::Layout(state, step, clientWidth).scrollSize;
    if (!scroll) return {};
    return {std::max(clientWidth, scroll->width), scroll->height};
}

QSize ViewPictureSize(const AppState& state, int clientWidth)
{
    const QSize size = UnlimitedViewPictureSize(state, clientWidth);
    const int width = size.width();
    const int height = size.height();
    if (width <= 0 || height <= 0 || width > kLargestPictureSide || height > kLargestPictureSide ||
        static_cast<long long>(width) * height > kLargestPicturePixels)
        return {};
    return size;
}

std::optional<PictureThatFits> FitPicture(AppState state, int clientWidth)
{
    const int asked = state.zoom.size() == 6 && state.zoom.starts_with("Zoom_") ? state.zoom[5] - '0' : 3;
    for (int zoom = std::clamp(asked, 0, 3); zoom >= 0; --zoom) {
        state.zoom = std::string("Zoom_") + char('0' + zoom);
        if (ViewPictureSize(state, 1).isEmpty()) continue;
        // The picture only grows with the client width: the widest that fits lies by bisection.
        int fits = 1, tooWide = clientWidth + 1;
        while (tooWide - fits > 1) {
            const int middle = fits + (tooWide - fits) / 2;
            (ViewPictureSize(state, middle).isEmpty() ? tooWide : fits) = middle;
        }
        return PictureThatFits{zoom, fits};
    }
    return std::nullopt;
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
