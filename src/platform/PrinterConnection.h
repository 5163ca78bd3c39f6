#pragma once

#include "platform/PrintDestination.h"

#include <cstdint>
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
};

// Each returns nothing when the printer cannot be opened.
std::unique_ptr<PrinterConnection> OpenSpoolerPrinter(const PrintDestination& destination);
std::unique_ptr<PrinterConnection> OpenDevicePrinter(const PrintDestination& destination);
std::unique_ptr<PrinterConnection> OpenSocketPrinter(const PrintDestination& destination);

}  // namespace tessra
