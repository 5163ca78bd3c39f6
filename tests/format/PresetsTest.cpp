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

TEST(Catalogue, HoldsEveryRowByteForByte)
{
    const char* expected[] = {
        "Ａ４（縦）", "Ａ５（縦）", "Ａ５（横）", "Ｂ５（縦）", "Ｂ５（横）", "はがき（縦）",
        "はがき（横）", "ユーザー指定", "ユーザー指定", "名刺(1) 10面 ｾﾝﾀｰ 0㎜",
        "名刺(2) 10面 ｾﾝﾀｰ 6㎜", "名刺(3) 10面 ｾﾝﾀｰ10㎜", "名刺(4) 10面ドブ裁断",
        "名刺(5)  8面ドブ裁断(1)", "名刺(6)  8面ドブ裁断(2)", "名刺(7)  8面ドブ裁断(3)",
        "名刺４号( 91mm x 55mm )", "名刺３号( 85mm x 45mm )", "ユーザー指定"};
    const auto catalogue = Catalogue();
    ASSERT_EQ(catalogue.size(), std::size(expected));
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        EXPECT_EQ(catalogue[i].sizeName, Utf8ToCp932(expected[i])) << expected[i];
        const std::string row = CatalogueRow(catalogue[i]);
        EXPECT_EQ(row.size(), preset::kCatalogueRowLength);
        EXPECT_EQ(row[preset::kSizeNameWidth], '#');
    }
    EXPECT_EQ(Cp932ToUtf8(KindName(SheetKind::SingleSheet)), "単票紙");
    EXPECT_EQ(Cp932ToUtf8(KindName(SheetKind::MultiLabel)), "マルチラベル");
    EXPECT_EQ(Cp932ToUtf8(KindName(SheetKind::CardCarrier)), "名刺用台紙");
    EXPECT_EQ(preset::kDefaultKey, Key("単票紙@Ａ４（縦）"));
}

TEST(Catalogue, KeepsTheValuesThatLookLikeSlips)
{
    SheetFormat f;
    ParseFormatString(Catalogue()[17].layout, f);  // 名刺３号( 85mm x 45mm )
    EXPECT_DOUBLE_EQ(f.labelHeight, 49.0);
    ParseFormatString(Catalogue()[12].layout, f);  // 名刺(4)
    EXPECT_EQ(f.lineCode, "LP24");
    EXPECT_DOUBLE_EQ(f.y3, 9.0);
    ParseFormatString(Catalogue()[13].layout, f);  // 名刺(5)
    EXPECT_DOUBLE_EQ(f.y1, 29.5);
}

TEST(FillSizeList, ListsTheKindsRowsAndForcesSharedDataWhereLabelsAreSingle)
{
    AppState state;
    state.sameDataForAllLabels = false;
    const SizeList multi = FillSizeList(1, state);
    EXPECT_EQ(multi.rows.size(), 8u);
    EXPECT_TRUE(multi.perLabelDataEnabled);
    EXPECT_FALSE(state.sameDataForAllLabels);

    const SizeList cards = FillSizeList(2, state);
    EXPECT_EQ(cards.rows.size(), 3u);
    EXPECT_FALSE(cards.perLabelDataEnabled);
    EXPECT_TRUE(state.sameDataForAllLabels);

    EXPECT_EQ(FillSizeList(0, state).rows.size(), 8u);
    EXPECT_TRUE(FillSizeList(-1, state).rows.empty());
    EXPECT_TRUE(FillSizeList(3, state).rows.empty());
}

TEST(SelectPresetInBar, FindsTheEntriesOfAKey)
{
    const struct {
        const char* key;
        PresetPosition position;
    } rows[] = {
        {"単票紙@Ａ４（縦）", {0, 0}},
        {"単票紙@はがき（横）", {0, 6}},
        {"単票紙@ユーザー指定", {0, 7}},
        {"単票紙", {0, 0}},
        {"マルチラベル@ユーザー指定", {1, 0}},
        {"マルチラベル@名刺(3) 10面 ｾﾝﾀｰ10㎜          ", {1, 3}},
        {"マルチラベル@名刺(7)  8面ドブ裁断(3)", {1, 7}},
        {"マルチラベル@名刺(7) 8面ドブ裁断(3)", {1, 0}},  // one blank short: no entry
        {"名刺用台紙@名刺３号( 85mm x 45mm )", {2, 1}},
        {"名刺用台紙", {2, 2}},
        {"", {0, 0}},
        {"封筒@Ａ４（縦）", {0, 0}},
    };
    for (const auto& row : rows) EXPECT_EQ(SelectPresetInBar(Key(row.key)), row.position) << row.key;
}

