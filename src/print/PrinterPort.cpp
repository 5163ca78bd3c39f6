#include "print/PrinterPort.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

namespace tessra {
namespace {

constexpr std::string_view kParallelScheme = "parallel:";
constexpr std::string_view kParallelDevice = "/dev/lp";

// "/dev/lpN" with N all digits gives LPT<N+1>; anything else, nothing.
std::optional<std::string> ParallelPortName(std::string_view path)
{
    if (!path.starts_with(kParallelDevice)) return std::nullopt;
    const std::string_view digits = path.substr(kParallelDevice.size());
    unsigned int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    if (number == std::numeric_limits<unsigned int>::max()) return std::nullopt;
    return "LPT" + std::to_string(number + 1);
}

}  // namespace

std::string PortFromDeviceUri(std::string_view deviceUri)
{
    if (deviceUri.starts_with(kParallelScheme)) {
        if (auto port = ParallelPortName(deviceUri.substr(kParallelScheme.size()))) return *port;
    }
    std::string port(deviceUri);
    port.erase(std::remove(port.begin(), port.end(), ':'), port.end());
    return port;
}

std::string PortFromDevicePath(std::string_view path)
{
    return ParallelPortName(path).value_or(std::string(path));
}

bool PortPausesAfterEachByte(std::string_view port)
{
    return port.find("LPT") != std::string_view::npos;
}

}  // namespace tessra
