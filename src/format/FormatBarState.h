#pragma once

#include "document/AppState.h"

namespace tessra {

// What showing and hiding the format bar does to the state, apart from the widgets.

// The lists' entries for the selected preset key, applied as the format bar applies a choice;
// ends with modified = 0.
void FormatBarShown(AppState& state);

// formatString rebuilt in its stored form from the sheet format.
void FormatBarHidden(AppState& state);

}  // namespace tessra
