#pragma once

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

// Writes kana text as braille cells: KanaReader run backwards, built from its own tables. The
// cells read back, line by line within a label, as the text in the reading's spelling: hiragana,
// voiced kana as base and ゛ or °, full-width digits and letters, the numeral, foreign-letter
// and capital signs, "_" for each connecting sign and the blanks the composer adds (after
// punctuation, and between a letter run and what follows it).
class KanaComposer {
public:
    // Before the first line of every label: parentheses start with the opening one, as the
    // reader's do.
    void ResetForLabel();
    // One text line (UTF-8, no line break) as one braille line.
    ComposedLine ComposeLine(std::string_view text);

private:
    bool parenOpen_ = false;
};

}  // namespace tessra
