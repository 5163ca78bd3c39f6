#include "platform/CupsConnection.h"
#include "platform/PrinterConnection.h"
#include "platform/SpoolerJobName.h"

#include <algorithm>
#include <thread>

namespace tessra {
namespace {

using Clock = std::chrono::steady_clock;
using Outcome = PrinterConnection::Outcome;

constexpr std::chrono::milliseconds kJobPollInterval{100};

IppMessage QueueRequest(ipp_op_t operation, const std::string& queueUri)
{
    IppMessage request(Cups()->ippNewRequest(operation));
    Cups()->ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, queueUri.c_str());
    Cups()->ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, Cups()->cupsUser());
    return request;
}

IppMessage Send(http_t* http, IppMessage request, const std::string& queueUri)
{
    // cupsDoRequest takes the request and frees it.
    IppMessage response(Cups()->cupsDoRequest(http, request.release(), QueueResource(queueUri).c_str()));
    if (!IppSucceeded(Cups()->cupsLastError())) return nullptr;
    return response;
}

// The queue's printer-state, or nothing when there is no such queue.
std::optional<int> QueueState(http_t* http, const std::string& queueUri)
{
    IppMessage request = QueueRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, queueUri);
    Cups()->ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-state");
    const IppMessage response = Send(http, std::move(request), queueUri);
    if (!response) return std::nullopt;
    ipp_attribute_t* state = Cups()->ippFindAttribute(response.get(), "printer-state", IPP_TAG_ENUM);
    return state ? Cups()->ippGetInteger(state, 0) : IPP_PSTATE_IDLE;
}

bool HasKeyword(ipp_attribute_t* attribute, std::string_view keyword)
{
    for (int i = 0; attribute && i < Cups()->ippGetCount(attribute); ++i) {
        const char* value = Cups()->ippGetString(attribute, i, nullptr);
        if (value && keyword == value) return true;
    }
    return false;
}

// What the spooler has decided about a job, or nothing while it is still on its way. A job kept
// back (held, stopped, or waiting in a stopped queue) will not print until someone acts.
std::optional<Outcome> DecidedOutcome(ipp_t* job, const std::function<bool()>& queueStopped)
{
    ipp_attribute_t* state = Cups()->ippFindAttribute(job, "job-state", IPP_TAG_ENUM);
    if (!state) return Outcome::Taken;  // a spooler that does not say cannot be watched
    ipp_attribute_t* reasons = Cups()->ippFindAttribute(job, "job-state-reasons", IPP_TAG_KEYWORD);
    switch (Cups()->ippGetInteger(state, 0)) {
    case IPP_JSTATE_COMPLETED: return Outcome::Taken;
    case IPP_JSTATE_ABORTED:
    case IPP_JSTATE_CANCELED: return Outcome::Aborted;
    case IPP_JSTATE_HELD:
    case IPP_JSTATE_STOPPED: return Outcome::Held;
    default: break;
    }
    if (HasKeyword(reasons, "printer-stopped") || queueStopped()) return Outcome::Held;
    return std::nullopt;
}

// A spooler job made of one raw document, streamed to the scheduler as it is written.
class SpoolerPrinter final : public PrinterConnection {
public:
    SpoolerPrinter(CupsHttp http, std::string queue, std::string queueUri, const PrintDestination& destination,
                   Clock::time_point openDeadline, std::function<bool()> stop)
        : http_(std::move(http)),
          queue_(std::move(queue)),
          queueUri_(std::move(queueUri)),
          timeout_(destination.connectTimeout),
          writeTimeout_(destination.writeTimeout),
          outcomeWait_(destination.outcomeWait),
          openDeadline_(openDeadline),
          stop_(std::move(stop))
    {
    }

    ~SpoolerPrinter() override
    {
        if (jobId_ != 0) CancelJob();
    }

    bool StartDocument(const std::string& documentName) override
    {
        // Still part of opening: a spooler that stops answering here gets no longer.
        const BoundedWaits waits(http_.get(), openDeadline_, stop_, writeTimeout_);
        const std::string title = SpoolerJobName(documentName);
        jobId_ = CreateJob(title);
        if (jobId_ == 0) return false;
        return Cups()->cupsStartDocument(http_.get(), queue_.c_str(), jobId_, title.c_str(), CUPS_FORMAT_RAW, 1) ==
               HTTP_STATUS_CONTINUE;
    }

