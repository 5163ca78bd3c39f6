#include "sheet/SheetPages.h"

#include <algorithm>
#include <climits>
#include <string_view>

namespace tessra {
namespace {

bool HasNonBlankCell(std::string_view cells)
{
    return cells.find_first_not_of(' ') != std::string_view::npos;
}

LabelText LinesOfPage(const AppState& state, long long page)
{
    return PageLines(state.document.lines().size(), state.document.linesPerPage(), page, LinesPerLabel(state.document.format()));
}

long long PageCount(const AppState& state)
{
    return static_cast<long long>(state.document.lines().size() / state.document.linesPerPage()) + 1;
}

// The last page whose label would emboss a cell or loses one, or kNoPage: a page whose braille
// all lies beyond its label still gets its label, so that the loss is shown. Pages are looked at
// from the end, so a long document with its text at the end costs no more than one page.
long long LastEmbossedPage(const AppState& state)
{
    if (state.document.linesPerPage() <= 1) return kNoPage;
    for (long long page = PageCount(state) - 1; page >= 0; --page) {
        if (EmbossedLineCount(state, LinesOfPage(state, page)) > 0) return page;
        if (FirstLineBeyondLabel(state, page)) return page;
    }
    return kNoPage;
}

}  // namespace

long long LabelsPerSheet(const SheetFormat& format)
{
    return static_cast<long long>(GridRows(format)) * GridColumns(format);
}

bool StartLabelOnSheet(const SheetFormat& format, long long startLabel)
{
    return startLabel == 1 || (startLabel >= 1 && startLabel <= LabelsPerSheet(format));
}

long long SheetPlan::PageOf(long long sheet, long long label) const
{
    if (Skipped(sheet, label) || label < 0 || label >= labelsPerSheet) return kNoPage;
    if (sameDataForAllLabels) return sheet == 0 ? 0 : kNoPage;
    return sheet * labelsPerSheet + label - skippedLabels;
}

SheetPlan::Place SheetPlan::PlaceOf(long long page) const
{
    if (sameDataForAllLabels || labelsPerSheet <= 0 || page < 0) return {0, skippedLabels};
    const long long index = page + skippedLabels;
    return {index / labelsPerSheet, index % labelsPerSheet};
}

SheetPlan PlanSheets(const AppState& state)
{
    SheetPlan plan;
    plan.labelsPerSheet = LabelsPerSheet(state.document.format());
    plan.sameDataForAllLabels = state.document.sameDataForAllLabels();
    if (StartLabelOnSheet(state.document.format(), state.startLabel)) plan.skippedLabels = state.startLabel - 1;
    if (plan.sameDataForAllLabels || plan.labelsPerSheet == 0) return plan;
    const long long last = LastEmbossedPage(state);
    if (last != kNoPage) plan.sheets = (plan.skippedLabels + last) / plan.labelsPerSheet + 1;
    return plan;
}

int EmbossedLineCount(const AppState& state, const LabelText& text)
{
    const auto cells = static_cast<std::size_t>(CellsPerLabelLine(state.document.format()));
    for (int k = text.count; k > 0; --k) {
        const std::string_view line = state.document.lines()[text.firstLine + static_cast<std::size_t>(k - 1)];
        if (HasNonBlankCell(line.substr(0, cells))) return k;
    }
    return 0;
}

std::optional<LineBeyondLabel> FirstLineBeyondLabel(const AppState& state, long long page)
{
    const LabelText text = PageLines(state.document.lines().size(), state.document.linesPerPage(), page, LLONG_MAX);
    for (int line = 1; line <= text.count; ++line) {
        const std::string_view cells = state.document.lines()[text.firstLine + static_cast<std::size_t>(line - 1)];
        if (const std::size_t lost = CellsBeyondLabel(state.document.format(), line, cells)) return LineBeyondLabel{page, line, lost};
    }
    return std::nullopt;
}

std::optional<LineBeyondLabel> FirstLineBeyondLabel(const AppState& state)
{
    if (state.document.linesPerPage() <= 1) return std::nullopt;
    const long long pages = state.document.sameDataForAllLabels() ? 1 : PageCount(state);
    for (long long page = 0; page < pages; ++page)
        if (auto line = FirstLineBeyondLabel(state, page)) return line;
    return std::nullopt;
}

long long ShownSheet(const AppState& state, const SheetPlan& plan)
{
    return std::clamp(state.shownSheet, 0LL, plan.sheets - 1);
}

long long PageOfShownLabel(const AppState& state, long long label)
{
    const SheetPlan plan = PlanSheets(state);
    return plan.PageOf(ShownSheet(state, plan), label);
}

bool TurnSheet(AppState& state, int direction)
{
    const SheetPlan plan = PlanSheets(state);
    const long long from = ShownSheet(state, plan);
    const long long to = std::clamp(from + direction, 0LL, plan.sheets - 1);
    state.shownSheet = to;
    return to != from;
}

}  // namespace tessra
