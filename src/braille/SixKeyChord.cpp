#include "braille/SixKeyChord.h"

namespace tessra {

std::uint8_t SixKeyChord::DotOf(char key)
{
    switch (key) {
    case 'S': return 0x01;
    case 'D': return 0x02;
    case 'F': return 0x04;
    case 'J': return 0x08;
    case 'K': return 0x10;
    case 'L': return 0x20;
    default: return 0;
    }
}

void SixKeyChord::Press(char key)
{
    const std::uint8_t dot = DotOf(key);
    held_ |= dot;
    chord_ |= dot;
}

std::optional<char32_t> SixKeyChord::Release(char key)
{
    const std::uint8_t dot = DotOf(key);
    // A key that went down before six-key input was switched on makes no cell of its own.
    if ((held_ & dot) == 0) return std::nullopt;
    held_ &= static_cast<std::uint8_t>(~dot);
    if (held_ != 0) return std::nullopt;
    const char32_t pattern = U'\u2800' + chord_;
    chord_ = 0;
    return pattern;
}

}  // namespace tessra
