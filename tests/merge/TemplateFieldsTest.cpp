#include "merge/TemplateFields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessra {
namespace {

// A header with the column 名前 twice (the first one counts) and a blank around かな.
ListResult People()
{
    ListResult list;
    list.headerRow = 1;
    list.columns = {"名前", " かな　", "電話", "名前"};
    list.rows = {{2, {"山田", "やまだ", "045-671-2200", "x"}},
                 {3, {"鈴木"}},
                 {4, {"佐藤", "さとう\nはなこ", "03", "x", "よび"}}};
    return list;
}

TEST(ExpandTemplate, FillsEachRowsFields)
{
    const struct {
        const char* name;
        std::string text;
        std::size_t row;
        std::string expanded;
        std::vector<std::string> problems;
    } cases[] = {
        {"by name and number", "${名前} さま\r\nでんわ ${3}\n", 0, "山田 さま\nでんわ 045-671-2200\n", {}},
        {"blanks around names", "${かな}${ 名前 }", 0, "やまだ山田\n", {}},
        {"$${ and a lone $", "$${名前} $5 ${名前}$", 0, "${名前} $5 山田$\n", {}},
        {"a short row leaves the header's columns empty", "${名前}/${かな}/${電話}/${4}", 1, "鈴木///\n", {}},
        {"a value's line break", "(${かな})", 2, "(さとう\nはなこ)\n", {}},
        {"a row longer than the header", "${5}", 2, "よび\n", {}},
        {"a column past the row's last", "${名前}${5}", 0, "山田\n", {"2 行目 ${5}: この行の値は 4 列目までです"}},
        {"a number past any row", "${99999999999}", 1, "\n", {"3 行目 ${99999999999}: この行の値は 4 列目までです"}},
        {"an empty template", "", 0, "", {}},
    };
    const ListResult list = People();
    for (const auto& c : cases) {
        const LabelTemplate labelTemplate = ParseTemplate(c.text, list);
        EXPECT_EQ(labelTemplate.problems, std::vector<std::string>{}) << c.name;
        const Expansion expansion = ExpandTemplate(labelTemplate, list, c.row);
        EXPECT_EQ(expansion.Text(), c.expanded) << c.name;
        EXPECT_EQ(expansion.problems, c.problems) << c.name;
    }
}

TEST(ParseTemplate, NamesWhatIsWrongWithTheTemplateOnce)
{
    const struct {
        const char* name;
        std::string text;
        bool header;
        std::vector<std::string> problems;
    } cases[] = {
        {"a name no column has, twice", "${会社}\n${会社} ${0}", true,
         {"1 行目 ${会社}: その列はありません", "1 行目 ${0}: その列はありません"}},
        {"a name without a header", "${1} ${名前}", false,
         {"${名前}: 見出しの行がないので、列は ${1} のように番号で書いてください"}},
        {"a separator line", "${名前}\n---\n${電話}", true,
         {"テンプレート 2 行目: 「---」の行は使えません。リストの 1 行が 1 枚のラベルになります"}},
        {"a field never closed", "あ\nでんわ ${電話", true, {"テンプレート 2 行 5 文字目: 「${」が「}」で閉じられていません"}},
        {"an empty field", "${名前}${ }", true, {"テンプレート 1 行 6 文字目: 「${}」に列の名前か番号を書いてください"}},
    };
    for (const auto& c : cases) {
        ListResult list = People();
        if (!c.header) list.columns.clear(), list.headerRow = 0;
        EXPECT_EQ(ParseTemplate(c.text, list).problems, c.problems) << c.name;
    }
}

// Refusals name the field and its character, or the template's line and column.
TEST(RowRefusalMessage, TracesACharacterToItsFieldOrTheTemplate)
{
    const ListResult list = People();
    const LabelTemplate labelTemplate = ParseTemplate("x\n$${ ${かな}ア${電話}", list);
    const Expansion expansion = ExpandTemplate(labelTemplate, list, 2);
    ASSERT_EQ(expansion.Text(), "x\n${ さとう\nはなこア03\n");
    const struct {
        std::size_t line;
        int column;
        std::string message;
    } cases[] = {
        {0, 1, "4 行目 テンプレート 1 行 1 文字目「c」: r"},
        {1, 2, "4 行目 テンプレート 2 行 3 文字目「c」: r"},
        {1, 3, "4 行目 テンプレート 2 行 4 文字目「c」: r"},
        {1, 4, "4 行目 ${かな} 1 文字目「c」: r"},
        {2, 2, "4 行目 ${かな} 6 文字目「c」: r"},
        {2, 4, "4 行目 テンプレート 2 行 10 文字目「c」: r"},
        {2, 6, "4 行目 ${電話} 2 文字目「c」: r"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RowRefusalMessage(labelTemplate, expansion.lines[c.line], 4, {c.column, "c", "r"}), c.message)
            << c.line << ' ' << c.column;
    }
}

// Bytes that are not UTF-8 may make one character across a piece and the value after it: the
// character is counted once, for the piece where it begins.
TEST(RowRefusalMessage, CountsACharacterMadeAcrossPiecesOnce)
{
    ListResult list;
    list.rows = {{1, {"\x81\x82い"}}};
    const LabelTemplate labelTemplate = ParseTemplate("\xE3${1}", list);
    const Expansion expansion = ExpandTemplate(labelTemplate, list, 0);
    ASSERT_EQ(expansion.Text(), "あい\n");
    EXPECT_EQ(RowRefusalMessage(labelTemplate, expansion.lines[0], 1, {1, "c", "r"}), "1 行目 テンプレート 1 行 1 文字目「c」: r");
    EXPECT_EQ(RowRefusalMessage(labelTemplate, expansion.lines[0], 1, {2, "c", "r"}), "1 行目 ${1} 3 文字目「c」: r");
}

}  // namespace
}  // namespace tessra
