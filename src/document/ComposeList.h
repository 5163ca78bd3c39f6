#pragma once

#include "document/AppState.h"
#include "format/Presets.h"
#include "merge/ListReader.h"
#include "merge/TemplateFields.h"
#include "reading/LineReading.h"

#include <string>
#include <vector>

namespace tessra {

// Makes `state` a new, unsaved document on `preset` with one label for each row of `list`: the
// row's text from `labelTemplate`, the k-th row's on page k-1, one page per label (data-mode digit
// 1) even for a single row; rows past the sheet's labels run on over further sheets. The pages
// are those that ComposeDocument writes for the same texts between `---` lines.
//
// Returns the template's problems when it has any; a list without rows, or with more than a
// document can hold, is refused; else the rows' field problems, then one message for each place
// that cannot be written, each naming the row and, where there is one, the field. The state
// changes only when there is none. Lines with kanji go through `transcriber` and are marked as
// proposed readings not yet checked; without one, kanji are refused.
std::vector<std::string> ComposeListDocument(const LabelTemplate& labelTemplate, const ListResult& list,
                                             const Preset& preset, AppState& state,
                                             const LineTranscriber* transcriber = nullptr);

// The same on a document's own format, as the window's 差し込み makes it: the sheet format and
// the keys that name it are the document's; the data mode is one page per label.
std::vector<std::string> ComposeListOnFormat(const LabelTemplate& labelTemplate, const ListResult& list,
                                             const FormatChoice& choice, AppState& state,
                                             const LineTranscriber* transcriber = nullptr);

// What `tessra reading --merge` prints: for each row of the list, the braille readings of its
// label's lines as compose writes them, and the messages, in row order, about what neither the
// reading nor the composer can write. The template's problems, or a list without rows, leave
// no row to print.
struct ListReadings {
    struct Row {
        int number = 0;  // the row in the list
        std::vector<std::string> lines;
    };
    std::vector<Row> rows;
    std::vector<std::string> problems;
};
ListReadings ReadingsOfList(const LabelTemplate& labelTemplate, const ListResult& list,
                            const LineTranscriber& transcriber);

}  // namespace tessra
