#include "sheet/ScreenLayout.h"

#include "sheet/SheetGeometry.h"

#include <algorithm>

namespace tessra {
namespace {

constexpr int kSheetViewMinLeft = 30;
constexpr int kSheetViewTop = 30;
constexpr int kLabelViewMinLeft = 50;
constexpr int kLabelViewTop = 50;
constexpr int kSheetViewRightRoom = 70;
constexpr int kSheetViewBottomRoom = 50;
constexpr int kLabelViewRoom = 100;

// Every pixel value handed out stays within +-kPixelLimit, whatever origin a caller passes in.
int ClampedPixel(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, -kPixelLimit, kPixelLimit));
}

int Sum(int a, int b)
{
    return ClampedPixel(static_cast<long long>(a) + b);
}

// (clientWidth - width) / 2 in integer arithmetic, at least `minimum`.
int CentredLeft(int clientWidth, int width, int minimum)
{
    const long long centred = (static_cast<long long>(clientWidth) - width) / 2;
    return ClampedPixel(std::max<long long>(minimum, centred));
}

}  // namespace

ScreenPoint SheetViewOrigin(const SheetFormat& f, const ZoomStep& step, int clientWidth)
{
    return {CentredLeft(clientWidth, Px(f.sheetWidth, step), kSheetViewMinLeft), kSheetViewTop};
}

ScreenPoint LabelViewOrigin(const SheetFormat& f, const ZoomStep& step, int clientWidth)
{
    return {CentredLeft(clientWidth, Px(f.labelWidth, step), kLabelViewMinLeft), kLabelViewTop};
}

ScreenRect LabelOnScreen(const SheetFormat& f, const ZoomStep& step, ScreenPoint sheetOrigin,
                         int row, int column)
{
    const double left = LabelLeft(f, column);
    const double top = LabelTop(f, row);
    return {Sum(Px(left, step), sheetOrigin.x), Sum(Px(top, step), sheetOrigin.y),
            Sum(Px(left + f.labelWidth, step), sheetOrigin.x),
            Sum(Px(top + f.labelHeight, step), sheetOrigin.y)};
}

ScreenRect LabelViewLabel(const SheetFormat& f, const ZoomStep& step, ScreenPoint labelOrigin)
{
    return {labelOrigin.x, labelOrigin.y, Sum(labelOrigin.x, Px(f.labelWidth, step)),
            Sum(labelOrigin.y, Px(f.labelHeight, step))};
}

ScreenPoint LineOnScreen(const SheetFormat& f, const ZoomStep& step, ScreenPoint label, int line)
{
    return {Sum(Px(f.x3, step), label.x),
            Sum(Px((static_cast<double>(line) - 1) * f.linePitch + f.y3, step), label.y)};
}

int CellX(int lineX, std::size_t cell, const ZoomStep& step)
{
    const auto steps = static_cast<long long>(std::min<std::size_t>(cell, kPixelLimit));
    return ClampedPixel(lineX + steps * step.cellPitchPx);
}

ScrollSize SheetViewScrollSize(const SheetFormat& f, const ZoomStep& step, ScreenPoint sheetOrigin)
{
    const int sheetWidth = Px(f.sheetWidth, step);
    const int sheetHeight = Px(f.sheetHeight, step);
    const int gridWidth = Px(ExtentX(f), step);
    const int gridHeight = Px(ExtentY(f), step);
    return {gridWidth > sheetWidth ? Sum(Sum(sheetOrigin.x, gridWidth), kSheetViewRightRoom)
                                   : sheetWidth + kSheetViewRightRoom,
            gridHeight > sheetHeight ? Sum(Sum(sheetOrigin.y, gridHeight), kSheetViewBottomRoom)
                                     : sheetHeight + kSheetViewBottomRoom};
}

ScrollSize LabelViewScrollSize(const SheetFormat& f, const ZoomStep& step)
{
    return {Px(f.labelWidth, step) + kLabelViewRoom, Px(f.labelHeight, step) + kLabelViewRoom};
}

}  // namespace tessra
