#include "cli/CliTestSupport.h"

#include "document/BraillePages.h"
#include "document/DocumentCommands.h"
#include "platform/TextCodec.h"
#include "support/DocumentSetUp.h"

#include <filesystem>

namespace tessra::test {
namespace {

using ConvertTest = CliTest;

TEST_F(ConvertTest, ChainsEveryKindAndComesBackToTheSameCells)
{
    QString from = kSample;
    for (const char* name : {"a.brf", "b.PEF", "c.txt", "d.bse", "e.Brf"}) {
        const QString to = QString::fromStdString(dir.File(name));
        const CliRun run = Tessra({"convert", from, to});
        ASSERT_EQ(run.exitCode, 0) << name << run.err;
        from = to;
    }
    AppState original, converted;
    ASSERT_EQ(OpenDocument(original, kSample.toStdString()), std::nullopt);
    ASSERT_EQ(OpenDocument(converted, dir.File("e.Brf")), std::nullopt);
    EXPECT_EQ(DocumentPages(converted), DocumentPages(original));
    EXPECT_EQ(ReadBytes(dir.File("a.brf")), ReadBytes(dir.File("e.Brf")));
}

TEST_F(ConvertTest, FormatLaysOutTheBrailleAndOtherCommandsReadTheFilesToo)
{
    const QString brf = QString::fromStdString(dir.File("cards.brf"));
    WriteBytes(brf.toStdString(), "A\r\n\fB\r\n\f");
    const char* const key = "マルチラベル@名刺(1)  10面 ｾﾝﾀｰ 0㎜";
    ASSERT_EQ(Tessra({"convert", brf, QString::fromStdString(dir.File("cards.BSE")), "--format", key}).exitCode, 0);
    AppState state;
    ASSERT_EQ(OpenDocument(state, dir.File("cards.BSE")), std::nullopt);
    const Preset* cards = FindPresetByKey(Utf8ToCp932(key));
    ASSERT_NE(cards, nullptr);
    EXPECT_EQ(state.document.filePresetKey(), PadPresetKey(PresetKey(cards->kind, cards->sizeName)));
    EXPECT_FALSE(state.document.sameDataForAllLabels());
    // The A4 sheet has one label: the second page goes on a second sheet.
    EXPECT_EQ(Tessra({"read", brf, "--braille"}).out, "[1]\n⠁\n[2]\n⠃\n");
}

TEST_F(ConvertTest, RefusalsNameTheirPlaceAndWriteNothing)
{
    const QString out = QString::fromStdString(dir.File("out.pef"));
    WriteBytes(out.toStdString(), "kept");
    WriteBytes(dir.File("bad.brf"), "AB\r\nC\tD\r\n");
    WriteBytes(dir.File("feeds.brf"), std::string(300'000, '\f'));  // a page of 4 bytes each in BSE
    AppState foreign = A4Document();
    Set(foreign).lines.push_back("\x7F");
    const std::pair<QString, std::string> rows[] = {
        {QString::fromStdString(dir.File("bad.brf")), dir.File("bad.brf") + "\n\n2 行 2 文字目: 点字のコードにないバイト 0x09 です\n"},
        {Save(foreign), "ページ 1 の 3 行 1 マス目: 点字のコードにないバイト 0x7F は書き出せません\n"},
        {QString::fromStdString(dir.File("no.txt")), dir.File("no.txt") + "\n\nファイルのオープンに失敗しました。\n"},
        {QString::fromStdString(dir.File("feeds.brf")),
         dir.File("feeds.brf") + "\n\n点字文書が１Ｍ バイト 以上の大きさになるため、開けません。\n"},
    };
    for (const auto& [in, message] : rows) {
        const CliRun run = Tessra({"convert", in, out});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, message);
        EXPECT_EQ(ReadBytes(out.toStdString()), "kept");
    }
}

// Braille that the labels cannot hold would be lost when the document is embossed: written as a
// BSE document only when asked for, and named where it starts. Other kinds keep every cell.
TEST_F(ConvertTest, BrailleTheLabelsCannotHoldGoesIntoABseDocumentOnlyWhenAskedFor)
{
    std::string longPage = "A\r\n\f";  // page 2: 29 lines, the A4 label holds 28
    for (int line = 0; line < 29; ++line) longPage += "C\r\n";
    const struct { std::string brf, place; } rows[] = {
        {"A\r\n" + std::string(41, 'B') + " \r\n", "1 ページ 2 行目: 点字 2 マス"},
        {longPage, "2 ページ 29 行目: 点字 1 マス"},
    };
    const QString brf = QString::fromStdString(dir.File("in.brf")), bse = QString::fromStdString(dir.File("out.bse"));
    for (const auto& row : rows) {
        WriteBytes(brf.toStdString(), row.brf);
        const CliRun refused = Tessra({"convert", brf, bse});
        EXPECT_EQ(std::tie(refused.exitCode, refused.err),
                  std::tuple(1, row.place + "がラベルに入りません（ラベルに入るのは 1 行 39 マス、28 行まで）。"
                                "入らない点字は印刷されません。そのまま変換するには --keep-overflow を付けてください\n"));
        EXPECT_FALSE(std::filesystem::exists(bse.toStdString()));
        EXPECT_EQ(Tessra({"convert", brf, QString::fromStdString(dir.File("out.pef"))}).exitCode, 0);
        ASSERT_EQ(Tessra({"convert", brf, bse, "--keep-overflow"}).exitCode, 0);
        EXPECT_NE(Tessra({"check", bse}).out.find("\nbeyond label: "), std::string::npos);
        std::filesystem::remove(bse.toStdString());
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
    EXPECT_FALSE(std::filesystem::exists("a.brf"));
}

}  // namespace
}  // namespace tessra::test
