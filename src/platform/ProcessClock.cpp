#include "platform/ProcessClock.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace tessra {
namespace {

// Field 22 of /proc/self/stat: the start time in clock ticks since boot. The command name
// (field 2) may hold blanks, so fields are counted from its closing parenthesis.
double StartTicks()
{
    std::ifstream in("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    for (int i = 3; i < 22 && fields >> field; ++i) {
    }
    double ticks = -1;
    fields >> ticks;
    return ticks;
}

}  // namespace

double MillisecondsSinceProcessStart()
{
    const double ticks = StartTicks();
    const long perSecond = ::sysconf(_SC_CLK_TCK);
    timespec now{};
    if (ticks < 0 || perSecond <= 0 || ::clock_gettime(CLOCK_BOOTTIME, &now) != 0) return -1;
    const double nowMs = static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
    return nowMs - ticks * 1000.0 / static_cast<double>(perSecond);
}

bool TracingPaint()
{
    static const bool tracing = [] {
        const char* value = std::getenv("TESSRA_TRACE_PAINT");
        return value && *value && std::string_view(value) != "0";
    }();
    return tracing;
}

void TraceStartUp(const char* step)
{
    if (TracingPaint()) std::fprintf(stderr, "tessra: %s %.0f ms after process start\n", step, MillisecondsSinceProcessStart());
}

}  // namespace tessra
