#pragma once

#include "app/AppState.h"
#include "format/Presets.h"

#include <string>
#include <utility>
#include <vector>

namespace tessra::testing {

// A new document on the default A4 single sheet (one 210 x 297 label, cells from (10, 15), LP22
// as read from a format string) with the default print position.
inline AppState A4State(std::vector<std::string> lines)
{
    AppState state;
    SheetFormat& f = state.format;
    f.sheetWidth = f.labelWidth = 210;
    f.sheetHeight = f.labelHeight = 297;
    f.rows = f.columns = 1;
    f.x3 = 10;
    f.y3 = 15;
    f.linePitch = 10.2;
    state.leftMargin = 10;
    state.topMargin = 15;
    state.bottomMargin = 15;
    state.cellsPerLine = 38;
    state.linesPerPage = 28;
    state.sameDataForAllLabels = true;
    state.selectedPresetKey = std::string(preset::kDefaultKey);
    state.lines = std::move(lines);
    return state;
}

// A page of 28 lines: line 0, never shown, then `text` on every line.
inline std::vector<std::string> Page(const std::string& text)
{
    std::vector<std::string> lines(28, text);
    lines.front() = "HEADER";
    return lines;
}

}  // namespace tessra::testing
