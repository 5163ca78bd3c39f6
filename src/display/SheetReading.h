#pragma once

#include "app/AppState.h"

#include <iosfwd>
#include <string>

namespace tessra {

// The text the labels show, as `tessra read` prints it: for each label a line "[N]" (N from 1,
// counted on over the sheets), then one line per label line with its kana reading, or its cells
// as braille patterns.

struct ReadingOptions {
    long long onlyLabel = -1;  // a label index from 0 counted over the sheets, or every label
    long long onlySheet = -1;  // a sheet from 0, or every sheet
    bool braille = false;
};

// The sheet view: every label of every sheet in reading order, each line cut at the label's
// capacity.
void WriteSheetReading(std::ostream& out, const AppState& state, ReadingOptions options = {});

// The label view: the chosen label with its page and every cell of its padded lines, capacity or not.
std::string LabelViewReading(const AppState& state);

// What the view shows in its current view mode: in the sheet view the shown sheet.
std::string ShownReading(const AppState& state);

}  // namespace tessra
