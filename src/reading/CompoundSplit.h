#pragma once

#include "reading/Analyser.h"
#include "reading/Morpheme.h"

#include <vector>

namespace tessra {

// Long compounds that the dictionary holds as one word (天地無用, 国会図書館) are written in
// their parts when each part has three beats or more: a noun of four kanji or more is cut where
// the readings of its two parts, read on their own, make up its reading. A compound whose
// reading changes at the join (株式会社, かぶしきがいしゃ) stays whole, as braille writes it.
void SplitCompounds(std::vector<Morpheme>& words, const Analyser& analyser);

}  // namespace tessra
