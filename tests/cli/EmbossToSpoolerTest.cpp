#include "cli/CliTestSupport.h"

#include "platform/EmbosserQueues.h"
#include "settings/SettingsRecord.h"

namespace tessra {
namespace {

// The command line against a private spooler: what arrives in the queue must be the very stream
// that --output writes for the same document and choices.
using EmbossToSpoolerTest = testing::WithEmbosserQueues<test::CliTest>;

TEST_F(EmbossToSpoolerTest, QueueReceivesTheOutputStreamByteForByte)
{
    AppState chosen;  // the settings' printer, used when no --printer is given
    chosen.settingsPath = settings;
    chosen.printerName = "ZEN-10R";
    chosen.printerModel = "ZEN10R";
    chosen.printerPort = "capture";
    ASSERT_TRUE(CreateSettingsFile(settings) && SavePrinterSelection(chosen));
    // 名刺(4): LP24, 5 x 2
    const AppState cards = test::PerLabelDocument(Catalogue()[12], 4, {"", "ABC", "", "#AB", "", "\"*W", "DE", "", "", "Q"});
    // 25 pages from label 4: labels 4 to 10, then two more sheets, the last one half used.
    const AppState longList = test::PerLabelDocument(Catalogue()[12], 2, test::LetterPages(25));
    const struct { const char* queue; AppState document; QStringList options; } rows[] = {
        {"ZEN-10", cards, {"--printer", "ZEN-10", "--copies", "3"}},
        {"ZEN-10", longList, {"--printer", "ZEN-10", "--start", "4"}},
        {"ZEN-10R", cards, {"--printer", "ZEN-10R", "--copies", "2", "--thick-paper", "--front-eject"}},
        {"ZEN-10R", test::A4Document(), {"--printer", "ZEN-10R", "--left", "9.5", "--vertical", "-1.5"}},
        {"ZEN-10R", test::A4Document(), {}},  // the settings' printer, sending on a terminal
    };
    for (const auto& row : rows) {
        const QStringList emboss = QStringList{"emboss", Save(row.document)} + row.options;
        const auto output = Tessra(emboss + QStringList{"--output", "-"});
        const auto sent = Tessra(emboss, row.options.isEmpty());
        ASSERT_EQ(std::tuple(output.exitCode, sent.exitCode), std::tuple(0, 0)) << output.err << sent.err;
        EXPECT_EQ(sent.err.find("100%") != std::string::npos, row.options.isEmpty()) << sent.err;
        EXPECT_EQ(Received(row.queue), output.out) << row.queue << ' ' << row.options.join(' ').toStdString();
    }
}

// A stopped spooler is the transport's own test; here only that the command reports a failure.
TEST_F(EmbossToSpoolerTest, UnknownQueueIsReported)
{
    const auto run = Tessra({"emboss", Save(test::A4Document()), "--printer", "ZEN-10-missing"});
    EXPECT_EQ(std::tie(run.exitCode, run.err), std::tuple(1, "プリンタのオープンに失敗しました\n"));
}

}  // namespace
}  // namespace tessra
