#pragma once

#include "platform/PrintDestination.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tessra::testing {

// A CUPS scheduler of the test's own, started by tests/print/cups/start-private-cupsd: its
// own directory, a free loopback port, raw queues. Queues whose device URI is kCaptureDevice
// get the capture backend, which copies each job's bytes to a file. Stopped and removed by the
// destructor; never touches the machine's own CUPS.
class PrivateCupsServer {
public:
    static constexpr const char* kCaptureDevice = "capture";

    // Empty when cupsd and lpadmin are there; else why the tests that need them are skipped.
    static std::string MissingTools();

    // queues: name and device URI, in the spooler's UTF-8.
    explicit PrivateCupsServer(std::vector<std::pair<std::string, std::string>> queues);
    ~PrivateCupsServer();
    PrivateCupsServer(const PrivateCupsServer&) = delete;
    PrivateCupsServer& operator=(const PrivateCupsServer&) = delete;

    bool Running() const { return error_.empty(); }
    const std::string& Error() const { return error_; }
    void Stop();

    SpoolerServer Server() const { return {"127.0.0.1", port_}; }
    PrintDestination Queue(const std::string& name, const std::string& portName = "") const;

    struct Job {
        int id = 0;
        int state = 0;  // ipp_jstate_t
        std::string title;
    };
    // The newest job of the queue once the scheduler is done with it (completed, cancelled or
    // aborted); nothing when none is done within a few seconds.
    std::optional<Job> FinishedLastJob(const std::string& queue) const;
    // What the capture backend received for the job; nothing when it wrote no file.
    std::optional<std::vector<std::uint8_t>> CapturedBytes(int jobId) const;
    // Jobs the queue has seen.
    int JobCount(const std::string& queue) const;

private:
    std::filesystem::path directory_;
    int port_ = 0;
    std::string error_;
};

}  // namespace tessra::testing
