#pragma once

#include "document/AppState.h"

#include <string>
#include <utility>
#include <vector>

namespace tessra::test {

// A test's document written field by field, as a file would hold it: `Set(state).lines = …`.
// At the end of the statement the document takes the fields as a document just opened, through
// its one way in, so the flag and the observers follow as they would for a file.
class DocumentSetUp {
public:
    explicit DocumentSetUp(AppState& state)
        : state_(state), content_(state.document.content())
    {
    }
    DocumentSetUp(const DocumentSetUp&) = delete;
    DocumentSetUp& operator=(const DocumentSetUp&) = delete;
    ~DocumentSetUp()
    {
        state_.document.Replace(std::move(content_), state_.document.filePath(),
                                state_.document.fileExtension(), Document::Start::Unmodified);
    }

private:
    AppState& state_;
    DocumentContent content_;

public:
    std::vector<std::string>& lines = content_.lines;
    int& headerCount = content_.headerCount;
    int& cellsPerLine = content_.cellsPerLine;
    int& linesPerPage = content_.linesPerPage;
    FormatChoice& choice = content_.choice;
    SheetFormat& format = content_.choice.format;
    bool& sameDataForAllLabels = content_.choice.sameDataForAllLabels;
    std::string& formatString = content_.choice.formatString;
    std::string& formatPresetKey = content_.choice.formatPresetKey;
    std::string& selectedPresetKey = content_.choice.selectedPresetKey;
    std::string& filePresetKey = content_.choice.filePresetKey;
};

// The document as if just opened again: unmodified, with what it holds now.
inline void Reopen(AppState& state)
{
    DocumentSetUp unchanged(state);
}

// A format bar change that left every value as it was: the document counts as modified, as the
// bar's rules have it.
inline void Touch(AppState& state)
{
    state.document.SetFormat(state.document.choice(), Document::FormatOrigin::User);
}

}  // namespace tessra::test

namespace tessra {

// Beside AppState, so that every test finds it.
inline test::DocumentSetUp Set(AppState& state)
{
    return test::DocumentSetUp(state);
}

}  // namespace tessra
