#include "reading/KanaText.h"

#include "text/Utf8Text.h"

namespace tessra {
namespace {

// The vowel of each hiragana from ぁ (U+3041) to ゖ (U+3096); '-' for っ and ん.
constexpr std::string_view kVowels =
    "aaiiuueeooaaiiuueeooaaiiuueeooaaii-uueeooaiueoaaaiiiuuueeeoooaiueoaauuooaiueoaaieo-uae";
static_assert(kVowels.size() == 0x3096 - 0x3041 + 1);

constexpr std::u32string_view kSmallKana = U"ぁぃぅぇぉゃゅょゎァィゥェォャュョヮ";

bool IsDigitOrLetter(char32_t c)
{
    if (c >= U'０' && c <= U'ｚ') c -= 0xFEE0;
    return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

}  // namespace

bool IsKanji(char32_t c)
{
    // The unified ideographs, extension A, the compatibility ideographs, and the supplementary
    // and tertiary ideographic planes whole, so each new extension block is kanji too.
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x3FFFF) || c == U'々';
}

bool IsHiragana(char32_t c) { return c >= 0x3041 && c <= 0x3096; }

bool IsKatakana(char32_t c) { return (c >= 0x30A1 && c <= 0x30FA) || c == U'ー'; }

bool IsKanjiNumeral(char32_t c)
{
    return std::u32string_view(U"〇一二三四五六七八九十百千万億兆").find(c) != std::u32string_view::npos;
}

std::u32string ToHiragana(std::u32string_view text)
{
    std::u32string out(text);
    for (char32_t& c : out)
        if (c >= 0x30A1 && c <= 0x30F6) c -= 0x60;
    return out;
}

char32_t KanaVowel(char32_t kana)
{
    if (kana >= 0x30A1 && kana <= 0x30F6) kana -= 0x60;
    if (!IsHiragana(kana)) return 0;
    const char vowel = kVowels[kana - 0x3041];
    switch (vowel) {
    case 'a': return U'あ';
    case 'i': return U'い';
    case 'u': return U'う';
    case 'e': return U'え';
    case 'o': return U'お';
    default: return 0;
    }
}

int MoraCount(std::u32string_view reading)
{
    int count = 0;
    for (const char32_t c : reading) {
        if (kSmallKana.find(c) != std::u32string_view::npos) continue;
        if (IsHiragana(c) || IsKatakana(c) || IsDigitOrLetter(c)) ++count;
    }
    return count;
}

bool HasKanji(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Char c = DecodeUtf8At(text, at);
        if (c.valid && IsKanji(c.code)) return true;
        at += c.length;
    }
    return false;
}

}  // namespace tessra
