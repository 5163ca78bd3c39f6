#include "document/ComposeList.h"

#include "braille/TextLine.h"
#include "document/BseFile.h"
#include "document/ComposeDocument.h"
#include "format/FormatString.h"
#include "reading/KanaText.h"

namespace tessra {
namespace {

constexpr std::string_view kNoRows = "リストにラベルにする行がありません";

// A list's labels are named by the rows and fields they come from.
class ListPlaces : public LabelPlaces {
public:
    ListPlaces(const LabelTemplate& labelTemplate, const ListResult& list, const std::vector<Expansion>& texts)
        : template_(labelTemplate), list_(list), texts_(texts)
    {
    }

    std::string Refusal(std::size_t label, std::size_t line, const ComposeRefusal& refusal) const override
    {
        return RowRefusalMessage(template_, texts_[label].lines[line], list_.rows[label].number, refusal);
    }
    std::string Line(std::size_t label, std::size_t line) const override
    {
        return RowPlace(list_.rows[label].number) + " ラベルの " + std::to_string(line + 1) + " 行目: ";
    }
    std::optional<std::string> PastTheSheet(std::size_t, long long, long long) const override
    {
        return std::nullopt;
    }

private:
    const LabelTemplate& template_;
    const ListResult& list_;
    const std::vector<Expansion>& texts_;
};

// A document too large to be saved is refused before its pages are made: each label but the last
// takes a whole page of lines, each of them four bytes at the least.
std::optional<std::string> TooManyRows(const SheetFormat& format, std::size_t rows)
{
    const std::size_t pageBytes = static_cast<std::size_t>(ComposedPageShape(format).linesPerPage) * 4;
    const std::size_t room = kBseSizeLimit - 1 - (kBseHeaderSize + 1) - 4;
    const std::size_t most = room / pageBytes + 1;
    if (rows <= most) return std::nullopt;
    return "リストの行が多すぎます。この用紙で作れるのは " + std::to_string(most) + " 行までです（点字文書が" +
           SizeLimitWords(kBseSizeLimit) + " 以上の大きさになります）";
}

// The lines written from the proposed reading of a row's kanji, marked as the label editor marks
// them until the user has checked them.
UncheckedReadings ProposedReadings(const std::vector<Expansion>& texts, const Document& document)
{
    UncheckedReadings marks;
    const auto perPage = static_cast<std::size_t>(std::max(1, document.linesPerPage()));
    for (std::size_t k = 0; k < texts.size(); ++k) {
        for (std::size_t j = 0; j < texts[k].lines.size(); ++j) {
            const std::string& text = texts[k].lines[j].text;
            const std::size_t line = k * perPage + 1 + j;
            if (HasKanji(text) && line < document.lines().size()) marks[line] = {text, document.lines()[line]};
        }
    }
    return marks;
}

}  // namespace

std::vector<std::string> ComposeListDocument(const LabelTemplate& labelTemplate, const ListResult& list,
                                             const Preset& preset, AppState& state,
                                             const LineTranscriber* transcriber)
{
    if (!labelTemplate.problems.empty()) return labelTemplate.problems;
    if (list.rows.empty()) return {std::string(kNoRows)};
    SheetFormat format;
    ParseFormatString(preset.layout, format);
    if (auto refused = TooManyRows(format, list.rows.size())) return {std::move(*refused)};

    std::vector<Expansion> texts;
    texts.reserve(list.rows.size());
    std::vector<std::string> problems;
    LabelSources split{{}, true};
    split.labels.reserve(list.rows.size());
    for (std::size_t k = 0; k < list.rows.size(); ++k) {
        Expansion& text = texts.emplace_back(ExpandTemplate(labelTemplate, list, k));
        problems.insert(problems.end(), text.problems.begin(), text.problems.end());
        LabelSource& label = split.labels.emplace_back();
        for (const ExpandedLine& line : text.lines) label.lines.push_back(line.text);
    }
    // With problems in the fields the pages are still written, for what they have to say, but
    // into a document of their own.
    AppState scratch;
    const std::vector<std::string> unwritten =
        ComposeLabels(split, ListPlaces(labelTemplate, list, texts), preset, problems.empty() ? state : scratch,
                      transcriber);
    problems.insert(problems.end(), unwritten.begin(), unwritten.end());
    if (problems.empty() && transcriber) state.document.SetUncheckedReadings(ProposedReadings(texts, state.document));
    return problems;
}

std::vector<std::string> ComposeListOnFormat(const LabelTemplate& labelTemplate, const ListResult& list,
                                             const FormatChoice& choice, AppState& state,
                                             const LineTranscriber* transcriber)
{
    // The format as the file will store it, so that the pages fit what is opened again.
    const std::string layout = BuildFormatString(choice.format, false);
    const Preset own{SheetKind::MultiLabel, preset::kUserDefined, layout};
    std::vector<std::string> problems = ComposeListDocument(labelTemplate, list, own, state, transcriber);
    if (!problems.empty()) return problems;
    DocumentContent content = state.document.content();
    content.choice.selectedPresetKey = choice.selectedPresetKey;
    content.choice.formatPresetKey = choice.formatPresetKey;
    UncheckedReadings marks = state.document.uncheckedReadings();
    state.document.Replace(std::move(content), state.document.filePath(), {}, Document::Start::Modified);
    state.document.SetUncheckedReadings(std::move(marks));
    return {};
}

ListReadings ReadingsOfList(const LabelTemplate& labelTemplate, const ListResult& list,
                            const LineTranscriber& transcriber)
{
    ListReadings readings;
    if (!labelTemplate.problems.empty() || list.rows.empty()) {
        readings.problems = labelTemplate.problems.empty() ? std::vector<std::string>{std::string(kNoRows)}
                                                           : labelTemplate.problems;
        return readings;
    }
    KanaComposer composer;
    for (std::size_t k = 0; k < list.rows.size(); ++k) {
        const int number = list.rows[k].number;
        const Expansion text = ExpandTemplate(labelTemplate, list, k);
        readings.problems.insert(readings.problems.end(), text.problems.begin(), text.problems.end());
        ListReadings::Row& row = readings.rows.emplace_back();
        row.number = number;
        composer.ResetForLabel();
        for (const ExpandedLine& line : text.lines) {
            std::string reading;
            const ComposedLine composed = ComposeTextLine(composer, line.text, &transcriber, &reading);
            for (const ComposeRefusal& refusal : composed.refusals)
                readings.problems.push_back(RowRefusalMessage(labelTemplate, line, number, refusal));
            row.lines.push_back(std::move(reading));
        }
    }
    return readings;
}

}  // namespace tessra
