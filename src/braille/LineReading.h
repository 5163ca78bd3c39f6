#pragma once

#include "braille/KanaReader.h"

#include <string>
#include <string_view>

namespace tessra {

// One label line as text, as the sheet view places it: only the first `cellsPerLabelLine` cells
// of the padded line. Trailing ASCII spaces are removed.

// The kana reading (墨字). `reader` must be reset for the label; it is reset here for the line.
// Each placed cell gives the text last drawn on it: its own reading, or the rewrite a later cell
// made of it. Braille-flagged texts are written as braille patterns, a blank as a space.
std::string ReadLabelLine(KanaReader& reader, std::string_view paddedLine, int cellsPerLabelLine);

// The cells themselves as braille patterns, a blank as a space.
std::string BrailleLabelLine(std::string_view paddedLine, int cellsPerLabelLine);

}  // namespace tessra
