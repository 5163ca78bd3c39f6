#include "platform/PrintTransport.h"

#include "platform/PrinterConnection.h"
#include "print/PrinterPort.h"

namespace tessra {
namespace {

constexpr std::chrono::milliseconds kParallelPortPause{2};

class PrinterSink final : public ByteSink {
public:
    PrinterSink(PrinterConnection& printer, bool pauseAfterEachByte, Sleeper& sleeper)
        : printer_(printer), pauseAfterEachByte_(pauseAfterEachByte), sleeper_(sleeper)
    {
    }

    void SendByte(std::uint8_t byte) override
    {
        if (Failed()) return;
        if (!printer_.Write({&byte, 1})) {
            SetFailed();
            return;
        }
        if (pauseAfterEachByte_) sleeper_.Pause(kParallelPortPause);
    }

private:
    PrinterConnection& printer_;
    bool pauseAfterEachByte_;
    Sleeper& sleeper_;
};

std::unique_ptr<PrinterConnection> OpenPrinter(const PrintDestination& destination)
{
    switch (destination.kind) {
    case PrintDestination::Kind::Spooler: return OpenSpoolerPrinter(destination);
    case PrintDestination::Kind::Device: return OpenDevicePrinter(destination);
    case PrintDestination::Kind::Socket: return OpenSocketPrinter(destination);
    }
    return nullptr;
}

TransportFailure Failure(const char* message)
{
    return {message, kTransportFailureCaption};
}

}  // namespace

std::optional<TransportFailure> RunTransport(const PrintDestination& destination,
                                             const std::string& documentName,
                                             const std::function<void(ByteSink&)>& produceStream,
                                             Sleeper& sleeper)
{
    const auto printer = OpenPrinter(destination);
    if (!printer) return Failure(kOpenPrinterFailedMessage);
    if (!printer->StartDocument(documentName)) return Failure(kPrintFailedMessage);

    PrinterSink sink(*printer, PortPausesAfterEachByte(destination.portName), sleeper);
    produceStream(sink);
    if (sink.Failed()) return Failure(kPrintFailedMessage);
    if (!printer->EndDocument()) return Failure(kPrintFailedMessage);
    return std::nullopt;
}

}  // namespace tessra
