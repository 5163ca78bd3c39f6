#include "cli/CliTestSupport.h"
#include "document/DocumentCommands.h"
#include "sheet/SheetPages.h"
#include "support/ReadingSpelling.h"

#include <filesystem>

namespace tessra::test {
namespace {

const QString kCards = QStringLiteral("マルチラベル@名刺(1) 10面 ｾﾝﾀｰ 0㎜");  // 5 x 2 labels of 16 cells and 5 lines

struct Person {
    std::string name, kana, phone;
};

// 25 people: names in kanji, their kana, phone numbers.
std::vector<Person> People()
{
    const char* surnames[][2] = {{"山田", "やまだ"}, {"鈴木", "すずき"}, {"佐藤", "さとう"}, {"田中", "たなか"}, {"高橋", "たかはし"}};
    const char* given[][2] = {{"太郎", "たろう"}, {"花子", "はなこ"}, {"一郎", "いちろう"}, {"美咲", "みさき"}, {"健", "けん"}};
    std::vector<Person> people;
    for (int k = 0; k < 25; ++k)
        people.push_back({std::string(surnames[k % 5][0]) + given[k / 5][0], std::string(surnames[k % 5][1]) + " " + given[k / 5][1],
                          "0" + std::to_string(45 + k) + "-671-" + std::to_string(2200 + k)});
    return people;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string Bytes(const QString& path) { return ReadBytes(path.toStdString()); }

class MergeCommandTest : public CliTest {
protected:
    QString Path(std::string_view name) { return QString::fromStdString(dir.File(name)); }
    QString Write(std::string_view name, std::string_view bytes)
    {
        WriteBytes(dir.File(name), bytes);
        return Path(name);
    }

    // As a spreadsheet saves "CSV UTF-8": a byte-order mark, CR LF, quotes where a value needs them.
    QString List(const std::vector<Person>& people)
    {
        std::string csv = "\xEF\xBB\xBF" "氏名,よみ,電話\r\n";
        for (const Person& p : people) csv += p.name + ",\"" + p.kana + "\"," + p.phone + "\r\n";
        return Write("people.csv", csv);
    }

    // People `first` to `end` as compose takes them, their labels between `---` lines.
    QString SeparatedText(const std::vector<Person>& people, std::size_t first, std::size_t end)
    {
        std::string text;
        for (std::size_t k = first; k < end; ++k)
            text += (k == first ? "" : "---\n") + people[k].name + "\n" + people[k].kana + "\n" + people[k].phone + "\n";
        return Write("part.txt", text);
    }

    // A BSE file's lines after its header, each with its CR LF, blank lines added up to `lines`.
    std::string Body(const QString& path, std::size_t lines)
    {
        const std::string file = Bytes(path);
        std::string body = file.substr(kBseHeaderSize, file.size() - kBseHeaderSize - 1);
        for (std::size_t n = Lines(body).size(); n < lines; ++n) body += "  \r\n";
        return body;
    }

    // The embosser stream from label `start`.
    std::string Stream(const QString& document, const char* start)
    {
        const QString out = document + ".bin";
        const auto run = Tessra({"emboss", document, "--output", out, "--model", "ZEN10", "--start", start});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return Bytes(out);
    }

    QString Template() { return Write("card.txt", "${氏名}\n${よみ}\n${3}\n"); }
};

// 25 rows on a sheet of 10 cards: composed, read back row by row and embossed from label 4 over
// three sheets, as the same texts between `---` lines emboss.
TEST_F(MergeCommandTest, ARowPerLabelComposesReadsBackAndEmbossesOverSheets)
{
    const std::vector<Person> people = People();
    const QString list = List(people);
    const auto reading = Tessra({"reading", Template(), "--merge", list});
    ASSERT_EQ(reading.exitCode, 0) << reading.err;
    std::vector<std::string> expected = Lines(reading.out);
    ASSERT_EQ(expected.size(), 25u * 4);

    const QString merged = Path("merged.BSE");
    const auto composed = Tessra({"compose", Template(), "--merge", list, "--output", merged, "--format", kCards});
    ASSERT_EQ(composed.exitCode, 0) << composed.err;

    // Each row's label, headed [N] as `read` heads the labels, is written as `reading` printed it.
    for (std::string& line : expected)
        if (!line.starts_with('[')) line = ReadingSpelling(line);
    std::vector<std::string> read = Lines(Tessra({"read", merged}).out);
    std::erase(read, "");
    read.resize(std::min(read.size(), expected.size()));
    EXPECT_EQ(read, expected);

    // Compose takes ten texts to a sheet: the merged file is their three files' pages in one.
    std::string joined;
    for (std::size_t first : {0, 10, 20}) {
        const QString part = Path("part" + std::to_string(first) + ".BSE");
        const auto run = Tessra({"compose", SeparatedText(people, first, std::min(first + 10, people.size())), "--output",
                                 part, "--format", kCards});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        if (first == 0) joined = Bytes(part).substr(0, kBseHeaderSize);
        joined += Body(part, first < 20 ? 10 * 6 : 0);
    }
    const QString together = Write("joined.BSE", joined + "\x1A");
    EXPECT_EQ(Bytes(merged), Bytes(together));

    AppState fromFourth;
    ASSERT_EQ(OpenDocument(fromFourth, merged.toStdString()), std::nullopt);
    fromFourth.startLabel = 4;
    EXPECT_EQ(PlanSheets(fromFourth).sheets, 3);
    const std::string stream = Stream(merged, "4");
    EXPECT_FALSE(stream.empty());
    EXPECT_EQ(stream, Stream(together, "4"));
}

TEST_F(MergeCommandTest, RefusesWithTheRowAndColumnAndWritesNothing)
{
    const QString good = Write("good.csv", "名前,電話\nやまだ,045\n");
    const struct {
        const char* name;
        QStringList arguments;
        std::string err;
    } cases[] = {
        {"a quote never closed", {Write("t1.txt", "${名前}"), "--merge", Write("bad.csv", "名前\nさとう\n\"やまだ\n")},
         dir.File("bad.csv") + "\n\n3 行目: 「\"」で始まる値が「\"」で閉じられていません\n"},
        {"a column named without a header", {Write("t2.txt", "${1}${名前}"), "--merge", good, "--no-header"},
         "${名前}: 見出しの行がないので、列は ${1} のように番号で書いてください\n"},
        {"a header and no row", {Write("t3.txt", "${1}"), "--merge", Write("empty.csv", "名前\r\n,\r\n")},
         "リストにラベルにする行がありません\n"},
        {"no list", {Write("t3.txt", "${1}"), "--merge", "/nonexistent/list.csv"},
         "/nonexistent/list.csv\n\nファイルのオープンに失敗しました。\n"},
    };
    const QString document = Path("out.BSE");
    for (const auto& c : cases) {
        const auto composed = Tessra(QStringList("compose") << c.arguments << "--output" << document);
        EXPECT_EQ(std::pair(composed.exitCode, composed.err), std::pair(1, c.err)) << c.name;
        EXPECT_FALSE(std::filesystem::exists(document.toStdString())) << c.name;
        const auto reading = Tessra(QStringList("reading") << c.arguments);
        EXPECT_EQ(std::pair(reading.exitCode, reading.err), std::pair(1, c.err)) << c.name;
    }
    EXPECT_EQ(Tessra({"compose", Write("t4.txt", "x"), "--no-header", "--output", document}).exitCode, 2);
    EXPECT_EQ(Tessra({"reading", Write("t4.txt", "x"), "--no-header"}).exitCode, 2);
    const auto onItself = Tessra({"compose", Write("t5.txt", "${1}"), "--merge", good, "--output", good});
    EXPECT_EQ(onItself.exitCode, 1);
    EXPECT_EQ(Bytes(good), "名前,電話\nやまだ,045\n");
}

}  // namespace
}  // namespace tessra::test
