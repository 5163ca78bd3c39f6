#pragma once

#include "reading/Morpheme.h"

#include <string>

namespace tessra {

// The kana of one word as braille writes it, in hiragana: the analyser's reading with the
// particles は and へ written わ and え, a long vowel written う after an o- or u-row kana written
// ー (but not the う of a verb ending, nor えい, おお and the like), katakana words as written.
// `before` is what the line's reading holds so far. A word without a reading is written as it
// stands.
std::u32string WordKana(const Morpheme& word, std::u32string_view before);

}  // namespace tessra
