#pragma once

#include "document/AppState.h"
#include "platform/PrinterList.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

class QTreeWidget;

namespace tessra {

// The list of the spooler's printers with their ports, the current one selected.
class PrinterChooser final : public QDialog {
public:
    PrinterChooser(std::vector<PrinterEntry> printers, const std::string& currentName,
                   QWidget* parent = nullptr);

    // The selected printer; nothing when none is.
    std::optional<PrinterEntry> Selected() const;

private:
    std::vector<PrinterEntry> printers_;
    QTreeWidget* list_;
};

// How the print dialog asks for a printer: nothing when the user cancels.
using ChoosePrinterFn = std::function<std::optional<PrinterEntry>(QWidget* parent, const AppState& state)>;

// The chooser over the spooler's queues, modal over `parent`.
std::optional<PrinterEntry> ChoosePrinterFromSpooler(QWidget* parent, const AppState& state);

}  // namespace tessra
