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

TEST(Catalogue, HoldsEveryRowByteForByte)
{
    const char* names[] = {
        "Ａ４（縦）", "Ａ５（縦）", "Ａ５（横）", "Ｂ５（縦）", "Ｂ５（横）", "はがき（縦）",
        "はがき（横）", "ユーザー指定", "ユーザー指定", "名刺(1) 10面 ｾﾝﾀｰ 0㎜",
        "名刺(2) 10面 ｾﾝﾀｰ 6㎜", "名刺(3) 10面 ｾﾝﾀｰ10㎜", "名刺(4) 10面ドブ裁断",
        "名刺(5)  8面ドブ裁断(1)", "名刺(6)  8面ドブ裁断(2)", "名刺(7)  8面ドブ裁断(3)",
        "名刺４号( 91mm x 55mm )", "名刺３号( 85mm x 45mm )", "ユーザー指定"};
    ASSERT_EQ(Catalogue().size(), std::size(names));
    for (std::size_t i = 0; i < std::size(names); ++i) {
        EXPECT_EQ(Catalogue()[i].sizeName, Key(names[i])) << names[i];
        EXPECT_EQ(Row(static_cast<int>(i)).size(), preset::kCatalogueRowLength);
    }
    EXPECT_EQ(preset::kDefaultKey, Key("単票紙@Ａ４（縦）"));
    EXPECT_EQ(KindName(SheetKind::CardCarrier), Key("名刺用台紙"));

    SheetFormat f;
    ParseFormatString(Catalogue()[17].layout, f);  // 名刺３号 is 49 high, not 45
    EXPECT_DOUBLE_EQ(f.labelHeight, 49.0);
}

TEST(FillSizeList, ForcesSharedDataWhereEveryLabelIsTheSheet)
{
    AppState state;
    EXPECT_TRUE(FillSizeList(1, state).perLabelDataEnabled && !state.sameDataForAllLabels);
    EXPECT_EQ(FillSizeList(2, state).rows.size(), 3u);
    EXPECT_TRUE(state.sameDataForAllLabels);
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
    AppState state;
    state.formatPresetKey = Key("マルチラベル@名刺(3) 10面 ｾﾝﾀｰ10㎜");
    state.formatString = "21002970050200900100110000000910055000600040007510";
    const std::string_view multi = KindName(SheetKind::MultiLabel);

    EXPECT_EQ(ApplyPresetSelection(state, multi, Row(11)), LayoutEdits::None);
    EXPECT_DOUBLE_EQ(state.format.linePitch, 7.5);  // the document's own values

    state.modified = true;
    ApplyPresetSelection(state, multi, Row(12));  // 名刺(4): the catalogue's
    EXPECT_EQ(state.selectedPresetKey.substr(0, state.selectedPresetKey.find_last_not_of(' ') + 1),
              Key("マルチラベル@名刺(4) 10面ドブ裁断"));
    EXPECT_EQ(state.selectedPresetKey.size(), 13 + preset::kSizeNameWidth);
    EXPECT_EQ(state.format.lineCode, "LP24");
    EXPECT_DOUBLE_EQ(state.format.y2, 3.0);
    EXPECT_FALSE(state.modified);

    EXPECT_EQ(ApplyPresetSelection(state, KindName(SheetKind::SingleSheet), Row(7)), LayoutEdits::SheetSizeOnly);
    EXPECT_EQ(state.selectedPresetKey, Key("単票紙@ユーザー指定"));
    EXPECT_EQ(ApplyPresetSelection(state, multi, Row(8)), LayoutEdits::All);
    EXPECT_EQ(ApplyPresetSelection(state, "", ""), LayoutEdits::None);
    EXPECT_EQ(state.selectedPresetKey, "");
}

TEST(LoadStoredFormat, MatchesKeysOrClassifiesTheLayout)
{
    const struct {
        const char* fileKey;
        const char* format;
        const char* expectedKey;
    } rows[] = {
        {"マルチラベル@名刺(3) 10面 ｾﾝﾀｰ10㎜", "21002970050200900100110000000910055000600040LP2200",
         "マルチラベル@名刺(3) 10面 ｾﾝﾀｰ10㎜"},
        {"単票紙", "15001000000000000000000000001500100000000000LP2200", "単票紙@ユーザー指定"},
        {"unknown", "15001000030100000000000000000500030000000000LP2210", "マルチラベル@ユーザー指定"},
        {"", "", "単票紙@Ａ４（縦）"},  // and the default format with it
    };
    for (const auto& row : rows) {
        AppState state;
        state.filePresetKey = PadPresetKey(Key(row.fileKey));
        state.formatString = row.format;
        LoadStoredFormat(state);
        EXPECT_EQ(state.formatPresetKey, Key(row.expectedKey)) << row.fileKey;
        EXPECT_EQ(state.selectedPresetKey, state.formatPresetKey);
        EXPECT_GT(state.format.sheetWidth, 0) << row.fileKey;
    }

}

}  // namespace
}  // namespace tessra
