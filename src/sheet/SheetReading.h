#pragma once

#include "document/AppState.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tessra {

// The text the labels show, as `tessra read` prints it: for each label a line "[N]" (N from 1,
// counted on over the sheets), then one line per label line with its kana reading, or its cells
// as braille patterns.

struct ReadingOptions {
    long long onlyLabel = -1;  // a label index from 0 counted over the sheets, or every label
    long long onlySheet = -1;  // a sheet from 0, or every sheet
    bool braille = false;
    bool plain = false;  // the reading in plain Japanese, for screen readers
};

// The sheet view: every label of every sheet in reading order, each line cut at the label's
// capacity.
void WriteSheetReading(std::ostream& out, const AppState& state, ReadingOptions options = {});

// The label view: the chosen label with its page and every cell of its padded lines, capacity or not.
std::string LabelViewReading(const AppState& state);

// What a screen reader says of a line: its plain reading, and its cells for the dot numbers.
struct SpokenLine {
    std::string reading;
    std::string cells;  // as placed, trailing blanks removed
    bool unchecked = false;  // written from a proposed reading not yet confirmed
};

// One label as a screen reader hears it, with how many of its cells the embosser cannot reach or
// the label cannot hold, and how many of its lines await their reading's check.
struct SpokenLabel {
    long long number = 1;  // as `tessra read` numbers it, across sheets
    std::vector<SpokenLine> lines;
    long long unprintableCells = 0;
    long long uncheckedLines = 0;
};

// Every label of the shown sheet, in reading order, each line cut at the label's capacity.
std::vector<SpokenLabel> SpokenLabels(const AppState& state);

// The label view's lines, every cell of each; unprintable cells as the sheet view counts them.
SpokenLabel SpokenLabelView(const AppState& state);

}  // namespace tessra
