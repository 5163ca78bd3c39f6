#pragma once

#include <cstddef>
#include <string_view>

namespace tessra {

// CP932 texts are searched character by character: a match never starts on the second byte of a
// double-byte character, so "ZEN" is not found inside a kanji whose trail byte happens to be 'Z'.

bool IsCp932LeadByte(unsigned char byte);

// Position of the first match of `needle` in `text` that starts on a character boundary, or npos.
// An empty needle matches at 0.
std::size_t Cp932Find(std::string_view text, std::string_view needle);

inline bool Cp932Contains(std::string_view text, std::string_view needle)
{
    return Cp932Find(text, needle) != std::string_view::npos;
}

}  // namespace tessra
