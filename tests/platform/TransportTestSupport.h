#pragma once

#include "platform/Sleeper.h"
#include "print/JobSink.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

namespace tessra::testing {

// Counts the pauses instead of sleeping.
class CountingSleeper final : public Sleeper {
public:
    void Pause(std::chrono::milliseconds duration) override { pauses.push_back(duration); }
    std::vector<std::chrono::milliseconds> pauses;
};

// Every byte value, twice, in two orders.
inline std::vector<std::uint8_t> AllByteValues()
{
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<std::uint8_t>(i));
    for (int i = 255; i >= 0; --i) bytes.push_back(static_cast<std::uint8_t>(i));
    return bytes;
}

inline std::function<void(ByteSink&)> StreamOf(const std::vector<std::uint8_t>& bytes)
{
    return [&bytes](ByteSink& sink) {
        for (const std::uint8_t byte : bytes) sink.SendByte(byte);
    };
}

}  // namespace tessra::testing
