#include "platform/PrintTransport.h"
#include "PrivateCupsServer.h"
#include "TransportTestSupport.h"
#include "print/JobEncoder.h"
#include "print/MemorySink.h"

#include <cups/ipp.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace tessra {
namespace {

using namespace std::chrono_literals;
using testing::AllByteValues;
using testing::CountingSleeper;
using testing::PrivateCupsServer;
using testing::StreamOf;

const std::string kQueue = "ZEN10";
const std::string kJapaneseQueue = "\xE7\x82\xB9\xE5\xAD\x97\xEF\xBC\xBA\xEF\xBC\xA5\xEF\xBC\xAE";  // 点字ＺＥＮ

// Labels of 100 x 140 mm, 2 x 2 on the sheet, each label its own page.
AppState LabelSheet(const char* model, std::string lineCode)
{
    AppState state;
    state.printerModel = model;
    state.leftMargin = 10;
    state.topMargin = 15;
    SheetFormat& f = state.format;
    f.sheetWidth = 210;
    f.sheetHeight = 297;
    f.rows = f.columns = 2;
    f.labelWidth = 100;
    f.labelHeight = 140;
    f.x3 = f.y3 = 5;
    f.lineCode = std::move(lineCode);
    f.linePitch = 10.2;
    state.linesPerPage = 4;
    state.lines = {"", "ABC", "DE F", "G", "", "HIJ", "", "KLMN", "", "", "OP", ""};
    return state;
}

std::vector<std::uint8_t> Encoded(const AppState& state, const PrintOptions& options, JobProgress& progress)
{
    MemorySink sink;
    EncodePrintJob(state, options, sink, progress);
    return sink.bytes;
}

// Asks for a cancel at the n-th line check.
class CancelAt final : public JobProgress {
public:
    explicit CancelAt(int call) : call_(call) {}
    void SetProgressPos(int) override {}
    bool TakeCancelRequest() override { return ++calls_ == call_; }

private:
    int call_;
    int calls_ = 0;
};

class SpoolerTransportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (PrivateCupsServer::MissingTools().empty()) {
            server_ = std::make_unique<PrivateCupsServer>(std::vector<std::pair<std::string, std::string>>{
                {kQueue, PrivateCupsServer::kCaptureDevice}, {kJapaneseQueue, PrivateCupsServer::kCaptureDevice}});
        }
    }
    static void TearDownTestSuite() { server_.reset(); }

    void SetUp() override
    {
        if (const std::string missing = PrivateCupsServer::MissingTools(); !missing.empty()) GTEST_SKIP() << missing;
        ASSERT_TRUE(server_->Running()) << server_->Error();
    }

    // Prints and returns the bytes the embosser received.
    std::vector<std::uint8_t> PrintAndCapture(const std::string& queue, const std::function<void(ByteSink&)>& stream,
                                              const std::string& documentName = "/home/user/label.BSE")
    {
        const auto failure = RunTransport(server_->Queue(queue), documentName, stream, sleeper_);
        EXPECT_FALSE(failure) << failure->message;
        const auto job = server_->FinishedLastJob(queue);
        if (!job) {
            ADD_FAILURE() << "the job did not finish";
            return {};
        }
        EXPECT_EQ(job->state, IPP_JSTATE_COMPLETED);
        return server_->CapturedBytes(job->id).value_or(std::vector<std::uint8_t>{});
    }

    static std::unique_ptr<PrivateCupsServer> server_;
    CountingSleeper sleeper_;
};

std::unique_ptr<PrivateCupsServer> SpoolerTransportTest::server_;

TEST_F(SpoolerTransportTest, EmbosserReceivesExactlyTheBytesSent)
{
    NoProgress noProgress;
    std::vector<std::uint8_t> large;
    for (int i = 0; i < 5000; ++i) large.push_back(static_cast<std::uint8_t>(i * 7 + i / 256));
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
    } streams[] = {
        {"all byte values", AllByteValues()},
        {"larger than the library's write buffer", large},
        {"ZEN10, 3 copies", Encoded(LabelSheet(mode::kZen10, "LP22"), {3, false, false}, noProgress)},
        {"ZEN10R, thick paper, front ejection, 2 copies",
         Encoded(LabelSheet(mode::kZen10R, ""), {2, true, true}, noProgress)},
        {"one byte", {0x1B}},
    };
    for (const auto& stream : streams) {
        EXPECT_EQ(PrintAndCapture(kQueue, StreamOf(stream.bytes)), stream.bytes) << stream.name;
    }
    EXPECT_TRUE(sleeper_.pauses.empty());
}

