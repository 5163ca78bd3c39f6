#pragma once

#include "document/DocumentCommands.h"
#include "support/DocumentSetUp.h"

#include <string>
#include <vector>

namespace tessra::test {

// A new document: one A4 label of 210 x 297 with cells from (10, 15), LP22, pages of 28 lines of
// 38 cells; with the default print position.
inline AppState A4State(std::vector<std::string> lines = {""})
{
    AppState state;
    NewDocument(state);
    state.leftMargin = 10;
    state.topMargin = state.bottomMargin = 15;
    Set(state).lines = std::move(lines);
    return state;
}

}  // namespace tessra::test
