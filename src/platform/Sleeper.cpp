#include "platform/Sleeper.h"

#include <thread>

namespace tessra {
namespace {

class ThreadSleeper final : public Sleeper {
public:
    void Pause(std::chrono::milliseconds duration) override { std::this_thread::sleep_for(duration); }
};

}  // namespace

Sleeper& RealSleeper()
{
    static ThreadSleeper sleeper;
    return sleeper;
}

}  // namespace tessra
