// Any bytes through the Unicode braille text reader; what it accepts must survive the document
// and the writer.
#include "FuzzedPages.h"
#include "document/BrailleText.h"

using namespace tessra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzz::CheckPagesRoundTrip(ParseBrailleText(bytes), BuildBrailleText, ParseBrailleText);
    return 0;
}
