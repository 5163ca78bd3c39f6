#pragma once

#include "format/SheetFormat.h"

#include <string>
#include <string_view>

namespace tessra {

// The sheet format as text. The preset form ("210.0_297.0_ 1_ ...", 74 bytes) is the catalogue's;
// the stored form (50 bytes of fixed-width digits) is what files carry and what the writer makes.

inline constexpr std::size_t kStoredFormatLength = 50;
inline constexpr std::size_t kPresetKeyLength = 50;

// Reads either form, or a catalogue row ("name   #preset form"), into `format`. Bytes beyond the
// end of the text count as blanks; a field that is not a number reads as what its start gives.
void ParseFormatString(std::string_view text, SheetFormat& format);

// The stored form of `format`. A value too large for its fixed-width field is written as the
// field's largest value, so the result is always 50 bytes when lineCode is a code or empty.
std::string BuildFormatString(const SheetFormat& format, bool sameDataForAllLabels);

// The preset key padded with blanks to 50 bytes; a longer key stays whole.
std::string PadPresetKey(std::string_view presetKey);

// A length as the format bar shows it: one decimal, no sign, no leading zero ("0.5" shows ".5").
std::string LengthText(double millimetres);

// `width` bytes of `text` from `at`; bytes past its end read as blanks.
std::string FixedField(std::string_view text, std::size_t at, std::size_t width);

// The pitch of a fixed line-pitch code, or 0 when `code` is none of them.
double LinePitchOfCode(std::string_view code);

}  // namespace tessra
