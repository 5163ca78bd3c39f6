#pragma once

#include "document/BraillePages.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessra {

// BRF, braille ASCII pages: one byte per cell, lines ended by CR LF (LF alone is read too), and
// every page ended by a form feed.

// Bytes 0x60 to 0x7E are read as the cells 0x40 to 0x5E; any other byte outside the cell code, a
// CR that ends no line included, is refused.
PagesRead ParseBrf(std::string_view bytes);

// Each line as its cells and CR LF, an FF after each page.
std::string BuildBrf(const BraillePages& pages);

}  // namespace tessra
