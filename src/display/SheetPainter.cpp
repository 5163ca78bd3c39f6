#include "display/SheetPainter.h"

#include "sheet/SheetGeometry.h"
#include "sheet/SheetWalk.h"

#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace tessra {
namespace {

const QColor kShadow{50, 50, 50};
const QColor kSheetFill{240, 240, 240};
const QColor kLabelFill{255, 255, 255};
const QColor kPrintableAreaLine{255, 0, 0};
const QColor kMillimetreGrid{200, 200, 200};
const QColor kInk{0, 0, 0};
const QColor kUnprintableCell{255, 80, 80};
const QColor kSkippedLabelHatch{160, 160, 160};

// Rulers and grids of absurdly large labels (a damaged format) stop here instead of running on.
constexpr double kLongestRulerMm = 100000;

// A filled rectangle that covers its left and top coordinates but not its right and bottom ones.
void FillRect(QPainter& painter, const ScreenRect& r, const QColor& fill)
{
    if (r.right <= r.left || r.bottom <= r.top) return;
    painter.fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), fill);
}

// The same rectangle with a one-pixel black outline on its covered edge pixels.
void OutlinedRect(QPainter& painter, const ScreenRect& r, const QColor& fill)
{
    if (r.right <= r.left || r.bottom <= r.top) return;
    FillRect(painter, r, fill);
    painter.setPen(QPen(kInk, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1);
}

// A line to its end point, the end point itself left out; every line here runs along an axis.
QPoint BeforeEnd(QPoint from, QPoint to)
{
    const auto towards = [](int a, int b) { return b > a ? b - 1 : (b < a ? b + 1 : b); };
    return from.x() == to.x() ? QPoint(to.x(), towards(from.y(), to.y()))
                              : QPoint(towards(from.x(), to.x()), to.y());
}

void Line(QPainter& painter, QPoint from, QPoint to)
{
    if (from == to) return;
    painter.drawLine(from, BeforeEnd(from, to));
}

// Draws each cell the walk hands out, in braille or as its kana reading, red where it is marked.
class CellDrawer final : public SheetVisitor {
public:
    CellDrawer(QPainter& painter, const AppState& state, const ZoomStep& step, CellFonts& fonts,
               KanaReader& reader)
        : painter_(painter), pitch_(step.cellPitchPx), lineHeight_(Px(kCellFitHeightMm, step)),
          kana_(state.displayMode != mode::kBraille), reader_(reader),
          braille_(fonts.Face(TextFace::Braille, step.brailleFontSize)),
          kanaFace_(fonts.Face(TextFace::Kana, KanaFontSize(step)))
    {
    }

    void BeginLabel(const LabelPlace& label) override
    {
        label_ = label.screen;
        if (drawsLabels_) OutlinedRect(painter_, Grown(label.screen), kLabelFill);
        if (drawsLabels_ && label.skipped) HatchInside(label.screen);
        reader_.ResetForLabel();
    }

    void BeginLine(const LinePlace&) override
    {
        reader_.ResetForLine();
        line_.clear();
    }

    void Cell(const CellPlace& cell) override
    {
        const QColor& ink = cell.Marked() ? kUnprintableCell : kInk;
        const int x = cell.screen.x;
        const int y = cell.screen.y;
        if (!kana_) {
            SetInk(ink);
            braille_.DrawCells(painter_, x, y, {&cell.byte, 1});
            return;
        }
        // A later cell may redraw earlier ones, so the line's texts are drawn at its end; a
        // text takes the ink of the cell whose reading put it there.
        const std::size_t at = line_.size();
        line_.push_back({x, y, ink});
        texts_.resize(line_.size());
        const KanaReading reading = reader_.ReadCell(cell.byte, cell.lastInLine);
        PlaceReading(texts_, at, reading);
        const std::size_t redrawn = !reading.redrawn.empty() ? reading.redrawn.size()
                                    : reading.prevCellOut.empty() ? 0 : 1;
        for (std::size_t back = 1; back <= redrawn && back <= at; ++back) line_[at - back].ink = ink;
    }

    void EndLine(const LinePlace&) override
    {
        for (std::size_t i = 0; i < line_.size(); ++i) {
            if (texts_[i].text.empty()) continue;
            SetInk(line_[i].ink);
            DrawText(line_[i].x, line_[i].y, texts_[i].text, texts_[i].braille);
        }
        line_.clear();
        texts_.clear();
    }

    // Braille the label cannot hold is never placed; a red bar inside the label's edge shows where
    // it is lost: at the right beside each line that runs on, along the bottom for lines below.
    void BeyondLabel(const LinePlace& line) override
    {
        const ScreenRect& r = label_;
        if (line.excess) {
            FillRect(painter_, {r.left + 1, r.bottom - kLostMarkPx, r.right, r.bottom}, kUnprintableCell);
        } else {
            FillRect(painter_, {r.right - kLostMarkPx, std::max(line.screen.y, r.top + 1), r.right,
                                std::min(line.screen.y + lineHeight_, r.bottom)},
                     kUnprintableCell);
        }
    }

    // The sheet view outlines every label before its cells; the label view draws its one label
    // itself, with the grid and rulers between outline and cells.
    void DrawLabels(bool draws) { drawsLabels_ = draws; }

private:
    static ScreenRect Grown(ScreenRect r)
    {
        return {r.left, r.top, r.right + 1, r.bottom + 1};
    }

    // A label before the start label: grey hatching inside its outline.
    void HatchInside(const ScreenRect& r)
    {
        if (r.right - r.left < 2 || r.bottom - r.top < 2) return;
        painter_.fillRect(QRect(r.left + 1, r.top + 1, r.right - r.left - 1, r.bottom - r.top - 1),
                          QBrush(kSkippedLabelHatch, Qt::BDiagPattern));
    }

    void SetInk(const QColor& colour)
    {
        if (ink_ == colour) return;
        ink_ = colour;
        painter_.setPen(QPen(colour, 0));
    }

    void DrawText(int x, int y, std::string_view text, bool braille)
    {
        if (braille) {
            braille_.DrawCells(painter_, x, y, text);
        } else {
            kanaFace_.DrawText(painter_, x, y, text);
        }
    }

    static constexpr int kLostMarkPx = 3;

    struct PlacedText {
        int x = 0;
        int y = 0;
        QColor ink;
    };

    QPainter& painter_;
    const int pitch_;
    const int lineHeight_;
    ScreenRect label_;
    const bool kana_;
    KanaReader& reader_;
    FaceAtSize& braille_;
    FaceAtSize& kanaFace_;
    QColor ink_;
    bool drawsLabels_ = true;
    std::vector<PlacedText> line_;
    std::vector<CellDrawing> texts_;
};

// The dashed red line along the top, left and bottom limits of the printable area; the right
// limit has no line.
void DrawPrintableArea(QPainter& painter, const AppState& state, const ZoomStep& step,
                       ScreenPoint origin)
{
    const int right = origin.x + Px(state.document.format().sheetWidth, step);
    const int left = origin.x + Px(state.leftMargin, step);
    const int top = origin.y + Px(state.topMargin, step) - 1;
    const int bottom =
        origin.y + Px(state.document.format().sheetHeight, step) - Px(state.bottomMargin, step);
    QPen pen(kPrintableAreaLine, 0);
    pen.setDashPattern({18, 6});
    painter.setPen(pen);
    const QPoint corners[] = {{right, top}, {left, top}, {left, bottom}, {right, bottom}};
    QPoint path[] = {corners[0], corners[1], corners[2], BeforeEnd(corners[2], corners[3])};
    if (path[2] == path[3]) {
        painter.drawPolyline(path, 3);
    } else {
        painter.drawPolyline(path, 4);
    }
}

void DrawSheet(QPainter& painter, const AppState& state, const ZoomStep& step, ScreenPoint origin)
{
    const int width = Px(state.document.format().sheetWidth, step);
    const int height = Px(state.document.format().sheetHeight, step);
    const int shadow = step.shadowOffset;
    FillRect(painter, {origin.x + shadow, origin.y + shadow, origin.x + shadow + width,
                       origin.y + shadow + height},
             kShadow);
    OutlinedRect(painter, {origin.x, origin.y, origin.x + width, origin.y + height}, kSheetFill);
}

// Grid lines every 5 mm inside the label, never on its edges.
void DrawMillimetreGrid(QPainter& painter, const SheetFormat& f, const ZoomStep& step,
                        ScreenPoint o)
{
    painter.setPen(QPen(kMillimetreGrid, 0));
    const int width = Px(f.labelWidth, step);
    const int height = Px(f.labelHeight, step);
    double left = f.labelWidth - 5;
    for (double d = 5; left > 0 && d <= kLongestRulerMm; d += 5, left -= 5) {
        const int x = o.x + Px(d, step);
        Line(painter, {x, o.y + 1}, {x, o.y + height});
    }
    left = f.labelHeight - 5;
    for (double d = 5; left > 0 && d <= kLongestRulerMm; d += 5, left -= 5) {
        const int y = o.y + Px(d, step);
        Line(painter, {o.x + 1, y}, {o.x + width, y});
    }
}

int TickLength(int mm)
{
    if (mm % 10 == 0) return 10;
    return mm % 5 == 0 ? 7 : 4;
}

void DrawRulerTicks(QPainter& painter, const SheetFormat& f, const ZoomStep& step, ScreenPoint o)
{
    painter.setPen(QPen(kInk, 0));
    for (int i = 0; f.labelWidth - i >= 0 && i <= kLongestRulerMm; ++i) {
        const int x = o.x + Px(i, step);
        Line(painter, {x, o.y - 1}, {x, o.y - 1 - TickLength(i)});
    }
    for (int i = 0; f.labelHeight - i >= 0 && i <= kLongestRulerMm; ++i) {
        const int y = o.y + Px(i, step);
        Line(painter, {o.x - 1, y}, {o.x - 1 - TickLength(i), y});
    }
}

// Numbers every 10 mm while some length is left after them; "(mm)" where the next would stand.
// `at` gives the text's position for a length in millimetres.
template <typename Position>
void DrawRulerNumbers(QPainter& painter, FaceAtSize& face, double length, Position at,
                      QPoint unitOffset)
{
    int count = 0;
    if (length > 0) {
        double left = length;
        do {
            char number[16];
            std::snprintf(number, sizeof number, "%d", 10 * count);
            const QPoint p = at(10 * count);
            face.DrawText(painter, p.x(), p.y(), number);
            ++count;
            left -= 10;
        } while (left > 0 && 10 * count <= kLongestRulerMm);
    }
    const QPoint p = at(10 * count) + unitOffset;
    face.DrawText(painter, p.x(), p.y(), "(mm)");
}

void DrawRulers(QPainter& painter, const SheetFormat& f, const ZoomStep& step, ScreenPoint o,
                CellFonts& fonts)
{
    DrawRulerTicks(painter, f, step, o);
    painter.setPen(QPen(kInk, 0));
    FaceAtSize& face = fonts.Face(TextFace::Ruler, kRulerFontSize);
    DrawRulerNumbers(painter, face, f.labelWidth,
                     [&](int mm) { return QPoint(o.x + Px(mm, step) - 5, o.y - 20); }, {-15, 0});
    DrawRulerNumbers(painter, face, f.labelHeight,
                     [&](int mm) { return QPoint(o.x - 30, o.y + Px(mm, step) - 5); }, {-10, -15});
}

}  // namespace

