#include "display/CTessraView.h"

#include "settings/StartUp.h"
#include "sheet/LabelChoice.h"
#include "sheet/LabelHit.h"
#include "braille/PlainReading.h"
#include "sheet/SheetGeometry.h"
#include "sheet/SheetReading.h"
#include "sheet/ZoomStep.h"
#include "platform/ProcessClock.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

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

// A line of the label view is as tall as the line pitch, in pixels of the step.
QRect LineRect(const ScreenRect& label, const ScreenPoint& line, int lineHeight)
{
    return QRect(QPoint(label.left, line.y), QSize(label.right - label.left, std::max(1, lineHeight)));
}

QString JoinedLines(const SpokenLabel& label)
{
    QStringList lines;
    for (const SpokenLine& line : label.lines) lines << QString::fromStdString(line.reading);
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines.join(u'\n');
}

QString UnprintableNote(long long cells)
{
    return cells > 0 ? QStringLiteral("印字できないマス %1").arg(cells) : QString();
}

QString UncheckedNote(long long lines)
{
    return lines > 0 ? QStringLiteral("読みを確かめていない行 %1").arg(lines) : QString();
}

// Screen readers speak an item's name and description when it gets the focus, not its text; so
// the description repeats the reading, line by line, then says what cannot be embossed and
// which readings are not yet checked.
QString Described(const QString& reading, long long unprintableCells, long long uncheckedLines)
{
    QStringList parts;
    if (!reading.isEmpty()) parts << QString(reading).replace(u'\n', QStringLiteral("、"));
    if (unprintableCells > 0) parts << UnprintableNote(unprintableCells);
    if (uncheckedLines > 0) parts << UncheckedNote(uncheckedLines);
    return parts.join(QStringLiteral("。"));
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
    InstallSpokenViewAccessibility();
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    UpdateScrollBars();
    state_.document.AddObserver(this);
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
    lineCursor_ = 0;
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

CTessraView::~CTessraView()
{
    state_.document.RemoveObserver(this);
}

// What the document holds is drawn at once, so code after a change sees allCellsPrintable as the
// drawing left it.
void CTessraView::DocumentChanged(unsigned changes)
{
    if (changes & (kLinesChanged | kFormatChanged | kReadingsChanged)) RepaintNow();
}

void CTessraView::RepaintNow()
{
    // A smaller format may have left the chosen label behind.
    const long long kept = ClampedLabel(state_.document.format(), state_.chosenLabel);
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
    label = ClampedLabel(state_.document.format(), label);
    if (label == state_.chosenLabel) return;
    state_.chosenLabel = label;
    lineCursor_ = 0;
    ScrollToChosenLabel();
    RepaintNow();
    if (chosenLabelChanged_) chosenLabelChanged_();
}

ScreenRect CTessraView::ChosenLabelRect() const
{
    const long long label = ClampedLabel(state_.document.format(), state_.chosenLabel);
    const auto columns = std::max(1LL, static_cast<long long>(GridColumns(state_.document.format())));
    return LabelOnScreen(state_.document.format(), step_, origin_, static_cast<int>(label / columns),
                         static_cast<int>(label % columns));
}

// The keys may move the chosen label out of sight; the view follows it with its frame.
void CTessraView::ScrollToChosenLabel()
{
    if (state_.viewMode != mode::kSheet || LabelCount(state_.document.format()) == 0) return;
    const ScreenRect r = ChosenLabelRect();
    const auto follow = [](QScrollBar* bar, int low, int high, int visible) {
        if (high - bar->value() > visible) bar->setValue(high - visible);
        if (low < bar->value()) bar->setValue(low);
    };
    const int margin = kChosenFrameGap + kChosenFrameWidth;
    follow(horizontalScrollBar(), r.left - margin, r.right + margin, viewport()->width());
    follow(verticalScrollBar(), r.top - margin, r.bottom + margin, viewport()->height());
}

std::optional<long long> CTessraView::LabelAt(QPoint p) const
{
    if (state_.viewMode != mode::kSheet || !state_.document.fileOpen()) return std::nullopt;
    const ScreenPoint point{p.x() + horizontalScrollBar()->value(), p.y() + verticalScrollBar()->value()};
    const std::optional<GridPosition> hit = LabelAtPoint(state_.document.format(), step_, origin_, point);
    if (!hit) return std::nullopt;
    return static_cast<long long>(hit->row) * GridColumns(state_.document.format()) + hit->column;
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
    if (!state_.document.fileOpen()) return false;
    const auto step = [this](LabelStep s) { ChooseLabel(SteppedLabel(state_.document.format(), state_.chosenLabel, s)); };
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
    case Qt::Key_PageDown: ChooseLabel(SteppedLabel(state_.document.format(), state_.chosenLabel, LabelStep::Next)); return true;
    case Qt::Key_PageUp: ChooseLabel(SteppedLabel(state_.document.format(), state_.chosenLabel, LabelStep::Previous)); return true;
    case Qt::Key_Escape: OnViewSheet(); return true;
    case Qt::Key_Down:
    case Qt::Key_Up: {
        const int last = std::max(0, static_cast<int>(spokenItems_.size()) - 1);
        const int moved = std::clamp(lineCursor_ + (key == Qt::Key_Down ? 1 : -1), 0, last);
        if (moved != lineCursor_) {
            lineCursor_ = moved;
            ScrollToCurrentItem();
            DescribeForScreenReaders();
        }
        return true;
    }
    default: return false;
    }
}

