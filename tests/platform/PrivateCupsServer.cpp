#include "PrivateCupsServer.h"

#include "TransportTestSupport.h"
#include "platform/CupsConnection.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

namespace tessra::testing {
namespace {

using namespace std::chrono_literals;

const std::filesystem::path kScripts = TESSRA_CUPS_SCRIPTS;

// Runs a program with its arguments, no shell between; its exit status, -1 when it did not run.
int Run(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& argument : command) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

std::string PrivateCupsServer::MissingTools()
{
    if (::access("/usr/sbin/cupsd", X_OK) != 0) return "no /usr/sbin/cupsd (Debian package cups-daemon)";
    if (::access("/usr/sbin/lpadmin", X_OK) != 0) return "no /usr/sbin/lpadmin (Debian package cups-client)";
    return {};
}

PrivateCupsServer::PrivateCupsServer(const std::vector<std::pair<std::string, std::string>>& queues)
{
    char pattern[] = "/tmp/tessra-cupsd-XXXXXX";
    directory_ = ::mkdtemp(pattern) ? pattern : "";
    port_ = LoopbackListener().Port();  // free again once the listener is gone
    std::vector<std::string> command{(kScripts / "start-private-cupsd").string(), directory_, std::to_string(port_)};
    for (const auto& [name, device] : queues) {
        command.push_back(name + "=" + (device == kCaptureDevice ? "capture:" + directory_.string() : device));
    }
    if (directory_.empty() || Run(command) != 0) {
        error_ = "the private cupsd did not start; see " + (directory_ / "log").string();
    }
}

PrivateCupsServer::~PrivateCupsServer()
{
    Stop();
    std::error_code ignored;
    if (Running()) std::filesystem::remove_all(directory_, ignored);  // else kept for its log
}

void PrivateCupsServer::Stop()
{
    if (!directory_.empty()) Run({(kScripts / "stop-private-cupsd").string(), directory_});
}

bool PrivateCupsServer::Command(const std::string& program, std::vector<std::string> arguments) const
{
    arguments.insert(arguments.begin(), {"/usr/sbin/" + program, "-h", "127.0.0.1:" + std::to_string(port_)});
    return Run(arguments) == 0;
}

PrintDestination PrivateCupsServer::Queue(const std::string& name) const
{
    return {.target = name, .portName = "", .server = Server(), .connectTimeout = 2s, .writeTimeout = 5s};
}

std::optional<PrivateCupsServer::Job> PrivateCupsServer::FinishedLastJob(const std::string& queue) const
{
    for (const auto deadline = std::chrono::steady_clock::now() + 10s; std::chrono::steady_clock::now() < deadline;
         std::this_thread::sleep_for(10ms)) {
        const CupsHttp http = ConnectToSpooler(Server(), 2s, 5s);
        cups_job_t* jobs = nullptr;
        const int count = http ? cupsGetJobs2(http.get(), &jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ALL) : 0;
        Job last;
        for (int i = 0; i < count; ++i) {
            if (jobs[i].id > last.id) last = {jobs[i].id, jobs[i].state};
        }
        cupsFreeJobs(count, jobs);
        if (last.state >= IPP_JSTATE_CANCELED) return last;
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> PrivateCupsServer::CapturedBytes(int jobId) const
{
    std::ifstream file(directory_ / std::to_string(jobId), std::ios::binary);
    if (!file) return std::nullopt;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}

}  // namespace tessra::testing
