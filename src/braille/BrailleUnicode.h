#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessra {

// The cell code's characters in the order of their dot bits: position i holds the cell U+2800 + i.
inline constexpr std::string_view kCellsByDots =
    " A1B'K2L@CIF/MSP\"E3H9O6R^DJG>NTQ,*5<-U8V.%[$+X!&;:4\\0Z7(_?W]#Y)=";
static_assert(kCellsByDots.size() == 64);

// The cell of the first six-dot pattern of UTF-8 text (three bytes, E2 A0 80 to E2 A0 BF), for the
// tables that name a sign's cells at compile time.
constexpr char FirstCell(std::string_view patterns)
{
    return kCellsByDots[static_cast<unsigned char>(patterns.at(2)) - 0x80];
}

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
