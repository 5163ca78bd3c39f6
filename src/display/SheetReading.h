#pragma once

#include "app/AppState.h"

#include <iosfwd>
#include <string>

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

// The label view: label 1 with page 0 and every cell of its padded lines, capacity or not.
std::string LabelViewReading(const AppState& state);

// What the view shows in its current view mode.
std::string ShownReading(const AppState& state);

}  // namespace tessra
