#pragma once

#include "braille/KanaComposer.h"
#include "document/AppState.h"
#include "format/Presets.h"
#include "reading/LineReading.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessra {

// A text line that holds only this ends one label's text and starts the next one's.
inline constexpr std::string_view kLabelSeparator = "---";

// The label texts of a text: its lines, split at separator lines. LF or CR LF ends a line; a
// separator after the last text closes it and starts no label of its own. A byte-order mark at
// the start is dropped.
struct LabelSource {
    int firstLine = 1;  // in the text, from 1
    std::vector<std::string_view> lines;
};
struct LabelSources {
    std::vector<LabelSource> labels{1};
    bool separated = false;
};
LabelSources SplitLabels(std::string_view text);

// The lines of a text as compose reads them: a leading byte-order mark dropped, LF or CR LF ends.
std::vector<std::string_view> TextLines(std::string_view text);

// The page a composed document gives each label: a line holds the label's cells and a page the
// label's lines after its first line, which is never shown; neither beyond the file's 99.
struct PageShape {
    int cellsPerLine = 0;
    int linesPerPage = 0;
};
PageShape ComposedPageShape(const SheetFormat& format);

// Makes `state` a new, unsaved document on `preset` from kana text (UTF-8, one text line per
// braille line). Without separators every label shows the text (data-mode digit 0); with them
// label k shows the k-th text on page k-1 (digit 1). Each page has as many lines as the label
// holds, after the page's first line, which is never shown; a line holds the label's cells, so
// the reading sees every line's end where embossing puts it.
//
// Returns one message for each place that cannot be written, in text order; nothing is cut to
// fit. The state changes only when there is none. Lines with kanji go through `transcriber`;
// without one, kanji are refused.
std::vector<std::string> ComposeDocument(std::string_view text, const Preset& preset,
                                         AppState& state,
                                         const LineTranscriber* transcriber = nullptr);

// How the messages about label texts name where a label's line came from: compose names the
// lines of its text, a merge the rows and fields of its list.
class LabelPlaces {
public:
    virtual ~LabelPlaces() = default;
    // A character of label k's line j that cannot be written, with the refusal's reason.
    virtual std::string Refusal(std::size_t label, std::size_t line, const ComposeRefusal& refusal) const = 0;
    // Label k's line j, to begin a message about the line as a whole.
    virtual std::string Line(std::size_t label, std::size_t line) const = 0;
    // Why label k, the first past the sheet's `labels` of `texts`, is refused; nullopt when the
    // labels run on over further sheets.
    virtual std::optional<std::string> PastTheSheet(std::size_t label, long long labels, long long texts) const = 0;
};

// What ComposeDocument does with the texts of `split`, messages named by `places`.
std::vector<std::string> ComposeLabels(const LabelSources& split, const LabelPlaces& places,
                                       const Preset& preset, AppState& state,
                                       const LineTranscriber* transcriber);

}  // namespace tessra
