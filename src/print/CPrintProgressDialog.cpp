#include "print/CPrintProgressDialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

namespace tessra {

QString ProgressPercentText(int position, int lower, int upper)
{
    if (upper <= lower) return QStringLiteral("0%");
    int percent = (position - lower) * 100 / (upper - lower);
    if (percent != 100) percent %= 100;
    return QStringLiteral("%1%").arg(percent);
}

CPrintProgressDialog::CPrintProgressDialog(QWidget* owner, const QString& caption,
                                           std::function<void()> requestCancel)
    : owner_(owner), requestCancel_(std::move(requestCancel))
{
    setWindowTitle(caption);
    percent_ = new QLabel(QStringLiteral(" 0 %"), this);
    percent_->setAlignment(Qt::AlignCenter);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    bar_->setAccessibleName(QStringLiteral("印刷中"));
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setAutoDefault(false);  // Enter does nothing here; only Cancel and Escape act
    connect(cancel, &QPushButton::clicked, this, &CPrintProgressDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(percent_);
    layout->addWidget(bar_);
    layout->addLayout(buttons);
    setMinimumWidth(280);

    // Above the print dialog and reachable while it and the main window are blocked.
    setWindowModality(Qt::ApplicationModal);
    if (owner_ && owner_->isEnabled()) {
        owner_->setEnabled(false);
        ownerDisabled_ = true;
    }
    if (owner_ && owner_->window()->windowHandle()) {
        winId();
        windowHandle()->setTransientParent(owner_->window()->windowHandle());
    }
    cancel->setFocus();
}

CPrintProgressDialog::~CPrintProgressDialog()
{
    if (ownerDisabled_ && owner_) owner_->setEnabled(true);
}

void CPrintProgressDialog::SetProgressPos(int position)
{
    bar_->setValue(position);
    const QString text = ProgressPercentText(position);
    if (percent_->text() != text) percent_->setText(text);
}

QString CPrintProgressDialog::PercentText() const
{
    return percent_->text();
}

void CPrintProgressDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
    QDialog::keyPressEvent(event);
}

void CPrintProgressDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
    reject();
}

void CPrintProgressDialog::reject()
{
    if (requestCancel_) requestCancel_();
}

}  // namespace tessra
