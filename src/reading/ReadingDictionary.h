#pragma once

#include "reading/Morpheme.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tessra {

// The user's readings (readings.tsv): one entry a line, the written form, a tab, its reading in
// kana, where a blank marks a word space; `#` starts a comment; blank lines are skipped. The
// reading is written as it stands, ahead of the analyser.
class ReadingDictionary {
public:
    struct Entry {
        std::u32string written;
        std::string reading;  // UTF-8 hiragana, blanks kept
    };

    // The dictionary of `text`, or the messages for its bad lines, each naming its line.
    // `name` is how the messages name the file.
    static std::optional<ReadingDictionary> Parse(std::string_view text, std::string_view name,
                                                  std::vector<std::string>& errors);

    bool Empty() const { return entries_.empty(); }

    // The longest entry written at `text[at]`, or null.
    const Entry* Match(std::u32string_view text, std::size_t at) const;

private:
    void Add(Entry entry);

    std::vector<Entry> entries_;
    // The written forms as a trie, so that a match costs the same with ten entries or a hundred
    // thousand: node 0 is the root, edges_ leads from (node << 32 | character) to the next node,
    // ends_[node] is 1 + the entry written up to that node, or 0.
    std::unordered_map<std::uint64_t, std::uint32_t> edges_;
    std::vector<std::uint32_t> ends_{0};
};

// Dictionary files this large are refused: one of names runs to thousands of lines, never to a
// megabyte. Adding an entry keeps a dictionary below it, so what the editor writes always loads.
inline constexpr std::size_t kUserReadingsSizeLimit = 1'000'000;

// Adds an entry at the end of the dictionary file `path`, making the file and its folder when
// there are none; the message when the entry or the file will not take it.
std::optional<std::string> AddUserReading(const std::string& path, std::string_view written,
                                          std::string_view reading);

// The words of an entry found in a line: one fixed word at `column`.
Morpheme DictionaryWord(const ReadingDictionary::Entry& entry, int column);

}  // namespace tessra
