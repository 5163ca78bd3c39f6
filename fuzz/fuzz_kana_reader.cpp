#include "braille/KanaReader.h"
#include "braille/LineReading.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// Input: a label capacity byte, a line width byte, then the document: LF ends a line, FF starts a
// new label; every other byte is a cell.

namespace {

void Require(bool condition)
{
    if (!condition) std::abort();
}

// Strict UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF. Returns the number of
// code points, or -1.
long CodePoints(std::string_view text)
{
    long count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4 || i + length > text.size()) return -1;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return -1;
            code = (code << 6) | (next & 0x3F);
        }
        const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return -1;
        }
        i += length;
    }
    return count;
}

using Label = std::vector<std::string>;

std::vector<Label> SplitDocument(std::string_view bytes, std::size_t width)
{
    std::vector<Label> labels(1);
    labels.back().emplace_back();
    for (const char byte : bytes) {
        if (byte == '\f') {
            labels.emplace_back(1);
        } else if (byte == '\n') {
            labels.back().emplace_back();
        } else {
            labels.back().back() += byte;
        }
    }
    for (Label& label : labels) {
        for (std::string& line : label) {
            if (line.size() < width) line.resize(width, ' ');
        }
    }
    return labels;
}

void CheckBrailleLine(std::string_view line, int cellsPerLabelLine)
{
    const std::string text = tessra::BrailleLabelLine(line, cellsPerLabelLine);
    const std::string_view placed = line.substr(0, static_cast<std::size_t>(cellsPerLabelLine));
    const std::size_t lastCell = placed.find_last_not_of(' ');
    Require(CodePoints(text) == (lastCell == std::string_view::npos ? 0 : long(lastCell) + 1));
}

std::vector<std::string> ReadDocument(tessra::KanaReader& reader, const std::vector<Label>& labels,
                                      int cellsPerLabelLine)
{
    std::vector<std::string> texts;
    for (const Label& label : labels) {
        reader.ResetForLabel();
        for (const std::string& line : label) {
            texts.push_back(tessra::ReadLabelLine(reader, line, cellsPerLabelLine));
            const std::string& text = texts.back();
            Require(CodePoints(text) >= 0);
            Require(text.empty() || text.back() != ' ');
        }
    }
    return texts;
}

void CheckText(std::string_view text, bool braille)
{
    Require(braille ? text.size() == 1 : CodePoints(text) >= 0);
}

// Each call on its own: braille texts are single cells, kana texts UTF-8, and no rewrite reaches
// before the line's first cell.
void CheckEachCall(std::string_view bytes)
{
    tessra::KanaReader reader;
    reader.ResetForLabel();
    reader.ResetForLine();
    std::size_t inLine = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const bool last = i + 1 == bytes.size() || bytes[i + 1] == '\n';
        const tessra::KanaReading r = reader.ReadCell(bytes[i], last);
        CheckText(r.cellOut, r.cellOutBraille);
        if (!r.prevCellOut.empty()) CheckText(r.prevCellOut, r.prevCellOutBraille);
        Require(r.redrawn.size() <= tessra::KanaReading::kMostRedrawn);
        Require(r.redrawn.empty() || r.prevCellOut.empty());
        for (const tessra::CellDrawing& cell : r.redrawn) {
            if (!cell.text.empty()) CheckText(cell.text, cell.braille);
        }
        Require(std::max(r.redrawn.size(), r.prevCellOut.empty() ? std::size_t{0} : std::size_t{1}) <= inLine);
        ++inLine;
        if (bytes[i] == '\n') {
            reader.ResetForLine();
            inLine = 0;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) return 0;
    const int cellsPerLabelLine = data[0] % 48;
    const std::size_t width = data[1] % 48;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 2), size - 2);
    const std::vector<Label> labels = SplitDocument(bytes, width);

    tessra::KanaReader reader;
    const std::vector<std::string> first = ReadDocument(reader, labels, cellsPerLabelLine);
    // Reading again with the same, used reader must give the same texts: the resets leave nothing.
    Require(ReadDocument(reader, labels, cellsPerLabelLine) == first);
    for (const Label& label : labels) {
        for (const std::string& line : label) CheckBrailleLine(line, cellsPerLabelLine);
    }
    CheckEachCall(bytes);
    return 0;
}
