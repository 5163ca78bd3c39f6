#include "reading/WordReading.h"

#include "text/Utf8Text.h"
#include "reading/KanaText.h"

#include <algorithm>

namespace tessra {
namespace {

bool AllKatakana(std::u32string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char32_t c) {
        return IsKatakana(c) || c == U'・';
    });
}

bool ConjugatingWord(const Morpheme& word)
{
    return word.pos == "動詞" || word.pos == "形容詞" || word.pos == "助動詞";
}

bool LongVowelRow(char32_t kana)
{
    const char32_t vowel = KanaVowel(kana);
    return vowel == U'お' || vowel == U'う';
}

// The reading with its long-vowel う written ー. Where the pronunciation lines up with the
// reading it says which う inside a word are long (子牛 is こうし, 郵便 is ゆーびん); a word's
// last う after an o- or u-row kana is long unless the word is a verb or adjective (払う).
std::u32string LongVowels(const Morpheme& word, std::u32string reading)
{
    const std::u32string spoken = DecodeUtf8(word.pronunciation);
    const bool aligned = spoken.size() == reading.size();
    for (std::size_t i = 1; i < reading.size(); ++i) {
        if (aligned) {
            if ((reading[i] == U'ハ' && spoken[i] == U'ワ') || (reading[i] == U'ヘ' && spoken[i] == U'エ'))
                reading[i] = spoken[i];
        }
        if (reading[i] != U'ウ' || !LongVowelRow(reading[i - 1])) continue;
        const bool last = i + 1 == reading.size();
        if (ConjugatingWord(word) && last) continue;
        // The dictionaries sometimes leave a word's last long vowel unmarked (量 リョウ).
        if (!aligned || spoken[i] == U'ー' || last) reading[i] = U'ー';
    }
    return reading;
}

// Letters, digits and signs: braille writes them as they stand, not as the analyser spells them
// out (ＪＲ is not じぇいあーる, ％ not ぱーせんと).
bool WrittenAsItStands(std::u32string_view text)
{
    return !text.empty() && std::none_of(text.begin(), text.end(), [](char32_t c) {
        return IsKanji(c) || IsHiragana(c) || IsKatakana(c) || IsKanjiNumeral(c);
    });
}

}  // namespace

std::u32string WordKana(const Morpheme& word, std::u32string_view before)
{
    const std::u32string surface = DecodeUtf8(word.surface);
    if (word.fixed) return ToHiragana(DecodeUtf8(word.reading));
    if (AllKatakana(surface)) return ToHiragana(surface);
    if (WrittenAsItStands(surface)) return surface;
    if (word.pos == "助詞") {
        if (surface == U"は") return U"わ";
        if (surface == U"へ") return U"え";
    }
    // The う of でしょう, ましょう, ろう: a separate word, long after the o row before it.
    if (word.pos == "助動詞" && surface == U"う" && !before.empty() && LongVowelRow(before.back()))
        return U"ー";
    if (word.reading.empty()) return ToHiragana(surface);
    return ToHiragana(LongVowels(word, DecodeUtf8(word.reading)));
}

}  // namespace tessra
