// Any bytes through the BRF reader; what it accepts must survive the document and the writer.
#include "FuzzedPages.h"
#include "document/BrfFile.h"

using namespace tessra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzz::CheckPagesRoundTrip(ParseBrf(bytes), BuildBrf, ParseBrf);
    return 0;
}
