#include "app/StatusBar.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QTimer>

namespace tessra {
namespace {

constexpr const char* kIdleText = "ﾚﾃﾞｨ";
constexpr std::array<const char*, 4> kIndicatorTexts = {"ｶﾅ", "CAP", "NUM", "SCRL"};

QLabel* IndicatorPane(const char* text, QWidget* parent)
{
    auto* pane = new QLabel(parent);
    pane->setAlignment(Qt::AlignCenter);
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QString::fromUtf8(text)) + 12);
    pane->setAccessibleName(QString::fromUtf8(text));
    return pane;
}

}  // namespace

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent), idle_(new QLabel(QString::fromUtf8(kIdleText), this))
{
    setObjectName(QStringLiteral("statusBar"));
    idle_->setObjectName(QStringLiteral("messagePane"));
    addWidget(idle_, 1);
    unchecked_ = new QLabel(this);
    unchecked_->setObjectName(QStringLiteral("uncheckedPane"));
    unchecked_->setAccessibleName(QStringLiteral("読みを確かめていない行"));
    addPermanentWidget(unchecked_);
    sheet_ = new QLabel(this);
    sheet_->setObjectName(QStringLiteral("sheetPane"));
    sheet_->setAccessibleName(QStringLiteral("シート"));
    addPermanentWidget(sheet_);
    for (std::size_t i = 0; i < indicators_.size(); ++i) {
        indicators_[i] = IndicatorPane(kIndicatorTexts[i], this);
        addPermanentWidget(indicators_[i]);
    }
    qApp->installEventFilter(this);
    // A temporary message is painted, not a child; its text is the bar's name for screen readers.
    setAccessibleName(idle_->text());
    connect(this, &QStatusBar::messageChanged, this, [this](const QString& message) {
        setAccessibleName(message.isEmpty() ? idle_->text() : message);
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    });
}

void StatusBar::paintEvent(QPaintEvent* event)
{
    QStatusBar::paintEvent(event);
    // Asking the display server for the locks takes about ten round trips: after the window's
    // first paint, not before it.
    if (locksAsked_) return;
    locksAsked_ = true;
    QTimer::singleShot(0, this, [this] { ShowLocks(CurrentKeyboardLocks()); });
}

void StatusBar::ShowLocks(const KeyboardLocks& locks)
{
    const std::array<bool, 4> on = {locks.kana, locks.caps, locks.num, locks.scroll};
    for (std::size_t i = 0; i < indicators_.size(); ++i)
        indicators_[i]->setText(on[i] ? QString::fromUtf8(kIndicatorTexts[i]) : QString());
}

void StatusBar::ShowSheet(long long sheet, long long sheets)
{
    sheet_->setText(sheets > 0 ? QStringLiteral("シート %1 / %2").arg(sheet).arg(sheets) : QString());
}

void StatusBar::ShowUnchecked(long long lines)
{
    unchecked_->setText(lines > 0 ? QStringLiteral("読み未確認 %1 行").arg(lines) : QString());
}

bool StatusBar::eventFilter(QObject* watched, QEvent* event)
{
    // The locks change only with keys, or elsewhere while another window had the keyboard.
    const QEvent::Type type = event->type();
    if (watched->isWindowType() &&
        (type == QEvent::KeyRelease || type == QEvent::WindowActivate))
        ShowLocks(CurrentKeyboardLocks());
    return QStatusBar::eventFilter(watched, event);
}

}  // namespace tessra
