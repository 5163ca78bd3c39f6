#pragma once

#include <string>
#include <string_view>

namespace tessra {

// A kana reading (as `tessra read` prints it) in plain Japanese, for screen readers and for
// people who do not read braille kana notation: a kana followed by ゛ or ° becomes its voiced or
// semi-voiced kana (か゛ → が, は° → ぱ, う゛ → ゔ); the numeral sign ⠼, the foreign-letter sign
// ⠰, the capital sign ⠠ and the connecting sign "_" are left out ("_" before a letter or digit is
// computer text's underline and stays); full-width digits and Latin letters become ASCII. Every
// other character, the signs the reading shows as printed and braille patterns included, stays;
// so do line ends.
std::string PlainReading(std::string_view reading);

// The dot numbers of each cell, for proofreading braille by ear: "1 2 4 5, 1 3"; a blank cell
// is "マスあけ", a byte outside the cell code "?".
std::string DotNumbers(std::string_view cells);

}  // namespace tessra
