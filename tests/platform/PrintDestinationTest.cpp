#include "platform/PrintDestination.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

using namespace std::string_view_literals;

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

}  // namespace
}  // namespace tessra
