#pragma once

#include "document/BraillePages.h"

#include <string>
#include <string_view>

namespace tessra {

// PEF 1.0, the Portable Embosser Format: XML whose pages hold rows of Unicode braille.

inline constexpr std::string_view kPefNamespace = "http://www.daisy.org/ns/2008/pef";
inline constexpr std::string_view kDublinCoreNamespace = "http://purl.org/dc/elements/1.1/";
inline constexpr std::string_view kPefMediaType = "application/x-pef+xml";

// Every page of every section of every volume, in document order, each row one line. A row may
// hold only six-dot patterns (U+2800 to U+283F); anything else, XML that does not parse and a
// document that is not PEF are refused with their line and column.
PagesRead ParsePef(std::string_view xml);

// One volume with one section and one page per page. Its size is the longest line and the
// longest page (at least one each); a document without pages gets one empty page, as PEF wants
// at least one. The identifier follows from the braille, so the same document gives the same
// file.
std::string BuildPef(const BraillePages& pages);

}  // namespace tessra
