#pragma once

#include "document/Document.h"

namespace tessra {

// What showing and hiding the format bar does to the format, apart from the widgets.

// The lists' entries for the selected preset key, applied as the format bar applies a choice.
void FormatBarShown(FormatChoice& choice);

// formatString rebuilt in its stored form from the sheet format.
void FormatBarHidden(FormatChoice& choice);

}  // namespace tessra
