#pragma once

#include "platform/KeyboardLocks.h"

#include <QStatusBar>

#include <array>

class QLabel;

namespace tessra {

// The message pane with its idle text, the sheet the view shows, then the ｶﾅ, CAP, NUM and SCRL
// indicators, each showing its text while its lock is on (asked for once the bar is first painted).
class StatusBar final : public QStatusBar {
public:
    explicit StatusBar(QWidget* parent);

    void ShowLocks(const KeyboardLocks& locks);
    // "シート S / K" while the sheet view shows sheet S of K; nothing when `sheets` is 0.
    void ShowSheet(long long sheet, long long sheets);
    // "読み未確認 N 行" while N lines of the document await their reading's check.
    void ShowUnchecked(long long lines);
    QLabel& UncheckedPane() const { return *unchecked_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* idle_;
    QLabel* sheet_;
    QLabel* unchecked_;
    std::array<QLabel*, 4> indicators_{};
    bool locksAsked_ = false;
};

}  // namespace tessra
