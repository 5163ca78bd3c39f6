#include "cli/CliTestSupport.h"

#include "app/SettingsRecord.h"
#include "platform/PrivateCupsServer.h"
#include "support/TempDir.h"

#include <cups/cups.h>

#include <chrono>

namespace tessra {
namespace {

using test::CliRun;
using testing::PrivateCupsServer;

// The command line against a private spooler: what arrives in the queue must be the very stream
// that --output writes for the same document and choices.
class EmbossToSpoolerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!PrivateCupsServer::MissingTools().empty()) return;
        server = new PrivateCupsServer({{"ZEN-10", PrivateCupsServer::kCaptureDevice},
                                        {"ZEN-10R", PrivateCupsServer::kCaptureDevice}});
        const SpoolerServer address = server->Server();
        cupsSetServer((address.host + ":" + std::to_string(address.port)).c_str());
    }
    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
        cupsSetServer(nullptr);
    }

    void SetUp() override
    {
        if (const std::string missing = PrivateCupsServer::MissingTools(); !missing.empty())
            GTEST_SKIP() << missing;
        ASSERT_TRUE(server->Running()) << server->Error();
    }

    CliRun Tessra(const QStringList& arguments, bool terminal = false)
    {
        return test::RunTessra(arguments, settings, terminal);
    }

    // The bytes of the queue's newest job, once the spooler has passed them on.
    std::string Received(const std::string& queue)
    {
        const auto job = server->FinishedLastJob(queue);
        if (!job) return "(no finished job)";
        const auto bytes = server->CapturedBytes(job->id);
        return bytes ? std::string(bytes->begin(), bytes->end()) : "(nothing captured)";
    }

    static inline PrivateCupsServer* server = nullptr;
    test::TempDir dir;
    std::string settings = dir.File("Tessra.ini");
};

TEST_F(EmbossToSpoolerTest, QueueReceivesTheOutputStreamByteForByte)
{
    AppState cards = test::A4Document();
    ParseFormatString(Catalogue()[12].layout, cards.format);  // 名刺(4): LP24, 5 x 2
    cards.sameDataForAllLabels = false;
    cards.linesPerPage = 4;
    cards.lines = {"", "ABC", "", "#AB", "", "\"*W", "DE", "", "", "Q"};
    AppState freePitch = test::A4Document();
    freePitch.format.lineCode.clear();
    freePitch.format.linePitch = 10.5;
    freePitch.lines.assign(20, "ABCDEFGHIJ");

    const struct {
        const char* name;
        AppState document;
        QStringList options;
    } rows[] = {
        {"ZEN-10", test::A4Document(), {}},
        {"ZEN-10", cards, {"--copies", "3"}},
        {"ZEN-10R", cards, {"--copies", "2", "--thick-paper", "--front-eject"}},
        {"ZEN-10R", freePitch, {"--left", "9.5", "--vertical", "-1.5"}},
    };
    for (const auto& row : rows) {
        const QString file = test::SavedAs(row.document, dir.File("doc.BSE"));
        const CliRun output = Tessra(QStringList{"emboss", file, "--output", "-", "--printer", row.name} + row.options);
        ASSERT_EQ(output.exitCode, 0) << output.err;

        const CliRun sent = Tessra(QStringList{"emboss", file, "--printer", row.name} + row.options);
        ASSERT_EQ(sent.exitCode, 0) << sent.err;
        EXPECT_EQ(sent.err, "");
        EXPECT_EQ(Received(row.name), output.out) << row.name << ' ' << row.options.join(' ').toStdString();
    }
}

TEST_F(EmbossToSpoolerTest, WithoutPrinterOptionTheSettingsPrinterGetsTheJob)
{
    AppState chosen;
    chosen.settingsPath = settings;
    chosen.printerName = "ZEN-10R";
    chosen.printerModel = "ZEN10R";
    chosen.printerPort = "capture";
    ASSERT_TRUE(CreateSettingsFile(settings));
    ASSERT_TRUE(SavePrinterSelection(chosen));
    const QString file = test::SavedAs(test::A4Document(), dir.File("doc.BSE"));

    const CliRun output = Tessra({"emboss", file, "--output", "-"});
    const CliRun sent = Tessra({"emboss", file}, true);
    ASSERT_EQ(sent.exitCode, 0) << sent.err;
    EXPECT_EQ(Received("ZEN-10R"), output.out);
    EXPECT_NE(sent.err.find("100%"), std::string::npos);  // the percentage, on a terminal
}

TEST_F(EmbossToSpoolerTest, UnknownQueueAndStoppedServerAreReportedWithoutHanging)
{
    const QString file = test::SavedAs(test::A4Document(), dir.File("doc.BSE"));
    const CliRun unknown = Tessra({"emboss", file, "--printer", "ZEN-10-missing"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.err, "プリンタのオープンに失敗しました\n");

    server->Stop();
    const auto start = std::chrono::steady_clock::now();
    const CliRun stopped = Tessra({"emboss", file, "--printer", "ZEN-10"});
    EXPECT_EQ(stopped.exitCode, 1);
    EXPECT_EQ(stopped.err, "プリンタのオープンに失敗しました\n");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
}

}  // namespace
}  // namespace tessra
