#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessra {

// A text line as the composer reads it: full-width ASCII as ASCII, the ideographic blank as a
// blank, half-width and full-width katakana as hiragana, a voiced or semi-voiced kana as its
// base and mark, and the substitutions of the sign table (℡ as TEL). Every character keeps the
// column it came from; a character may give several.
struct ComposeText {
    std::u32string codes;
    std::vector<int> columns;       // by code, from 1
    std::vector<std::string> shown; // by column: how a refusal names the character
};

// Bytes that are not UTF-8 become codes from here on, which nothing matches.
inline constexpr char32_t kInvalidByte = 0x110000;

ComposeText ReadComposeText(std::string_view line);

// A kana reading in the units the composer matches.
std::u32string KanaUnits(std::u32string_view text);

}  // namespace tessra
