#include "braille/LineReading.h"

#include "braille/BrailleUnicode.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tessra {
namespace {

std::size_t PlacedCells(std::string_view paddedLine, int cellsPerLabelLine)
{
    if (cellsPerLabelLine <= 0) return 0;
    return std::min(paddedLine.size(), static_cast<std::size_t>(cellsPerLabelLine));
}

void AppendBrailleCells(std::string& text, std::string_view cells)
{
    for (const char cell : cells) {
        if (cell == ' ') {
            text += ' ';
        } else {
            text += BrailleCellToUtf8(static_cast<unsigned char>(cell));
        }
    }
}

std::string WithoutTrailingSpaces(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

}  // namespace

std::string ReadLabelLine(KanaReader& reader, std::string_view paddedLine, int cellsPerLabelLine)
{
    reader.ResetForLine();
    std::vector<CellDrawing> drawn(PlacedCells(paddedLine, cellsPerLabelLine));
    for (std::size_t i = 0; i < drawn.size(); ++i)
        PlaceReading(drawn, i, reader.ReadCell(paddedLine[i], i + 1 == paddedLine.size()));
    std::string text;
    for (const CellDrawing& cell : drawn) {
        if (cell.braille) {
            AppendBrailleCells(text, cell.text);
        } else {
            text += cell.text;
        }
    }
    return WithoutTrailingSpaces(std::move(text));
}

std::string BrailleLabelLine(std::string_view paddedLine, int cellsPerLabelLine)
{
    std::string text;
    AppendBrailleCells(text, paddedLine.substr(0, PlacedCells(paddedLine, cellsPerLabelLine)));
    return WithoutTrailingSpaces(std::move(text));
}

}  // namespace tessra
