#pragma once

#include "braille/KanaComposer.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessra {

// The text the label editor shows for braille cells. Composed again, line after line within the
// label, it gives back exactly those cells: the line, or where its reading does not compose back
// each word (the cells between blanks), is written as its kana reading in the spelling people
// type (voiced kana whole, ASCII digits and letters, signs as printed, no numeral, letter or
// capital signs) where that reading composes back to it, and as Unicode braille patterns where
// it would not. Bytes outside the cell code have no such text: the lower-case
// forms 0x60 … 0x7E show as the patterns of 0x40 … 0x5E and any other byte as U+FFFD.

// One line; `composer` carries the label's parentheses from line to line and is advanced by the
// text returned.
std::string EditableLine(KanaComposer& composer, std::string_view cells);

// Every line of one label, from a composer reset for the label.
std::vector<std::string> EditableLines(std::span<const std::string> cellLines);

// A reading as the composer's input: the signs it writes by itself left out (numeral, letter and
// capital signs, つなぎ符, 外国語引用符 and the computer text's enclosure), voiced and
// semi-voiced kana joined with their mark, full-width digits and letters as ASCII.
std::string TypedSpelling(std::string_view reading);

}  // namespace tessra
