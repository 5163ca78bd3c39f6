#pragma once

// What every reader of other braille files must keep: pages it accepts become a document that
// gives the same pages back (the last one exactly), and the writer's file reads back as those
// pages again.
#include "document/BraillePages.h"

#include <cstdlib>

namespace tessra::fuzz {

// A document's pages are all as long as its longest: shorter ones come back with empty lines.
inline BraillePages WithoutTrailingEmptyLines(BraillePages pages)
{
    for (BraillePage& page : pages)
        while (!page.empty() && page.back().empty()) page.pop_back();
    return pages;
}

template <typename Build, typename Parse>
void CheckPagesRoundTrip(const PagesRead& read, Build build, Parse parse)
{
    if (read.problem) {
        if (read.problem->empty() || !read.pages.empty()) std::abort();
        return;
    }
    AppState state;
    LoadPages(read.pages, DefaultImportPreset(), state);
    const BraillePages pages = DocumentPages(state);
    if (WithoutTrailingEmptyLines(pages) != WithoutTrailingEmptyLines(read.pages)) std::abort();
    if (!pages.empty() && pages.back().size() != read.pages.back().size()) std::abort();
    if (FirstForeignCell(pages)) std::abort();
    if (state.document.linesPerPage() < 1 || state.document.linesPerPage() > static_cast<int>(kPageLineLimit) + 1) std::abort();
    const PagesRead again = parse(build(pages));
    if (again.problem || again.pages != pages) std::abort();
}

}  // namespace tessra::fuzz
