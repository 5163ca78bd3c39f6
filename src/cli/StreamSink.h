#pragma once

#include "print/JobSink.h"

#include <array>
#include <ostream>

namespace tessra {

// The stream into a file or standard output, buffered so that a large job is written in blocks.
class StreamSink final : public ByteSink {
public:
    explicit StreamSink(std::ostream& out) : out_(out) {}

    void SendByte(std::uint8_t byte) override
    {
        if (Failed()) return;
        buffer_[used_++] = static_cast<char>(byte);
        if (used_ == buffer_.size()) Flush();
    }

    // Writes what is buffered; a failed write marks the sink failed.
    void Flush()
    {
        out_.write(buffer_.data(), static_cast<std::streamsize>(used_));
        used_ = 0;
        out_.flush();
        if (!out_) SetFailed();
    }

private:
    std::ostream& out_;
    std::array<char, 1 << 16> buffer_{};
    std::size_t used_ = 0;
};

}  // namespace tessra
