#include "TransportTestSupport.h"
#include "platform/PrintDestination.h"
#include "platform/SpoolerJobName.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

namespace tessra {
namespace {

using namespace std::chrono_literals;
using namespace std::string_view_literals;
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

TEST(PrintDestinationTest, PrinterNameChoosesTheKindAndWhereThePortNameComesFrom)
{
    // A queue takes the spooler's port, here "COM1"; a device path or a socket has its own.
    EXPECT_EQ(ChooseDestination("ZEN10:LPT1", "COM1").portName, "COM1");
    EXPECT_EQ(ChooseDestination("/dev/lp0", "COM1").portName, "LPT1");
    EXPECT_EQ(ChooseDestination("socket:/embosser", "COM1").kind, PrintDestination::Kind::Device);
    EXPECT_EQ(ChooseDestination("socket://10.1.2.3:9100", "COM1").portName, "socket//10.1.2.39100");
}

TEST(PrintDestinationTest, SocketUriGivesHostAndPortOrNothingWhenMalformed)
{
    const auto parsed = [](std::string_view uri) {
        const auto address = ParseSocketUri(uri);
        return address ? address->host + " " + std::to_string(address->port) : "refused";
    };
    EXPECT_EQ(parsed("socket://embosser"), "embosser 9100");
    EXPECT_EQ(parsed("socket://[fe80::1%eth0]:65535"), "fe80::1%eth0 65535");
    for (const std::string_view uri : {"socket://"sv, "socket://:9100"sv, "socket://host:"sv, "socket://host:0"sv,
                                       "socket://host:65536"sv, "socket://host:99999999999"sv, "socket://host:1x"sv,
                                       "socket://[::1"sv, "socket://[::1]x"sv, "socket://[]:9100"sv,
                                       "socket://host/path"sv, "socket://host\0.example"sv, "http://host"sv}) {
        EXPECT_EQ(parsed(uri), "refused") << uri;
    }
}

TEST(SpoolerJobNameTest, ReplacesBytesThatAreNotUtf8AndKeepsTheEndOfLongNames)
{
    const std::string bad = "\xEF\xBF\xBD";  // U+FFFD
    const std::string utf8 = "/\xE7\x82\xB9\xE5\xAD\x97/\xF0\x9F\x93\x84.BSE";  // 点字, U+1F4C4
    const std::pair<std::string, std::string> cases[] = {
        {utf8, utf8},
        {"/a/\x93\x5F\x8E\x9A.BSE", "/a/" + bad + "_" + bad + bad + ".BSE"},  // 点字 in CP932
        // Overlong '/', a surrogate, above U+10FFFF, a cut-off sequence: one U+FFFD for each byte.
        {"\xC0\xAF|\xED\xA0\x80|\xF4\x90\x80\x80|\xE7\x82",
         bad + bad + "|" + bad + bad + bad + "|" + bad + bad + bad + bad + "|" + bad + bad},
        // The last 255 bytes start inside the second あ: only whole characters remain.
        {"/\xE3\x81\x82\xE3\x81\x82" + std::string(253, 'y'), std::string(253, 'y')},
        {"/" + std::string(255, 'x'), std::string(255, 'x')},
    };
    for (const auto& [name, expected] : cases) EXPECT_EQ(SpoolerJobName(name), expected) << name.size();
}

}  // namespace
}  // namespace tessra