TEST(ApplyPresetSelection, TakesTheCatalogueLayoutOfAnotherEntry)
{
    AppState state;
    state.formatPresetKey = std::string(preset::kDefaultKey);
    state.formatString = std::string(preset::kDefaultFormat);
    state.modified = true;
    const LayoutEdits edits = ApplyPresetSelection(state, KindName(SheetKind::MultiLabel),
                                                   CatalogueRow(Catalogue()[12]));
    EXPECT_EQ(edits, LayoutEdits::None);
    const std::string name = Key("名刺(4) 10面ドブ裁断");
    EXPECT_EQ(state.selectedPresetKey,
              Key("マルチラベル@") + name + std::string(preset::kSizeNameWidth - name.size(), ' '));
    EXPECT_EQ(state.format.rows, 5);
    EXPECT_DOUBLE_EQ(state.format.x1, 9.0);
    EXPECT_DOUBLE_EQ(state.format.y2, 3.0);
    EXPECT_EQ(state.format.lineCode, "LP24");
    EXPECT_FALSE(state.modified);
}

TEST(ApplyPresetSelection, UserDefinedEntriesOpenTheLayoutEdits)
{
    AppState state;
    EXPECT_EQ(ApplyPresetSelection(state, KindName(SheetKind::SingleSheet), CatalogueRow(Catalogue()[7])),
              LayoutEdits::SheetSizeOnly);
    EXPECT_EQ(state.selectedPresetKey, Key("単票紙@ユーザー指定"));
    EXPECT_EQ(ApplyPresetSelection(state, KindName(SheetKind::CardCarrier), CatalogueRow(Catalogue()[18])),
              LayoutEdits::All);
    EXPECT_EQ(state.selectedPresetKey, Key("名刺用台紙@ユーザー指定"));
    EXPECT_EQ(ApplyPresetSelection(state, "", ""), LayoutEdits::None);
    EXPECT_EQ(state.selectedPresetKey, "");
}

TEST(ApplyPresetSelection, KeepsTheDocumentsOwnValuesForItsOwnPreset)
{
    AppState state;
    state.formatPresetKey = Key("マルチラベル@名刺(3) 10面 ｾﾝﾀｰ10㎜");
    state.formatString = "21002970050200900100110000000910055000600040007510";
    ApplyPresetSelection(state, KindName(SheetKind::MultiLabel), CatalogueRow(Catalogue()[11]));
    EXPECT_DOUBLE_EQ(state.format.linePitch, 7.5);
    ApplyPresetSelection(state, KindName(SheetKind::MultiLabel), CatalogueRow(Catalogue()[10]));
    EXPECT_EQ(state.format.lineCode, "LP22");
}

TEST(MatchStoredPresetKey, MatchesPaddedCatalogueKeys)
{
    AppState state;
    state.filePresetKey = PadPresetKey(Key("マルチラベル@名刺(3) 10面 ｾﾝﾀｰ10㎜"));
    state.formatString = "21002970050200900100110000000910055000600040LP2200";
    MatchStoredPresetKey(state);
    EXPECT_EQ(state.formatPresetKey, Key("マルチラベル@名刺(3) 10面 ｾﾝﾀｰ10㎜"));
    EXPECT_EQ(state.selectedPresetKey, state.formatPresetKey);
    EXPECT_EQ(SelectPresetInBar(state.selectedPresetKey), (PresetPosition{1, 3}));

    state.filePresetKey = Key("単票紙@ユーザー指定");
    MatchStoredPresetKey(state);
    EXPECT_EQ(state.formatPresetKey, Key("単票紙@ユーザー指定"));
}

TEST(ClassifyStoredFormat, ChoosesAUserDefinedKindFromTheLayout)
{
    AppState state;
    state.filePresetKey = "unknown";
    state.formatString = "15001000000000000000000000001500100000000000LP2200";
    MatchStoredPresetKey(state);
    EXPECT_EQ(state.formatPresetKey, Key("単票紙@ユーザー指定"));

    state.sameDataForAllLabels = false;
    state.formatString = "15001000030100000000000000000500030000000000LP2210";
    MatchStoredPresetKey(state);
    EXPECT_EQ(state.formatPresetKey, Key("マルチラベル@ユーザー指定"));
    EXPECT_TRUE(state.sameDataForAllLabels);

    state.formatString = std::string(50, ' ');
    LoadStoredFormat(state);
    EXPECT_EQ(state.formatPresetKey, preset::kDefaultKey);
    EXPECT_EQ(state.formatString, preset::kDefaultFormat);
    EXPECT_DOUBLE_EQ(state.format.sheetHeight, 297.0);
}

}  // namespace
}  // namespace tessra
