#pragma once

#include <cstdint>
#include <optional>

namespace tessra {

// Six-key braille input: F D S J K L are dots 3 2 1 4 5 6. The keys held together make one cell,
// entered when the last of them is released.
class SixKeyChord {
public:
    // The dot bit of a key (dot 1 = 0x01 … dot 6 = 0x20), given as its upper-case ASCII letter;
    // 0 for any other key.
    static std::uint8_t DotOf(char key);

    // A dot key went down; repeats while it is held change nothing.
    void Press(char key);
    // A dot key came up: the chord's Unicode braille pattern once no dot key is held any more.
    std::optional<char32_t> Release(char key);

private:
    std::uint8_t held_ = 0;
    std::uint8_t chord_ = 0;
};

}  // namespace tessra