    bool Write(std::span<const std::uint8_t> bytes) override
    {
        // An empty write would end the chunked request, and with it the document.
        if (bytes.empty()) return true;
        const auto* data = reinterpret_cast<const char*>(bytes.data());
        return Cups()->cupsWriteRequestData(http_.get(), data, bytes.size()) == HTTP_STATUS_CONTINUE;
    }

    bool EndDocument() override
    {
        const bool finished = IppSucceeded(Cups()->cupsFinishDocument(http_.get(), queue_.c_str()));
        if (finished) std::swap(finishedJobId_, jobId_);
        return finished;
    }

    Outcome AwaitOutcome() override
    {
        if (finishedJobId_ == 0) return Outcome::Taken;
        const auto deadline = Clock::now() + outcomeWait_;
        const BoundedWaits waits(http_.get(), deadline, stop_, writeTimeout_);
        for (;;) {
            IppMessage request = QueueRequest(IPP_OP_GET_JOB_ATTRIBUTES, queueUri_);
            Cups()->ippAddInteger(request.get(), IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", finishedJobId_);
            const char* const wanted[] = {"job-state", "job-state-reasons"};
            Cups()->ippAddStrings(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr,
                          wanted);
            const IppMessage job = Send(http_.get(), std::move(request), queueUri_);
            if (!job) return Outcome::Taken;  // the spooler no longer tells: nothing to report
            const auto queueStopped = [this] { return QueueState(http_.get(), queueUri_) == IPP_PSTATE_STOPPED; };
            if (const auto outcome = DecidedOutcome(job.get(), queueStopped)) return *outcome;
            if (waits.Stopped() || (stop_ && stop_()) || Clock::now() + kJobPollInterval >= deadline)
                return Outcome::Taken;
            std::this_thread::sleep_for(kJobPollInterval);
        }
    }

private:
    int CreateJob(const std::string& title)
    {
        IppMessage request = QueueRequest(IPP_OP_CREATE_JOB, queueUri_);
        Cups()->ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, title.c_str());
        const IppMessage response = Send(http_.get(), std::move(request), queueUri_);
        ipp_attribute_t* jobId =
            response ? Cups()->ippFindAttribute(response.get(), "job-id", IPP_TAG_INTEGER) : nullptr;
        return jobId ? Cups()->ippGetInteger(jobId, 0) : 0;
    }

    // The request under way cannot be taken back: start afresh and cancel the job, so that an
    // incomplete stream never reaches the embosser.
    void CancelJob()
    {
        if (Cups()->httpReconnect2(http_.get(), ClampedMilliseconds(timeout_), nullptr) == 0) {
            Cups()->cupsCancelJob2(http_.get(), queue_.c_str(), jobId_, 0);
        }
        jobId_ = 0;
    }

    CupsHttp http_;
    std::string queue_;
    std::string queueUri_;
    std::chrono::milliseconds timeout_;
    std::chrono::milliseconds writeTimeout_;
    std::chrono::milliseconds outcomeWait_;
    Clock::time_point openDeadline_;
    std::function<bool()> stop_;
    int jobId_ = 0;
    int finishedJobId_ = 0;
};

}  // namespace

std::unique_ptr<PrinterConnection> OpenSpoolerPrinter(const PrintDestination& destination, std::function<bool()> stop)
{
    const auto queueUri = QueueUri(destination.target);
    if (!queueUri) return nullptr;
    const Clock::time_point deadline = Clock::now() + destination.connectTimeout;
    CupsHttp http = ConnectToSpooler(destination.server, destination.connectTimeout, destination.writeTimeout);
    if (!http) return nullptr;
    {
        const BoundedWaits waits(http.get(), deadline, stop, destination.writeTimeout);
        if (!QueueState(http.get(), *queueUri)) return nullptr;
    }
    return std::make_unique<SpoolerPrinter>(std::move(http), destination.target, *queueUri, destination, deadline,
                                            std::move(stop));
}

}  // namespace tessra