SheetPainter::SheetPainter(int dpi) : fonts_(dpi) {}

ViewDrawing SheetPainter::Layout(const AppState& state, ZoomStep& step, int clientWidth)
{
    ViewDrawing layout;
    if (!state.document.fileOpen()) return layout;
    ApplyZoom(state.zoom, step);
    if (state.viewMode == mode::kSheet) {
        layout.origin = SheetViewOrigin(state.document.format(), step, clientWidth);
        layout.scrollSize = SheetViewScrollSize(state.document.format(), step, layout.origin);
    } else if (state.viewMode == mode::kLabel) {
        layout.origin = LabelViewOrigin(state.document.format(), step, clientWidth);
        layout.scrollSize = LabelViewScrollSize(state.document.format(), step);
    }
    return layout;
}

ViewDrawing SheetPainter::Paint(QPainter& painter, AppState& state, ZoomStep& step, int clientWidth)
{
    state.allCellsPrintable = true;
    const ViewDrawing drawing = Layout(state, step, clientWidth);
    if (!drawing.scrollSize) return drawing;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    CellDrawer cells(painter, state, step, fonts_, reader_);
    if (state.viewMode == mode::kSheet) {
        DrawSheet(painter, state, step, drawing.origin);
        state.allCellsPrintable = WalkSheet(state, step, clientWidth, cells).AllCellsPrintable();
        DrawPrintableArea(painter, state, step, drawing.origin);
    } else {
        const ScreenRect label = LabelViewLabel(state.document.format(), step, drawing.origin);
        OutlinedRect(painter, {label.left, label.top, label.right + 1, label.bottom + 1},
                     kLabelFill);
        DrawMillimetreGrid(painter, state.document.format(), step, drawing.origin);
        DrawRulers(painter, state.document.format(), step, drawing.origin, fonts_);
        cells.DrawLabels(false);
        WalkLabelView(state, step, clientWidth, cells);
    }
    painter.restore();
    return drawing;
}

}  // namespace tessra
