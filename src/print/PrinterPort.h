#pragma once

#include <string>
#include <string_view>

namespace tessra {

// The port name shown beside a printer (printerPort) for a spooler queue's device URI: the URI
// with every ':' removed, except a parallel port "parallel:/dev/lpN", which reads LPT<N+1> as
// the port of the same printer would on the original platform.
std::string PortFromDeviceUri(std::string_view deviceUri);

// The port name for a device path given directly: /dev/lpN reads LPT<N+1>, any other path is
// its own port name.
std::string PortFromDevicePath(std::string_view path);

// Parallel ports need a pause after every byte: true when the port name contains "LPT"
// (case-sensitive).
bool PortPausesAfterEachByte(std::string_view port);

}  // namespace tessra
