#include "text/Utf8Text.h"

#include <array>
#include <cstdio>

namespace tessra {

Utf8Char DecodeUtf8At(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {lead, 1, true};
    const Utf8Char invalid{lead, 1, false};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (lead < 0xC2 || lead > 0xF4 || at + length > text.size()) return invalid;
    char32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80) return invalid;
        code = (code << 6) | (next & 0x3F);
    }
    constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return invalid;
    return {code, length, true};
}

std::u32string DecodeUtf8(std::string_view text)
{
    std::u32string codes;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Char c = DecodeUtf8At(text, at);
        codes += c.valid ? c.code : U'\uFFFD';
        at += c.length;
    }
    return codes;
}

std::string ByteText(unsigned char byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

std::string EncodeUtf8(std::u32string_view codes)
{
    std::string text;
    for (const char32_t c : codes) {
        const int tail = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        constexpr std::array<unsigned char, 4> kLeads = {0x00, 0xC0, 0xE0, 0xF0};
        text += static_cast<char>(kLeads[tail] | (c >> (6 * tail)));
        for (int k = tail - 1; k >= 0; --k) text += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
    }
    return text;
}

}  // namespace tessra
