#pragma once

#include "platform/PrintDestination.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace tessra {

// One open printer for one job; the destructor closes it. A document that was started and not
// ended is abandoned there: the spooler cancels the job, a device or socket is just closed.
class PrinterConnection {
public:
    virtual ~PrinterConnection() = default;
    virtual bool StartDocument(const std::string& documentName) = 0;
    // All of bytes, in as few write calls as the printer allows; the job writes one byte a call.
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
    // False when the printer may not have received the whole document.
    virtual bool EndDocument() = 0;

    // After EndDocument: whether the printer went on with the document, as far as it tells. A
    // device or a socket has taken it once it is written; a spooler may hold or abort the job.
    enum class Outcome { Taken, Held, Aborted };
    virtual Outcome AwaitOutcome() { return Outcome::Taken; }
};

// Each returns nothing when the printer cannot be opened. The spooler's waits while opening and
// watching the job also end as soon as `stop` says so (the user cancelled).
std::unique_ptr<PrinterConnection> OpenSpoolerPrinter(const PrintDestination& destination,
                                                      std::function<bool()> stop = nullptr);
std::unique_ptr<PrinterConnection> OpenDevicePrinter(const PrintDestination& destination);
std::unique_ptr<PrinterConnection> OpenSocketPrinter(const PrintDestination& destination);

}  // namespace tessra
