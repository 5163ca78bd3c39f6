#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessra {

// UTF-8, strictly: an overlong form, a surrogate, a code beyond U+10FFFF, a cut sequence or a
// stray byte is one invalid byte.

struct Utf8Char {
    char32_t code = 0;  // the invalid byte itself when not valid
    std::size_t length = 1;
    bool valid = true;
};

// The character that starts at `at` (< text.size()).
Utf8Char DecodeUtf8At(std::string_view text, std::size_t at);

// Every character; an invalid byte becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view codes);

// Why a byte that is not UTF-8 is refused, and how a message names such a byte: "0x%02X".
inline constexpr std::string_view kNotUtf8 = "UTF-8 の文字ではありません";
std::string ByteText(unsigned char byte);

}  // namespace tessra
