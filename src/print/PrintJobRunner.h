#pragma once

#include "document/AppState.h"
#include "platform/PrintDestination.h"
#include "platform/PrintTransport.h"
#include "platform/Sleeper.h"
#include "print/JobEncoder.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <thread>

namespace tessra {

// Everything one job needs, copied when it starts, so that the worker reads nothing the window
// may touch meanwhile.
struct PrintJob {
    PrintDestination destination;
    std::string documentName;  // the BSE file's path
    AppState state;
    PrintOptions options;
};

// Runs one job at a time on a worker thread: the encoder's stream through the transport, so the
// window stays responsive while the spooler accepts the bytes slowly or a parallel port pauses
// after each. The hooks run on the thread that owns the runner.
class PrintJobRunner {
public:
    struct Hooks {
        std::function<void(int position)> progress;  // 0..100, only when it changes
        std::function<void(const std::optional<TransportFailure>&)> finished;
    };

    explicit PrintJobRunner(Sleeper& sleeper = RealSleeper());
    // Waits for a running job, so that its closing bytes always go out.
    ~PrintJobRunner();
    PrintJobRunner(const PrintJobRunner&) = delete;
    PrintJobRunner& operator=(const PrintJobRunner&) = delete;

    // Ignored while a job runs.
    void Start(PrintJob job, Hooks hooks);
    // Taken by the job after the line under way; it then ends the sheet and the stream.
    void RequestCancel() { cancelRequested_ = true; }
    // From Start until the finished hook has run.
    bool Running() const { return running_; }

private:
    void Work(const PrintJob& job);
    void Post(std::function<void()> call);

    Sleeper& sleeper_;
    Hooks hooks_;  // used on the owning thread only
    QObject receiver_;  // lives on the owning thread: queued hooks run there
    std::thread worker_;
    std::atomic<bool> cancelRequested_{false};
    bool running_ = false;
};

}  // namespace tessra
