#include "platform/PrinterList.h"

#include "platform/CupsConnection.h"
#include "platform/TextCodec.h"
#include "print/PrinterModel.h"
#include "print/PrinterPort.h"

#include <algorithm>

namespace tessra {
namespace {

PrinterEntry EntryFor(const cups_dest_t& dest)
{
    PrinterEntry entry;
    entry.queue = dest.name;
    entry.name = Utf8ToCp932(entry.queue);
    const char* deviceUri = Cups()->cupsGetOption("device-uri", dest.num_options, dest.options);
    entry.port = PortFromDeviceUri(deviceUri ? deviceUri : "");
    entry.model = DerivePrinterModel(entry.name);
    return entry;
}

}  // namespace

std::vector<PrinterEntry> ListPrinters(const std::optional<SpoolerServer>& server,
                                       std::chrono::milliseconds timeout)
{
    const CupsHttp http = ConnectToSpooler(server, timeout, timeout);
    if (!http) return {};
    cups_dest_t* dests = nullptr;
    const int count = Cups()->cupsGetDests2(http.get(), &dests);
    std::vector<PrinterEntry> printers;
    for (int i = 0; i < count; ++i) {
        // Instances are the user's option sets for a queue, not printers of their own.
        if (!dests[i].instance) printers.push_back(EntryFor(dests[i]));
    }
    Cups()->cupsFreeDests(count, dests);
    return printers;
}

void SelectPrinter(AppState& state, const PrinterEntry& printer)
{
    state.printerName = printer.name;
    state.printerPort = printer.port;
    state.printerModel = printer.model;
    SetUpOptions(state);
}

PrintDestination DestinationOfChosenPrinter(const AppState& state)
{
    return ChooseDestination(Cp932ToUtf8(state.printerName), state.printerPort);
}

PrintDestination DestinationForPrinterOption(const std::string& printer,
                                             const std::optional<SpoolerServer>& server)
{
    std::string port;
    if (KindOfPrinter(printer) == PrintDestination::Kind::Spooler) {
        const auto printers = ListPrinters(server);
        const auto found = std::find_if(printers.begin(), printers.end(),
                                        [&](const PrinterEntry& entry) { return entry.queue == printer; });
        if (found != printers.end()) port = found->port;
    }
    PrintDestination destination = ChooseDestination(printer, port);
    destination.server = server;
    return destination;
}

}  // namespace tessra
