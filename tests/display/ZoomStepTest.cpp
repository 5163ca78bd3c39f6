#include "display/ScreenLayout.h"
#include "display/ZoomStep.h"

#include "SheetFixtures.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

namespace tessra {
namespace {

const SheetFormat kA4 = testing::A4State({}).format;

ZoomStep Step(const char* zoom)
{
    ZoomStep step;
    ApplyZoom(zoom, step);
    return step;
}

TEST(ZoomStep, TableValuesAndKanaFontSizes)
{
    EXPECT_EQ(Step("Zoom_0"), (ZoomStep{0.508, 10, 90, 2}));
    EXPECT_EQ(Step("Zoom_1"), (ZoomStep{0.42333, 12, 120, 3}));
    EXPECT_EQ(Step("Zoom_2"), (ZoomStep{0.33867, 15, 150, 5}));
    EXPECT_EQ(Step("Zoom_3"), (ZoomStep{0.211665, 24, 250, 6}));
    EXPECT_EQ(KanaFontSize(Step("Zoom_0")), 70);
    EXPECT_EQ(KanaFontSize(Step("Zoom_1")), 93);
    EXPECT_EQ(KanaFontSize(Step("Zoom_2")), 117);
    EXPECT_EQ(KanaFontSize(Step("Zoom_3")), 195);
}

TEST(ZoomStep, AnUnknownNameChangesNothing)
{
    ZoomStep step = Step("Zoom_2");
    for (const char* name : {"", "zoom_1", "Zoom_4", "Zoom_1 "}) {
        ApplyZoom(name, step);
        EXPECT_EQ(step, Step("Zoom_2")) << name;
        EXPECT_EQ(ZoomedIn(name), name);
    }
    EXPECT_EQ(ZoomedIn("Zoom_2"), "Zoom_3");
    EXPECT_EQ(ZoomedIn("Zoom_3"), "Zoom_3");
    EXPECT_EQ(ZoomedOut("Zoom_1"), "Zoom_0");
    EXPECT_EQ(ZoomedOut("Zoom_0"), "Zoom_0");
}

TEST(ZoomStep, PxTruncatesTowardZeroAndStaysWithinTheLimit)
{
    EXPECT_EQ(Px(1, Step("Zoom_0")), 1);  // 1.97
    EXPECT_EQ(Px(-1, Step("Zoom_0")), -1);
    EXPECT_EQ(Px(1e98, Step("Zoom_3")), kPixelLimit);
    EXPECT_EQ(Px(210, ZoomStep{}), kPixelLimit);  // before the first ApplyZoom
    EXPECT_EQ(Px(0, ZoomStep{}), 0);
}

TEST(ScreenLayout, A4AtTheSmallestStep)
{
    const ZoomStep step = Step("Zoom_0");
    const ScreenPoint origin = SheetViewOrigin(kA4, step, 600);
    EXPECT_EQ(origin, (ScreenPoint{93, 30}));
    EXPECT_EQ(SheetViewOrigin(kA4, step, 474), (ScreenPoint{30, 30}));
    EXPECT_EQ(LabelOnScreen(kA4, step, origin, 0, 0), (ScreenRect{93, 30, 93 + 413, 30 + 584}));
    EXPECT_EQ(SheetViewScrollSize(kA4, step, origin), (ScrollSize{483, 634}));
    EXPECT_EQ(LabelViewOrigin(kA4, step, 600), (ScreenPoint{93, 50}));
    EXPECT_EQ(LabelViewOrigin(kA4, step, 400), (ScreenPoint{50, 50}));
    EXPECT_EQ(LabelViewScrollSize(kA4, step), (ScrollSize{513, 684}));
}

TEST(ScreenLayout, AGridBeyondTheSheetWidensTheScrollArea)
{
    SheetFormat f = kA4;
    f.columns = 2;  // 420 mm: 826 px
    EXPECT_EQ(SheetViewScrollSize(f, Step("Zoom_0"), {93, 30}), (ScrollSize{93 + 826 + 70, 634}));
}

TEST(ScreenLayout, EdgesAndCellsUseWholePixelsOfTheirOwn)
{
    SheetFormat f = kA4;
    f.x1 = 1;
    f.labelWidth = 50;
    const ScreenRect label = LabelOnScreen(f, Step("Zoom_0"), {0, 0}, 0, 0);
    EXPECT_EQ(label.right - label.left, 100 - 1);  // Px(51) - Px(1), while Px(50) is 98
    EXPECT_EQ(LineOnScreen(kA4, Step("Zoom_0"), {93, 30}, 2), (ScreenPoint{93 + 19, 30 + 49}));
    EXPECT_EQ(CellX(0, 38, Step("Zoom_2")), 38 * 15);  // Px(38 x 5.08) is 569
}

TEST(ScreenLayout, ExtremeInputsStayWithinThePixelLimit)
{
    SheetFormat f = kA4;
    f.labelWidth = f.x1 = 1e98;
    const ZoomStep step = Step("Zoom_3");
    EXPECT_EQ(SheetViewOrigin(f, step, INT_MIN).x, 30);
    EXPECT_EQ(LabelViewOrigin(f, step, INT_MIN).x, 50);
    EXPECT_EQ(SheetViewOrigin(kA4, step, INT_MAX).x, kPixelLimit);
    const ScreenPoint far{INT_MAX, INT_MIN};
    EXPECT_EQ(LabelOnScreen(f, step, far, 98, 98).right, kPixelLimit);
    EXPECT_EQ(LineOnScreen(f, step, far, INT_MAX).y, -kPixelLimit);
    EXPECT_EQ(CellX(kPixelLimit, SIZE_MAX, step), kPixelLimit);
    EXPECT_EQ(SheetViewScrollSize(f, step, far).width, kPixelLimit);
}

}  // namespace
}  // namespace tessra
