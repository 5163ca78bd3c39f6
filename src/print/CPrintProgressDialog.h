#pragma once

#include <QDialog>
#include <QPointer>

#include <functional>

class QLabel;
class QProgressBar;

namespace tessra {

// The percentage shown for a bar position: "37%"; 100 only at the end of the range.
QString ProgressPercentText(int position, int lower = 0, int upper = 100);

// The window of one job: caption, percentage, bar and Cancel. It disables its owner (the print
// dialog) while it lives, so it is never the owner's child: a child of a disabled window is
// disabled too, and Cancel would go dead.
class CPrintProgressDialog final : public QDialog {
public:
    // requestCancel: run for Cancel, Escape and the window's close; the window stays open.
    CPrintProgressDialog(QWidget* owner, const QString& caption, std::function<void()> requestCancel);
    ~CPrintProgressDialog() override;

    void SetProgressPos(int position);
    QString PercentText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void accept() override {}
    void reject() override;

private:
    QPointer<QWidget> owner_;
    bool ownerDisabled_ = false;
    std::function<void()> requestCancel_;
    QLabel* percent_;
    QProgressBar* bar_;
};

}  // namespace tessra
