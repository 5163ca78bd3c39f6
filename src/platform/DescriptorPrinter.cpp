#include "platform/PrinterConnection.h"

#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace tessra {
namespace {

using Clock = std::chrono::steady_clock;

class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&&) = delete;
    ~UniqueFd() { Close(); }

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    bool Close() { return fd_ < 0 || ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_ = -1;
};

// Waits until fd is ready for events; false on timeout or error.
bool WaitFor(int fd, short events, Clock::time_point deadline)
{
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(std::min<long long>(left.count(), 60'000)));
        if (ready > 0) return true;
        if (ready < 0 && errno != EINTR) return false;
    }
}

// Writes all bytes, waiting at most timeout each time for room; a full device or a peer that
// stopped reading ends in false instead of hanging.
bool WriteWithin(int fd, bool isSocket, std::span<const std::uint8_t> bytes, std::chrono::milliseconds timeout)
{
    while (!bytes.empty()) {
        const ssize_t written = isSocket ? ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL)
                                         : ::write(fd, bytes.data(), bytes.size());
        if (written > 0) {
            bytes = bytes.subspan(static_cast<std::size_t>(written));
        } else if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!WaitFor(fd, POLLOUT, Clock::now() + timeout)) return false;
        } else if (written == 0 || errno != EINTR) {
            return false;
        }
    }
    return true;
}

// Half-closes the socket and reads until the peer closes, so that nothing unread makes the close
// reset the connection and drop bytes still on their way.
bool FinishSocket(int fd, std::chrono::milliseconds timeout)
{
    if (::shutdown(fd, SHUT_WR) != 0) return false;
    char sink[512];
    while (WaitFor(fd, POLLIN, Clock::now() + timeout)) {
        const ssize_t received = ::recv(fd, sink, sizeof sink, 0);
        if (received == 0) break;
        if (received < 0 && errno != EINTR) break;
    }
    return true;
}

// A device, a file or a raw socket: bytes go to a file descriptor.
class DescriptorPrinter final : public PrinterConnection {
public:
    DescriptorPrinter(UniqueFd fd, bool isSocket, std::chrono::milliseconds writeTimeout)
        : fd_(std::move(fd)), isSocket_(isSocket), writeTimeout_(writeTimeout)
    {
    }

    bool StartDocument(const std::string&) override { return true; }

    bool Write(std::span<const std::uint8_t> bytes) override
    {
        return WriteWithin(fd_.get(), isSocket_, bytes, writeTimeout_);
    }

    bool EndDocument() override
    {
        const bool finished = !isSocket_ || FinishSocket(fd_.get(), writeTimeout_);
        return fd_.Close() && finished;
    }

private:
    UniqueFd fd_;
    bool isSocket_;
    std::chrono::milliseconds writeTimeout_;
};

UniqueFd ConnectWithin(const SocketAddress& address, std::chrono::milliseconds timeout)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo* found = nullptr;
    if (::getaddrinfo(address.host.c_str(), std::to_string(address.port).c_str(), &hints, &found) != 0) {
        return {};
    }
    const std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> addresses(found, &::freeaddrinfo);
    const auto deadline = Clock::now() + timeout;
    for (const addrinfo* candidate = found; candidate; candidate = candidate->ai_next) {
        UniqueFd fd(::socket(candidate->ai_family, candidate->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                             candidate->ai_protocol));
        if (!fd) continue;
        if (::connect(fd.get(), candidate->ai_addr, candidate->ai_addrlen) == 0) return fd;
        if (errno != EINPROGRESS || !WaitFor(fd.get(), POLLOUT, deadline)) continue;
        int error = 0;
        socklen_t length = sizeof error;
        if (::getsockopt(fd.get(), SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0) return fd;
    }
    return {};
}

}  // namespace

std::unique_ptr<PrinterConnection> OpenDevicePrinter(const PrintDestination& destination)
{
    // Never created here: a missing device must not turn into a file. Non-blocking, so that a
    // FIFO without a reader fails at once and a busy device waits in WriteWithin.
    if (destination.target.find('\0') != std::string::npos) return nullptr;
    UniqueFd fd(::open(destination.target.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC | O_NONBLOCK));
    if (!fd) return nullptr;
    return std::make_unique<DescriptorPrinter>(std::move(fd), false, destination.writeTimeout);
}

std::unique_ptr<PrinterConnection> OpenSocketPrinter(const PrintDestination& destination)
{
    const auto address = ParseSocketUri(destination.target);
    if (!address) return nullptr;
    UniqueFd fd = ConnectWithin(*address, destination.connectTimeout);
    if (!fd) return nullptr;
    return std::make_unique<DescriptorPrinter>(std::move(fd), true, destination.writeTimeout);
}

}  // namespace tessra
