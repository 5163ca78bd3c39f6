#include "cli/CliTestSupport.h"
#include "reading/MecabAnalyser.h"
#include "support/ReadingSpelling.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace tessra::test {
namespace {

class ReadingCommandTest : public CliTest {
protected:
    QString Write(std::string_view name, std::string_view text)
    {
        const std::string path = dir.File(name);
        std::ofstream(path) << text;
        return QString::fromStdString(path);
    }

    QString Dictionary() { return Write("readings.tsv", "東海林\tしょーじ\n"); }
};

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Compose of kanji text, then read: every label shows the reading that `reading` printed, in
// the reading's spelling.
TEST_F(ReadingCommandTest, ComposedKanjiReadsBackAsTheReadingPrinted)
{
    const QString text = Write("cards.txt", "東海林太郎様\n丸の内一丁目\n---\n3月15日まで\n"
                                            "砂糖（国産）、塩\n---\nさとう\n");
    const auto reading = Tessra({"reading", text, "--dictionary", Dictionary()});
    ASSERT_EQ(reading.exitCode, 0) << reading.err;
    EXPECT_EQ(reading.out, "しょーじ たろーさま\nまるのうち 1ちょーめ\n---\n"
                           "3がつ 15にちまで\nさとー （こくさん）、 しお\n---\nさとう\n");

    const QString document = QString::fromStdString(dir.File("cards.BSE"));
    const auto composed = Tessra({"compose", text, "--output", document, "--dictionary", Dictionary(),
                                  "--format", "マルチラベル@名刺(1)  10面 ｾﾝﾀｰ 0㎜"});
    ASSERT_EQ(composed.exitCode, 0) << composed.err;
    std::vector<std::string> expected;
    int label = 0;
    for (const std::string& line : Lines(reading.out)) {
        if (line == "---" || expected.empty()) expected.push_back("[" + std::to_string(++label) + "]");
        if (line != "---") expected.push_back(ReadingSpelling(line));
    }
    std::vector<std::string> read = Lines(Tessra({"read", document}).out);
    std::erase(read, "");
    read.resize(std::min(read.size(), expected.size()));
    EXPECT_EQ(read, expected);
}

// The README's name card: kanji, letters with a slash, a phone number, an email address and a
// postal code on one card's two sides, composed on a business-card sheet, read back and embossed.
TEST_F(ReadingCommandTest, ANameCardComposesReadsBackAndEmbosses)
{
    const QString document = QString::fromStdString(dir.File("card.BSE"));
    const auto composed = Tessra({"compose", TESSRA_SOURCE_DIR "/examples/name-card.txt", "--output", document,
                                  "--format", "マルチラベル@名刺(1) 10面 ｾﾝﾀｰ 0㎜"});
    ASSERT_EQ(composed.exitCode, 0) << composed.err;
    std::vector<std::string> plain = Lines(Tessra({"read", document, "--plain"}).out);
    plain.resize(11);
    EXPECT_EQ(plain, (std::vector<std::string>{"[1]", "やまだ たろー", "てっすら しょーかい", "えいぎょー ぶちょー",
                                               "TEL/FAX", "045-671-2200", "[2]", "yamada@ts.jp",
                                               "ゆーびん 222-0033", "よこはまし こーほくく", "しんよこはま 2-5-14"}));
    const std::vector<std::string> cells = Lines(Tessra({"read", document, "--label", "1", "--braille"}).out);
    ASSERT_EQ(cells.size(), 6u);
    EXPECT_EQ(cells[5], "⠼⠚⠙⠑⠤⠼⠋⠛⠁⠤⠼⠃⠃⠚⠚");
    const auto stream = Tessra({"emboss", document, "--output", QString::fromStdString(dir.File("card.bin")),
                                "--model", "ZEN10"});
    EXPECT_EQ(stream.exitCode, 0) << stream.err;
}

TEST_F(ReadingCommandTest, NamesWhatCannotBeReadOrWrittenAndWritesNothing)
{
    const QString text = Write("bad.txt", "龘\n「本日」☎\n");
    const auto reading = Tessra({"reading", text});
    EXPECT_EQ(reading.exitCode, 1);
    EXPECT_EQ(reading.err, "1 行 1 文字目「龘」: この漢字の読みがわかりません。読みをユーザー辞書（readings.tsv）に書いてください\n"
                           "2 行 5 文字目「☎」: 絵文字や絵記号、罫線は点字にできません\n"
                           "意味をかなで書いてください（例: でんわ）\n");
    const std::string document = dir.File("bad.BSE");
    EXPECT_EQ(Tessra({"compose", text, "--output", QString::fromStdString(document)}).err, reading.err);
    EXPECT_FALSE(std::filesystem::exists(document));

    const QString broken = Write("broken.tsv", "# 名字\n東海林 しょーじ\n山田\t山田\n");
    for (const char* command : {"reading", "compose"}) {
        QStringList arguments{command, Write("ok.txt", "山田\n"), "--dictionary", broken};
        if (arguments[0] == "compose") arguments << "--output" << QString::fromStdString(document);
        const auto refused = Tessra(arguments);
        EXPECT_EQ(std::tie(refused.exitCode, refused.out), std::tuple(1, "")) << command;
        EXPECT_EQ(refused.err, broken.toStdString() + " 2 行目: 書き方と読みの間にタブがありません\n" + broken.toStdString() +
                                   " 3 行目: 読みはかなで書いてください\n") << command;
    }
    EXPECT_FALSE(std::filesystem::exists(document));
    EXPECT_EQ(Tessra({"reading", text, "--dictionary", "/nonexistent/readings.tsv"}).err,
              "/nonexistent/readings.tsv\n\nファイルのオープンに失敗しました。\n");
}

// A copy of the analyser's dictionary with random bytes where its index begins: the header still
// agrees with the file, only reading it tells.
std::string DamagedDictionary(const TempDir& dir)
{
    const std::string copy = dir.File("damaged-dic");
    std::filesystem::copy(kDefaultMecabDictionary, copy, std::filesystem::copy_options::recursive);
    std::fstream sys(copy + "/sys.dic", std::ios::in | std::ios::out | std::ios::binary);
    sys.seekp(72);
    std::mt19937 random(26);
    for (int i = 0; i < 1 << 20; ++i) sys.put(static_cast<char>(random()));
    return copy;
}

TEST_F(ReadingCommandTest, WithoutAUsableAnalyserDictionaryKanjiIsNamedAndKanaStillComposes)
{
    struct Case {
        std::string folder, problem;
    };
    std::vector<Case> cases = {{"/nonexistent/dic", "がありません"}, {DamagedDictionary(dir), "を読み込めません"}};
    if (std::filesystem::exists("/var/lib/mecab/dic/ipadic/sys.dic"))  // EUC-JP: its words are no UTF-8
        cases.push_back({"/var/lib/mecab/dic/ipadic", "を読み込めません"});
    for (const Case& c : cases) {
        ::setenv("TESSRA_MECAB_DICTIONARY", c.folder.c_str(), 1);
        const auto kanji = Tessra({"reading", Write("kanji.txt", "さとう\n砂糖\n")});
        const auto kana = Tessra({"compose", Write("kana.txt", "さとう\n"), "--output", QString::fromStdString(dir.File("kana.BSE"))});
        ::unsetenv("TESSRA_MECAB_DICTIONARY");
        EXPECT_EQ(std::tie(kanji.exitCode, kanji.out), std::tuple(1, "さとう\n砂糖\n")) << c.folder;
        EXPECT_TRUE(kanji.err.starts_with("2 行 1 文字目「砂」: 漢字の読みに使う辞書" + c.problem + ": " + c.folder + "\n"))
            << kanji.err;
        EXPECT_EQ(kana.exitCode, 0) << kana.err;
    }
}

}  // namespace
}  // namespace tessra::test
