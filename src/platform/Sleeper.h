#pragma once

#include <chrono>

namespace tessra {

// The millisecond pause of the transport, injectable so that tests count pauses instead of
// timing them.
class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void Pause(std::chrono::milliseconds duration) = 0;
};

// Sleeps on the calling thread.
Sleeper& RealSleeper();

}  // namespace tessra
