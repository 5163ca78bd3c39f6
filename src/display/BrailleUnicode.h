#pragma once

#include <optional>
#include <string>

namespace tessra {

// The Unicode braille pattern of a cell: U+2800 plus its dot bits (dot 1 = 0x01 … dot 6 = 0x20)
// under North American Braille ASCII. The bytes 0x60 to 0x7E count as 0x40 to 0x5E; any other
// byte outside the cell code gives U+FFFD. The blank cell gives U+2800, the pattern without dots.
char32_t BrailleCodePoint(unsigned char cell);

// The same pattern as UTF-8.
std::string BrailleCellToUtf8(unsigned char cell);

// The cell a six-dot pattern U+2800 … U+283F stands for, in the cell code (0x20 … 0x5F); nothing
// for any other character, the eight-dot patterns included.
std::optional<char> CellOfBraillePattern(char32_t code);

}  // namespace tessra
