#pragma once

#include "platform/PrintDestination.h"
#include "platform/Sleeper.h"
#include "print/JobSink.h"

#include <functional>
#include <optional>
#include <string>

namespace tessra {

// A failed job as its message box shows it: the text and the caption, in UTF-8.
struct TransportFailure {
    std::string message;
    std::string caption;
};

inline constexpr const char* kOpenPrinterFailedMessage = "プリンタのオープンに失敗しました";
inline constexpr const char* kPrintFailedMessage = "印刷できませんでした";
inline constexpr const char* kJobHeldMessage = "プリンタが停止しているため、印刷は保留されています";
inline constexpr const char* kJobAbortedMessage = "プリンタで印刷が中止されました";
inline constexpr const char* kTransportFailureCaption = "Error";

// The transport frame of one job: opens the printer, starts a raw document named documentName
// (the BSE file's path), lets produceStream send the stream through a sink whose SendByte writes
// each byte with one write call and, when the port name contains "LPT", pauses 2 ms after it;
// then ends the document and closes the printer.
//
// Returns the failure to show, or nothing when the whole stream went out (or `stop` ended the
// opening: the user cancelled before anything was sent). A printer that cannot be opened within
// the destination's connectTimeout gives kOpenPrinterFailedMessage; a document that cannot be
// started, a write that fails or an end that fails give kPrintFailedMessage; a spooler job that
// the spooler then holds or aborts gives kJobHeldMessage or kJobAbortedMessage. After a failed
// write the sink drops every byte and says Failed(): produceStream should ask it and stop. On
// every way out, exceptions from produceStream included, the printer is closed, and a spooler
// job that was not ended is cancelled, so that no cut-off stream is embossed.
std::optional<TransportFailure> RunTransport(const PrintDestination& destination,
                                             const std::string& documentName,
                                             const std::function<void(ByteSink&)>& produceStream,
                                             Sleeper& sleeper = RealSleeper(),
                                             const std::function<bool()>& stop = nullptr);

}  // namespace tessra
