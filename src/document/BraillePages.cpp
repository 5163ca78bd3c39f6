#include "document/BraillePages.h"

#include "display/BrailleUnicode.h"
#include "display/SheetGeometry.h"
#include "document/DocumentCommands.h"
#include "format/FormatString.h"
#include "format/Utf8Text.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace tessra {
namespace {

std::string Decimal(long long number) { return std::to_string(number); }

std::string ByteText(unsigned char byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

// The header keeps two digits of the line length.
constexpr int kCellsPerLineLimit = 99;

}  // namespace

BraillePages DocumentPages(const AppState& state)
{
    BraillePages pages;
    if (state.linesPerPage < 1) return pages;
    const auto pageSize = static_cast<std::size_t>(state.linesPerPage);
    const std::size_t count = (state.lines.size() + pageSize - 1) / pageSize;
    pages.reserve(count);
    for (std::size_t page = 0; page < count; ++page) {
        const LabelText text = LabelLines(state.lines.size(), state.linesPerPage, false,
                                          static_cast<long long>(page), LLONG_MAX);
        const auto first = state.lines.begin() + static_cast<std::ptrdiff_t>(text.firstLine);
        pages.emplace_back(first, first + text.count);
    }
    return pages;
}

std::optional<std::string> FirstForeignCell(const BraillePages& pages)
{
    for (std::size_t page = 0; page < pages.size(); ++page) {
        for (std::size_t line = 0; line < pages[page].size(); ++line) {
            const std::string& cells = pages[page][line];
            for (std::size_t cell = 0; cell < cells.size(); ++cell) {
                const auto byte = static_cast<unsigned char>(cells[cell]);
                if (CellOfByte(byte)) continue;
                return "ページ " + Decimal(static_cast<long long>(page) + 1) + " の " +
                       Decimal(static_cast<long long>(line) + 1) + " 行 " +
                       Decimal(static_cast<long long>(cell) + 1) + " マス目: 点字のコードにないバイト " +
                       ByteText(byte) + " は書き出せません";
            }
        }
    }
    return std::nullopt;
}

TextPosition PositionInText(std::string_view text, std::size_t offset)
{
    offset = std::min(offset, text.size());
    const std::size_t lineEnd = text.rfind('\n', offset == 0 ? 0 : offset - 1);
    const std::size_t lineStart = offset == 0 || lineEnd == std::string_view::npos ? 0 : lineEnd + 1;
    TextPosition place;
    place.line = 1 + std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(lineStart), '\n');
    for (std::size_t at = lineStart; at < offset; at += DecodeUtf8At(text, at).length) ++place.column;
    return place;
}

std::string PlaceMessage(TextPosition place, std::string_view character)
{
    std::string message = Decimal(place.line) + " 行 " + Decimal(place.column) + " 文字目";
    if (!character.empty()) message += "「" + std::string(character) + "」";
    return message;
}

std::string CharacterRefusal(TextPosition place, char32_t code, std::string_view utf8,
                             std::string_view reason)
{
    char codeText[16];
    std::snprintf(codeText, sizeof codeText, "U+%04X", static_cast<unsigned>(code));
    const bool visible = code > 0x20 && (code < 0x7F || code > 0x9F);
    return PlaceMessage(place, visible ? utf8 : std::string_view()) + ": " + codeText + " は " +
           std::string(reason);
}

std::string TooManyPageLines(long long fileLine)
{
    return Decimal(fileLine) + " 行目: 1 ページに入る点字は " +
           Decimal(static_cast<long long>(kPageLineLimit)) + " 行までです";
}

void PageCollector::Cell(unsigned char cell)
{
    line_ += static_cast<char>(cell);
    lineOpen_ = true;
    pageOpen_ = true;
}

std::optional<std::string> PageCollector::EndLine(long long fileLine)
{
    if (page_.size() == kPageLineLimit) return TooManyPageLines(fileLine);
    page_.push_back(std::move(line_));
    line_.clear();
    lineOpen_ = false;
    pageOpen_ = true;
    return std::nullopt;
}

std::optional<std::string> PageCollector::EndPage(long long fileLine)
{
    if (lineOpen_)
        if (auto problem = EndLine(fileLine)) return problem;
    pages_.push_back(std::move(page_));
    page_.clear();
    pageOpen_ = false;
    return std::nullopt;
}

PagesRead PageCollector::Finish(long long fileLine)
{
    if (pageOpen_)
        if (auto problem = EndPage(fileLine)) return {{}, std::move(problem)};
    return {std::move(pages_), std::nullopt};
}

const Preset& DefaultImportPreset()
{
    return *FindPresetByKey(preset::kDefaultKey);
}

void LoadPages(BraillePages pages, const Preset& preset, AppState& state)
{
    std::size_t longest = 0;
    for (const BraillePage& page : pages) longest = std::max(longest, page.size());
    const std::size_t pageSize = longest + 1;
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < pages.size(); ++k) {
        lines.emplace_back();
        std::move(pages[k].begin(), pages[k].end(), std::back_inserter(lines));
        if (k + 1 < pages.size()) lines.resize((k + 1) * pageSize);
    }

    SheetFormat format;
    ParseFormatString(preset.layout, format);
    const bool sameData = pages.size() <= 1;
    format.formatDataMode = sameData ? 0 : 1;
    NewDocument(state);
    state.filePath.clear();
    state.fileExtension.clear();
    state.selectedPresetKey = PresetKey(preset.kind, preset.sizeName);
    state.formatPresetKey = state.selectedPresetKey;
    state.formatString = BuildFormatString(format, sameData);
    state.format = format;
    state.sameDataForAllLabels = sameData;
    state.cellsPerLine = std::clamp(CellsPerLabelLine(format), 0, kCellsPerLineLimit);
    state.linesPerPage = static_cast<int>(pageSize);
    state.lines = std::move(lines);
}

}  // namespace tessra
