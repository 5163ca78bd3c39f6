#pragma once

#include <cstdint>

namespace tessra {

// Where the embosser stream goes: a spooler job, a device, a file or memory. A sink whose write
// failed says so from then on and drops every later byte; whoever sends the stream asks
// Failed() after each piece of it and stops.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void SendByte(std::uint8_t byte) = 0;
    bool Failed() const { return failed_; }

protected:
    void SetFailed() { failed_ = true; }

private:
    bool failed_ = false;
};

// The progress window's side of a job: told the position (0..100) before each label, asked
// after each line whether the user cancelled. Implementations may process pending UI events.
class JobProgress {
public:
    virtual ~JobProgress() = default;
    virtual void SetProgressPos(int position) = 0;
    // True once per cancel request; the request is consumed by the call.
    virtual bool TakeCancelRequest() = 0;
};

// For callers that have no progress window.
class NoProgress final : public JobProgress {
public:
    void SetProgressPos(int) override {}
    bool TakeCancelRequest() override { return false; }
};

}  // namespace tessra
