#include "platform/CupsConnection.h"
#include "platform/PrinterConnection.h"
#include "platform/SpoolerJobName.h"

namespace tessra {
namespace {

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

bool QueueExists(http_t* http, const std::string& queueUri)
{
    IppMessage request = QueueRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, queueUri);
    Cups()->ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-state");
    return Send(http, std::move(request), queueUri) != nullptr;
}

// A spooler job made of one raw document, streamed to the scheduler as it is written.
class SpoolerPrinter final : public PrinterConnection {
public:
    SpoolerPrinter(CupsHttp http, std::string queue, std::string queueUri, std::chrono::milliseconds timeout)
        : http_(std::move(http)), queue_(std::move(queue)), queueUri_(std::move(queueUri)), timeout_(timeout)
    {
    }

    ~SpoolerPrinter() override
    {
        if (jobId_ != 0) CancelJob();
    }

    bool StartDocument(const std::string& documentName) override
    {
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
        if (finished) jobId_ = 0;
        return finished;
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
    int jobId_ = 0;
};

}  // namespace

std::unique_ptr<PrinterConnection> OpenSpoolerPrinter(const PrintDestination& destination)
{
    const auto queueUri = QueueUri(destination.target);
    if (!queueUri) return nullptr;
    CupsHttp http = ConnectToSpooler(destination.server, destination.connectTimeout, destination.writeTimeout);
    if (!http || !QueueExists(http.get(), *queueUri)) return nullptr;
    return std::make_unique<SpoolerPrinter>(std::move(http), destination.target, *queueUri,
                                            destination.connectTimeout);
}

}  // namespace tessra
