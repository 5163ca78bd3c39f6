#pragma once

#include "platform/PrintDestination.h"

#include "platform/CupsLibrary.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tessra {

struct HttpCloser {
    void operator()(http_t* http) const { Cups()->httpClose(http); }
};
using CupsHttp = std::unique_ptr<http_t, HttpCloser>;

struct IppDeleter {
    void operator()(ipp_t* ipp) const { Cups()->ippDelete(ipp); }
};
using IppMessage = std::unique_ptr<ipp_t, IppDeleter>;

// A connection to the given scheduler, or to the user's default one, on which every later wait
// is bounded by ioTimeout; null when it cannot be reached within connectTimeout or libcups is
// missing. Every other use of Cups() comes after a connection.
CupsHttp ConnectToSpooler(const std::optional<SpoolerServer>& server,
                          std::chrono::milliseconds connectTimeout,
                          std::chrono::milliseconds ioTimeout);

// While it lives, every wait on `http` gives up at `deadline` or as soon as `stop` says so
// (asked a few times a second), so that a spooler that never answers cannot hold the job; then
// the waits are bounded by ioTimeout again.
class BoundedWaits {
public:
    BoundedWaits(http_t* http, std::chrono::steady_clock::time_point deadline, std::function<bool()> stop,
                 std::chrono::milliseconds ioTimeout);
    ~BoundedWaits();
    BoundedWaits(const BoundedWaits&) = delete;
    BoundedWaits& operator=(const BoundedWaits&) = delete;

    // Whether the waits ended because `stop` said so.
    bool Stopped() const { return stopped_; }

private:
    static int KeepWaiting(http_t* http, void* self);

    http_t* http_;
    std::chrono::steady_clock::time_point deadline_;
    std::function<bool()> stop_;
    std::chrono::milliseconds ioTimeout_;
    bool stopped_ = false;
};

// The printer-uri of a queue; nothing for a name that cannot be one (empty, holding a NUL byte,
// or too long for a URI), so that no other queue is ever addressed by a cut-off name; nothing
// without libcups.
std::optional<std::string> QueueUri(std::string_view queue);

// The resource path of a queue URI, for the HTTP request line.
std::string QueueResource(const std::string& queueUri);

// A timeout as libcups takes it: whole milliseconds, at least 1, at most a day.
int ClampedMilliseconds(std::chrono::milliseconds duration);

// True for the successful IPP status codes.
bool IppSucceeded(ipp_status_t status);

}  // namespace tessra
