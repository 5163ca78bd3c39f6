// Any text as a format string: every value finite, the stored form always 50 bytes, and a stored
// form read and written again unchanged.
#include "format/FormatString.h"

#include <cmath>
#include <cstdlib>

using namespace tessra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SheetFormat format;
    ParseFormatString({reinterpret_cast<const char*>(data), size}, format);
    for (double v : {format.sheetWidth, format.sheetHeight, format.x1, format.x2, format.y1,
                     format.y2, format.labelWidth, format.labelHeight, format.x3, format.y3,
                     format.linePitch})
        if (!std::isfinite(v)) std::abort();

    const std::string stored = BuildFormatString(format, size % 2 == 0);
    if (stored.size() != kStoredFormatLength) std::abort();
    SheetFormat again;
    ParseFormatString(stored, again);
    if (BuildFormatString(again, size % 2 == 0) != stored) std::abort();
    (void)LengthText(format.sheetWidth);
    return 0;
}
