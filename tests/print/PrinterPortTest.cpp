#include "print/PrinterPort.h"

#include <gtest/gtest.h>

#include <string>

namespace tessra {
namespace {

struct UriCase {
    const char* uri;
    const char* port;
};

TEST(PrinterPortTest, DeviceUriGivesThePortName)
{
    const UriCase cases[] = {
        {"parallel:/dev/lp0", "LPT1"},
        {"parallel:/dev/lp1", "LPT2"},
        {"parallel:/dev/lp9", "LPT10"},
        {"usb://ZEN/10?serial=A1", "usb//ZEN/10?serial=A1"},
        {"socket://192.168.0.5:9100", "socket//192.168.0.59100"},
        {"file:/tmp/out.bin", "file/tmp/out.bin"},
        // Not a parallel device number: only the colons go.
        {"parallel:/dev/lp", "parallel/dev/lp"},
        {"parallel:/dev/lpx", "parallel/dev/lpx"},
        {"parallel:/dev/lp0x", "parallel/dev/lp0x"},
        {"parallel:/dev/lp-1", "parallel/dev/lp-1"},
        {"parallel:/dev/lp4294967295", "parallel/dev/lp4294967295"},
        {"parallel:/dev/lp99999999999999999999", "parallel/dev/lp99999999999999999999"},
        {"parallel:/dev/parport0", "parallel/dev/parport0"},
        {"", ""},
    };
    for (const UriCase& c : cases) EXPECT_EQ(PortFromDeviceUri(c.uri), c.port) << c.uri;
}

TEST(PrinterPortTest, DevicePathIsItsOwnPortUnlessParallel)
{
    EXPECT_EQ(PortFromDevicePath("/dev/lp0"), "LPT1");
    EXPECT_EQ(PortFromDevicePath("/dev/lp3"), "LPT4");
    EXPECT_EQ(PortFromDevicePath("/dev/usb/lp0"), "/dev/usb/lp0");
    EXPECT_EQ(PortFromDevicePath("/tmp/a:b"), "/tmp/a:b");
}

TEST(PrinterPortTest, OnlyPortsNamingLptPause)
{
    for (const char* port : {"LPT1", "LPT", "xLPTy", "LPT10"}) EXPECT_TRUE(PortPausesAfterEachByte(port)) << port;
    for (const char* port : {"COM1", "USB001", "FILE", "lpt1", "Lpt1", "LP T1", ""}) {
        EXPECT_FALSE(PortPausesAfterEachByte(port)) << port;
    }
}

}  // namespace
}  // namespace tessra
