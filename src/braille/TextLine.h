#pragma once

#include "braille/KanaComposer.h"
#include "reading/LineReading.h"

#include <string>
#include <string_view>

namespace tessra {

// One text line of a label as `tessra compose` writes it; the label editor writes with it too. A
// line with kanji goes through `transcriber` first (when given), so its braille reading is
// composed; refusals name the column of the written line. `reading`, when given, receives the
// text that was composed.
ComposedLine ComposeTextLine(KanaComposer& composer, std::string_view line,
                             const LineTranscriber* transcriber = nullptr, std::string* reading = nullptr);

// How a character that cannot be written is named: "L 行 C 文字目「X」: reason", line from 1.
std::string RefusalMessage(int line, const ComposeRefusal& refusal);

}  // namespace tessra
