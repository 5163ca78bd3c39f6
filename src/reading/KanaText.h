#pragma once

#include <string>
#include <string_view>

namespace tessra {

// Character classes and conversions for readings, on code points. The composer shares them.

bool IsKanji(char32_t c);            // CJK ideographs and the iteration mark 々
bool IsHiragana(char32_t c);         // ぁ … ゖ
bool IsKatakana(char32_t c);         // ァ … ヺ and ー
bool IsKanjiNumeral(char32_t c);     // 〇 一 … 九 十 百 千 万 億 兆

// Katakana written as hiragana; everything else unchanged (ー stays).
std::u32string ToHiragana(std::u32string_view text);

// The vowel of a kana's row (あ い う え お), or 0 for ん, っ, ー and others. Small kana of a
// contracted sound give their own vowel, so きょ ends in the o row.
char32_t KanaVowel(char32_t kana);

// Beats of a reading: kana except the small ゃゅょぁぃぅぇぉ, ー, っ and ん each count one;
// a digit or a letter counts one; blanks and signs count nothing.
int MoraCount(std::u32string_view reading);

bool HasKanji(std::string_view text);

}  // namespace tessra
