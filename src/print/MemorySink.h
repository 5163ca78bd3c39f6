#pragma once

#include "print/JobSink.h"

#include <cstdint>
#include <vector>

namespace tessra {

// Collects the stream in memory: for tests, previews and callers that write it out whole.
class MemorySink final : public ByteSink {
public:
    void SendByte(std::uint8_t byte) override { bytes.push_back(byte); }

    std::vector<std::uint8_t> bytes;
};

}  // namespace tessra
