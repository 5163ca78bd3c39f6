#include "display/SheetPainter.h"
#include "display/ViewPicture.h"
#include "support/A4Sheet.h"
#include "support/DocumentSetUp.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace tessra {
namespace {

const QRgb kGrey = qRgb(150, 150, 150);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kShadow = qRgb(50, 50, 50);
const QRgb kRed = qRgb(255, 80, 80);

// The A4 sheet shown as braille.
AppState A4State(std::vector<std::string> lines = {""})
{
    AppState state = test::A4State(std::move(lines));
    state.displayMode = mode::kBraille;
    return state;
}

struct Painted {
    QImage image;
    ViewDrawing drawing;
};

Painted Paint(AppState& state, int clientWidth = 600, QSize size = {700, 700})
{
    Painted painted{QImage(size, QImage::Format_RGB32), {}};
    painted.image.fill(kGrey);
    QPainter painter(&painted.image);
    ZoomStep step;
    painted.drawing = SheetPainter().Paint(painter, state, step, clientWidth);
    return painted;
}

// How many pixels of `colour` lie in the box from (x, y), w by h.
int Count(const QImage& image, QRect box, QRgb colour)
{
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) count += image.pixel(x, y) == colour;
    return count;
}

// Pixels neither of the label's white nor of the given background: ink of any colour.
int Ink(const QImage& image, QRect box)
{
    return box.width() * box.height() - Count(image, box, kWhite);
}

// Labels before the start label are hatched, and only on the first sheet.
TEST(SheetPainter, SkippedLabelsAreHatchedInGrey)
{
    AppState state = A4State({"", "A", "", "B"});
    {
        test::DocumentSetUp pages(state);
        std::tie(pages.format.columns, pages.linesPerPage, pages.sameDataForAllLabels) = std::tuple(2, 2, false);
    }
    state.startLabel = 2;
    for (const long long sheet : {0, 1}) {
        state.shownSheet = sheet;
        EXPECT_EQ(Count(Paint(state, 600, {1000, 700}).image, {20, 20, 200, 200}, qRgb(160, 160, 160)) > 100, sheet == 0);
    }
}

TEST(SheetPainter, WithoutADocumentOnlyTheBackgroundRemains)
{
    AppState state = A4State({"ABC"});
    state.document.Close();
    state.allCellsPrintable = false;
    const Painted p = Paint(state);
    EXPECT_EQ(Count(p.image, p.image.rect(), kGrey), 700 * 700);
    EXPECT_TRUE(state.allCellsPrintable);
    EXPECT_FALSE(p.drawing.scrollSize);
}

TEST(SheetPainter, A4SheetAtTheSmallestStepLiesWhereTheLayoutPutsIt)
{
    AppState state = A4State();
    const Painted p = Paint(state);  // at (93, 30), as ScreenLayout's test places it
    // The sheet covers 93..505 by 30..613, the label over it one pixel more, and the shadow lies
    // two pixels down and right under both. The dashed margins: x 93 + 19, y 30 + 29 - 1 and
    // 30 + 584 - 29, the top line starting at the sheet's right edge.
    const QRgb dash = qRgb(255, 0, 0);
    const struct { int x, y; QRgb colour; } pixels[] = {
        {92, 100, kGrey}, {93, 100, kBlack}, {94, 100, kWhite}, {505, 100, kWhite},
        {506, 100, kBlack}, {507, 100, kShadow}, {508, 100, kGrey}, {200, 29, kGrey},
        {200, 30, kBlack}, {200, 614, kBlack}, {200, 615, kShadow}, {200, 616, kGrey},
        {507, 31, kGrey}, {507, 32, kShadow}, {112, 200, dash}, {480, 58, dash}, {112, 585, dash},
    };
    for (const auto& pixel : pixels) EXPECT_EQ(p.image.pixel(pixel.x, pixel.y), pixel.colour) << pixel.x << ',' << pixel.y;
    EXPECT_EQ(Count(p.image, QRect(113, 59, 392, 526), dash), 0);  // nothing inside the area
    EXPECT_EQ(Count(p.image, QRect(507, 0, 193, 700), dash), 0);   // no right segment
}

