#include "PrivateCupsServer.h"

#include "platform/CupsConnection.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

namespace tessra::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kScripts = TESSRA_CUPS_SCRIPTS;

bool ToolInstalled(const char* name)
{
    for (const char* dir : {"/usr/sbin", "/usr/bin", "/usr/local/sbin", "/usr/local/bin", "/sbin"}) {
        if (::access((fs::path(dir) / name).c_str(), X_OK) == 0) return true;
    }
    return false;
}

// Runs a program with arguments (no shell) and returns its exit status, -1 when it could not run.
int Run(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& argument : command) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) {
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A loopback port nobody listens on right now.
int FreeLoopbackPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        port = ntohs(address.sin_port);
    }
    ::close(fd);
    return port;
}

struct JobsDeleter {
    int count;
    void operator()(cups_job_t* jobs) const { cupsFreeJobs(count, jobs); }
};

}  // namespace

std::string PrivateCupsServer::MissingTools()
{
    if (!ToolInstalled("cupsd")) return "cupsd is not installed (Debian package cups-daemon)";
    if (!ToolInstalled("lpadmin")) return "lpadmin is not installed (Debian package cups-client)";
    return {};
}

PrivateCupsServer::PrivateCupsServer(std::vector<std::pair<std::string, std::string>> queues)
{
    char pattern[] = "/tmp/tessra-cupsd-XXXXXX";
    if (!::mkdtemp(pattern)) {
        error_ = "cannot make a temporary directory";
        return;
    }
    directory_ = pattern;
    fs::create_directories(directory_ / "out");
    port_ = FreeLoopbackPort();

    std::vector<std::string> command{(kScripts / "start-private-cupsd").string(), directory_.string(),
                                     std::to_string(port_)};
    for (const auto& [name, device] : queues) {
        command.push_back(name + "=" + (device == kCaptureDevice ? "capture:" + (directory_ / "out").string() : device));
    }
    if (Run(command) != 0) error_ = "start-private-cupsd failed; see " + (directory_ / "log").string();
}

PrivateCupsServer::~PrivateCupsServer()
{
    Stop();
    if (!directory_.empty() && Running()) {
        std::error_code ignored;
        fs::remove_all(directory_, ignored);
    }
}

void PrivateCupsServer::Stop()
{
    if (!directory_.empty()) Run({(kScripts / "stop-private-cupsd").string(), directory_.string()});
}

PrintDestination PrivateCupsServer::Queue(const std::string& name, const std::string& portName) const
{
    PrintDestination destination;
    destination.kind = PrintDestination::Kind::Spooler;
    destination.target = name;
    destination.portName = portName;
    destination.server = Server();
    destination.connectTimeout = std::chrono::seconds(2);
    destination.writeTimeout = std::chrono::seconds(5);
    return destination;
}

std::optional<PrivateCupsServer::Job> PrivateCupsServer::FinishedLastJob(const std::string& queue) const
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        const CupsHttp http = ConnectToSpooler(Server(), std::chrono::seconds(2), std::chrono::seconds(5));
        cups_job_t* jobs = nullptr;
        const int count = http ? cupsGetJobs2(http.get(), &jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ALL) : 0;
        const std::unique_ptr<cups_job_t, JobsDeleter> owner(jobs, JobsDeleter{count});
        const cups_job_t* last = nullptr;
        for (int i = 0; i < count; ++i) {
            if (!last || jobs[i].id > last->id) last = &jobs[i];
        }
        if (last && last->state >= IPP_JSTATE_CANCELED) return Job{last->id, last->state, last->title};
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> PrivateCupsServer::CapturedBytes(int jobId) const
{
    std::ifstream file(directory_ / "out" / std::to_string(jobId), std::ios::binary);
    if (!file) return std::nullopt;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}

int PrivateCupsServer::JobCount(const std::string& queue) const
{
    const CupsHttp http = ConnectToSpooler(Server(), std::chrono::seconds(2), std::chrono::seconds(5));
    cups_job_t* jobs = nullptr;
    const int count = http ? cupsGetJobs2(http.get(), &jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ALL) : 0;
    cupsFreeJobs(count, jobs);
    return std::max(count, 0);
}

}  // namespace tessra::testing
