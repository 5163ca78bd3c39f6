#pragma once

#include "app/AppState.h"
#include "braille/KanaComposer.h"

#include <span>
#include <string>
#include <vector>

namespace tessra {

// The page label `label` (from 0) shows: its own in per-label data, page 0 when every label
// shows the same text.
long long LabelPage(const AppState& state, long long label);

// Lines of cells the label editor shows for a label: the lines of its page after the first,
// which is never shown, without the empty lines that end the page or the document.
std::vector<std::string> LabelPageLines(const AppState& state, long long label);

// A refused character of an edited label, line from 0.
struct LabelRefusal {
    int line = 0;
    ComposeRefusal refusal;
};

struct LabelComposition {
    std::vector<std::string> cells;  // one line of cells per text line
    std::vector<LabelRefusal> refusals;
    bool Composed() const { return refusals.empty(); }
};

// One label's text in the editor against the document. The lines the user has not changed
// compose back to the very cells the page holds, bytes outside the cell code included.
class LabelEdit {
public:
    LabelEdit(const AppState& state, long long label);

    long long Label() const { return label_; }
    const std::vector<std::string>& Texts() const { return texts_; }
    // How many text lines the label's page can hold.
    int LineLimit() const { return lineLimit_; }

    // Composes edited text lines, as `tessra compose` writes a label.
    LabelComposition Compose(std::span<const std::string> texts) const;

    // Writes composed lines into the label's page; the rest of the document stays as it is.
    // A document without a line gets the pages `tessra compose` makes for its format first.
    // Returns whether anything changed; a change marks the document modified.
    bool Store(AppState& state, const std::vector<std::string>& cells) const;

private:
    long long label_;
    int lineLimit_;
    std::vector<std::string> cells_;
    std::vector<std::string> texts_;
};

// The message for lines beyond a page's last.
std::string TooManyLinesMessage(int limit);

// What the editor says about a composition that has refusals: the first, with its line (from 1)
// and column, and how many more there are; empty when there is none.
std::string RefusalSummary(const LabelComposition& composition);

}  // namespace tessra
