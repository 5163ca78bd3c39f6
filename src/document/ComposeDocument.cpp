#include "document/ComposeDocument.h"

#include "braille/KanaComposer.h"
#include "braille/TextLine.h"
#include "sheet/SheetGeometry.h"
#include "document/DocumentCommands.h"
#include "format/FormatString.h"

#include <algorithm>

namespace tessra {
namespace {

// Some editors start a UTF-8 file with it; it is no character of the text.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string Decimal(long long number) { return std::to_string(number); }

std::string TooManyLabels(long long labels, long long texts, int firstLine)
{
    return "ラベル " + Decimal(labels + 1) + "（" + Decimal(firstLine) + " 行目から）: この用紙のラベルは " +
           Decimal(labels) + " 枚です。テキストは " + Decimal(texts) + " 枚分あります";
}

// Where a label line is: label and line from 1, and the line of the text.
std::string LinePlace(std::size_t label, std::size_t line, int textLine)
{
    return "ラベル " + Decimal(label + 1) + " の " + Decimal(line + 1) + " 行目（" + Decimal(textLine) +
           " 行目）: ";
}

std::string TooLong(std::size_t cells, int capacity)
{
    return "点字で " + Decimal(cells) + " マスになります。1 行に入るのは " + Decimal(capacity) +
           " マスまでです";
}

std::string TooManyLines(int capacity, std::size_t lines)
{
    return "ラベルに入るのは " + Decimal(capacity) + " 行までです。このラベルのテキストは " +
           Decimal(lines) + " 行あります";
}

// Writes the texts into pages and collects what does not fit or cannot be written.
class PageWriter {
public:
    PageWriter(const SheetFormat& format, const LabelPlaces& places, const LineTranscriber* transcriber)
        : places_(places),
          transcriber_(transcriber),
          cells_(ComposedPageShape(format).cellsPerLine),
          lines_(ComposedPageShape(format).linesPerPage - 1),
          labels_(static_cast<long long>(GridRows(format)) * GridColumns(format))
    {
    }

    void Write(const LabelSources& split)
    {
        const auto texts = static_cast<long long>(split.labels.size());
        for (std::size_t k = 0; k < split.labels.size(); ++k) {
            if (static_cast<long long>(k) == labels_) {
                if (auto refused = places_.PastTheSheet(k, labels_, texts)) {
                    problems_.push_back(std::move(*refused));
                    return;
                }
            }
            WriteLabel(k, split.labels[k]);
        }
    }

    PageShape Shape() const { return {cells_, lines_ + 1}; }
    int LinesPerPage() const { return lines_ + 1; }
    std::vector<std::string>& Lines() { return pageLines_; }
    const std::vector<std::string>& Problems() const { return problems_; }

private:
    void WriteLabel(std::size_t k, const LabelSource& label)
    {
        composer_.ResetForLabel();
        pageLines_.resize(k * static_cast<std::size_t>(LinesPerPage()));
        pageLines_.emplace_back();
        for (std::size_t j = 0; j < label.lines.size(); ++j) {
            ComposedLine composed = ComposeTextLine(composer_, label.lines[j], transcriber_);
            for (const ComposeRefusal& refusal : composed.refusals)
                problems_.push_back(places_.Refusal(k, j, refusal));
            const std::string place = places_.Line(k, j);
            if (composed.cells.size() > static_cast<std::size_t>(cells_))
                problems_.push_back(place + TooLong(composed.cells.size(), cells_));
            if (j == static_cast<std::size_t>(lines_))
                problems_.push_back(place + TooManyLines(lines_, label.lines.size()));
            pageLines_.push_back(std::move(composed.cells));
        }
    }

    const LabelPlaces& places_;
    const LineTranscriber* transcriber_;
    int cells_;
    int lines_;
    long long labels_;
    KanaComposer composer_;
    std::vector<std::string> pageLines_;
    std::vector<std::string> problems_;
};

// A text's labels are named by the lines they come from.
class TextPlaces : public LabelPlaces {
public:
    explicit TextPlaces(const LabelSources& split) : split_(split) {}

    std::string Refusal(std::size_t label, std::size_t line, const ComposeRefusal& refusal) const override
    {
        return RefusalMessage(TextLine(label, line), refusal);
    }
    std::string Line(std::size_t label, std::size_t line) const override
    {
        return LinePlace(label, line, TextLine(label, line));
    }
    std::optional<std::string> PastTheSheet(std::size_t label, long long labels, long long texts) const override
    {
        return TooManyLabels(labels, texts, split_.labels[label].firstLine);
    }

private:
    int TextLine(std::size_t label, std::size_t line) const
    {
        return split_.labels[label].firstLine + static_cast<int>(line);
    }

    const LabelSources& split_;
};

}  // namespace

// The file keeps both numbers in two digits; only a format no bar accepts comes near that.
constexpr int kHeaderFieldLimit = 99;

PageShape ComposedPageShape(const SheetFormat& format)
{
    return {std::min(CellsPerLabelLine(format), kHeaderFieldLimit),
            std::min(LinesPerLabel(format), kHeaderFieldLimit - 1) + 1};
}

std::vector<std::string_view> TextLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
    }
    return lines;
}

LabelSources SplitLabels(std::string_view text)
{
    LabelSources split;
    int number = 0;
    for (const std::string_view line : TextLines(text)) {
        ++number;
        if (line == kLabelSeparator) {
            split.separated = true;
            split.labels.push_back({number + 1, {}});
        } else {
            split.labels.back().lines.push_back(line);
        }
    }
    if (split.separated && split.labels.back().lines.empty()) split.labels.pop_back();
    return split;
}

std::vector<std::string> ComposeDocument(std::string_view text, const Preset& preset,
                                         AppState& state, const LineTranscriber* transcriber)
{
    const LabelSources split = SplitLabels(text);
    return ComposeLabels(split, TextPlaces(split), preset, state, transcriber);
}

std::vector<std::string> ComposeLabels(const LabelSources& split, const LabelPlaces& places,
                                       const Preset& preset, AppState& state,
                                       const LineTranscriber* transcriber)
{
    SheetFormat format;
    ParseFormatString(preset.layout, format);
    PageWriter pages(format, places, transcriber);
    pages.Write(split);
    if (!pages.Problems().empty()) return pages.Problems();

    DocumentContent content = NewDocumentContent();
    content.choice.selectedPresetKey = PresetKey(preset.kind, preset.sizeName);
    content.choice.formatPresetKey = content.choice.selectedPresetKey;
    content.choice.formatString = std::string(preset.layout);
    content.choice.format = format;
    content.choice.sameDataForAllLabels = !split.separated;
    content.cellsPerLine = pages.Shape().cellsPerLine;
    content.linesPerPage = pages.Shape().linesPerPage;
    content.lines = std::move(pages.Lines());
    NewDocument(state);
    state.document.Replace(std::move(content), std::string(kNewDocumentPath), {}, Document::Start::Modified);
    return {};
}

}  // namespace tessra
