#include "document/LabelEdit.h"

#include "braille/EditableText.h"
#include "braille/TextLine.h"
#include "sheet/SheetGeometry.h"
#include "sheet/SheetPages.h"
#include "document/ComposeDocument.h"
#include "reading/KanaText.h"

#include <algorithm>
#include <map>

namespace tessra {
namespace {

// The page shape editing works with: the document's, or for a document without a line the one
// composing would give it.
int LinesPerPage(const AppState& state)
{
    return state.document.lines().empty() ? ComposedPageShape(state.document.format()).linesPerPage : state.document.linesPerPage();
}

std::size_t FirstLineOfPage(const AppState& state, long long label)
{
    return static_cast<std::size_t>(LabelPage(state, label)) *
           static_cast<std::size_t>(std::max(0, LinesPerPage(state)));
}

}  // namespace

long long LabelPage(const AppState& state, long long label)
{
    // A label before the start label carries no page; its text is the first page's.
    return std::max(0LL, PageOfShownLabel(state, label));
}

std::vector<std::string> LabelPageLines(const AppState& state, long long label)
{
    const int perPage = LinesPerPage(state);
    if (perPage <= 1) return {};
    const std::size_t first = FirstLineOfPage(state, label) + 1;
    if (first >= state.document.lines().size()) return {};
    const std::size_t end = std::min(state.document.lines().size(), first + static_cast<std::size_t>(perPage - 1));
    std::vector<std::string> lines(state.document.lines().begin() + static_cast<std::ptrdiff_t>(first),
                                   state.document.lines().begin() + static_cast<std::ptrdiff_t>(end));
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

std::string TooManyLinesMessage(int limit)
{
    return "このラベルのページに入るのは " + std::to_string(limit) + " 行までです";
}

std::string RefusalSummary(const LabelComposition& composition)
{
    if (composition.refusals.empty()) return {};
    const LabelRefusal& first = composition.refusals.front();
    std::string summary = first.refusal.character.empty()
                              ? std::to_string(first.line + 1) + " 行: " + first.refusal.reason
                              : RefusalMessage(first.line + 1, first.refusal);
    if (composition.refusals.size() > 1)
        summary += "（ほかに " + std::to_string(composition.refusals.size() - 1) + " か所）";
    return summary;
}

bool IsUncheckedLine(const AppState& state, std::size_t line)
{
    const auto found = state.document.uncheckedReadings().find(line);
    return found != state.document.uncheckedReadings().end() && line < state.document.lines().size() &&
           state.document.lines()[line] == found->second.cells;
}

long long UncheckedLineCount(const AppState& state)
{
    return std::ranges::count_if(state.document.uncheckedReadings(),
                                 [&state](const auto& entry) { return IsUncheckedLine(state, entry.first); });
}

// A line still unchecked shows the text it was written from, so that it can be checked later.
LabelEdit::LabelEdit(const AppState& state, long long label)
    : label_(label),
      lineLimit_(std::max(0, LinesPerPage(state) - 1)),
      cells_(LabelPageLines(state, label)),
      texts_(EditableLines(cells_))
{
    const std::size_t first = FirstLineOfPage(state, label_) + 1;
    for (std::size_t j = 0; j < texts_.size(); ++j)
        if (IsUncheckedLine(state, first + j)) texts_[j] = state.document.uncheckedReadings().at(first + j).text;
}

LabelComposition LabelEdit::Compose(std::span<const std::string> texts, const LineTranscriber* transcriber) const
{
    LabelComposition result;
    KanaComposer composer;
    composer.ResetForLabel();
    for (std::size_t j = 0; j < texts.size(); ++j) {
        const int line = static_cast<int>(j);
        const bool kanji = HasKanji(texts[j]);
        ComposedLine composed = ComposeTextLine(composer, texts[j], kanji ? transcriber : nullptr);
        if (kanji) result.unchecked.push_back(line);
        if (j < texts_.size() && texts[j] == texts_[j]) {
            result.cells.push_back(cells_[j]);
            continue;
        }
        for (ComposeRefusal& refusal : composed.refusals) result.refusals.push_back({line, std::move(refusal)});
        if (line >= lineLimit_) {
            result.refusals.push_back({line, {1, std::string(), TooManyLinesMessage(lineLimit_)}});
        }
        result.cells.push_back(std::move(composed.cells));
    }
    return result;
}

bool LabelEdit::Store(AppState& state, const std::vector<std::string>& cells) const
{
    if (cells.size() > static_cast<std::size_t>(lineLimit_)) return false;
    const Document& document = state.document;
    PageShape shape{document.cellsPerLine(), document.linesPerPage()};
    if (document.lines().empty()) {
        if (std::ranges::all_of(cells, &std::string::empty)) return false;
        shape = ComposedPageShape(document.format());
    }
    const std::size_t first = FirstLineOfPage(state, label_) + 1;
    const std::size_t pageEnd = first + static_cast<std::size_t>(lineLimit_);
    std::size_t used = cells.size();
    while (used > 0 && cells[used - 1].empty()) --used;
    std::vector<std::string> lines = document.lines();
    if (used > 0 && lines.size() < first + used) lines.resize(first + used);
    bool changed = false;
    for (std::size_t i = first; i < std::min(pageEnd, lines.size()); ++i) {
        const std::string& wanted = i - first < cells.size() ? cells[i - first] : std::string();
        if (lines[i] == wanted) continue;
        lines[i] = wanted;
        changed = true;
    }
    if (changed) state.document.SetLines(std::move(lines), shape.cellsPerLine, shape.linesPerPage);
    return changed;
}

bool LabelEdit::MarkUnchecked(AppState& state, const LabelComposition& composition,
                              std::span<const std::string> texts) const
{
    const std::size_t first = FirstLineOfPage(state, label_) + 1;
    UncheckedReadings marks = state.document.uncheckedReadings();
    const auto begin = marks.lower_bound(first);
    const auto end = marks.lower_bound(first + static_cast<std::size_t>(lineLimit_));
    UncheckedReadings wanted;
    for (const int line : composition.unchecked) {
        const auto j = static_cast<std::size_t>(line);
        if (line < lineLimit_ && j < texts.size() && j < composition.cells.size())
            wanted[first + j] = {texts[j], composition.cells[j]};
    }
    if (std::equal(begin, end, wanted.begin(), wanted.end())) return false;
    marks.erase(begin, end);
    marks.merge(wanted);
    state.document.SetUncheckedReadings(std::move(marks));
    return true;
}

}  // namespace tessra
