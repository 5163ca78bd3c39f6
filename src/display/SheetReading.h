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

// One label as a screen reader hears it: the plain reading of each line the sheet view places on
// it, and how many of its cells the embosser cannot reach.
struct SpokenLabel {
    std::vector<std::string> lines;
    long long unprintableCells = 0;
};

// Every label of the sheet view, in reading order.
std::vector<SpokenLabel> SpokenLabels(const AppState& state);

// What the view shows in its current view mode.
std::string ShownReading(const AppState& state);

}  // namespace tessra
