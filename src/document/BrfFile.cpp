#include "document/BrfFile.h"

#include "braille/BrailleUnicode.h"
#include "document/PageCollector.h"
#include "document/ReadRefusals.h"

namespace tessra {
namespace {

constexpr char kFormFeed = '\f';

std::string ByteRefusal(TextPosition place, unsigned char byte)
{
    return PlaceMessage(place) + ": 点字のコードにないバイト " + ByteText(byte) + " です";
}

}  // namespace

PagesRead ParseBrf(std::string_view bytes)
{
    PageCollector pages;
    TextPosition place;
    for (std::size_t at = 0; at < bytes.size(); ++at, ++place.column) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        std::optional<std::string> problem;
        if (byte == '\n') {
            problem = pages.EndLine(place.line);
            ++place.line;
            place.column = 0;
        } else if (byte == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n') {
            continue;
        } else if (byte == kFormFeed) {
            problem = pages.EndPage(place.line);
        } else if (const std::optional<unsigned char> cell = CellOfByte(byte)) {
            pages.Cell(*cell);
        } else {
            problem = ByteRefusal(place, byte);
        }
        if (problem) return {{}, std::move(problem)};
    }
    return pages.Finish(place.line);
}

std::string BuildBrf(const BraillePages& pages)
{
    std::string bytes;
    for (const BraillePage& page : pages) {
        for (const std::string& line : page) {
            bytes += line;
            bytes += "\r\n";
        }
        bytes += kFormFeed;
    }
    return bytes;
}

}  // namespace tessra
