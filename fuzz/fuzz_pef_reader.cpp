// Any bytes through the PEF reader; what it accepts must survive the document and the writer
// (which gives a document without pages one empty page).
#include "FuzzedPages.h"
#include "document/PefFile.h"

using namespace tessra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    PagesRead read = ParsePef(bytes);
    if (!read.problem && read.pages.empty()) read.pages.emplace_back();
    fuzz::CheckPagesRoundTrip(read, BuildPef, ParsePef);
    return 0;
}