// In the system's highlight colour, never red: red marks what cannot be embossed.
void CTessraView::DrawChosenLabel(QPainter& painter) const
{
    if (state_.viewMode != mode::kSheet || LabelCount(state_.document.format()) == 0) return;
    const ScreenRect r = ChosenLabelRect();
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
    spokenItems_.clear();
    spokenCells_.clear();
    QString description;
    const int scrollX = horizontalScrollBar()->value(), scrollY = verticalScrollBar()->value();
    if (state_.viewMode == mode::kLabel) {
        const SpokenLabel label = SpokenLabelView(state_);
        const ScreenRect outline = LabelViewLabel(state_.document.format(), step_, origin_);
        const int lineHeight = LineOnScreen(state_.document.format(), step_, origin_, 2).y - LineOnScreen(state_.document.format(), step_, origin_, 1).y;
        for (std::size_t i = 0; i < label.lines.size(); ++i) {
            const int number = static_cast<int>(i) + 1;
            const QRect rect = LineRect(outline, LineOnScreen(state_.document.format(), step_, origin_, number), lineHeight);
            const QString reading = QString::fromStdString(label.lines[i].reading);
            const QString described =
                label.lines[i].unchecked ? reading + QStringLiteral("。読みを確かめていない行") : reading;
            spokenItems_.push_back({QStringLiteral("%1 行目").arg(number), reading, described,
                                    rect.translated(-scrollX, -scrollY)});
            spokenCells_.push_back(label.lines[i].cells);
        }
        lineCursor_ = std::clamp(lineCursor_, 0, std::max(0, static_cast<int>(spokenItems_.size()) - 1));
        description = Described(QString(), label.unprintableCells, label.uncheckedLines);
    } else if (state_.viewMode == mode::kSheet) {
        const std::vector<SpokenLabel> labels = SpokenLabels(state_);
        const auto columns = static_cast<long long>(std::max(1, GridColumns(state_.document.format())));
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const auto index = static_cast<long long>(i);
            const ScreenRect r = LabelOnScreen(state_.document.format(), step_, origin_, static_cast<int>(index / columns),
                                               static_cast<int>(index % columns));
            const QRect rect(QPoint(r.left - scrollX, r.top - scrollY), QPoint(r.right - scrollX, r.bottom - scrollY));
            const QString reading = JoinedLines(labels[i]);
            spokenItems_.push_back({QStringLiteral("ラベル %1").arg(labels[i].number), reading,
                                    Described(reading, labels[i].unprintableCells, labels[i].uncheckedLines), rect});
            spokenCells_.push_back(labels[i].lines.empty() ? std::string() : labels[i].lines.front().cells);
        }
    }
    setAccessibleName(ViewAccessibleName(state_));
    setAccessibleDescription(description);
    // Speak again only what changed, not every repaint.
    const int current = CurrentSpokenItem();
    const QString spoken = current >= 0 ? spokenItems_[current].name + spokenItems_[current].description : QString();
    if (spoken != lastSpoken_) {
        lastSpoken_ = spoken;
        AnnounceCurrentItem(this);
    }
}

void CTessraView::ScrollToCurrentItem()
{
    const int current = CurrentSpokenItem();
    if (current < 0) return;
    const QRect line = spokenItems_[current].rect;
    QScrollBar* bar = verticalScrollBar();
    const int shift = line.top() < 0 ? line.top() : std::max(0, line.bottom() - viewport()->height() + 1);
    if (shift == 0) return;
    bar->setValue(bar->value() + shift);
    for (SpokenItem& item : spokenItems_) item.rect.translate(0, -shift);
}

int CTessraView::CurrentSpokenItem() const
{
    if (spokenItems_.empty()) return -1;
    const long long current = state_.viewMode == mode::kLabel ? lineCursor_ : state_.chosenLabel;
    return static_cast<int>(std::clamp<long long>(current, 0, static_cast<long long>(spokenItems_.size()) - 1));
}

QString CTessraView::SpeakDotNumbers()
{
    const int current = CurrentSpokenItem();
    if (current < 0) return {};
    QString numbers = QString::fromStdString(DotNumbers(spokenCells_[current]));
    if (numbers.isEmpty()) numbers = QStringLiteral("空行");
    // The item is focused anew under the numbers as its name: screen readers ignore name and
    // description changes of list items, and this toolkit has no announcement. The next change
    // of the view names the item as before.
    spokenItems_[current].name = numbers;
    spokenItems_[current].description.clear();
    lastSpoken_.clear();
    AnnounceCurrentItem(this, true);
    return numbers;
}

void CTessraView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    // After the toolkit has told screen readers that the view itself has the focus.
    QTimer::singleShot(0, this, [this] { AnnounceCurrentItem(this); });
}

void CTessraView::TracePaint(double paintMs)
{
    std::fprintf(stderr, "tessra: paint %.2f ms (%s %s)\n", paintMs, state_.viewMode.c_str(), state_.zoom.c_str());
    if (state_.document.fileOpen() && !firstDocumentPaintTraced_) {
        firstDocumentPaintTraced_ = true;
        TraceStartUp("first document paint done");
    }
}

}  // namespace tessra
