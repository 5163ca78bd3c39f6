#include "format/Presets.h"

#include "format/FormatString.h"
#include "platform/TextCodec.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

std::string Key(const char* utf8)
{
    return Utf8ToCp932(utf8);
}

std::string Row(int index)
{
    return CatalogueRow(Catalogue()[static_cast<std::size_t>(index)]);
}

TEST(Catalogue, ListsEveryKindsRowsByteForByte)
{
    // Kind, size name and layout of every list entry, in list order.
    const struct { int kind; const char* name; std::string_view layout; } rows[] = {
        {0, "Ａ４（縦）", "210.0_297.0_ 1_ 1_  0.0_  0.0_  0.0_  0.0__210.0_297.0_ 10.0_ 15.0_LP22_00"},
        {0, "Ａ５（縦）", "148.0_210.0_ 1_ 1_  0.0_  0.0_  0.0_  0.0__148.0_210.0_ 10.0_ 15.0_LP22_00"},
        {0, "Ａ５（横）", "210.0_148.0_ 1_ 1_  0.0_  0.0_  0.0_  0.0__210.0_148.0_ 10.0_ 15.0_LP22_00"},
        {0, "Ｂ５（縦）", "182.0_257.0_ 1_ 1_  0.0_  0.0_  0.0_  0.0__182.0_257.0_ 10.0_ 15.0_LP22_00"},
        {0, "Ｂ５（横）", "257.0_182.0_ 1_ 1_  0.0_  0.0_  0.0_  0.0__257.0_182.0_ 10.0_ 15.0_LP22_00"},
        {0, "はがき（縦）", "100.0_148.0_ 1_ 1_  0.0_  0.0_  0.0_  0.0__100.0_148.0_ 10.0_ 15.0_LP22_00"},
        {0, "はがき（横）", "148.0_100.0_ 1_ 1_  0.0_  0.0_  0.0_  0.0__148.0_100.0_ 10.0_ 15.0_LP22_00"},
        {0, "ユーザー指定", "210.0_297.0_ 1_ 1_  0.0_  0.0_  0.0_  0.0__210.0_297.0_ 10.0_ 15.0_LP22_00"},
        {1, "ユーザー指定", "210.0_297.0_ 6_ 2_ 15.0_ 10.0_ 20.0_ 10.0__ 85.0_ 35.0_  6.0_  4.0_LP22_00"},
        {1, "名刺(1) 10面 ｾﾝﾀｰ 0㎜", "210.0_297.0_ 5_ 2_ 14.0_  0.0_ 11.0_  0.0__ 91.0_ 55.0_  6.0_  4.0_LP22_00"},
        {1, "名刺(2) 10面 ｾﾝﾀｰ 6㎜", "210.0_297.0_ 5_ 2_ 11.0_  6.0_ 11.0_  0.0__ 91.0_ 55.0_  6.0_  4.0_LP22_00"},
        {1, "名刺(3) 10面 ｾﾝﾀｰ10㎜", "210.0_297.0_ 5_ 2_  9.0_ 10.0_ 11.0_  0.0__ 91.0_ 55.0_  6.0_  4.0_LP22_00"},
        {1, "名刺(4) 10面ドブ裁断", "210.0_297.0_ 5_ 2_  9.0_ 10.0_  6.0_  3.0__ 91.0_ 55.0_  6.0_  9.0_LP24_00"},
        {1, "名刺(5)  8面ドブ裁断(1)", "210.0_297.0_ 4_ 2_ 11.0_  6.0_ 29.5_  6.0__ 91.0_ 55.0_  6.0_  4.0_LP22_00"},
        {1, "名刺(6)  8面ドブ裁断(2)", "210.0_297.0_ 4_ 2_  9.0_ 10.0_ 11.0_ 15.0__ 91.0_ 55.0_  6.0_  4.0_LP22_00"},
        {1, "名刺(7)  8面ドブ裁断(3)", "210.0_297.0_ 4_ 2_ 15.0_  8.0_ 25.0_  9.0__ 91.0_ 55.0_  6.0_  4.0_LP22_00"},
        {2, "名刺４号( 91mm x 55mm )", "130.0_180.0_ 1_ 1_ 11.5_  0.0_ 20.0_  0.0__ 91.0_ 55.0_  8.5_  4.5_LP22_00"},
        {2, "名刺３号( 85mm x 45mm )", "130.0_180.0_ 1_ 1_ 15.0_  0.0_ 18.5_  0.0__ 85.0_ 49.0_  5.0_  6.0_LP22_00"},
        {2, "ユーザー指定", "130.0_180.0_ 1_ 1_ 11.5_  0.0_ 20.0_  0.0__ 91.0_ 55.0_  8.5_  4.5_LP22_00"},
    };
    FormatChoice state;
    std::size_t i = 0;
    for (int kind = 0; kind < kSheetKindCount; ++kind) {
        for (const std::string& listed : FillSizeList(kind, state).rows) {
            ASSERT_LT(i, std::size(rows));
            std::string name = Key(rows[i].name);
            name.resize(preset::kSizeNameWidth, ' ');
            EXPECT_EQ(kind, rows[i].kind) << rows[i].name;
            EXPECT_EQ(listed, name + '#' + std::string(rows[i].layout)) << rows[i].name;
            ++i;
        }
    }
    EXPECT_EQ(i, std::size(rows));
    EXPECT_EQ(preset::kDefaultKey, Key("単票紙@Ａ４（縦）"));
}

