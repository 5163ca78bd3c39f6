#include "platform/PrinterList.h"
#include "PrivateCupsServer.h"
#include "TransportTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessra {
namespace {

using namespace std::chrono_literals;
using namespace testing;

const std::string kQueue = "ZEN10";
const std::string kJapaneseQueue = "\xE7\x82\xB9\xE5\xAD\x97\xEF\xBC\xBA\xEF\xBC\xA5\xEF\xBC\xAE\xEF\xBC\x8D"
                                   "\xEF\xBC\x91\xEF\xBC\x90\xEF\xBC\xB2";  // 点字ＺＥＮ－１０Ｒ
constexpr const char* kCapture = PrivateCupsServer::kCaptureDevice;
const std::string kOpenFailed = "プリンタのオープンに失敗しました / Error";

// Every byte value must arrive; real embosser streams go through the queue in EmbossToSpoolerTest.
TEST(SpoolerTransportTest, EmbosserReceivesExactlyTheBytesSent)
{
    if (const std::string missing = PrivateCupsServer::MissingTools(); !missing.empty()) GTEST_SKIP() << missing;
    const PrivateCupsServer server({{kQueue, kCapture}, {kJapaneseQueue, kCapture}});
    ASSERT_TRUE(server.Running()) << server.Error();
    const std::tuple<std::string, std::string, std::vector<std::uint8_t>> jobs[] = {
        {kQueue, "/home/user/label.BSE", AllByteValues(20)},  // also beyond the library's write buffer
        {kQueue, "label.BSE", AllByteValues()},
        // A document name not in UTF-8 and far beyond what the spooler takes as a job name.
        {kJapaneseQueue, "/home/\x93\x5F\x8E\x9A/" + std::string(2000, 'd') + "/label.BSE", AllByteValues(2)},
    };
    for (const auto& [queue, document, bytes] : jobs) {
        EXPECT_EQ(FailureOf(server.Queue(queue), StreamOf(bytes), RealSleeper(), document), "");
        const auto done = server.FinishedLastJob(queue);
        EXPECT_EQ(server.CapturedBytes(done ? done->id : 0), bytes) << document;
    }
}

TEST(SpoolerTransportTest, ListAndJobsFollowTheServerUntilItStopsWithoutHanging)
{
    if (const std::string missing = PrivateCupsServer::MissingTools(); !missing.empty()) GTEST_SKIP() << missing;
    PrivateCupsServer server(
        {{"ZEN-10", "parallel:/dev/lp0"}, {kJapaneseQueue, "usb://ZEN/10R"}, {"Laser", "socket://127.0.0.1:9100"}});
    ASSERT_TRUE(server.Running()) << server.Error();
    auto printers = ListPrinters(server.Server());
    std::ranges::sort(printers, {}, &PrinterEntry::queue);  // Laser, ZEN-10, 点字ＺＥＮ－１０Ｒ
    ASSERT_EQ(printers.size(), 3u);
    EXPECT_EQ(std::tie(printers[0].port, printers[1].port, printers[1].model, printers[2].port, printers[2].model),
              std::tuple("socket//127.0.0.19100", "LPT1", "ZEN10", "usb//ZEN/10R", "ZEN10R"));
    // The name in CP932, as the settings record keeps it.
    EXPECT_EQ(printers[2].name, "\x93\x5F\x8E\x9A\x82\x79\x82\x64\x82\x6D\x81\x7C\x82\x50\x82\x4F\x82\x71");
    EXPECT_EQ(DestinationForPrinterOption("ZEN-10", server.Server()).portName, "LPT1");

    const auto started = std::chrono::steady_clock::now();
    // Cut off at its NUL, the third would name an existing queue; the last is far beyond any name.
    for (const std::string& name : {std::string("NoSuchPrinter"), std::string(), "Laser" + std::string(1, '\0') + "x",
                                    "ZEN-10" + std::string(3000, 'Z')}) {
        EXPECT_EQ(FailureOf(server.Queue(name), StreamOf(AllByteValues())), kOpenFailed) << name.size();
    }
    EXPECT_EQ(FailureOf(server.Queue("ZEN-10"), [&](ByteSink& sink) {
        for (int sent = 0; sent < 2'000'000 && !sink.Failed(); ++sent) {
            if (sent == 10'000) server.Stop();
            sink.SendByte(static_cast<std::uint8_t>(sent));
        }
    }), "印刷できませんでした / Error");
    EXPECT_EQ(FailureOf(server.Queue("ZEN-10"), StreamOf(AllByteValues())), kOpenFailed);
    EXPECT_TRUE(ListPrinters(server.Server(), 2s).empty());
    EXPECT_LT(std::chrono::steady_clock::now() - started, 10s);
}

// A spooler that takes the connection and then never answers is given up within the bound (a
// second at least, as libcups waits); the print dialog's test cancels it sooner.
TEST(SpoolerTransportTest, ASpoolerThatNeverAnswersIsGivenUp)
{
    const LoopbackListener silent;
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(FailureOf({.target = kQueue, .portName = "", .server = SpoolerServer{"127.0.0.1", silent.Port()},
                         .connectTimeout = 500ms}, StreamOf(AllByteValues())), kOpenFailed);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 3s);
}

// The spooler took the whole document but will not print it: the job says so.
TEST(SpoolerTransportTest, AJobTheSpoolerHoldsOrAbortsIsReported)
{
    if (const std::string missing = PrivateCupsServer::MissingTools(); !missing.empty()) GTEST_SKIP() << missing;
    const PrivateCupsServer server({{"Disabled", kCapture}, {"Unwritable", "capture:/no"}, {"Aborting", "capture:/no"}});
    ASSERT_TRUE(server.Running()) << server.Error();
    ASSERT_TRUE(server.Command("cupsdisable", {"Disabled"}));
    ASSERT_TRUE(server.Command("lpadmin", {"-p", "Aborting", "-o", "printer-error-policy=abort-job"}));
    const std::string held = "プリンタが停止しているため、印刷は保留されています / Error";
    EXPECT_EQ(FailureOf(server.Queue("Disabled"), StreamOf(AllByteValues())), held);
    EXPECT_EQ(FailureOf(server.Queue("Unwritable"), StreamOf(AllByteValues())), held);  // the queue stops itself
    EXPECT_EQ(FailureOf(server.Queue("Aborting"), StreamOf(AllByteValues())), "プリンタで印刷が中止されました / Error");
}

}  // namespace
}  // namespace tessra
