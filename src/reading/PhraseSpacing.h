#pragma once

#include "reading/Morpheme.h"

#include <string>
#include <vector>

namespace tessra {

// Compound particles that the analyser holds as one word (について, に対して) cut in two: the
// particle, and the verb inside it, which starts a phrase of its own (てんきに ついて).
void SplitCompoundParticles(std::vector<Morpheme>& words);

// Where braille puts a blank between the words of a line (分かち書き): before each content word
// (a phrase is a content word with the particles, auxiliaries and suffixes that follow it);
// never after a prefix or an opening parenthesis; after 。、・！？ when more follows; between a
// surname and a given name; inside a compound noun only where the parts on both sides have at
// least three beats, so shorter parts stay with their neighbour; before an auxiliary verb after
// て or で, and before a formal noun (こと, もの); wherever the line itself has a blank.
//
// `kana` holds each word's kana; the result says, for each word, whether a blank goes before it.
std::vector<bool> PhraseBlanks(const std::vector<Morpheme>& words,
                               const std::vector<std::u32string>& kana);

}  // namespace tessra
