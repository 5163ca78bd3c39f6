#pragma once

#include "document/AppState.h"
#include "sheet/SheetGeometry.h"

#include <string>

namespace tessra {

// A document on `format` whose every label has its own page, filled to the label's capacity
// with the cells `nextCell()` gives, and the default print position.
template <typename NextCell>
AppState FilledSheet(const SheetFormat& format, NextCell nextCell)
{
    AppState state;
    state.viewMode = mode::kSheet;
    state.zoom = mode::kZoom0;
    state.displayMode = mode::kBraille;
    state.leftMargin = 10;
    state.topMargin = state.bottomMargin = 15;
    DocumentContent content;
    content.choice.format = format;
    content.choice.sameDataForAllLabels = false;
    content.linesPerPage = LinesPerLabel(format) + 1;
    content.cellsPerLine = CellsPerLabelLine(format);
    for (int label = 0; label < format.rows * format.columns; ++label) {
        content.lines.push_back("");
        for (int line = 1; line < content.linesPerPage; ++line) {
            std::string text(static_cast<std::size_t>(content.cellsPerLine), ' ');
            for (char& cell : text) cell = nextCell();
            content.lines.push_back(text);
        }
    }
    state.document.Replace(std::move(content), {}, {}, Document::Start::Unmodified);
    return state;
}

}  // namespace tessra
