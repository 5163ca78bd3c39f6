#include "document/BraillePages.h"

#include "braille/BrailleUnicode.h"
#include "sheet/SheetGeometry.h"
#include "document/BseFile.h"
#include "document/DocumentCommands.h"
#include "document/ReadRefusals.h"
#include "format/FormatString.h"

#include <algorithm>
#include <climits>

namespace tessra {
namespace {

std::string Decimal(long long number) { return std::to_string(number); }

// The header keeps two digits of the line length.
constexpr int kCellsPerLineLimit = 99;

// The document's lines for `pages`: each page after its hidden first line, every page but the
// last filled with empty lines up to `pageSize`, one more than the longest page.
struct DocumentLines {
    std::vector<std::string> lines;
    std::size_t pageSize = 1;
};

DocumentLines LinesOfPages(BraillePages pages)
{
    DocumentLines result;
    for (const BraillePage& page : pages) result.pageSize = std::max(result.pageSize, page.size() + 1);
    for (std::size_t k = 0; k < pages.size(); ++k) {
        result.lines.emplace_back();
        std::move(pages[k].begin(), pages[k].end(), std::back_inserter(result.lines));
        if (k + 1 < pages.size()) result.lines.resize((k + 1) * result.pageSize);
    }
    return result;
}

}  // namespace

BraillePages DocumentPages(const AppState& state)
{
    BraillePages pages;
    if (state.document.linesPerPage() < 1) return pages;
    const auto pageSize = static_cast<std::size_t>(state.document.linesPerPage());
    const std::size_t count = (state.document.lines().size() + pageSize - 1) / pageSize;
    pages.reserve(count);
    for (std::size_t page = 0; page < count; ++page) {
        const LabelText text = LabelLines(state.document.lines().size(), state.document.linesPerPage(), false,
                                          static_cast<long long>(page), LLONG_MAX);
        const auto first = state.document.lines().begin() + static_cast<std::ptrdiff_t>(text.firstLine);
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

const Preset& DefaultImportPreset()
{
    return *FindPresetByKey(preset::kDefaultKey);
}

std::size_t BseSizeOfPages(const BraillePages& pages)
{
    return BseImageSize(LinesOfPages(pages).lines);
}

void LoadPages(BraillePages pages, const Preset& preset, AppState& state)
{
    const bool sameData = pages.size() <= 1;
    DocumentLines loaded = LinesOfPages(std::move(pages));

    SheetFormat format;
    ParseFormatString(preset.layout, format);
    format.formatDataMode = sameData ? 0 : 1;
    DocumentContent content = NewDocumentContent();
    content.choice.selectedPresetKey = PresetKey(preset.kind, preset.sizeName);
    content.choice.formatPresetKey = content.choice.selectedPresetKey;
    content.choice.formatString = BuildFormatString(format, sameData);
    content.choice.format = format;
    content.choice.sameDataForAllLabels = sameData;
    content.cellsPerLine = std::clamp(CellsPerLabelLine(format), 0, kCellsPerLineLimit);
    content.linesPerPage = static_cast<int>(loaded.pageSize);
    content.lines = std::move(loaded.lines);
    NewDocument(state);
    state.document.Replace(std::move(content), {}, {}, Document::Start::Unmodified);
}

}  // namespace tessra