TEST(SheetPainter, GridStickingOutWidensAndLengthensTheScrollArea)
{
    AppState state = A4State();
    Set(state).format.columns = 2;
    Set(state).format.rows = 2;
    Set(state).format.labelWidth = 120;
    Set(state).format.labelHeight = 160;
    const Painted p = Paint(state, 600, {800, 800});
    // 240 mm wide: 472 pixels from the origin 93, plus 70; 320 mm high: 629 from 30, plus 50.
    EXPECT_EQ(*p.drawing.scrollSize, (ScrollSize{93 + 472 + 70, 30 + 629 + 50}));
    EXPECT_EQ(p.image.pixel(93 + 472, 300), kBlack);  // the second column's right edge, off the sheet
}

// The cell box at cell `i` of the first line of the A4 label at the smallest step.
QRect A4CellBox(const Painted& p, int i)
{
    return QRect(p.drawing.origin.x + 19 + 10 * i, p.drawing.origin.y + 29, 10, 12);
}

// The pixels where two pictures differ all lie in `box`, in `colour`; and some do.
void DifferOnlyIn(const QImage& image, const QImage& other, QRect box, QRgb colour)
{
    int differing = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == other.pixel(x, y)) continue;
            ++differing;
            ASSERT_TRUE(box.contains(x, y) && image.pixel(x, y) == colour) << x << ' ' << y;
        }
    EXPECT_GT(differing, 0);
}

// On the sheet the label's cells stay as they are, and a red bar inside the label's edge tells
// that braille is lost: at the right beside a line that runs on, along the bottom for lines below.
TEST(SheetPainter, BrailleTheLabelCannotHoldIsMarkedOnTheSheetAndRedInTheLabelView)
{
    AppState state = A4State({"", std::string(45, '=')});
    AppState fitting = A4State({"", std::string(39, '=')});
    const Painted sheet = Paint(state);
    EXPECT_GT(Count(sheet.image, A4CellBox(sheet, 38), kBlack), 0);
    DifferOnlyIn(sheet.image, Paint(fitting).image, QRect(93 + 413 - 3, 30 + 29, 3, 11), kRed);
    EXPECT_FALSE(state.allCellsPrintable);

    AppState below = A4State(std::vector<std::string>(30, " "));
    Set(below).linesPerPage = 30;
    AppState blank = below;
    Set(below).lines[29] = "=";  // label line 29 of a label of 28
    DifferOnlyIn(Paint(below).image, Paint(blank).image, QRect(94, 30 + 584 - 3, 412, 3), kRed);

    state.viewMode = mode::kLabel;
    const Painted label = Paint(state, 600, {700, 700});
    EXPECT_EQ(label.drawing.origin, (ScreenPoint{93, 50}));
    const QRect cell38(93 + 19 + 380, 50 + 29, 10, 12);
    EXPECT_GT(Count(label.image, cell38, kBlack), 0);
    EXPECT_EQ(Count(label.image, cell38, kRed), 0);
    EXPECT_GT(Count(label.image, cell38.translated(10, 0), kRed), 0);
    EXPECT_GT(Count(label.image, cell38.translated(60, 0), kRed), 0);
    EXPECT_TRUE(state.allCellsPrintable);
}

TEST(SheetPainter, RedOnlyWhereTheWalkFindsUnprintableCells)
{
    AppState state = A4State({"", "==", "=="});
    state.leftMargin = 10.5;  // the first cell of every line lies left of the margin
    Painted p = Paint(state);
    EXPECT_FALSE(state.allCellsPrintable);
    const QRect second = A4CellBox(p, 0).translated(0, Px(10.2, {0.508, 10, 90, 2}));
    for (const QRect& box : {A4CellBox(p, 0), second}) {
        EXPECT_GT(Count(p.image, box, kRed), 0);
        EXPECT_EQ(Count(p.image, box, kBlack), 0);
        EXPECT_GT(Count(p.image, box.translated(10, 0), kBlack), 0);
        EXPECT_EQ(Count(p.image, box.translated(10, 0), kRed), 0);
    }

    state.leftMargin = 10;
    p = Paint(state);
    EXPECT_TRUE(state.allCellsPrintable);
    EXPECT_EQ(Count(p.image, p.image.rect(), kRed), 0);
}

