#pragma once

#include "platform/PrintDestination.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tessra::testing {

// A CUPS scheduler of the test's own, started by tests/print/cups/start-private-cupsd in its own
// directory on a free loopback port, so the machine's own CUPS is never touched. Queues whose
// device URI is kCaptureDevice copy each job's bytes to a file named by the job id there.
class PrivateCupsServer {
public:
    static constexpr const char* kCaptureDevice = "capture";

    // Empty when cupsd and lpadmin are there; else why the tests that need them are skipped.
    static std::string MissingTools();

    // queues: name and device URI, in the spooler's UTF-8.
    explicit PrivateCupsServer(const std::vector<std::pair<std::string, std::string>>& queues);
    ~PrivateCupsServer();
    PrivateCupsServer(const PrivateCupsServer&) = delete;
    PrivateCupsServer& operator=(const PrivateCupsServer&) = delete;

    bool Running() const { return error_.empty(); }
    const std::string& Error() const { return error_; }
    void Stop();

    SpoolerServer Server() const { return {"127.0.0.1", port_}; }
    // Whether one of the spooler's own commands (cupsdisable, lpadmin, ...) succeeded on this server.
    bool Command(const std::string& program, std::vector<std::string> arguments) const;
    PrintDestination Queue(const std::string& name) const;

    struct Job { int id = 0; int state = 0; /* ipp_jstate_t */ };
    // The queue's newest job once the scheduler is done with it; nothing when none is within 10 s.
    std::optional<Job> FinishedLastJob(const std::string& queue) const;
    // What the capture backend received for the job; nothing when it wrote no file.
    std::optional<std::vector<std::uint8_t>> CapturedBytes(int jobId) const;

private:
    std::filesystem::path directory_;
    int port_ = 0;
    std::string error_;
};

}  // namespace tessra::testing
