#include "TransportTestSupport.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

namespace tessra {
namespace {

using namespace std::chrono_literals;
using namespace testing;

// A device path or socket, every wait bounded.
PrintDestination Printer(const std::string& name, const char* port = "")
{
    PrintDestination destination = ChooseDestination(name, "");
    destination.portName = port;
    destination.connectTimeout = destination.writeTimeout = 300ms;
    return destination;
}

TEST(DescriptorTransportTest, DevicePathGetsExactlyTheStreamAndOnlyLptPortsPauseAfterEveryByte)
{
    const test::TempDir dir;
    const auto bytes = AllByteValues();
    for (const auto& [port, pauses] : {std::pair{"LPT1", true}, {"LPT3", true}, {"COM1", false}, {"lpt1", false}}) {
        test::WriteBytes(dir.File("lp0"), std::string(4096, 'x'));  // longer old content must not survive
        CountingSleeper sleeper;
        EXPECT_EQ(FailureOf(Printer(dir.File("lp0"), port), StreamOf(bytes), sleeper), "");
        EXPECT_EQ(test::ReadBytes(dir.File("lp0")), std::string(bytes.begin(), bytes.end())) << port;
        EXPECT_EQ(sleeper.pauses, std::vector(pauses ? bytes.size() : 0, 2ms)) << port;
    }
}

TEST(DescriptorTransportTest, SocketGetsExactlyTheStream)
{
    const auto bytes = AllByteValues();  // few enough to wait in the socket buffers until accepted
    const LoopbackListener listener;
    ASSERT_EQ(FailureOf(Printer("socket://127.0.0.1:" + std::to_string(listener.Port())), StreamOf(bytes)), "");
    const int connection = ::accept(listener.fd, nullptr, nullptr);
    std::vector<std::uint8_t> received;
    for (std::uint8_t byte = 0; ::recv(connection, &byte, 1, 0) == 1;) received.push_back(byte);
    ::close(connection);
    EXPECT_EQ(received, bytes);
}

TEST(DescriptorTransportTest, PrinterThatCannotBeOpenedOrStopsReadingFailsWithoutHanging)
{
    const test::TempDir dir;
    const std::string fifo = dir.File("fifo"), refused = "socket://127.0.0.1:" + std::to_string(LoopbackListener().Port());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& printer : {dir.File("missing"), dir.Path().string(), fifo, refused}) {  // fifo: no reader
        EXPECT_EQ(FailureOf(Printer(printer), StreamOf(AllByteValues())), "プリンタのオープンに失敗しました / Error") << printer;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("missing")));  // a device path is never created

    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);  // open, but never reads
    int sent = 0;
    EXPECT_EQ(FailureOf(Printer(fifo), [&](ByteSink& sink) {
        for (; sent < 1'000'000 && !sink.Failed(); ++sent) sink.SendByte(0x41);
    }), "印刷できませんでした / Error");
    EXPECT_LT(sent, 1'000'000);  // the failed write stopped the stream
    ::close(reader);
}

}  // namespace
}  // namespace tessra
