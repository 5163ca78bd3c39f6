#include "braille/PlainReading.h"

#include "braille/BrailleUnicode.h"
#include "braille/KanaTables.h"
#include "braille/Signs.h"
#include "text/Utf8Text.h"

namespace tessra {
namespace {

bool IsLetterOrDigit(char32_t code)
{
    return (code >= U'0' && code <= U'9') || (code >= U'A' && code <= U'Z') || (code >= U'a' && code <= U'z') ||
           (code >= U'０' && code <= U'９') || (code >= U'Ａ' && code <= U'Ｚ') || (code >= U'ａ' && code <= U'ｚ');
}

char32_t PatternOf(std::string_view sign)
{
    return DecodeUtf8(sign).front();
}

// The notation's signs that carry no sound of their own and have no print form: the numeral,
// foreign-letter and capital signs, the marks around a foreign phrase or computer text (whose
// capital-sign half goes with the capital signs). A つなぎ符 stands before kana; "_" before a
// letter or digit is an underline of computer text.
bool IsSilentSign(std::u32string_view codes, std::size_t at)
{
    static const std::u32string silent = {
        PatternOf(signs::kNumeralSign), PatternOf(signs::kForeignLetterSign), PatternOf(signs::kCapitalSign),
        PatternOf(signs::kForeignQuoteOpen), PatternOf(signs::kForeignQuoteClose)};
    const char32_t code = codes[at];
    if (code == U'_') return at + 1 >= codes.size() || !IsLetterOrDigit(codes[at + 1]);
    return silent.find(code) != std::u32string::npos;
}

char32_t AsciiForm(char32_t code)
{
    const bool digit = code >= U'０' && code <= U'９';
    const bool letter = (code >= U'Ａ' && code <= U'Ｚ') || (code >= U'ａ' && code <= U'ｚ');
    return digit || letter ? code - 0xFEE0 : code;
}

}  // namespace

std::string PlainReading(std::string_view reading)
{
    const std::u32string codes = DecodeUtf8(reading);
    std::u32string plain;
    plain.reserve(codes.size());
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const char32_t code = codes[i];
        if (IsSilentSign(codes, i)) continue;
        if (const char32_t joined = i + 1 < codes.size() ? kana::JoinedKana(code, codes[i + 1]) : 0) {
            plain += joined;
            ++i;
            continue;
        }
        plain += AsciiForm(code);
    }
    return EncodeUtf8(plain);
}

std::string DotNumbers(std::string_view cells)
{
    std::string spoken;
    for (const char cell : cells) {
        if (!spoken.empty()) spoken += ", ";
        const char32_t pattern = BrailleCodePoint(static_cast<unsigned char>(cell));
        if (pattern == U'\uFFFD') {
            spoken += '?';
        } else if (pattern == U'\u2800') {
            spoken += "マスあけ";
        } else {
            std::string dots;
            for (int dot = 0; dot < 6; ++dot)
                if ((pattern - 0x2800) & (1u << dot)) dots += (dots.empty() ? "" : " ") + std::to_string(dot + 1);
            spoken += dots;
        }
    }
    return spoken;
}

}  // namespace tessra
