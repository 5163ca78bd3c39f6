#include "display/LabelTextEdit.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTextBlock>

#include <algorithm>

namespace tessra {
namespace {

constexpr int kCountPadding = 6;
const QString kUncheckedNote = QStringLiteral("読み未確認");

// Paints the counts for the text field, which owns the layout of its lines.
class CountPane final : public QWidget {
public:
    explicit CountPane(LabelTextEdit& edit) : QWidget(&edit), edit_(edit) {}

protected:
    void paintEvent(QPaintEvent* event) override { edit_.PaintCounts(event); }

private:
    LabelTextEdit& edit_;
};

}  // namespace

LabelTextEdit::LabelTextEdit(QWidget* parent) : QPlainTextEdit(parent), countArea_(new CountPane(*this))
{
    setObjectName(QStringLiteral("labelText"));
    setAccessibleName(QStringLiteral("ラベルのテキスト"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    countArea_->setObjectName(QStringLiteral("labelCellCounts"));
    countArea_->setAccessibleName(QStringLiteral("各行のマス数"));
    connect(this, &QPlainTextEdit::updateRequest, countArea_, [this](const QRect& rect, int dy) {
        if (dy != 0) {
            countArea_->scroll(0, dy);
        } else {
            countArea_->update(0, rect.y(), countArea_->width(), rect.height());
        }
    });
    connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { PlaceCountArea(); });
    PlaceCountArea();
}

void LabelTextEdit::ShowCellCounts(std::vector<int> cells, int capacity, int lineCapacity)
{
    cells_ = std::move(cells);
    capacity_ = capacity;
    lineCapacity_ = lineCapacity;
    DescribeCounts();
}

void LabelTextEdit::ShowUnchecked(std::vector<int> lines)
{
    unchecked_ = std::move(lines);
    DescribeCounts();
}

QColor LabelTextEdit::UncheckedTint()
{
    return QColor(0xff, 0xf0, 0xb3);
}

bool LabelTextEdit::IsUnchecked(int line) const
{
    return std::ranges::find(unchecked_, line) != unchecked_.end();
}

void LabelTextEdit::DescribeCounts()
{
    QStringList spoken;
    for (int line = 0; line < static_cast<int>(cells_.size()); ++line)
        spoken << QStringLiteral("%1 行目 %2").arg(line + 1).arg(CountText(line));
    countArea_->setAccessibleDescription(spoken.join(QStringLiteral("、")));
    PlaceCountArea();
    countArea_->update();
}

// A line the label has no room for is not on the sheet at all, only in the label view.
QString LabelTextEdit::CountText(int line) const
{
    if (line < 0 || line >= static_cast<int>(cells_.size())) return {};
    const QString note = IsUnchecked(line) ? kUncheckedNote + QLatin1Char(' ') : QString();
    if (line >= lineCapacity_) return note + QStringLiteral("行外 %1").arg(cells_[line]);
    return note + QStringLiteral("%1/%2").arg(cells_[line]).arg(capacity_);
}

bool LabelTextEdit::BeyondLabel(int line) const
{
    return line >= lineCapacity_ || cells_[line] > capacity_;
}

int LabelTextEdit::CountAreaWidth() const
{
    const QString digits(QString::number(std::max(capacity_, 999)).size(), QLatin1Char('8'));
    const QFontMetrics metrics = fontMetrics();
    const int note = unchecked_.empty() ? 0 : metrics.horizontalAdvance(kUncheckedNote + QLatin1Char(' '));
    return note + std::max(metrics.horizontalAdvance(digits + QLatin1Char('/') + digits),
                           metrics.horizontalAdvance(QStringLiteral("行外 ") + digits)) +
           2 * kCountPadding;
}

void LabelTextEdit::PlaceCountArea()
{
    const int width = CountAreaWidth();
    setViewportMargins(0, 0, width, 0);
    const QRect inside = contentsRect();
    countArea_->setGeometry(inside.right() - width + 1, inside.top(), width, inside.height());
}

void LabelTextEdit::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    PlaceCountArea();
}

// What lies beyond the label's capacity is counted in red, as the view draws those cells.
void LabelTextEdit::PaintCounts(QPaintEvent* event)
{
    QPainter painter(countArea_);
    painter.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    while (block.isValid() && top <= event->rect().bottom()) {
        const int height = qRound(blockBoundingRect(block).height());
        const int line = block.blockNumber();
        if (block.isVisible() && line < static_cast<int>(cells_.size())) {
            if (IsUnchecked(line)) painter.fillRect(0, top, countArea_->width(), height, UncheckedTint());
            painter.setPen(BeyondLabel(line) ? QColor(Qt::red) : palette().color(QPalette::Text));
            painter.drawText(QRect(0, top, countArea_->width() - kCountPadding, height),
                             Qt::AlignRight | Qt::AlignVCenter, CountText(line));
        }
        block = block.next();
        top += height;
    }
}

void LabelTextEdit::SetHistoryKeys(std::function<void()> undo, std::function<void()> redo)
{
    undo_ = std::move(undo);
    redo_ = std::move(redo);
}

// Claims the history keys before the window's shortcuts see them, so they work alike however the
// window's shortcuts are set up, and then hands them on in keyPressEvent.
bool LabelTextEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->matches(QKeySequence::Undo) && undo_) || (key->matches(QKeySequence::Redo) && redo_)) {
            event->accept();
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void LabelTextEdit::SetSixKeyInput(bool on)
{
    sixKey_ = on;
    chord_ = SixKeyChord();
}

char LabelTextEdit::DotKey(const QKeyEvent& event)
{
    if (event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) return 0;
    const int key = event.key();
    if (key < Qt::Key_A || key > Qt::Key_Z) return 0;
    const char letter = static_cast<char>('A' + (key - Qt::Key_A));
    return SixKeyChord::DotOf(letter) ? letter : 0;
}

void LabelTextEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Undo) && undo_) return undo_();
    if (event->matches(QKeySequence::Redo) && redo_) return redo_();
    if (!sixKey_) return QPlainTextEdit::keyPressEvent(event);
    if (const char key = DotKey(*event)) {
        if (!event->isAutoRepeat()) chord_.Press(key);
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        insertPlainText(QStringLiteral(" "));
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LabelTextEdit::keyReleaseEvent(QKeyEvent* event)
{
    const char key = sixKey_ && !event->isAutoRepeat() ? DotKey(*event) : 0;
    if (!key) return QPlainTextEdit::keyReleaseEvent(event);
    if (const std::optional<char32_t> pattern = chord_.Release(key)) {
        const char32_t code = *pattern;
        insertPlainText(QString::fromUcs4(&code, 1));
    }
    event->accept();
}

}  // namespace tessra
