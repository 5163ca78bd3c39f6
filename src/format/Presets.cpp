#include "format/Presets.h"

#include "text/Cp932Text.h"
#include "format/FormatString.h"
#include "format/NumberText.h"

#include <array>

namespace tessra {
namespace {

using enum SheetKind;

constexpr std::array<Preset, 19> kCatalogue{{
    {SingleSheet, preset::kA4Portrait,
     "210.0_297.0_ 1_ 1_  0.0_  0.0_  0.0_  0.0__210.0_297.0_ 10.0_ 15.0_LP22_00"},
    {SingleSheet, "\x82`\x82T\x81i\x8F" "c\x81j",  // Ａ５（縦）
     "148.0_210.0_ 1_ 1_  0.0_  0.0_  0.0_  0.0__148.0_210.0_ 10.0_ 15.0_LP22_00"},
    {SingleSheet, "\x82`\x82T\x81i\x89\xA1\x81j",  // Ａ５（横）
     "210.0_148.0_ 1_ 1_  0.0_  0.0_  0.0_  0.0__210.0_148.0_ 10.0_ 15.0_LP22_00"},
    {SingleSheet, "\x82" "a\x82T\x81i\x8F" "c\x81j",  // Ｂ５（縦）
     "182.0_257.0_ 1_ 1_  0.0_  0.0_  0.0_  0.0__182.0_257.0_ 10.0_ 15.0_LP22_00"},
    {SingleSheet, "\x82" "a\x82T\x81i\x89\xA1\x81j",  // Ｂ５（横）
     "257.0_182.0_ 1_ 1_  0.0_  0.0_  0.0_  0.0__257.0_182.0_ 10.0_ 15.0_LP22_00"},
    {SingleSheet, "\x82\xCD\x82\xAA\x82\xAB\x81i\x8F" "c\x81j",  // はがき（縦）
     "100.0_148.0_ 1_ 1_  0.0_  0.0_  0.0_  0.0__100.0_148.0_ 10.0_ 15.0_LP22_00"},
    {SingleSheet, "\x82\xCD\x82\xAA\x82\xAB\x81i\x89\xA1\x81j",  // はがき（横）
     "148.0_100.0_ 1_ 1_  0.0_  0.0_  0.0_  0.0__148.0_100.0_ 10.0_ 15.0_LP22_00"},
    {SingleSheet, preset::kUserDefined,
     "210.0_297.0_ 1_ 1_  0.0_  0.0_  0.0_  0.0__210.0_297.0_ 10.0_ 15.0_LP22_00"},
    {MultiLabel, preset::kUserDefined,
     "210.0_297.0_ 6_ 2_ 15.0_ 10.0_ 20.0_ 10.0__ 85.0_ 35.0_  6.0_  4.0_LP22_00"},
    {MultiLabel, "\x96\xBC\x8Eh(1) 10\x96\xCA \xBE\xDD\xC0\xB0 0\x87o",  // 名刺(1) 10面 ｾﾝﾀｰ 0㎜
     "210.0_297.0_ 5_ 2_ 14.0_  0.0_ 11.0_  0.0__ 91.0_ 55.0_  6.0_  4.0_LP22_00"},
    {MultiLabel, "\x96\xBC\x8Eh(2) 10\x96\xCA \xBE\xDD\xC0\xB0 6\x87o",  // 名刺(2) 10面 ｾﾝﾀｰ 6㎜
     "210.0_297.0_ 5_ 2_ 11.0_  6.0_ 11.0_  0.0__ 91.0_ 55.0_  6.0_  4.0_LP22_00"},
    {MultiLabel, "\x96\xBC\x8Eh(3) 10\x96\xCA \xBE\xDD\xC0\xB0" "10\x87o",  // 名刺(3) 10面 ｾﾝﾀｰ10㎜
     "210.0_297.0_ 5_ 2_  9.0_ 10.0_ 11.0_  0.0__ 91.0_ 55.0_  6.0_  4.0_LP22_00"},
    {MultiLabel, "\x96\xBC\x8Eh(4) 10\x96\xCA\x83h\x83u\x8D\xD9\x92" "f",  // 名刺(4) 10面ドブ裁断
     "210.0_297.0_ 5_ 2_  9.0_ 10.0_  6.0_  3.0__ 91.0_ 55.0_  6.0_  9.0_LP24_00"},
    {MultiLabel, "\x96\xBC\x8Eh(5)  8\x96\xCA\x83h\x83u\x8D\xD9\x92" "f(1)",  // 名刺(5)  8面ドブ裁断(1)
     "210.0_297.0_ 4_ 2_ 11.0_  6.0_ 29.5_  6.0__ 91.0_ 55.0_  6.0_  4.0_LP22_00"},
    {MultiLabel, "\x96\xBC\x8Eh(6)  8\x96\xCA\x83h\x83u\x8D\xD9\x92" "f(2)",  // 名刺(6)  8面ドブ裁断(2)
     "210.0_297.0_ 4_ 2_  9.0_ 10.0_ 11.0_ 15.0__ 91.0_ 55.0_  6.0_  4.0_LP22_00"},
    {MultiLabel, "\x96\xBC\x8Eh(7)  8\x96\xCA\x83h\x83u\x8D\xD9\x92" "f(3)",  // 名刺(7)  8面ドブ裁断(3)
     "210.0_297.0_ 4_ 2_ 15.0_  8.0_ 25.0_  9.0__ 91.0_ 55.0_  6.0_  4.0_LP22_00"},
    {CardCarrier, "\x96\xBC\x8Eh\x82S\x8D\x86( 91mm x 55mm )",  // 名刺４号( 91mm x 55mm )
     "130.0_180.0_ 1_ 1_ 11.5_  0.0_ 20.0_  0.0__ 91.0_ 55.0_  8.5_  4.5_LP22_00"},
    {CardCarrier, "\x96\xBC\x8Eh\x82R\x8D\x86( 85mm x 45mm )",  // 名刺３号( 85mm x 45mm )
     "130.0_180.0_ 1_ 1_ 15.0_  0.0_ 18.5_  0.0__ 85.0_ 49.0_  5.0_  6.0_LP22_00"},
    {CardCarrier, preset::kUserDefined,
     "130.0_180.0_ 1_ 1_ 11.5_  0.0_ 20.0_  0.0__ 91.0_ 55.0_  8.5_  4.5_LP22_00"},
}};

constexpr std::array<std::string_view, kSheetKindCount> kKindNames{
    preset::kSingleSheet, preset::kMultiLabel, preset::kCardCarrier};

bool IsKindIndex(int index)
{
    return index >= 0 && index < kSheetKindCount;
}

// The kind a key names, tested in catalogue order.
std::optional<SheetKind> KindInKey(std::string_view key)
{
    for (int k = 0; k < kSheetKindCount; ++k)
        if (Cp932Contains(key, kKindNames[k])) return static_cast<SheetKind>(k);
    return std::nullopt;
}

// The first entry of `kind`, in list order, whose size name occurs in `key`.
std::optional<int> SizeInKey(SheetKind kind, std::string_view key)
{
    int index = 0;
    for (const Preset& p : kCatalogue) {
        if (p.kind != kind) continue;
        if (Cp932Contains(key, p.sizeName)) return index;
        ++index;
    }
    return std::nullopt;
}

const Preset* EntryOf(SheetKind kind, int sizeIndex)
{
    for (const Preset& p : kCatalogue)
        if (p.kind == kind && sizeIndex-- == 0) return &p;
    return nullptr;
}

// Blank is never the trail byte of a double-byte character, so runs can be folded byte by byte.
std::string FoldBlanks(std::string_view text)
{
    std::string folded;
    for (const char byte : text) {
        if (byte != ' ' || (!folded.empty() && folded.back() != ' ')) folded += byte;
    }
    if (!folded.empty() && folded.back() == ' ') folded.pop_back();
    return folded;
}

}  // namespace

std::span<const Preset> Catalogue()
{
    return kCatalogue;
}

std::string_view KindName(SheetKind kind)
{
    return kKindNames[static_cast<int>(kind)];
}

std::string CatalogueRow(const Preset& preset)
{
    std::string row(preset.sizeName);
    if (row.size() < preset::kSizeNameWidth) row.resize(preset::kSizeNameWidth, ' ');
    row += '#';
    row += preset.layout;
    return row;
}

std::string PresetKey(SheetKind kind, std::string_view sizeName)
{
    std::string key(KindName(kind));
    key += '@';
    key += sizeName;
    return key;
}

const Preset* FindPresetByKey(std::string_view key)
{
    const std::string wanted = FoldBlanks(key);
    for (const Preset& p : kCatalogue)
        if (FoldBlanks(PresetKey(p.kind, p.sizeName)) == wanted) return &p;
    return nullptr;
}

SizeList FillSizeList(int kindIndex, FormatChoice& choice)
{
    SizeList list;
    if (!IsKindIndex(kindIndex)) return list;
    const auto kind = static_cast<SheetKind>(kindIndex);
    for (const Preset& p : kCatalogue)
        if (p.kind == kind) list.rows.push_back(CatalogueRow(p));
    list.perLabelDataEnabled = kind == MultiLabel;
    if (!list.perLabelDataEnabled) choice.sameDataForAllLabels = true;
    return list;
}

PresetPosition SelectPresetInBar(std::string_view presetKey)
{
    const std::optional<SheetKind> kind = KindInKey(presetKey);
    if (!kind) return {};
    const int fallback = *kind == CardCarrier ? 2 : 0;
    return {static_cast<int>(*kind), SizeInKey(*kind, presetKey).value_or(fallback)};
}

LayoutEdits ApplyPresetSelection(FormatChoice& choice, std::string_view kindText,
                                 std::string_view sizeText)
{
    LayoutEdits edits = LayoutEdits::All;
    const bool userDefined = Cp932Contains(sizeText, preset::kUserDefined);
    const std::optional<SheetKind> kind = KindInKey(kindText);
    if (userDefined && kind) {
        if (*kind == SingleSheet) edits = LayoutEdits::SheetSizeOnly;
        choice.selectedPresetKey = PresetKey(*kind, preset::kUserDefined);
    } else {
        edits = LayoutEdits::None;
        const std::size_t hash = sizeText.find('#');
        choice.selectedPresetKey = hash == std::string_view::npos
                                      ? std::string()
                                      : std::string(kindText) + '@' +
                                            std::string(sizeText.substr(0, hash));
    }

    const bool ownPreset = Cp932Contains(choice.selectedPresetKey, choice.formatPresetKey);
    const std::string source = ownPreset ? choice.formatString : std::string(sizeText);
    ParseFormatString(source, choice.format);
    return edits;
}

void MatchStoredPresetKey(FormatChoice& choice)
{
    const std::string& key = choice.filePresetKey;
    const std::optional<SheetKind> kind = KindInKey(key);
    const std::optional<int> size = kind ? SizeInKey(*kind, key) : std::nullopt;
    if (size)
        choice.formatPresetKey = PresetKey(*kind, EntryOf(*kind, *size)->sizeName);
    else
        ClassifyStoredFormat(choice);
    choice.selectedPresetKey = choice.formatPresetKey;
}

void ClassifyStoredFormat(FormatChoice& choice)
{
    const auto field = [&](std::size_t at, std::size_t width) {
        return FixedField(choice.formatString, at, width);
    };
    const double width = TextToDouble(field(0, 4));
    const double height = TextToDouble(field(4, 4));
    const int rows = TextToInt(field(8, 2));
    const int columns = TextToInt(field(10, 2));
    const double labelWidth = TextToDouble(field(28, 4));
    const double labelHeight = TextToDouble(field(32, 4));

    if (width != 0 && height != 0 && width == labelWidth && height == labelHeight) {
        choice.formatPresetKey = PresetKey(SingleSheet, preset::kUserDefined);
    } else if (rows > 0 || columns > 0) {
        choice.formatPresetKey = PresetKey(MultiLabel, preset::kUserDefined);
        choice.sameDataForAllLabels = true;
    } else {
        choice.formatPresetKey = std::string(preset::kDefaultKey);
        choice.formatString = std::string(preset::kDefaultFormat);
    }
}

void LoadStoredFormat(FormatChoice& choice)
{
    MatchStoredPresetKey(choice);
    ParseFormatString(choice.formatString, choice.format);
}

}  // namespace tessra
