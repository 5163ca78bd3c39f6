#pragma once

#include "document/BraillePages.h"

#include <optional>
#include <string>

namespace tessra {

// Collects pages from a text whose lines end with LF (or CR LF) and whose pages end with FF; a
// line or page not ended at the file's end is kept. Shared by BRF and Unicode braille text.
class PageCollector {
public:
    void Cell(unsigned char cell);
    // Ends the line; the message when the page gets more lines than a BSE page holds.
    std::optional<std::string> EndLine(long long fileLine);
    std::optional<std::string> EndPage(long long fileLine);
    PagesRead Finish(long long fileLine);

private:
    BraillePages pages_;
    BraillePage page_;
    std::string line_;
    bool lineOpen_ = false;
    bool pageOpen_ = false;
};

}  // namespace tessra
