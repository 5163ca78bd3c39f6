#pragma once

#include "document/AppState.h"
#include "platform/PrintDestination.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tessra {

// One printer the spooler offers, with what choosing it stores in AppState.
struct PrinterEntry {
    std::string queue;  // the queue name in UTF-8, as the spooler spells it (shown, and opened)
    std::string name;   // printerName: the queue name in CP932
    std::string port;   // printerPort: from the queue's device URI (PortFromDeviceUri)
    std::string model;  // printerModel: DerivePrinterModel(name)
};

// Every printer of the given scheduler, or of the user's default one, in the spooler's order;
// empty when the scheduler cannot be reached within timeout.
std::vector<PrinterEntry> ListPrinters(const std::optional<SpoolerServer>& server = std::nullopt,
                                       std::chrono::milliseconds timeout = std::chrono::seconds(10));

// The printer the user chose, as the print dialog and the settings record keep it; the options
// follow the model.
void SelectPrinter(AppState& state, const PrinterEntry& printer);

// The destination of the printer held in the settings (printerName, printerPort).
PrintDestination DestinationOfChosenPrinter(const AppState& state);

// The destination for a printer named on the command line (--printer, UTF-8): as
// ChooseDestination, a queue taking its port from the spooler's list (empty when the spooler
// does not know it, which the transport then reports).
PrintDestination DestinationForPrinterOption(const std::string& printer,
                                             const std::optional<SpoolerServer>& server = std::nullopt);

}  // namespace tessra
