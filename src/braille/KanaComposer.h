#pragma once

#include "braille/Signs.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tessra {

// A character the composer cannot write.
struct ComposeRefusal {
    int column = 0;         // from 1, in characters
    std::string character;  // UTF-8 as the message shows it: the character, or its code
    std::string reason;     // the message text, Japanese
};

struct ComposedLine {
    std::string cells;
    std::vector<ComposeRefusal> refusals;  // empty when the cells are the whole line
};

// Writes label text as braille cells: kana by the reader's own tables, signs, letters and
// numbers by the sign table, as the conventions of Japanese braille write them. A line is read
// left to right in runs (kana, a number, a letter run, a foreign phrase, an email or URL, a sign,
// blanks); what stands right before and after a run decides how it joins.
class KanaComposer {
public:
    // The enclosures open within a label, by kind (a pair of rows of the enclosure table), and
    // the quotation marks that open and close alike which are open now.
    struct Enclosures {
        std::array<int, std::size(signs::kEnclosures) / 2> open{};
        std::u32string quotes;
    };

    // Before the first line of every label: enclosures start with the opening one, as the
    // reader's do.
    void ResetForLabel();
    // One text line (UTF-8, no line break) as one braille line.
    ComposedLine ComposeLine(std::string_view text);

private:
    Enclosures open_;
};

}  // namespace tessra
