#include "cli/CliTestSupport.h"
#include "document/DocumentCommands.h"
#include "sheet/SheetPages.h"
#include "support/ReadingSpelling.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace tessra::test {
namespace {

const QString kCards = QStringLiteral("マルチラベル@名刺(1) 10面 ｾﾝﾀｰ 0㎜");  // 5 x 2 labels of 16 cells and 5 lines

struct Person {
    std::string name, kana, phone;
};

// 25 people: names in kanji, their kana, phone numbers.
std::vector<Person> People()
{
    const char* surnames[][2] = {{"山田", "やまだ"}, {"鈴木", "すずき"}, {"佐藤", "さとう"}, {"田中", "たなか"},
                                 {"高橋", "たかはし"}};
    const char* givenNames[][2] = {{"太郎", "たろう"}, {"花子", "はなこ"}, {"一郎", "いちろう"}, {"美咲", "みさき"},
                                   {"健", "けん"}};
    std::vector<Person> people;
    for (int k = 0; k < 25; ++k) {
        const auto& surname = surnames[k % 5];
        const auto& given = givenNames[k / 5];
        people.push_back({std::string(surname[0]) + given[0], std::string(surname[1]) + " " + given[1],
                          "0" + std::to_string(45 + k) + "-671-" + std::to_string(2200 + k)});
    }
    return people;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class MergeCommandTest : public CliTest {
protected:
    QString Write(std::string_view name, std::string_view bytes)
    {
        const std::string path = dir.File(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return QString::fromStdString(path);
    }

    // As a spreadsheet saves "CSV UTF-8": a byte-order mark, CR LF, quotes where a value needs them.
    QString List(std::string_view name, const std::vector<Person>& people)
    {
        std::string csv = "\xEF\xBB\xBF" "氏名,よみ,電話\r\n";
        for (const Person& p : people) csv += p.name + ",\"" + p.kana + "\"," + p.phone + "\r\n";
        return Write(name, csv);
    }

    // The same people as compose takes them, their labels between `---` lines.
    QString SeparatedText(std::string_view name, std::vector<Person>::const_iterator begin,
                          std::vector<Person>::const_iterator end)
    {
        std::string text;
        for (auto p = begin; p != end; ++p) text += (p == begin ? "" : "---\n") + p->name + "\n" + p->kana + "\n" + p->phone + "\n";
        return Write(name, text);
    }

    std::string Bytes(const QString& path)
    {
        std::ifstream in(path.toStdString(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
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

    QString Path(std::string_view name) { return QString::fromStdString(dir.File(name)); }
    QString Template() { return Write("card.txt", "${氏名}\n${よみ}\n${3}\n"); }
};

// 25 rows on a sheet of 10 cards: composed, read back row by row and embossed from label 4 over
// three sheets, as the same texts between `---` lines emboss.
TEST_F(MergeCommandTest, ARowPerLabelComposesReadsBackAndEmbossesOverSheets)
{
    const std::vector<Person> people = People();
    const QString list = List("people.csv", people);
    const auto reading = Tessra({"reading", Template(), "--merge", list});
    ASSERT_EQ(reading.exitCode, 0) << reading.err;
    const std::vector<std::string> readings = Lines(reading.out);
    ASSERT_EQ(readings.size(), 25u * 4);

    const QString merged = Path("merged.BSE");
    const auto composed = Tessra({"compose", Template(), "--merge", list, "--output", merged, "--format", kCards});
    ASSERT_EQ(composed.exitCode, 0) << composed.err;

    // Kana and numbers are written as they stand, kanji as `reading` printed them.
    std::vector<std::string> expected;
    for (std::size_t k = 0; k < people.size(); ++k) {
        const std::string header = "[" + std::to_string(k + 1) + "]";
        EXPECT_EQ(readings[4 * k], header);
        EXPECT_EQ(readings[4 * k + 2], people[k].kana);
        EXPECT_EQ(readings[4 * k + 3], people[k].phone);
        expected.insert(expected.end(), {header, ReadingSpelling(readings[4 * k + 1]), ReadingSpelling(people[k].kana),
                                         ReadingSpelling(people[k].phone)});
    }
    std::vector<std::string> read = Lines(Tessra({"read", merged}).out);
    std::erase(read, "");
    read.resize(std::min(read.size(), expected.size()));
    EXPECT_EQ(read, expected);

    // Compose takes ten texts to a sheet: the merged file is their three files' pages in one.
    std::string joined;
    for (int first : {0, 10, 20}) {
        const std::string name = "part" + std::to_string(first);
        const QString part = Path(name + ".BSE");
        const auto run = Tessra({"compose", SeparatedText(name + ".txt", people.begin() + first,
                                                          people.begin() + std::min(first + 10, 25)),
                                 "--output", part, "--format", kCards});
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

// A TSV list without a header, a value with a line break.
TEST_F(MergeCommandTest, ATsvListWithoutAHeader)
{
    const QString document = Path("shelf.BSE");
    const auto run = Tessra({"compose", Write("shelf.txt", "${1}\n${2}\n"), "--merge", Write("shelf.tsv", "あ\t\"い\nう\"\nか\tき\n"),
                             "--no-header", "--output", document, "--format", kCards});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // あ dot 1, い 1 2, う 1 4; か 1 6, き 1 2 6.
    EXPECT_EQ(Lines(Tessra({"read", document, "--braille"}).out),
              (std::vector<std::string>{"[1]", "⠁", "⠃", "⠉", "", "", "[2]", "⠡", "⠣", "[3]", "[4]", "[5]", "[6]", "[7]",
                                        "[8]", "[9]", "[10]"}));
}

TEST_F(MergeCommandTest, RefusesWithTheRowAndColumnAndWritesNothing)
{
    const QString good = Write("good.csv", "名前,電話\nやまだ,045\n");
    const struct {
        const char* name;
        QStringList arguments;
        int exitCode;
        std::string err;
    } cases[] = {
        {"a quote never closed", {Write("t1.txt", "${名前}"), "--merge", Write("bad.csv", "名前\nさとう\n\"やまだ\n")}, 1,
         dir.File("bad.csv") + "\n\n3 行目: 「\"」で始まる値が「\"」で閉じられていません\n"},
        {"a field naming no column", {Write("t2.txt", "${会社}\n${名前}"), "--merge", good}, 1,
         "1 行目 ${会社}: その列はありません\n"},
        {"a column number past the row's last", {Write("t3.txt", "${名前}${3}"), "--merge", good}, 1,
         "2 行目 ${3}: この行の値は 2 列目までです\n"},
        {"a value that cannot be written", {Write("t4.txt", "${名前}\n${電話}"), "--merge", Write("g.csv", "名前,電話\nやまだ,\"0☎\"\n")}, 1,
         "2 行目 ${電話} 2 文字目「☎」: 絵文字や絵記号、罫線は点字にできません\n意味をかなで書いてください（例: でんわ）\n"},
        {"a separator line", {Write("t5.txt", "${名前}\n---\n${電話}"), "--merge", good}, 1,
         "テンプレート 2 行目: 「---」の行は使えません。リストの 1 行が 1 枚のラベルになります\n"},
        {"a header and no row", {Write("t6.txt", "${1}"), "--merge", Write("empty.csv", "名前\r\n,\r\n")}, 1,
         "リストにラベルにする行がありません\n"},
        {"no list", {Write("t6.txt", "${1}"), "--merge", "/nonexistent/list.csv"}, 1,
         "/nonexistent/list.csv\n\nファイルのオープンに失敗しました。\n"},
    };
    const std::string document = dir.File("out.BSE");
    for (const auto& c : cases) {
        const auto composed = Tessra(QStringList("compose") << c.arguments << "--output" << QString::fromStdString(document));
        EXPECT_EQ(std::tie(composed.exitCode, composed.err), std::tie(c.exitCode, c.err)) << c.name;
        EXPECT_FALSE(std::filesystem::exists(document)) << c.name;
        const auto reading = Tessra(QStringList("reading") << c.arguments);
        EXPECT_EQ(std::tie(reading.exitCode, reading.err), std::tie(c.exitCode, c.err)) << c.name;
    }
    EXPECT_EQ(Tessra({"compose", Write("t7.txt", "x"), "--no-header", "--output", QString::fromStdString(document)}).exitCode, 2);
    EXPECT_EQ(Tessra({"reading", Write("t8.txt", "x"), "--no-header"}).exitCode, 2);
    const auto onItself = Tessra({"compose", Write("t9.txt", "${1}"), "--merge", good, "--output", good});
    EXPECT_EQ(onItself.exitCode, 1);
    EXPECT_EQ(Bytes(good), "名前,電話\nやまだ,045\n");
}

}  // namespace
}  // namespace tessra::test