TEST(SheetPainter, VoicedSignBeforeKaDrawsKaOnePitchToTheLeft)
{
    AppState voiced = A4State({"", "\"*"});
    AppState plain = A4State({"", "*"});
    voiced.displayMode = plain.displayMode = mode::kKana;
    const Painted v = Paint(voiced);
    const Painted k = Paint(plain);
    const QRect first = A4CellBox(v, 0);
    EXPECT_GT(Ink(v.image, first), 0);
    EXPECT_EQ(v.image.copy(first), k.image.copy(first));  // "か" where the sign stood
    EXPECT_GT(Ink(v.image, first.translated(10, 0)), 0);  // "゛" on the current cell
}

TEST(SheetPainter, SignOfThreeCellsDrawsOnItsFirstCellAndClearsTheOthers)
{
    AppState dots = A4State({"", "111"});  // 点線 ⠂⠂⠂, read as っ っ until the third cell
    AppState kana = A4State({"", "1"});
    dots.displayMode = kana.displayMode = mode::kKana;
    const Painted d = Paint(dots);
    const QRect first = A4CellBox(d, 0);
    EXPECT_GT(Ink(d.image, first), 0);
    EXPECT_NE(d.image.copy(first), Paint(kana).image.copy(first));  // "…", not "っ"
    EXPECT_EQ(Ink(d.image, A4CellBox(d, 1)), 0);
    EXPECT_EQ(Ink(d.image, A4CellBox(d, 2)), 0);
}

// Where ink lies in the band of the top ruler's texts, above the ticks, at the largest step.
struct TopRuler {
    QImage image;
    int originX = 0;

    bool InkBetween(int from, int to) const
    {
        return Count(image, QRect(originX + from, 30, to - from, 8), kGrey) < (to - from) * 8;
    }
};

TopRuler LabelViewRuler(double labelWidth)
{
    AppState state = A4State();
    Set(state).format.labelWidth = labelWidth;
    Set(state).format.labelHeight = 40;
    state.viewMode = mode::kLabel;
    state.zoom = mode::kZoom3;
    const Painted p = Paint(state, 100, {600, 300});
    return {p.image, p.drawing.origin.x};
}

TEST(SheetPainter, LabelViewNumbersTheTopRulerUpToTheLastTenBelowTheWidth)
{
    // At 0.211665 mm a pixel: 80 at 372, 90 at 420, "(mm)" at px(100) - 20 or px(90) - 20.
    const TopRuler wide = LabelViewRuler(91);
    EXPECT_TRUE(wide.InkBetween(420, 432));   // "90"
    EXPECT_TRUE(wide.InkBetween(452, 470));   // "(mm)" at the 100-mm position
    EXPECT_FALSE(wide.InkBetween(400, 415));

    const TopRuler exact = LabelViewRuler(90);
    EXPECT_TRUE(exact.InkBetween(405, 415));  // "(mm)" at the 90-mm position
    EXPECT_FALSE(exact.InkBetween(440, 500));
}

TEST(SheetPainter, LabelViewGridLinesNeverLieOnTheLabelsEdges)
{
    AppState state = A4State();
    Set(state).format.labelWidth = 20;
    Set(state).format.labelHeight = 10;
    state.viewMode = mode::kLabel;
    const Painted p = Paint(state, 100, {300, 200});
    const QRgb grid = qRgb(200, 200, 200);
    const int x0 = p.drawing.origin.x;
    const int y0 = p.drawing.origin.y;
    const ZoomStep step{0.508, 10, 90, 2};
    // Vertical lines at 5, 10 and 15 mm; 20 mm is the right edge, outlined in black.
    for (int mm : {5, 10, 15}) EXPECT_EQ(p.image.pixel(x0 + Px(mm, step), y0 + 3), grid) << mm;
    EXPECT_EQ(p.image.pixel(x0 + Px(20, step), y0 + 3), kBlack);
    EXPECT_EQ(p.image.pixel(x0 + 3, y0 + Px(5, step)), grid);
    EXPECT_EQ(p.image.pixel(x0 + 3, y0 + Px(10, step)), kBlack);
}

TEST(ViewPicture, ADamagedFormatsHugePictureIsRefusedNotAllocated)
{
    AppState state = A4State();
    Set(state).format.labelWidth = 1e12;
    state.viewMode = mode::kLabel;
    EXPECT_TRUE(ViewPictureSize(state, 800).isEmpty());
    EXPECT_TRUE(ViewImage(state, 800).isNull());
}

}  // namespace
}  // namespace tessra
