#include "braille/PlainReading.h"

#include "braille/BrailleUnicode.h"
#include "braille/Signs.h"
#include "text/Utf8Text.h"

namespace tessra {
namespace {

constexpr char32_t kVoicedMark = U'゛';
constexpr char32_t kSemiVoicedMark = U'°';

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

// Hiragana and katakana share one layout, 0x60 apart; every voiced kana follows its plain one.
char32_t VoicedKana(char32_t kana)
{
    const bool katakana = kana >= U'ァ' && kana <= U'ヶ';
    const char32_t hiragana = katakana ? kana - 0x60 : kana;
    const std::u32string_view voicable = U"かきくけこさしすせそたちつてとはひふへほ";
    char32_t voiced = 0;
    if (voicable.find(hiragana) != std::u32string_view::npos) voiced = hiragana + 1;
    else if (hiragana == U'う') voiced = U'ゔ';
    if (voiced == 0) return 0;
    return katakana ? voiced + 0x60 : voiced;
}

char32_t SemiVoicedKana(char32_t kana)
{
    const bool katakana = kana >= U'ァ' && kana <= U'ヶ';
    const char32_t hiragana = katakana ? kana - 0x60 : kana;
    if (std::u32string_view(U"はひふへほ").find(hiragana) == std::u32string_view::npos) return 0;
    return (katakana ? hiragana + 0x60 : hiragana) + 2;
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
        if (i + 1 < codes.size() && (codes[i + 1] == kVoicedMark || codes[i + 1] == kSemiVoicedMark)) {
            const char32_t joined =
                codes[i + 1] == kVoicedMark ? VoicedKana(code) : SemiVoicedKana(code);
            if (joined != 0) {
                plain += joined;
                ++i;
                continue;
            }
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