TEST_F(SpoolerTransportTest, CancelledJobStillDeliversItsClosingBytes)
{
    const AppState state = LabelSheet(mode::kZen10R, "LP24");
    const PrintOptions options{3, false, true};
    CancelAt expectedCancel(4);
    const auto expected = Encoded(state, options, expectedCancel);
    const std::vector<std::uint8_t> closing{0x1B, 0x1B, 0x46, 0x42, 0x46, 0x0C,
                                            0x1B, 0x1B, 0x46, 0x30, 0x30, 0x1B, 0x1B, 0x52, 0x52};
    ASSERT_GT(expected.size(), closing.size());
    EXPECT_TRUE(std::equal(closing.begin(), closing.end(), expected.end() - closing.size()));

    CancelAt cancel(4);
    EXPECT_EQ(PrintAndCapture(kQueue, [&](ByteSink& sink) { EncodePrintJob(state, options, sink, cancel); }), expected);
}

TEST_F(SpoolerTransportTest, QueueNamedInJapaneseAndAnyDocumentNamePrint)
{
    const auto bytes = AllByteValues();
    // Not UTF-8 and far beyond what the spooler takes as a job name.
    const std::string documentName = "/home/\x93\x5F\x8E\x9A/" + std::string(2000, 'd') + "/label.BSE";
    EXPECT_EQ(PrintAndCapture(kJapaneseQueue, StreamOf(bytes), documentName), bytes);
    const auto job = server_->FinishedLastJob(kJapaneseQueue);
    ASSERT_TRUE(job);
    EXPECT_TRUE(job->title.ends_with("dd/label.BSE")) << job->title;
}

TEST_F(SpoolerTransportTest, PrinterTheSpoolerDoesNotKnowFailsToOpen)
{
    const int jobsBefore = server_->JobCount(kQueue);
    const std::string withNul = kQueue + std::string(1, '\0') + "x";
    for (const std::string& name : {std::string("NoSuchPrinter"), std::string(), withNul, kQueue + std::string(3000, 'Z')}) {
        bool produced = false;
        const auto started = std::chrono::steady_clock::now();
        const auto failure = RunTransport(server_->Queue(name), "a.BSE", [&](ByteSink&) { produced = true; }, sleeper_);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->message, "プリンタのオープンに失敗しました");
        EXPECT_EQ(failure->caption, "Error");
        EXPECT_FALSE(produced);
        EXPECT_LT(std::chrono::steady_clock::now() - started, 1s);
    }
    EXPECT_EQ(server_->JobCount(kQueue), jobsBefore);  // the cut-off names reached no queue
}

TEST_F(SpoolerTransportTest, StreamThatThrowsLeavesNoJobToEmboss)
{
    EXPECT_THROW(RunTransport(
                     server_->Queue(kQueue),
                     "a.BSE",
                     [](ByteSink& sink) {
                         for (const std::uint8_t byte : AllByteValues()) sink.SendByte(byte);
                         throw std::runtime_error("encoder failed");
                     },
                     sleeper_),
                 std::runtime_error);
    const auto job = server_->FinishedLastJob(kQueue);
    ASSERT_TRUE(job);
    EXPECT_EQ(job->state, IPP_JSTATE_CANCELED);
    EXPECT_FALSE(server_->CapturedBytes(job->id));
}

TEST(SpoolerStoppedTest, StoppedServerGivesTheMessagesWithoutHanging)
{
    if (const std::string missing = PrivateCupsServer::MissingTools(); !missing.empty()) GTEST_SKIP() << missing;
    PrivateCupsServer server({{kQueue, PrivateCupsServer::kCaptureDevice}});
    ASSERT_TRUE(server.Running()) << server.Error();
    CountingSleeper sleeper;

    // Stopped while the job is being sent.
    std::size_t sent = 0;
    auto started = std::chrono::steady_clock::now();
    auto failure = RunTransport(server.Queue(kQueue), "a.BSE", [&](ByteSink& sink) {
        for (; sent < 2'000'000; ++sent) {
            if (sent == 10'000) server.Stop();
            sink.SendByte(static_cast<std::uint8_t>(sent));
        }
    }, sleeper);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->message, "印刷できませんでした");
    EXPECT_LT(std::chrono::steady_clock::now() - started, 10s);

    // Stopped before the job.
    started = std::chrono::steady_clock::now();
    failure = RunTransport(server.Queue(kQueue), "a.BSE", StreamOf(AllByteValues()), sleeper);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->message, "プリンタのオープンに失敗しました");
    EXPECT_LT(std::chrono::steady_clock::now() - started, 3s);
}

}  // namespace
}  // namespace tessra