TEST(SelectPresetInBar, FindsTheEntriesOfAKey)
{
    const struct {
        const char* key;
        PresetPosition position;
    } rows[] = {
        {"単票紙@はがき（横）", {0, 6}},
        {"単票紙@ユーザー指定", {0, 7}},
        {"単票紙", {0, 0}},
        {"マルチラベル@名刺(3) 10面 ｾﾝﾀｰ10㎜          ", {1, 3}},
        {"マルチラベル@名刺(7) 8面ドブ裁断(3)", {1, 0}},  // one blank short: no entry
        {"名刺用台紙@名刺３号( 85mm x 45mm )", {2, 1}},
        {"名刺用台紙", {2, 2}},
        {"封筒@Ａ４（縦）", {0, 0}},
    };
    for (const auto& row : rows) EXPECT_EQ(SelectPresetInBar(Key(row.key)), row.position) << row.key;
}

TEST(ApplyPresetSelection, TakesTheRowsLayoutUnlessItIsTheFormatsOwnPreset)
{
    FormatChoice state;
    state.formatPresetKey = Key("マルチラベル@名刺(3) 10面 ｾﾝﾀｰ10㎜");
    state.formatString = "21002970050200900100110000000910055000600040007510";
    const std::string_view multi = KindName(SheetKind::MultiLabel);

    EXPECT_EQ(ApplyPresetSelection(state, multi, Row(11)), LayoutEdits::None);
    EXPECT_DOUBLE_EQ(state.format.linePitch, 7.5);  // the document's own values

    ApplyPresetSelection(state, multi, Row(12));  // 名刺(4): the catalogue's
    EXPECT_EQ(state.selectedPresetKey.substr(0, state.selectedPresetKey.find_last_not_of(' ') + 1),
              Key("マルチラベル@名刺(4) 10面ドブ裁断"));
    EXPECT_EQ(state.selectedPresetKey.size(), 13 + preset::kSizeNameWidth);
    EXPECT_EQ(state.format.lineCode, "LP24");

    EXPECT_EQ(ApplyPresetSelection(state, KindName(SheetKind::SingleSheet), Row(7)), LayoutEdits::SheetSizeOnly);
    EXPECT_EQ(state.selectedPresetKey, Key("単票紙@ユーザー指定"));
    EXPECT_EQ(ApplyPresetSelection(state, multi, Row(8)), LayoutEdits::All);
    EXPECT_EQ(ApplyPresetSelection(state, "", ""), LayoutEdits::None);
    EXPECT_EQ(state.selectedPresetKey, "");
}

TEST(LoadStoredFormat, ClassifiesTheLayoutWhenTheKeyNamesNoEntry)
{
    const struct {
        const char* fileKey;
        const char* format;
        const char* expectedKey;
    } rows[] = {  // a key that names an entry: DocumentCommandsTest opens one
        {"単票紙", "15001000000000000000000000001500100000000000LP2200", "単票紙@ユーザー指定"},
        {"unknown", "15001000030100000000000000000500030000000000LP2210", "マルチラベル@ユーザー指定"},
        {"", "", "単票紙@Ａ４（縦）"},  // and the default format with it
    };
    for (const auto& row : rows) {
        FormatChoice state;
        state.filePresetKey = PadPresetKey(Key(row.fileKey));
        state.formatString = row.format;
        LoadStoredFormat(state);
        EXPECT_EQ(state.formatPresetKey, Key(row.expectedKey)) << row.fileKey;
        EXPECT_EQ(state.selectedPresetKey, state.formatPresetKey);
        EXPECT_GT(state.format.sheetWidth, 0) << row.fileKey;
    }
}

TEST(TextCodec, UsesTheWindowsCodePageAndReplacesWhatDoesNotConvert)
{
    EXPECT_EQ(Utf8ToCp932("㎜"), "\x87\x6F");
    EXPECT_EQ(Utf8ToCp932("～"), "\x81\x60");
    EXPECT_EQ(Utf8ToCp932("Ａ４（縦）"), "\x82\x60\x82\x53\x81\x69\x8F\x63\x81\x6A");
    EXPECT_EQ(Cp932ToUtf8(Utf8ToCp932("名刺(5)  8面ｾﾝﾀｰ")), "名刺(5)  8面ｾﾝﾀｰ");
    EXPECT_EQ(Cp932ToUtf8("A\x82"), "A\xEF\xBF\xBD");  // a lead byte without its trail byte
    EXPECT_EQ(Utf8ToCp932("a\xFF" "b"), "a?b");
}

}  // namespace
}  // namespace tessra
