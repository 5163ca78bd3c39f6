#include "sheet/ZoomStep.h"

#include "document/AppState.h"
#include "format/NumberText.h"

#include <array>

namespace tessra {
namespace {

struct NamedStep {
    std::string_view name;
    ZoomStep step;
};

// Smallest scale first. The scales are stored as written, not as 5.08 / cellPitchPx.
constexpr std::array<NamedStep, kZoomStepCount> kSteps{{
    {mode::kZoom0, {0.508, 10, 90, 2}},
    {mode::kZoom1, {0.42333, 12, 120, 3}},
    {mode::kZoom2, {0.33867, 15, 150, 5}},
    {mode::kZoom3, {0.211665, 24, 250, 6}},
}};

constexpr int kNoStep = -1;

std::string Neighbour(std::string_view zoom, int direction)
{
    const int index = ZoomStepIndex(zoom);
    const int next = index + direction;
    if (index == kNoStep || next < 0 || next >= static_cast<int>(kSteps.size())) {
        return std::string(zoom);
    }
    return std::string(kSteps[next].name);
}

}  // namespace

int ZoomStepIndex(std::string_view zoom)
{
    for (int i = 0; i < static_cast<int>(kSteps.size()); ++i) {
        if (kSteps[i].name == zoom) return i;
    }
    return kNoStep;
}

void ApplyZoom(std::string_view zoom, ZoomStep& step)
{
    const int index = ZoomStepIndex(zoom);
    if (index != kNoStep) step = kSteps[index].step;
}

std::string ZoomedIn(std::string_view zoom)
{
    return Neighbour(zoom, +1);
}

std::string ZoomedOut(std::string_view zoom)
{
    return Neighbour(zoom, -1);
}

int KanaFontSize(const ZoomStep& step)
{
    return TruncToInt(step.brailleFontSize * 0.78);
}

int Px(double mm, const ZoomStep& step)
{
    return TruncClamped(mm / step.mmPerPixel, kPixelLimit);
}

}  // namespace tessra
