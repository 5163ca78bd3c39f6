#include "merge/ListReader.h"

#include "platform/TextCodec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessra {
namespace {

struct Row {
    int number;
    std::vector<std::string> fields;
    bool operator==(const Row&) const = default;
};

std::vector<Row> Rows(const ListResult& list)
{
    std::vector<Row> rows;
    for (const ListRow& row : list.rows) rows.push_back({row.number, row.fields});
    return rows;
}

std::string Repeated(std::string_view text, std::size_t times)
{
    std::string repeated;
    for (std::size_t k = 0; k < times; ++k) repeated += text;
    return repeated;
}

// UTF-16 code units, little-endian, after the byte-order mark, as a spreadsheet's "Unicode text" is saved.
std::string Utf16LittleEndian(std::u16string_view text)
{
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
}

TEST(ReadList, SplitsRowsAndFieldsAsSpreadsheetsWriteThem)
{
    const struct {
        const char* name;
        std::string bytes;
        int headerRow;  // 0: the list has none
        char separator;
        std::vector<std::string> columns;
        std::vector<Row> rows;
    } cases[] = {
        {"quoted commas and doubled quotes", "名前,メモ\n\"やまだ, たろう\",\"「\"\"あ\"\"」\"\n", 1, ',',
         {"名前", "メモ"}, {{2, {"やまだ, たろう", "「\"あ\"」"}}}},
        {"line breaks inside quotes count no row", "名前,住所\r\n\"やまだ\",\"よこはま\r\nなかく\"\r\nすずき,\"a\nb\rc\"\r\nさとう,x",
         1, ',', {"名前", "住所"}, {{2, {"やまだ", "よこはま\nなかく"}}, {3, {"すずき", "a\nb\nc"}}, {4, {"さとう", "x"}}}},
        {"empty rows, commas only too, are counted and left out", "\n名前\n\n,,\r\nさとう\n\n", 2, ',', {"名前"},
         {{5, {"さとう"}}}},
        {"no header", "やまだ,045\nすずき\n", 0, ',', {}, {{1, {"やまだ", "045"}}, {2, {"すずき"}}}},
        {"empty values kept in place", "a,,\n,b,\n", 0, ',', {}, {{1, {"a", "", ""}}, {2, {"", "b", ""}}}},
        {"text around quotes", "a\"b,\"c\"d\n", 0, ',', {}, {{1, {"a\"b", "cd"}}}},
        {"byte-order mark", "\xEF\xBB\xBF名前\nさとう\n", 1, ',', {"名前"}, {{2, {"さとう"}}}},
        {"tabs: TSV", "名前\t電話\nやまだ\t045-671-2200\n", 1, '\t', {"名前", "電話"},
         {{2, {"やまだ", "045-671-2200"}}}},
        {"a quoted comma beside a tab: TSV", "\"a,b\"\tc\n1,2\t3\n", 0, '\t', {},
         {{1, {"a,b", "c"}}, {2, {"1,2", "3"}}}},
        {"a comma beside a tab: CSV", "a,b\tc\n", 0, ',', {}, {{1, {"a", "b\tc"}}}},
        {"a tab on a later line only: CSV", "a\nb\tc\n", 0, ',', {}, {{1, {"a"}}, {2, {"b\tc"}}}},
        // 名前,電話 / 山田,ソ表 / ｻﾄｳ,"よみ" in CP932; ソ and 表 end in the byte of a backslash.
        {"CP932", "\x96\xBC\x91\x4F,\x93\x64\x98\x62\r\n\x8E\x52\x93\x63,\x83\x5C\x95\x5C\r\n\xBB\xC4\xB3,\"\x82\xE6\x82\xDD\"\r\n",
         1, ',', {"名前", "電話"}, {{2, {"山田", "ソ表"}}, {3, {"ｻﾄｳ", "よみ"}}}},
        {"UTF-16 with its byte-order mark", Utf16LittleEndian(u"名前\tよみ\r\n山田\tやまだ\r\n"), 1, '\t',
         {"名前", "よみ"}, {{2, {"山田", "やまだ"}}}},
    };
    for (const auto& c : cases) {
        const ListResult list = ReadList(c.bytes, c.headerRow > 0, Cp932ToUtf8);
        EXPECT_EQ(list.error, "") << c.name;
        EXPECT_EQ(list.separator, c.separator) << c.name;
        EXPECT_EQ(list.columns, c.columns) << c.name;
        EXPECT_EQ(list.headerRow, c.headerRow) << c.name;
        EXPECT_EQ(Rows(list), c.rows) << c.name;
    }
}

TEST(ReadList, RefusesAQuoteNeverClosedAndWhatIsTooLarge)
{
    const struct {
        const char* name;
        std::string bytes;
        std::string error;
    } cases[] = {
        {"quote never closed", "名前\nさとう\n\n\"やまだ,\nすずき\n", "4 行目: 「\"」で始まる値が「\"」で閉じられていません"},
        {"closing quote doubled", "\"a\"\"\n", "1 行目: 「\"」で始まる値が「\"」で閉じられていません"},
        {"more values than any document could hold", Repeated("a,", kListValueLimit),
         "1 行目: リストの値が多すぎます。読めるのは 2000000 個までです"},
        {"too many bytes", std::string(kListSizeLimit, 'a'), "サイズが１６Ｍ バイト 以上の大きいファイルは開けません。"},
    };
    for (const auto& c : cases) {
        const ListResult list = ReadList(c.bytes, true, Cp932ToUtf8);
        EXPECT_EQ(list.error, c.error) << c.name;
        EXPECT_TRUE(list.rows.empty() && list.columns.empty()) << c.name;
    }
}

// Without the codec, bytes that are not UTF-8 stay as they are, for compose to name.
TEST(ReadList, KeepsBytesThatAreNotUtf8WithoutACodec)
{
    const ListResult list = ReadList("\x82\xA0,a\n", false);
    ASSERT_EQ(list.rows.size(), 1u);
    EXPECT_EQ(list.rows[0].fields, (std::vector<std::string>{"\x82\xA0", "a"}));
}

}  // namespace
}  // namespace tessra
