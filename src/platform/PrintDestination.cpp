#include "platform/PrintDestination.h"

#include "print/PrinterPort.h"

#include <charconv>

namespace tessra {
namespace {

constexpr std::string_view kSocketScheme = "socket://";
constexpr std::uint16_t kRawSocketPort = 9100;
constexpr std::string_view kNotInHost{"/[]\0", 4};

std::optional<std::uint16_t> ParsePortNumber(std::string_view digits)
{
    std::uint16_t port = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || port == 0) {
        return std::nullopt;
    }
    return port;
}

struct HostAndPort {
    std::string_view host;
    std::optional<std::string_view> port;
};

// HOST, HOST:PORT, [V6ADDRESS] or [V6ADDRESS]:PORT.
std::optional<HostAndPort> SplitAuthority(std::string_view authority)
{
    if (authority.starts_with('[')) {
        const auto close = authority.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        const std::string_view host = authority.substr(1, close - 1);
        const std::string_view after = authority.substr(close + 1);
        if (after.empty()) return HostAndPort{host, std::nullopt};
        if (after.front() != ':') return std::nullopt;
        return HostAndPort{host, after.substr(1)};
    }
    const auto colon = authority.find(':');
    if (colon == std::string_view::npos) return HostAndPort{authority, std::nullopt};
    return HostAndPort{authority.substr(0, colon), authority.substr(colon + 1)};
}

}  // namespace

PrintDestination::Kind KindOfPrinter(std::string_view printer)
{
    if (printer.starts_with(kSocketScheme)) return PrintDestination::Kind::Socket;
    if (printer.find('/') != std::string_view::npos) return PrintDestination::Kind::Device;
    return PrintDestination::Kind::Spooler;
}

PrintDestination ChooseDestination(std::string_view printer, std::string_view spoolerPort)
{
    PrintDestination destination;
    destination.kind = KindOfPrinter(printer);
    destination.target = std::string(printer);
    switch (destination.kind) {
    case PrintDestination::Kind::Spooler: destination.portName = std::string(spoolerPort); break;
    case PrintDestination::Kind::Device: destination.portName = PortFromDevicePath(printer); break;
    case PrintDestination::Kind::Socket: destination.portName = PortFromDeviceUri(printer); break;
    }
    return destination;
}

std::optional<SocketAddress> ParseSocketUri(std::string_view uri)
{
    if (!uri.starts_with(kSocketScheme)) return std::nullopt;
    const auto parts = SplitAuthority(uri.substr(kSocketScheme.size()));
    if (!parts || parts->host.empty() || parts->host.find_first_of(kNotInHost) != std::string_view::npos) {
        return std::nullopt;
    }
    SocketAddress address{std::string(parts->host), kRawSocketPort};
    if (parts->port) {
        const auto port = ParsePortNumber(*parts->port);
        if (!port) return std::nullopt;
        address.port = *port;
    }
    return address;
}

}  // namespace tessra
