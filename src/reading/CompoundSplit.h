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

// A word the analyser has no reading for (a rare kanji compound, a name it does not know) is read
// character by character: each kanji as the analyser reads it as a one-character word. For a
// kanji alone that is the reading a reader most often meets it in, its kun reading for most
// (峠 とうげ, 山 やま) and its on reading for those that are used as words in it (駅 えき); a
// reader who meets an unknown compound guesses no better without more of the text. 々 repeats
// the reading before it. A kanji the analyser cannot read alone stays as written, to be refused
// by itself.
void ReadUnknownWords(std::vector<Morpheme>& words, const Analyser& analyser);

}  // namespace tessra
