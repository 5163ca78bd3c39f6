#include "display/CTessraView.h"

#include "app/StartUp.h"
#include "display/LabelChoice.h"
#include "display/LabelHit.h"
#include "display/SheetGeometry.h"
#include "display/SheetReading.h"
#include "display/ZoomStep.h"
#include "platform/ProcessClock.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <cstdio>

namespace tessra {
namespace {

constexpr int kLineStep = 20;
// The chosen label's frame lies just outside its outline, so the outline stays visible.
constexpr int kChosenFrameGap = 2;
constexpr int kChosenFrameWidth = 3;

void SetRange(QScrollBar* bar, int total, int visible)
{
    bar->setRange(0, std::max(0, total - visible));
    bar->setPageStep(std::max(1, visible));
    bar->setSingleStep(kLineStep);
}

QString ZoomName(const std::string& zoom)
{
    const int index = ZoomStepIndex(zoom);
    if (index < 0) return QString::fromStdString(zoom);
    return QStringLiteral("ズーム %1/%2").arg(index + 1).arg(kZoomStepCount);
}

}  // namespace

QString ViewAccessibleName(const AppState& state)
{
    const QString view = state.viewMode == mode::kLabel ? QStringLiteral("ラベル表示")
                                                        : QStringLiteral("シート表示");
    const QString display = state.displayMode == mode::kKana ? QStringLiteral("墨字表示")
                                                             : QStringLiteral("点字表示");
    return view + QStringLiteral("、") + ZoomName(state.zoom) + QStringLiteral("、") + display;
}

CTessraView::CTessraView(AppState& state, QWidget* parent) : QAbstractScrollArea(parent), state_(state)
{
    setObjectName(QStringLiteral("view"));
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    UpdateScrollBars();
}

void CTessraView::OnInitialUpdate()
{
    SetScrollSize({100, 100});
    InitialViewModes(state_);
}

void CTessraView::OnViewSheet()
{
    state_.viewMode = mode::kSheet;
    RepaintNow();
}

void CTessraView::OnViewLabel()
{
    state_.viewMode = mode::kLabel;
    RepaintNow();
}

void CTessraView::OnZoomIn()
{
    state_.zoom = ZoomedIn(state_.zoom);
    RepaintNow();
}

void CTessraView::OnZoomOut()
{
    state_.zoom = ZoomedOut(state_.zoom);
    RepaintNow();
}

void CTessraView::OnShowBraille()
{
    state_.displayMode = mode::kBraille;
    RepaintNow();
}

void CTessraView::OnShowKana()
{
    state_.displayMode = mode::kKana;
    RepaintNow();
}

void CTessraView::RepaintNow()
{
    // A smaller format may have left the chosen label behind.
    const long long kept = ClampedLabel(state_.format, state_.chosenLabel);
    const bool moved = kept != state_.chosenLabel;
    state_.chosenLabel = kept;
    viewport()->repaint();
    if (moved && chosenLabelChanged_) chosenLabelChanged_();
    // Every change the view shows comes through here; scrolling and exposing only paint, so the
    // reading is not recomputed for them.
    DescribeForScreenReaders();
}

void CTessraView::paintEvent(QPaintEvent*)
{
    QElapsedTimer timer;
    timer.start();
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), kViewBackground);
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    const ViewDrawing drawing = painter_.Paint(painter, state_, step_, viewport()->width());
    origin_ = drawing.origin;
    if (drawing.scrollSize) DrawChosenLabel(painter);
    painter.end();
    if (drawing.scrollSize) SetScrollSize(*drawing.scrollSize);
    if (TracingPaint()) TracePaint(static_cast<double>(timer.nsecsElapsed()) / 1e6);
}

void CTessraView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CTessraView::ChooseLabel(long long label)
{
    label = ClampedLabel(state_.format, label);
    if (label == state_.chosenLabel) return;
    state_.chosenLabel = label;
    RepaintNow();
    if (chosenLabelChanged_) chosenLabelChanged_();
}

