#pragma once

#include "reading/LineReading.h"
#include "reading/Morpheme.h"

#include <vector>

namespace tessra {

// The braille reading of a line from its words, as the analyser (or the user dictionary) gave
// them: numbers, then each word's kana, then the blanks between phrases. A word with a kanji
// and no reading stays as written and is named in `problems`.
TranscribedLine ReadWords(std::vector<Morpheme> words);

}  // namespace tessra
