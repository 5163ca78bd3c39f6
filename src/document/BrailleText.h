#pragma once

#include "document/BraillePages.h"

#include <string>
#include <string_view>

namespace tessra {

// Unicode braille text: UTF-8, one six-dot pattern (U+2800 to U+283F) per cell, lines ended by LF
// (CR LF is read too), every page ended by a form feed.

// An ASCII blank is read as the blank cell and a byte-order mark at the start is dropped; any
// other character, and any byte that is not UTF-8, is refused.
PagesRead ParseBrailleText(std::string_view text);

// Every cell as its pattern, the blank as U+2800, so that no editor takes trailing blanks away.
std::string BuildBrailleText(const BraillePages& pages);

}  // namespace tessra
