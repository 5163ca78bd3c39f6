#include "platform/CupsConnection.h"

#include <algorithm>

namespace tessra {
namespace {

constexpr std::string_view kQueueUriPrefix = "ipp://localhost";

}  // namespace

int ClampedMilliseconds(std::chrono::milliseconds duration)
{
    constexpr std::chrono::milliseconds::rep kDay = 24 * 3600 * 1000;
    return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(duration.count(), 1, kDay));
}

CupsHttp ConnectToSpooler(const std::optional<SpoolerServer>& server,
                          std::chrono::milliseconds connectTimeout,
                          std::chrono::milliseconds ioTimeout)
{
    if (!Cups()) return nullptr;
    const std::string host = server ? server->host : std::string(Cups()->cupsServer());
    const int port = server ? server->port : Cups()->ippPort();
    CupsHttp http(Cups()->httpConnect2(host.c_str(), port, nullptr, AF_UNSPEC, Cups()->cupsEncryption(), 1,
                               ClampedMilliseconds(connectTimeout), nullptr));
    if (http) Cups()->httpSetTimeout(http.get(), ClampedMilliseconds(ioTimeout) / 1000.0, nullptr, nullptr);
    return http;
}

namespace {

constexpr double kBoundedPollSeconds = 0.1;

}  // namespace

BoundedWaits::BoundedWaits(http_t* http, std::chrono::steady_clock::time_point deadline,
                           std::function<bool()> stop, std::chrono::milliseconds ioTimeout)
    : http_(http), deadline_(deadline), stop_(std::move(stop)), ioTimeout_(ioTimeout)
{
    Cups()->httpSetTimeout(http_, kBoundedPollSeconds, &BoundedWaits::KeepWaiting, this);
}

BoundedWaits::~BoundedWaits()
{
    Cups()->httpSetTimeout(http_, ClampedMilliseconds(ioTimeout_) / 1000.0, nullptr, nullptr);
}

int BoundedWaits::KeepWaiting(http_t*, void* self)
{
    auto& waits = *static_cast<BoundedWaits*>(self);
    if (waits.stop_ && waits.stop_()) waits.stopped_ = true;
    return !waits.stopped_ && std::chrono::steady_clock::now() < waits.deadline_ ? 1 : 0;
}

std::optional<std::string> QueueUri(std::string_view queue)
{
    if (!Cups() || queue.empty() || queue.find('\0') != std::string_view::npos) return std::nullopt;
    char uri[HTTP_MAX_URI];
    const std::string name(queue);
    const http_uri_status_t status = Cups()->httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr,
                                                      "localhost", 0, "/printers/%s", name.c_str());
    if (status < HTTP_URI_STATUS_OK) return std::nullopt;
    return std::string(uri);
}

std::string QueueResource(const std::string& queueUri)
{
    return queueUri.substr(kQueueUriPrefix.size());
}

bool IppSucceeded(ipp_status_t status)
{
    return status <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

}  // namespace tessra
