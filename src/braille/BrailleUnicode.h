#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessra {

// The Unicode braille pattern of a cell: U+2800 plus its dot bits (dot 1 = 0x01 … dot 6 = 0x20)
// under North American Braille ASCII. The bytes 0x60 to 0x7E count as 0x40 to 0x5E; any other
// byte outside the cell code gives U+FFFD. The blank cell gives U+2800, the pattern without dots.
char32_t BrailleCodePoint(unsigned char cell);

// The same pattern as UTF-8.
std::string BrailleCellToUtf8(unsigned char cell);

// The cell of a byte in the cell code: 0x20 to 0x5F as they stand, 0x60 to 0x7E as 0x40 to 0x5E;
// nothing for any other byte.
std::optional<unsigned char> CellOfByte(unsigned char byte);

// The cell of a six-dot pattern, U+2800 to U+283F; nothing for any other character, eight-dot
// patterns included.
std::optional<unsigned char> CellOfPattern(char32_t code);

// Six-dot patterns (UTF-8, as the sign tables write them) in the cell code, an ASCII blank as
// the blank cell; every other character is left out.
std::string CellsOfPatterns(std::string_view patterns);

}  // namespace tessra
