#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessra {

// A CUPS scheduler other than the user's default one: a host name or address (or the path of a
// local socket, where the port does not count) and its TCP port.
struct SpoolerServer {
    std::string host;
    int port = 631;
};

// Where an embosser stream goes.
struct PrintDestination {
    enum class Kind { Spooler, Device, Socket };

    Kind kind = Kind::Spooler;
    // Spooler: the queue name in UTF-8 as the spooler spells it. Device: the path.
    // Socket: the whole socket://HOST[:PORT] text.
    std::string target;
    // The port name as the print dialog shows it; "LPT" in it paces the bytes.
    std::string portName;
    // Spooler only: the scheduler to talk to; none means the user's default one.
    std::optional<SpoolerServer> server;
    // Bounds on every wait, so that a dead host or a printer that stopped reading ends the job
    // with a message instead of hanging it. connectTimeout bounds the whole opening, a spooler
    // that takes the connection and never answers included.
    std::chrono::milliseconds connectTimeout{10'000};
    std::chrono::milliseconds writeTimeout{60'000};
    // Spooler only: how long the job is watched after its document for the spooler holding or
    // aborting it; a job still printing then is taken as done.
    std::chrono::milliseconds outcomeWait{10'000};
};

// The one rule for what a printer name (the settings' printer or --printer) stands for:
// "socket://..." a raw network socket, any other name holding a '/' a device or file path (a
// spooler queue name never holds one), anything else a spooler queue.
PrintDestination::Kind KindOfPrinter(std::string_view printer);

// The destination for a printer name in UTF-8. A queue gets spoolerPort as its port name (the
// settings' printerPort, or the port the printer list gives); a device path and a socket name
// their own port.
PrintDestination ChooseDestination(std::string_view printer, std::string_view spoolerPort);

struct SocketAddress {
    std::string host;
    std::uint16_t port = 9100;
};

// socket://HOST[:PORT] (an IPv6 address in brackets); nothing when malformed.
std::optional<SocketAddress> ParseSocketUri(std::string_view uri);

}  // namespace tessra
