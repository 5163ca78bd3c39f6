#include "platform/PrintDestination.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

using Kind = PrintDestination::Kind;

TEST(PrintDestinationTest, PrinterNameChoosesTheKind)
{
    const struct {
        const char* printer;
        Kind kind;
    } cases[] = {
        {"ZEN10", Kind::Spooler},
        {"\xE7\x82\xB9\xE5\xAD\x97ZEN-10", Kind::Spooler},  // 点字ZEN-10
        {"ZEN10:LPT1", Kind::Spooler},
        {"/dev/usb/lp0", Kind::Device},
        {"out/job.bin", Kind::Device},
        {"socket://embosser", Kind::Socket},
        {"socket:/embosser", Kind::Device},
    };
    for (const auto& c : cases) EXPECT_EQ(KindOfPrinter(c.printer), c.kind) << c.printer;
}

TEST(PrintDestinationTest, PortNameComesFromTheSpoolerOrTheTargetItself)
{
    const PrintDestination queue = ChooseDestination("ZEN10", "LPT1");
    EXPECT_EQ(queue.kind, Kind::Spooler);
    EXPECT_EQ(queue.target, "ZEN10");
    EXPECT_EQ(queue.portName, "LPT1");

    const PrintDestination parallel = ChooseDestination("/dev/lp0", "ignored");
    EXPECT_EQ(parallel.kind, Kind::Device);
    EXPECT_EQ(parallel.portName, "LPT1");
    EXPECT_EQ(ChooseDestination("/dev/usb/lp0", "LPT1").portName, "/dev/usb/lp0");

    const PrintDestination socket = ChooseDestination("socket://10.1.2.3:9100", "LPT1");
    EXPECT_EQ(socket.kind, Kind::Socket);
    EXPECT_EQ(socket.target, "socket://10.1.2.3:9100");
    EXPECT_EQ(socket.portName, "socket//10.1.2.39100");
}

TEST(PrintDestinationTest, SocketUriGivesHostAndPort)
{
    const struct {
        const char* uri;
        const char* host;
        std::uint16_t port;
    } cases[] = {
        {"socket://embosser", "embosser", 9100},
        {"socket://embosser:9101", "embosser", 9101},
        {"socket://192.168.1.20:65535", "192.168.1.20", 65535},
        {"socket://[::1]", "::1", 9100},
        {"socket://[fe80::1%eth0]:9200", "fe80::1%eth0", 9200},
    };
    for (const auto& c : cases) {
        const auto address = ParseSocketUri(c.uri);
        ASSERT_TRUE(address) << c.uri;
        EXPECT_EQ(address->host, c.host) << c.uri;
        EXPECT_EQ(address->port, c.port) << c.uri;
    }
}

TEST(PrintDestinationTest, MalformedSocketUriIsRefused)
{
    const std::string withNul("socket://embosser\0.example", 26);
    for (const std::string uri : {"socket://", "socket://:9100", "socket://host:", "socket://host:0",
                                  "socket://host:65536", "socket://host:99999999999", "socket://host:12ab",
                                  "socket://host:+1", "socket://host: 1", "socket://host:1:2", "socket://[::1",
                                  "socket://[::1]x", "socket://[]:9100", "socket://host/path", "http://host",
                                  "socket:/host"}) {
        EXPECT_FALSE(ParseSocketUri(uri)) << uri;
    }
    EXPECT_FALSE(ParseSocketUri(withNul));
}

}  // namespace
}  // namespace tessra
