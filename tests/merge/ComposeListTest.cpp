#include "document/ComposeList.h"

#include "document/BseFile.h"
#include "document/ComposeDocument.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessra {
namespace {

const Preset& Cards() { return Catalogue()[9]; }  // 5 x 2 labels of 16 cells and 5 lines

// A list with the header 名前,よみ and these rows, numbered from 2.
ListResult List(const std::vector<std::vector<std::string>>& rows)
{
    ListResult list;
    list.headerRow = 1;
    list.columns = {"名前", "よみ"};
    for (const auto& fields : rows) list.rows.push_back({static_cast<int>(list.rows.size()) + 2, fields});
    return list;
}

std::vector<std::string> Merge(std::string_view text, const ListResult& list, AppState& state)
{
    return ComposeListDocument(ParseTemplate(text, list), list, Cards(), state);
}

// The file a merge writes is the file compose writes for the rows' texts between `---` lines,
// one page per label even for a single row.
TEST(ComposeListDocument, WritesTheDocumentOfTheTextsBetweenSeparators)
{
    const struct {
        const char* name;
        std::string text;
        ListResult list;
        std::string separated;
    } cases[] = {
        {"one row", "${1}\n", List({{"あ"}}), "あ\n---\n"},
        {"lines, numbers and a value's line break", "${名前}\n${よみ} 12\n",
         List({{"さとう", "ア"}, {"すずき", "い\nう"}, {"ｻﾄｳ"}}),
         "さとう\nア 12\n---\nすずき\nい\nう 12\n---\nｻﾄｳ\n 12\n"},
    };
    for (const auto& c : cases) {
        AppState merged, composed;
        ASSERT_EQ(Merge(c.text, c.list, merged), std::vector<std::string>{}) << c.name;
        ASSERT_EQ(ComposeDocument(c.separated, Cards(), composed), std::vector<std::string>{}) << c.name;
        EXPECT_EQ(BuildSaveImage(merged.document.content()), BuildSaveImage(composed.document.content())) << c.name;
    }
    AppState one;
    Merge("${1}\n", List({{"あ"}}), one);
    EXPECT_EQ(one.document.lines(), (std::vector<std::string>{"", "A"}));  // あ: dot 1
}

TEST(ComposeListDocument, NamesTheRowAndFieldOfWhatCannotBeWrittenAndChangesNothing)
{
    const struct {
        const char* name;
        std::string text;
        ListResult list;
        std::vector<std::string> messages;
    } cases[] = {
        {"a kanji without the reading", "${名前}", List({{"あ"}, {"あ山"}}),
         {"3 行目 ${名前} 2 文字目「山」: 漢字の行は、読みを確定すると書かれます"}},
        {"a value of more lines than the label holds", "${1}", List({{"あ\nい\nう\nえ\nお\nか"}}),
         {"2 行目 ラベルの 6 行目: ラベルに入るのは 5 行までです。このラベルのテキストは 6 行あります"}},
        {"the fields first, then the cells", "${3}\n${1}", List({{"あ"}, {"かきくけこさしすせそたちつてとなに"}, {"a", "b", "c"}}),
         {"2 行目 ${3}: この行の値は 2 列目までです", "3 行目 ${3}: この行の値は 2 列目までです",
          "3 行目 ラベルの 2 行目: 点字で 17 マスになります。1 行に入るのは 16 マスまでです"}},
        {"the template's problems alone", "${会社}\n${5", List({{"あ"}}),
         {"テンプレート 2 行 1 文字目: 「${」が「}」で閉じられていません", "1 行目 ${会社}: その列はありません"}},
        {"no row", "${1}", List({}), {"リストにラベルにする行がありません"}},
    };
    for (const auto& c : cases) {
        AppState untouched;
        EXPECT_EQ(Merge(c.text, c.list, untouched), c.messages) << c.name;
        EXPECT_TRUE(untouched.document.lines().empty()) << c.name;
    }
}

// A list longer than any document can hold is refused before its pages are made.
TEST(ComposeListDocument, RefusesMoreRowsThanADocumentHolds)
{
    AppState state;
    const std::vector<std::string> messages = Merge("${1}", List(std::vector<std::vector<std::string>>(50'000, {"あ"})), state);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].starts_with("リストの行が多すぎます。この用紙で作れるのは ")) << messages[0];
    EXPECT_TRUE(state.document.lines().empty());
}

// Reads 山田 as やまだ and nothing else with a kanji.
struct FewReadings final : LineTranscriber {
    TranscribedLine Reading(std::string_view line) const override
    {
        if (line == "山田") return {"やまだ", {1, 1, 2}, {}};
        if (line.find("龘") != std::string_view::npos) return {std::string(line), {}, {{2, "龘", "よめません"}}};
        return {std::string(line), {}, {}};
    }
};

TEST(ReadingsOfList, GivesEachRowsReadingsAndNamesItsProblemsInRowOrder)
{
    const ListResult list = List({{"山田", "03"}, {"あ龘"}, {"ゐ", "x"}});
    const ListReadings readings = ReadingsOfList(ParseTemplate("${名前}\nでんわ ${よみ} ${3}", list), list, FewReadings());
    std::vector<std::pair<int, std::vector<std::string>>> rows;
    for (const ListReadings::Row& row : readings.rows) rows.emplace_back(row.number, row.lines);
    EXPECT_EQ(rows, (decltype(rows){{2, {"やまだ", "でんわ 03 "}}, {3, {"あ龘", "でんわ  "}}, {4, {"ゐ", "でんわ x "}}}));
    EXPECT_EQ(readings.problems, (std::vector<std::string>{"2 行目 ${3}: この行の値は 2 列目までです", "3 行目 ${3}: この行の値は 2 列目までです",
                                                            "3 行目 ${名前} 2 文字目「龘」: よめません", "4 行目 ${3}: この行の値は 2 列目までです"}));
    EXPECT_EQ(ReadingsOfList(ParseTemplate("---", list), list, FewReadings()).problems,
              std::vector<std::string>{"テンプレート 1 行目: 「---」の行は使えません。リストの 1 行が 1 枚のラベルになります"});
}

}  // namespace
}  // namespace tessra
