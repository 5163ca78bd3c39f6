#pragma once

#include "reading/Morpheme.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessra {

// The analyser's feature string of a word, read into a Morpheme, for the two Debian
// dictionaries. UniDic's categories are mapped onto IPADIC's, which the reading rules use.
enum class DictionaryKind { Ipadic, Unidic };

// The comma-separated fields; a field in double quotes may hold commas ("" is a quote).
std::vector<std::string> SplitFeatures(std::string_view feature);

// Fills the categories, reading and pronunciation of `word` from its feature string; a field
// that is missing or "*" leaves the member empty.
void ReadFeatures(DictionaryKind kind, std::string_view feature, Morpheme& word);

// naist-jdic holds some phrases as one word with their parts marked ':' in the written and read
// forms (源:頼朝 ミナモトノ:ヨリトモ, ありがとう:ございます): the parts become words of their own,
// a full name's a surname and a given name, which braille writes apart (みなもとの よりとも). A
// mark that does not line up with the word is dropped.
// `word` was read from `feature`; the result is the word or its parts.
std::vector<Morpheme> MarkedParts(std::string_view feature, Morpheme word);

}  // namespace tessra
