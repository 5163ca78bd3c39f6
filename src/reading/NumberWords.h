#pragma once

#include "reading/Morpheme.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessra {

// Numbers as braille writes them, rewriting the words of a line in place:
// - a run of numeral words (一 二 十 百 千 …, digits, a comma or point between digits) becomes
//   one number word; kanji numerals standing for a number become digits (三千五百 → 3500, 二〇二四
//   → 2024), with 万, 億 and 兆 kept as まん, おく, ちょー (一万二千 → 1まん2000);
// - a numeral with its counter in one word (三本, 三日, 十二月) becomes the digits and the
//   counter as read (3ぼん, 3にち, 12がつ);
// - a counter after a number sounds as spoken (1ぽん, 3ぼん, 3がい, 20ぷん, 3がつ);
// - counts said in native numbers are written as said (ひとり, ふたり, ひとつ … ここのつ), and so
//   is a date's day after its month (7がつ なのか, 5がつ はつか; 14か, 24か keep their digits);
// - ￥ before a number is read えん after it, ％ is read ぱーせんと.
// Numerals inside other words (八百屋, 一緒) are not numbers and keep their reading.
void WriteNumbers(std::vector<Morpheme>& words);

// The digits (and まん, おく, ちょー) for kanji numerals, or nothing when `numerals` does not
// spell a number.
std::optional<std::string> KanjiNumberDigits(std::u32string_view numerals);

}  // namespace tessra
