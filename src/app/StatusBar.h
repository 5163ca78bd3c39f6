#pragma once

#include "platform/KeyboardLocks.h"

#include <QStatusBar>

#include <array>

class QLabel;

namespace tessra {

// The message pane with its idle text, then the ｶﾅ, CAP, NUM and SCRL indicators, each showing
// its text while its lock is on (asked for once the bar is first painted).
class StatusBar final : public QStatusBar {
public:
    explicit StatusBar(QWidget* parent);

    void ShowLocks(const KeyboardLocks& locks);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* idle_;
    std::array<QLabel*, 4> indicators_{};
    bool locksAsked_ = false;
};

}  // namespace tessra
