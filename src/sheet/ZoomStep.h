#pragma once

#include <string>
#include <string_view>

namespace tessra {

// The scale of the view and the sizes that go with it. Before the first ApplyZoom the values have
// no meaning; they are still safe to use (px of anything is then clamped or 0).
struct ZoomStep {
    double mmPerPixel = 0;
    int cellPitchPx = 0;
    int brailleFontSize = 0;  // tenths of a point
    int shadowOffset = 0;     // pixels

    bool operator==(const ZoomStep&) const = default;
};

// Sets `step` from the zoom name ("Zoom_0" .. "Zoom_3", compared byte for byte). A name that
// matches none leaves `step` as it was.
void ApplyZoom(std::string_view zoom, ZoomStep& step);

// The next larger or smaller step's name; the largest or smallest step, or an unknown name,
// stays as it is.
std::string ZoomedIn(std::string_view zoom);
std::string ZoomedOut(std::string_view zoom);

// The step's place from the smallest (0 .. 3), or -1 for a name that matches none.
int ZoomStepIndex(std::string_view zoom);
inline constexpr int kZoomStepCount = 4;

// Size of the kana reading's font, tenths of a point.
int KanaFontSize(const ZoomStep& step);

// Pixel values stay within +-kPixelLimit, so that sums of a few of them fit an int.
inline constexpr int kPixelLimit = 1 << 28;

// A length in millimetres as whole pixels of this step, truncated toward zero.
int Px(double mm, const ZoomStep& step);

}  // namespace tessra
