#include "braille/BrailleUnicode.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tessra {
namespace {

constexpr unsigned char kFirstCell = 0x20;
constexpr unsigned char kLastCell = 0x5F;

constexpr std::array<std::uint8_t, 64> kDotsOfCell = [] {
    std::array<std::uint8_t, 64> dots{};
    for (std::size_t bits = 0; bits < kCellsByDots.size(); ++bits) {
        dots[static_cast<unsigned char>(kCellsByDots[bits]) - kFirstCell] =
            static_cast<std::uint8_t>(bits);
    }
    return dots;
}();

}  // namespace

char32_t BrailleCodePoint(unsigned char cell)
{
    const std::optional<unsigned char> code = CellOfByte(cell);
    if (!code) return U'\uFFFD';
    return U'\u2800' + kDotsOfCell[*code - kFirstCell];
}

std::string BrailleCellToUtf8(unsigned char cell)
{
    // Every pattern and U+FFFD lie in U+0800 … U+FFFF: three UTF-8 bytes.
    const char32_t code = BrailleCodePoint(cell);
    return {static_cast<char>(0xE0 | (code >> 12)), static_cast<char>(0x80 | ((code >> 6) & 0x3F)),
            static_cast<char>(0x80 | (code & 0x3F))};
}

std::optional<unsigned char> CellOfByte(unsigned char byte)
{
    if (byte >= 0x60 && byte <= 0x7E) return static_cast<unsigned char>(byte - 0x20);
    if (byte < kFirstCell || byte > kLastCell) return std::nullopt;
    return byte;
}

std::optional<unsigned char> CellOfPattern(char32_t code)
{
    if (code < U'\u2800' || code >= U'\u2800' + kCellsByDots.size()) return std::nullopt;
    return static_cast<unsigned char>(kCellsByDots[code - U'\u2800']);
}

std::string CellsOfPatterns(std::string_view patterns)
{
    std::string cells;
    // Every six-dot pattern is three UTF-8 bytes, E2 A0 80 to E2 A0 BF.
    for (std::size_t at = 0; at < patterns.size(); ++at) {
        if (patterns[at] == ' ') {
            cells += ' ';
            continue;
        }
        if (at + 2 >= patterns.size() || static_cast<unsigned char>(patterns[at]) != 0xE2 ||
            static_cast<unsigned char>(patterns[at + 1]) != 0xA0)
            continue;
        const auto low = static_cast<unsigned char>(patterns[at + 2]);
        if (low < 0x80 || low > 0xBF) continue;
        cells += kCellsByDots[low - 0x80];
        at += 2;
    }
    return cells;
}

}  // namespace tessra
