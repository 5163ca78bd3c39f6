#include "print/PrintJobRunner.h"

#include <chrono>

namespace tessra {
namespace {

// The percentage stays at 100% for a moment before the progress window goes.
constexpr std::chrono::milliseconds kFinishedPause{200};

// The worker's side of the progress window: positions are posted to it, cancel requests read
// from the flag the window sets.
class WorkerProgress final : public JobProgress {
public:
    WorkerProgress(std::function<void(int)> post, std::atomic<bool>& cancelRequested)
        : post_(std::move(post)), cancelRequested_(cancelRequested)
    {
    }

    void SetProgressPos(int position) override
    {
        if (position == last_) return;
        last_ = position;
        post_(position);
    }

    // Several presses between two lines count once.
    bool TakeCancelRequest() override { return cancelRequested_.exchange(false); }

private:
    std::function<void(int)> post_;
    std::atomic<bool>& cancelRequested_;
    int last_ = -1;
};

}  // namespace

PrintJobRunner::PrintJobRunner(Sleeper& sleeper) : sleeper_(sleeper) {}

PrintJobRunner::~PrintJobRunner()
{
    if (worker_.joinable()) worker_.join();
}

void PrintJobRunner::Start(PrintJob job, Hooks hooks)
{
    if (running_) return;
    if (worker_.joinable()) worker_.join();
    running_ = true;
    cancelRequested_ = false;
    hooks_ = std::move(hooks);
    worker_ = std::thread([this, job = std::move(job)] { Work(job); });
}

void PrintJobRunner::Work(const PrintJob& job)
{
    WorkerProgress progress([this](int position) { Post([this, position] { hooks_.progress(position); }); },
                            cancelRequested_);
    const auto failure = RunTransport(job.destination, job.documentName, [&](ByteSink& sink) {
        EncodePrintJob(job.state, job.options, sink, progress);
        if (sink.Failed()) return;
        progress.SetProgressPos(100);
        sleeper_.Pause(kFinishedPause);
    }, sleeper_, [this] { return cancelRequested_.load(); });
    Post([this, failure] {
        running_ = false;
        hooks_.finished(failure);
    });
}

void PrintJobRunner::Post(std::function<void()> call)
{
    QMetaObject::invokeMethod(&receiver_, std::move(call), Qt::QueuedConnection);
}

}  // namespace tessra
