#pragma once

#include "document/AppState.h"
#include "format/Presets.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tessra {

// The braille of a document as other braille files hold it: pages of lines of cells, without the
// first line of each document page, which is never shown or embossed.
using BraillePage = std::vector<std::string>;
using BraillePages = std::vector<BraillePage>;

// A BSE page holds at most 99 lines (two digits in the header), one of them the hidden first line.
inline constexpr std::size_t kPageLineLimit = 98;

// Every page of the document, lines 1 … of each page of linesPerPage lines, as they stand
// (trailing blanks included). A last page cut short keeps the lines it has; a page size below 1
// gives no pages, as nothing of such a document is shown.
BraillePages DocumentPages(const AppState& state);

// The first cell that is not in the cell code (0x20 to 0x7E), named by page, line and cell, as
// the message that refuses to write it; nothing when every cell can be written.
std::optional<std::string> FirstForeignCell(const BraillePages& pages);

// What a reader of another braille file gives: the pages, or the refusal naming line and column.
struct PagesRead {
    BraillePages pages;
    std::optional<std::string> problem;
};

// The preset a file of another kind is laid out on unless the user names one: the A4 sheet.
const Preset& DefaultImportPreset();

// The size of the BSE file of the document that LoadPages makes of `pages`: it must stay below
// kBseSizeLimit for the document to be opened and saved.
std::size_t BseSizeOfPages(const BraillePages& pages);

// Makes `state` an unnamed, unmodified document of `pages` on `preset`, as if a BSE file with that
// header had been opened: each page gets the hidden first line, shorter pages are filled with
// empty lines so that every page starts where the page size says, the data mode is one page per
// label when there is more than one page, and a line holds the label's capacity in cells.
void LoadPages(BraillePages pages, const Preset& preset, AppState& state);

}  // namespace tessra
