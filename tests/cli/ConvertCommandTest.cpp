#include "cli/CliTestSupport.h"

#include "document/BraillePages.h"
#include "document/DocumentCommands.h"
#include "platform/TextCodec.h"

#include <filesystem>

namespace tessra::test {
namespace {

using ConvertTest = CliTest;

const QString kSample = QStringLiteral(TESSRA_SOURCE_DIR "/examples/sample.BSE");

TEST_F(ConvertTest, ChainsEveryKindAndComesBackToTheSameCells)
{
    QString from = kSample;
    for (const char* name : {"a.brf", "b.PEF", "c.txt", "d.bse", "e.Brf"}) {
        const QString to = QString::fromStdString(dir.File(name));
        const CliRun run = Tessra({"convert", from, to});
        ASSERT_EQ(run.exitCode, 0) << name << run.err;
        EXPECT_EQ(run.err, "");
        from = to;
    }
    AppState sample, converted;
    ASSERT_EQ(OpenDocument(sample, kSample.toStdString()), std::nullopt);
    ASSERT_EQ(OpenDocument(converted, dir.File("e.Brf")), std::nullopt);
    EXPECT_EQ(DocumentPages(converted), DocumentPages(sample));
    EXPECT_EQ(ReadBytes(dir.File("a.brf")), ReadBytes(dir.File("e.Brf")));
}

TEST_F(ConvertTest, FormatLaysOutTheBrailleAndOtherCommandsReadTheFilesToo)
{
    WriteBytes(dir.File("cards.brf"), "A\r\n\fB\r\n\f");
    const std::string out = dir.File("cards.BSE");
    ASSERT_EQ(Tessra({"convert", QString::fromStdString(dir.File("cards.brf")), QString::fromStdString(out),
                      "--format", "マルチラベル@名刺(1)  10面 ｾﾝﾀｰ 0㎜"}).exitCode, 0);
    AppState state;
    ASSERT_EQ(OpenDocument(state, out), std::nullopt);
    const Preset* cards = FindPresetByKey(Utf8ToCp932("マルチラベル@名刺(1) 10面 ｾﾝﾀｰ 0㎜"));
    ASSERT_NE(cards, nullptr);
    EXPECT_EQ(state.filePresetKey, PadPresetKey(PresetKey(cards->kind, cards->sizeName)));
    EXPECT_FALSE(state.sameDataForAllLabels);
    const CliRun read = Tessra({"read", QString::fromStdString(dir.File("cards.brf")), "--braille"});
    EXPECT_EQ(read.exitCode, 0);
    EXPECT_EQ(read.out, "[1]\n⠁\n");  // the A4 sheet's one label shows the first page
}

TEST_F(ConvertTest, RefusalsNameTheirPlaceAndWriteNothing)
{
    WriteBytes(dir.File("bad.brf"), "AB\r\nC\tD\r\n");
    WriteBytes(dir.File("out.pef"), "kept");
    AppState cells = A4Document();
    cells.lines.push_back("\x7F");
    const QString foreign = Save(cells);
    const struct {
        QStringList arguments;
        std::string message;
    } rows[] = {
        {{"convert", QString::fromStdString(dir.File("bad.brf")), QString::fromStdString(dir.File("out.pef"))},
         dir.File("bad.brf") + "\n\n2 行 2 文字目: 点字のコードにないバイト 0x09 です\n"},
        {{"convert", foreign, QString::fromStdString(dir.File("out.pef"))},
         "ページ 1 の 3 行 1 マス目: 点字のコードにないバイト 0x7F は書き出せません\n"},
        {{"convert", QString::fromStdString(dir.File("missing.txt")), QString::fromStdString(dir.File("out.pef"))},
         dir.File("missing.txt") + "\n\nファイルのオープンに失敗しました。\n"},
    };
    for (const auto& row : rows) {
        const CliRun run = Tessra(row.arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, row.message);
        EXPECT_EQ(ReadBytes(dir.File("out.pef")), "kept");
    }
}

TEST_F(ConvertTest, WrongLinesAreUsageErrors)
{
    const QString bse = Save(A4Document());
    for (const QStringList& arguments : QList<QStringList>{
             {"convert", bse}, {"convert", bse, "a.brf", "b.brf"}, {"convert", bse, "a.doc"},
             {"convert", "a.rtf", "a.brf"}, {"convert", bse, "a.brf", "--format", "単票紙@Ａ４（縦）"},
             {"convert", "a.brf", "a.bse", "--format", "A3"}}) {
        const CliRun run = Tessra(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_NE(run.err.find("Usage: tessra convert"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("a.brf")));
}

}  // namespace
}  // namespace tessra::test
