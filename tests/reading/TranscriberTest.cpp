#include "reading/Transcriber.h"

#include "document/TextReadings.h"
#include "text/Utf8Text.h"
#include "reading/MecabAnalyser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <future>

namespace tessra {
namespace {

ReadingDictionary Dictionary(std::string_view text)
{
    std::vector<std::string> errors;
    std::optional<ReadingDictionary> dictionary = ReadingDictionary::Parse(text, "readings.tsv", errors);
    EXPECT_TRUE(errors.empty()) << errors.front();
    return dictionary ? std::move(*dictionary) : ReadingDictionary();
}

TEST(ReadingDictionary, NamesEveryBadLine)
{
    std::vector<std::string> errors;
    const auto dictionary = ReadingDictionary::Parse(
        "# 名前\n東海林\tしょーじ\n\n山田\n\tやまだ\n太郎\t\n花子\t花子\n東海林\tとうかいりん\n\xff\tあ\n", "d.tsv", errors);
    EXPECT_FALSE(dictionary);
    EXPECT_EQ(errors, (std::vector<std::string>{
                          "d.tsv 4 行目: 書き方と読みの間にタブがありません",
                          "d.tsv 5 行目: 書き方がありません",
                          "d.tsv 6 行目: 読みがありません",
                          "d.tsv 7 行目: 読みはかなで書いてください",
                          "d.tsv 8 行目: 「東海林」は 2 行目にもあります",
                          "d.tsv 9 行目: UTF-8 で書いてください",
                      }));
}

// The editor adds to readings.tsv only while the command line and the editor can still load it.
TEST(ReadingDictionary, GrowsOnlyWhileItStillLoads)
{
    const test::TempDir dir;
    const std::string path = dir.File("readings.tsv");
    const std::string nearlyFull = "東海林\tしょーじ\n#" + std::string(kUserReadingsSizeLimit - 60, '-') + "\n";
    test::WriteBytes(path, nearlyFull);
    EXPECT_EQ(AddUserReading(path, "山田", "やまだ"), std::nullopt);
    EXPECT_EQ(AddUserReading(path, "東海道", "とーかいどー"), "辞書が大きすぎます: " + path);
    EXPECT_TRUE(test::ReadBytes(path) == nearlyFull + "山田\tやまだ\n");
    std::vector<std::string> errors;
    const std::optional<ReadingDictionary> loaded = LoadUserReadings(path, errors);
    ASSERT_TRUE(loaded) << errors.front();
    EXPECT_NE(loaded->Match(U"山田", 0), nullptr);

    test::WriteBytes(path, nearlyFull + std::string(kUserReadingsSizeLimit - nearlyFull.size(), '#'));
    EXPECT_FALSE(LoadUserReadings(path, errors));
    EXPECT_EQ(errors, std::vector<std::string>{path + "\n\nサイズが１Ｍ バイト 以上の大きいファイルは開けません。"});
}

TEST(ReadingDictionary, MatchesTheLongestEntryWrittenAtThePlace)
{
    const ReadingDictionary dictionary = Dictionary("東海道新幹線\tとーかいどー しんかんせん\n東\tひがし\n"
                                                    "東海林\tしょーじ\n東海\tとーかい\n");
    const struct {
        std::u32string text;
        std::size_t at;
        std::string reading;  // empty: no entry
    } cases[] = {
        {U"東海林さん", 0, "しょーじ"}, {U"東海道線", 0, "とーかい"}, {U"東京", 0, "ひがし"},
        {U"の東海道新幹線", 1, "とーかいどー しんかんせん"}, {U"西東", 0, ""}, {U"東", 1, ""},
    };
    for (const auto& c : cases) {
        const ReadingDictionary::Entry* entry = dictionary.Match(c.text, c.at);
        EXPECT_EQ(entry ? entry->reading : "", c.reading) << EncodeUtf8(c.text) << " " << c.at;
    }
}

TEST(Transcriber, UserEntriesComeFirstAndRefusalsNameTheWrittenColumn)
{
    const Transcriber transcriber(MecabDictionaryFolder(),
                                  Dictionary("東海林\tショウジ  # 名字\n国際空港\tこくさい くーこー\n"
                                             "\U00031350\tびゃん\n"));
    ASSERT_EQ(transcriber.LoadError(), "");
    EXPECT_EQ(transcriber.Reading("東海林さん").text, "しょうじさん");
    EXPECT_EQ(transcriber.Reading("成田国際空港へ").text, "なりた こくさい くーこーえ");
    EXPECT_EQ(transcriber.Reading("かなだけ カナ").text, "かなだけ カナ");
    // Kanji of the tertiary plane (extension H on) are kanji, as the composer takes them.
    EXPECT_EQ(transcriber.Reading("\U00031350めん").text, "びゃんめん");

    const TranscribedLine line = transcriber.Reading("東海林「様」");
    EXPECT_EQ(line.text, "しょうじ 「さま」");
    EXPECT_EQ(line.SourceColumn(6), 4);
    EXPECT_EQ(line.SourceColumn(9), 6);
}

TEST(Transcriber, WithoutItsDictionaryKanjiLinesAreNamedAndKanaLinesStillRead)
{
    const Transcriber transcriber("/nonexistent/mecab-dictionary");
    EXPECT_EQ(transcriber.Reading("さとう 1kg").text, "さとう 1kg");
    const TranscribedLine line = transcriber.Reading("さとう　砂糖");
    EXPECT_EQ(line.text, "さとう　砂糖");
    ASSERT_EQ(line.problems.size(), 1u);
    EXPECT_EQ(line.problems[0].column, 5);
    EXPECT_NE(line.problems[0].reason.find(kDefaultDictionary.package), std::string::npos);
}

TEST(Transcriber, ReadsWithNaistJdicThoughItShipsNoDicrcAndWritesNamePartsApart)
{
    if (!std::filesystem::exists(std::filesystem::path(kNaistJdic.folder) / "sys.dic"))
        GTEST_SKIP() << kNaistJdic.package << " is not installed";
    const test::TempDir cache;
    const char* before = std::getenv("XDG_CACHE_HOME");
    const std::string saved = before ? before : "";
    ::setenv("XDG_CACHE_HOME", cache.Path().c_str(), 1);
    {
        const Transcriber transcriber(kNaistJdic.folder);
        EXPECT_EQ(transcriber.LoadError(), "");
        EXPECT_EQ(transcriber.Reading("源頼朝の像").text, "みなもとの よりともの ぞー");
    }
    EXPECT_EQ(MecabLoadFolder(kIpadic.folder), std::optional<std::string>(kIpadic.folder));
    if (before)
        ::setenv("XDG_CACHE_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CACHE_HOME");
}

TEST(Transcriber, ReadsTheSameFromManyThreadsAtOnce)
{
    const Transcriber transcriber;
    const std::vector<std::string> lines = {"東京都千代田区丸の内一丁目", "山本次郎様", "賞味期限 2024年3月15日",
                                            "電子レンジで温めてください", "一日三回食後に飲む"};
    std::vector<std::string> expected;
    for (const std::string& line : lines) expected.push_back(transcriber.Reading(line).text);
    std::vector<std::future<bool>> runs;
    for (int t = 0; t < 4; ++t) {
        runs.push_back(std::async(std::launch::async, [&] {
            bool same = true;
            for (int i = 0; i < 200; ++i) same = same && transcriber.Reading(lines[i % lines.size()]).text == expected[i % lines.size()];
            return same;
        }));
    }
    for (auto& run : runs) EXPECT_TRUE(run.get());
}

}  // namespace
}  // namespace tessra