std::optional<long long> CTessraView::LabelAt(QPoint p) const
{
    if (state_.viewMode != mode::kSheet || !state_.fileOpen) return std::nullopt;
    const ScreenPoint point{p.x() + horizontalScrollBar()->value(), p.y() + verticalScrollBar()->value()};
    const std::optional<GridPosition> hit = LabelAtPoint(state_.format, step_, origin_, point);
    if (!hit) return std::nullopt;
    return static_cast<long long>(hit->row) * GridColumns(state_.format) + hit->column;
}

void CTessraView::mousePressEvent(QMouseEvent* event)
{
    QAbstractScrollArea::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    if (const auto label = LabelAt(event->position().toPoint())) ChooseLabel(*label);
}

void CTessraView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QAbstractScrollArea::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) return;
    const auto label = LabelAt(event->position().toPoint());
    if (!label) return;
    ChooseLabel(*label);
    OnViewLabel();
}

void CTessraView::keyPressEvent(QKeyEvent* event)
{
    const bool handled = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier
                             ? (state_.viewMode == mode::kSheet ? SheetViewKey(event->key())
                                                                : LabelViewKey(event->key()))
                             : false;
    if (handled) {
        event->accept();
    } else {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

bool CTessraView::SheetViewKey(int key)
{
    if (!state_.fileOpen) return false;
    const auto step = [this](LabelStep s) { ChooseLabel(SteppedLabel(state_.format, state_.chosenLabel, s)); };
    switch (key) {
    case Qt::Key_Right: step(LabelStep::Next); return true;
    case Qt::Key_Left: step(LabelStep::Previous); return true;
    case Qt::Key_Down: step(LabelStep::RowDown); return true;
    case Qt::Key_Up: step(LabelStep::RowUp); return true;
    case Qt::Key_Home: step(LabelStep::First); return true;
    case Qt::Key_End: step(LabelStep::Last); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: OnViewLabel(); return true;
    default: return false;
    }
}

bool CTessraView::LabelViewKey(int key)
{
    if (state_.viewMode != mode::kLabel) return false;
    switch (key) {
    case Qt::Key_PageDown: ChooseLabel(SteppedLabel(state_.format, state_.chosenLabel, LabelStep::Next)); return true;
    case Qt::Key_PageUp: ChooseLabel(SteppedLabel(state_.format, state_.chosenLabel, LabelStep::Previous)); return true;
    case Qt::Key_Escape: OnViewSheet(); return true;
    default: return false;
    }
}

// In the system's highlight colour, never red: red marks what cannot be embossed.
void CTessraView::DrawChosenLabel(QPainter& painter) const
{
    if (state_.viewMode != mode::kSheet || LabelCount(state_.format) == 0) return;
    const long long label = ClampedLabel(state_.format, state_.chosenLabel);
    const auto columns = static_cast<long long>(GridColumns(state_.format));
    const ScreenRect r = LabelOnScreen(state_.format, step_, origin_, static_cast<int>(label / columns),
                                       static_cast<int>(label % columns));
    painter.save();
    painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), kChosenFrameWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(r.left - kChosenFrameGap, r.top - kChosenFrameGap),
                           QPoint(r.right + kChosenFrameGap, r.bottom + kChosenFrameGap)));
    painter.restore();
}

void CTessraView::SetScrollSize(ScrollSize size)
{
    if (size == scrollSize_) return;
    scrollSize_ = size;
    UpdateScrollBars();
}

void CTessraView::UpdateScrollBars()
{
    const QSize visible = viewport()->size();
    SetRange(horizontalScrollBar(), scrollSize_.width, visible.width());
    SetRange(verticalScrollBar(), scrollSize_.height, visible.height());
}

void CTessraView::DescribeForScreenReaders()
{
    const QString name = ViewAccessibleName(state_);
    const QString reading = QString::fromStdString(ShownReading(state_));
    if (name == accessibleName() && reading == accessibleDescription()) return;
    setAccessibleName(name);
    setAccessibleDescription(reading);
}

void CTessraView::TracePaint(double paintMs)
{
    std::fprintf(stderr, "tessra: paint %.2f ms (%s %s)\n", paintMs, state_.viewMode.c_str(), state_.zoom.c_str());
    if (state_.fileOpen && !firstDocumentPaintTraced_) {
        firstDocumentPaintTraced_ = true;
        TraceStartUp("first document paint done");
    }
}

}  // namespace tessra
