#pragma once

#include "braille/KanaComposer.h"
#include "document/AppState.h"
#include "reading/LineReading.h"

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
    std::vector<int> unchecked;  // lines (from 0) written as the proposed reading of their kanji
    bool Composed() const { return refusals.empty(); }
};

// One label's text in the editor against the document. The lines the user has not changed
// compose back to the very cells the page holds, bytes outside the cell code included.
class LabelEdit {
public:
    LabelEdit(const AppState& state, long long label);

    long long Label() const { return label_; }
    const std::vector<std::string>& Texts() const { return texts_; }

    // Composes edited text lines, as `tessra compose` writes a label. A line with kanji is
    // written as the reading `transcriber` proposes for it; without one it is refused.
    LabelComposition Compose(std::span<const std::string> texts,
                             const LineTranscriber* transcriber = nullptr) const;

    // Writes composed lines into the label's page; the rest of the document stays as it is.
    // A document without a line gets the pages `tessra compose` makes for its format first.
    // Returns whether anything changed.
    bool Store(AppState& state, const std::vector<std::string>& cells) const;
    // After Store: the label's lines written from a proposed reading are the unchecked ones of
    // its page, with the text they came from. Returns whether that changed.
    bool MarkUnchecked(AppState& state, const LabelComposition& composition,
                       std::span<const std::string> texts) const;

private:
    long long label_;
    int lineLimit_;
    std::vector<std::string> cells_;
    std::vector<std::string> texts_;
};

// Whether document line `line` holds a proposed reading the user has not confirmed.
bool IsUncheckedLine(const AppState& state, std::size_t line);
// How many lines of the document do.
long long UncheckedLineCount(const AppState& state);

// The message for lines beyond a page's last.
std::string TooManyLinesMessage(int limit);

// What the editor says about a composition that has refusals: the first, with its line (from 1)
// and column, and how many more there are; empty when there is none.
std::string RefusalSummary(const LabelComposition& composition);

}  // namespace tessra
