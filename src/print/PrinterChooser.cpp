#include "print/PrinterChooser.h"

#include "platform/TextCodec.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tessra {

PrinterChooser::PrinterChooser(std::vector<PrinterEntry> printers, const std::string& currentName,
                               QWidget* parent)
    : QDialog(parent), printers_(std::move(printers))
{
    setWindowTitle(QStringLiteral("プリンタ参照"));
    list_ = new QTreeWidget(this);
    list_->setAccessibleName(QStringLiteral("プリンタ"));
    list_->setHeaderLabels({QStringLiteral("プリンタ名"), QStringLiteral("場　所")});
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (const PrinterEntry& printer : printers_) {
        auto* item = new QTreeWidgetItem(list_, {QString::fromStdString(printer.queue),
                                                 QString::fromStdString(Cp932ToUtf8(printer.port))});
        if (printer.name == currentName) list_->setCurrentItem(item);
    }
    if (!list_->currentItem() && list_->topLevelItemCount() > 0) {
        list_->setCurrentItem(list_->topLevelItem(0));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!printers_.empty());
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(420, 260);
}

std::optional<PrinterEntry> PrinterChooser::Selected() const
{
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0) return std::nullopt;
    return printers_[static_cast<std::size_t>(row)];
}

std::optional<PrinterEntry> ChoosePrinterFromSpooler(QWidget* parent, const AppState& state)
{
    PrinterChooser chooser(ListPrinters(), state.printerName, parent);
    if (chooser.exec() != QDialog::Accepted) return std::nullopt;
    return chooser.Selected();
}

}  // namespace tessra
