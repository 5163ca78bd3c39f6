#include "display/CTessraView.h"

#include "app/StartUp.h"
#include "display/LabelHit.h"
#include "display/SheetReading.h"
#include "display/ZoomStep.h"
#include "platform/ProcessClock.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <cstdio>

namespace tessra {
namespace {

constexpr int kLineStep = 20;

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
    viewport()->repaint();
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
    painter.end();
    origin_ = drawing.origin;
    if (drawing.scrollSize) SetScrollSize(*drawing.scrollSize);
    if (TracingPaint()) TracePaint(static_cast<double>(timer.nsecsElapsed()) / 1e6);
}

void CTessraView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CTessraView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QAbstractScrollArea::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    const ScreenPoint point{p.x() + horizontalScrollBar()->value(), p.y() + verticalScrollBar()->value()};
    if (state_.viewMode != mode::kSheet) return;
    if (!LabelAtPoint(state_.format, step_, origin_, point)) return;
    OnViewLabel();
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
