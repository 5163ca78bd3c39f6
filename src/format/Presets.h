#pragma once

#include "document/Document.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessra {

// The catalogue of sheet layouts and the rules that tie a preset key ("kind@size name", CP932)
// to a catalogue entry. Keys are compared by substring, so padding blanks do not matter.

enum class SheetKind { SingleSheet = 0, MultiLabel = 1, CardCarrier = 2 };
inline constexpr int kSheetKindCount = 3;

namespace preset {
inline constexpr std::string_view kSingleSheet = "\x92P\x95[\x8E\x86";  // 単票紙
inline constexpr std::string_view kMultiLabel =
    "\x83}\x83\x8B\x83`\x83\x89\x83x\x83\x8B";  // マルチラベル
inline constexpr std::string_view kCardCarrier = "\x96\xBC\x8Eh\x97p\x91\xE4\x8E\x86";  // 名刺用台紙
inline constexpr std::string_view kUserDefined =
    "\x83\x86\x81[\x83U\x81[\x8Ew\x92\xE8";  // ユーザー指定
inline constexpr std::string_view kA4Portrait = "\x82`\x82S\x81i\x8F" "c\x81j";  // Ａ４（縦）
inline constexpr std::string_view kDefaultKey =
    "\x92P\x95[\x8E\x86@\x82`\x82S\x81i\x8F" "c\x81j";  // 単票紙@Ａ４（縦）
inline constexpr std::string_view kDefaultFormat =
    "210.0_297.0_ 1_ 1_  0.0_  0.0_  0.0_  0.0__210.0_297.0_ 10.0_ 15.0_LP22_00";
inline constexpr std::size_t kSizeNameWidth = 42;
inline constexpr std::size_t kCatalogueRowLength = 117;
}  // namespace preset

struct Preset {
    SheetKind kind;
    std::string_view sizeName;  // CP932
    std::string_view layout;    // preset form of the format string
};

std::span<const Preset> Catalogue();
std::string_view KindName(SheetKind kind);

// The list entry of a preset: the size name padded to 42 bytes, '#', the layout.
std::string CatalogueRow(const Preset& preset);
std::string PresetKey(SheetKind kind, std::string_view sizeName);

// The entry whose key is `key` when every run of blanks counts as one blank and blanks at either
// end count as none, so that a key typed by hand need not copy the catalogue's padding.
const Preset* FindPresetByKey(std::string_view key);

// The size list of a kind (index 0..2); any other index has no rows. Kinds without per-label
// data force the data mode to "same for all labels".
struct SizeList {
    std::vector<std::string> rows;
    bool perLabelDataEnabled = false;
};
SizeList FillSizeList(int kindIndex, FormatChoice& choice);

// Which list entries belong to a preset key.
struct PresetPosition {
    int kindIndex = 0;
    int sizeIndex = 0;
    bool operator==(const PresetPosition&) const = default;
};
PresetPosition SelectPresetInBar(std::string_view presetKey);

// Takes the chosen kind and size entry texts (the whole catalogue row) into the format: the
// selected key, the sheet format (from formatString while the choice is still the format's own
// preset, else from the row). Returns which of the ten layout edits may be edited.
enum class LayoutEdits { None, SheetSizeOnly, All };
LayoutEdits ApplyPresetSelection(FormatChoice& choice, std::string_view kindText,
                                 std::string_view sizeText);

// After a file was read: the preset its key names, else one chosen from its stored format.
void MatchStoredPresetKey(FormatChoice& choice);
void ClassifyStoredFormat(FormatChoice& choice);
// MatchStoredPresetKey, then the stored format parsed into the sheet format.
void LoadStoredFormat(FormatChoice& choice);

}  // namespace tessra
