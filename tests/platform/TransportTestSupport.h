#pragma once

#include "platform/PrintTransport.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tessra::testing {

// Counts the pauses instead of sleeping.
struct CountingSleeper final : Sleeper {
    void Pause(std::chrono::milliseconds duration) override { pauses.push_back(duration); }
    std::vector<std::chrono::milliseconds> pauses;
};

// Every byte value, `rounds` times over.
inline std::vector<std::uint8_t> AllByteValues(int rounds = 1)
{
    std::vector<std::uint8_t> bytes(256 * static_cast<std::size_t>(rounds));
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i);
    return bytes;
}

// The failure the job shows, as "message / caption"; "" when the whole stream went out.
inline std::string FailureOf(const PrintDestination& destination, const std::function<void(ByteSink&)>& stream,
                             Sleeper& sleeper = RealSleeper(), const std::string& document = "a.BSE")
{
    const auto failure = RunTransport(destination, document, stream, sleeper);
    return failure ? failure->message + " / " + failure->caption : "";
}

inline std::function<void(ByteSink&)> StreamOf(const std::vector<std::uint8_t>& bytes)
{
    return [&bytes](ByteSink& sink) {
        for (const std::uint8_t byte : bytes) sink.SendByte(byte);
    };
}

// A socket listening on a free loopback port (0 when none could be had); accept does not wait.
struct LoopbackListener {
    LoopbackListener()
    {
        socklen_t length = sizeof address;
        ::bind(fd, reinterpret_cast<sockaddr*>(&address), length);
        ::listen(fd, 1);
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    }
    ~LoopbackListener() { ::close(fd); }
    int Port() const { return ntohs(address.sin_port); }

    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_in address{.sin_family = AF_INET, .sin_port = 0, .sin_addr = {htonl(INADDR_LOOPBACK)}, .sin_zero = {}};
};

}  // namespace tessra::testing
