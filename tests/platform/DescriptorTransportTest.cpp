#include "platform/PrintTransport.h"
#include "TransportTestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace tessra {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::AllByteValues;
using testing::CountingSleeper;
using testing::StreamOf;

void ExpectFailure(const std::optional<TransportFailure>& failure, const char* message)
{
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->message, message);
    EXPECT_EQ(failure->caption, "Error");
}

PrintDestination Destination(const std::string& printer, std::chrono::milliseconds timeout = 300ms)
{
    PrintDestination destination = ChooseDestination(printer, "");
    destination.connectTimeout = destination.writeTimeout = timeout;
    return destination;
}

class DescriptorTransportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/tessra-transport-XXXXXX";
        ASSERT_TRUE(::mkdtemp(pattern));
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path ExistingFile(const std::string& content = "") const
    {
        std::ofstream(dir_ / "lp0", std::ios::binary) << content;
        return dir_ / "lp0";
    }

    fs::path dir_;
    CountingSleeper sleeper_;
};

TEST_F(DescriptorTransportTest, DevicePathReceivesExactlyTheStream)
{
    const auto bytes = AllByteValues();
    // Longer old content must not survive behind the stream.
    const fs::path device = ExistingFile(std::string(4096, 'x'));
    EXPECT_FALSE(RunTransport(Destination(device), "/docs/a.BSE", StreamOf(bytes), sleeper_));
    std::ifstream file(device, std::ios::binary);
    EXPECT_EQ(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {}), bytes);
}

TEST_F(DescriptorTransportTest, OnlyLptPortsPauseTwoMillisecondsAfterEveryByte)
{
    const auto bytes = AllByteValues();
    for (const auto& [port, pauses] : {std::pair{"LPT1", true}, {"LPT3", true}, {"COM1", false}, {"USB001", false},
                                       {"FILE", false}, {"lpt1", false}}) {
        PrintDestination destination = Destination(ExistingFile());
        destination.portName = port;
        CountingSleeper sleeper;
        EXPECT_FALSE(RunTransport(destination, "", StreamOf(bytes), sleeper));
        EXPECT_EQ(sleeper.pauses, std::vector(pauses ? bytes.size() : 0, 2ms)) << port;
    }
}

TEST_F(DescriptorTransportTest, DeviceThatCannotBeOpenedSendsNothing)
{
    ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0600), 0);  // nobody reads it
    for (const fs::path& path : {dir_ / "missing", dir_ / "no-dir" / "lp0", dir_, dir_ / "fifo"}) {
        bool produced = false;
        ExpectFailure(RunTransport(Destination(path), "", [&](ByteSink&) { produced = true; }, sleeper_),
                      "プリンタのオープンに失敗しました");
        EXPECT_FALSE(produced) << path;
    }
    EXPECT_FALSE(fs::exists(dir_ / "missing"));  // a device path is never created
}

TEST_F(DescriptorTransportTest, DeviceThatStopsReadingEndsTheJobInsteadOfHanging)
{
    const fs::path fifo = dir_ / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);  // open, but never reads
    constexpr std::size_t kMoreThanThePipeHolds = 200'000;
    std::size_t sent = 0;
    const auto failure = RunTransport(Destination(fifo, 20ms), "", [&](ByteSink& sink) {
        for (; sent < kMoreThanThePipeHolds; ++sent) sink.SendByte(0x41);
    }, sleeper_);
    ::close(reader);
    ExpectFailure(failure, "印刷できませんでした");
    EXPECT_LT(sent, kMoreThanThePipeHolds);  // the failed write stopped the stream
}

// A loopback listening socket; `backlog` 0 with a few unaccepted connections drops the next
// handshake, as a dead host does.
struct Listener {
    explicit Listener(int backlog = 1) : fd(::socket(AF_INET, SOCK_STREAM, 0))
    {
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(fd, reinterpret_cast<sockaddr*>(&address), length);
        ::listen(fd, backlog);
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    }
    ~Listener() { ::close(fd); }
    std::string Uri() const { return "socket://127.0.0.1:" + std::to_string(ntohs(address.sin_port)); }

    int fd;
    sockaddr_in address{};
};

TEST_F(DescriptorTransportTest, SocketReceivesExactlyTheStreamWithoutPauses)
{
    const auto bytes = AllByteValues();
    Listener listener;
    std::vector<std::uint8_t> received;
    std::thread embosser([&] {
        const int connection = ::accept(listener.fd, nullptr, nullptr);
        char buffer[4096];
        for (ssize_t count; (count = ::recv(connection, buffer, sizeof buffer, 0)) > 0;) {
            received.insert(received.end(), buffer, buffer + count);
        }
        ::close(connection);
    });
    EXPECT_FALSE(RunTransport(Destination(listener.Uri()), "", StreamOf(bytes), sleeper_));
    embosser.join();
    EXPECT_EQ(received, bytes);
    EXPECT_TRUE(sleeper_.pauses.empty());
}

TEST_F(DescriptorTransportTest, SocketNobodyAnswersFailsToOpenWithinTheTimeout)
{
    std::string refused = Listener().Uri();
    Listener full(0);
    std::vector<int> waiting;
    for (int i = 0; i < 4; ++i) {
        waiting.push_back(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0));
        ::connect(waiting.back(), reinterpret_cast<sockaddr*>(&full.address), sizeof full.address);
    }
    for (const std::string& uri : {refused, full.Uri(), std::string("socket://127.0.0.1:0")}) {
        const auto started = std::chrono::steady_clock::now();
        ExpectFailure(RunTransport(Destination(uri), "", StreamOf(AllByteValues()), sleeper_),
                      "プリンタのオープンに失敗しました");
        EXPECT_LT(std::chrono::steady_clock::now() - started, 3s) << uri;
    }
    for (const int fd : waiting) ::close(fd);
}

}  // namespace
}  // namespace tessra
