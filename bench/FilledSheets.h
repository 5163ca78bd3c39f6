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
    state.format = format;
    state.fileOpen = true;
    state.viewMode = mode::kSheet;
    state.zoom = mode::kZoom0;
    state.displayMode = mode::kBraille;
    state.leftMargin = 10;
    state.topMargin = state.bottomMargin = 15;
    state.sameDataForAllLabels = false;
    state.linesPerPage = LinesPerLabel(format) + 1;
    state.cellsPerLine = CellsPerLabelLine(format);
    for (int label = 0; label < format.rows * format.columns; ++label) {
        state.lines.push_back("");
        for (int line = 1; line < state.linesPerPage; ++line) {
            std::string text(static_cast<std::size_t>(state.cellsPerLine), ' ');
            for (char& cell : text) cell = nextCell();
            state.lines.push_back(text);
        }
    }
    return state;
}

}  // namespace tessra
