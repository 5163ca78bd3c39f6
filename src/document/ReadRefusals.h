#pragma once

#include "text/Utf8Text.h"  // ByteText, how the messages show a byte: 0x0D

#include <cstddef>
#include <string>
#include <string_view>

namespace tessra {

// The words in which the readers of other braille files refuse a file: where, and what.

// Where a refused byte or character stands in the file: line and column from 1.
struct TextPosition {
    long long line = 1;
    long long column = 1;
};
// The position of byte `offset` of a UTF-8 text, columns counted in characters.
TextPosition PositionInText(std::string_view text, std::size_t offset);
// "L 行 C 文字目" and, when given, 「character」.
std::string PlaceMessage(TextPosition place, std::string_view character = {});

// The refusal of a character that is no cell: its place, the character when it can be shown, its
// code and why it is refused ("… ではありません").
std::string CharacterRefusal(TextPosition place, char32_t code, std::string_view utf8,
                             std::string_view reason);

// The message for a page with one line too many, at `fileLine`.
std::string TooManyPageLines(long long fileLine);

}  // namespace tessra
