#pragma once

#include "app/AppState.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tessra {

// The text the labels show, as `tessra read` prints it: for each label a line "[N]" (N from 1),
// then one line per label line with its kana reading, or its cells as braille patterns.

struct ReadingOptions {
    long long onlyLabel = -1;  // a label index from 0, or every label
    bool braille = false;
    bool plain = false;  // the reading in plain Japanese, for screen readers
};

// The sheet view: every label in reading order, each line cut at the label's capacity.
void WriteSheetReading(std::ostream& out, const AppState& state, ReadingOptions options = {});

// The label view: the chosen label with its page and every cell of its padded lines, capacity or not.
std::string LabelViewReading(const AppState& state);

// What a screen reader says of a line: its plain reading, and its cells for the dot numbers.
struct SpokenLine {
    std::string reading;
    std::string cells;  // as placed, trailing blanks removed
};

// One label as a screen reader hears it, with how many of its cells the embosser cannot reach.
struct SpokenLabel {
    std::vector<SpokenLine> lines;
    long long unprintableCells = 0;
};

// Every label of the sheet view, in reading order, each line cut at the label's capacity.
std::vector<SpokenLabel> SpokenLabels(const AppState& state);

// The label view's lines, every cell of each; unprintable cells as the sheet view counts them.
SpokenLabel SpokenLabelView(const AppState& state);

// What the view shows in its current view mode.
std::string ShownReading(const AppState& state);

}  // namespace tessra
