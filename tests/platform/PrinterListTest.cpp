#include "platform/PrinterList.h"
#include "PrivateCupsServer.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

using testing::PrivateCupsServer;

TEST(PrinterListTest, ListsEveryQueueWithNamePortAndModel)
{
    if (const std::string missing = PrivateCupsServer::MissingTools(); !missing.empty()) GTEST_SKIP() << missing;
    const std::string japaneseR = "\xE7\x82\xB9\xE5\xAD\x97\xEF\xBC\xBA\xEF\xBC\xA5\xEF\xBC\xAE\xEF\xBC\x8D"
                                  "\xEF\xBC\x91\xEF\xBC\x90\xEF\xBC\xB2";  // 点字ＺＥＮ－１０Ｒ
    PrivateCupsServer server({{"ZEN-10", "parallel:/dev/lp0"},
                              {japaneseR, "usb://Embosser/ZEN?serial=7"},
                              {"Laser", "socket://127.0.0.1:9100"}});
    ASSERT_TRUE(server.Running()) << server.Error();

    auto printers = ListPrinters(server.Server());
    std::sort(printers.begin(), printers.end(), [](const auto& a, const auto& b) { return a.queue < b.queue; });
    ASSERT_EQ(printers.size(), 3u);

    EXPECT_EQ(printers[0].queue, "Laser");
    EXPECT_EQ(printers[0].name, "Laser");
    EXPECT_EQ(printers[0].port, "socket//127.0.0.19100");
    EXPECT_EQ(printers[0].model, "");

    EXPECT_EQ(printers[1].queue, "ZEN-10");
    EXPECT_EQ(printers[1].port, "LPT1");
    EXPECT_EQ(printers[1].model, "ZEN10");

    EXPECT_EQ(printers[2].queue, japaneseR);
    // CP932 of 点字ＺＥＮ－１０Ｒ, as the settings record keeps it.
    EXPECT_EQ(printers[2].name, "\x93\x5F\x8E\x9A\x82\x79\x82\x64\x82\x6D\x81\x7C\x82\x50\x82\x4F\x82\x71");
    EXPECT_EQ(printers[2].port, "usb//Embosser/ZEN?serial=7");
    EXPECT_EQ(printers[2].model, "ZEN10R");

    EXPECT_EQ(DestinationForPrinterOption("ZEN-10", server.Server()).portName, "LPT1");
    EXPECT_EQ(DestinationForPrinterOption("NoSuchPrinter", server.Server()).portName, "");
    EXPECT_EQ(DestinationForPrinterOption("/dev/lp1", server.Server()).portName, "LPT2");

    server.Stop();
    const auto started = std::chrono::steady_clock::now();
    EXPECT_TRUE(ListPrinters(server.Server(), std::chrono::seconds(2)).empty());
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(3));
}

}  // namespace
}  // namespace tessra
