#include "cli/CliContext.h"

#include "sheet/SheetWalk.h"
#include "print/PrintChecks.h"

#include <cstdio>
#include <ostream>

namespace tessra {
namespace {

// One line per cell the sheet view draws red, in drawing order, sheet after sheet, and one per
// label line with braille the label cannot hold; the sheet is named only when there is more than one.
class UnprintableLister final : public SheetVisitor {
public:
    UnprintableLister(std::string& cells, std::string& lost, bool namesSheet)
        : cells_(cells), lost_(lost), namesSheet_(namesSheet)
    {
    }

    void BeginLabel(const LabelPlace& label) override { sheet_ = label.sheet; }

    void Cell(const CellPlace& cell) override
    {
        if (cell.printable) return;
        char line[200];
        std::snprintf(line, sizeof line, "line %d cell %zu x %.2f y %.2f\n", cell.line,
                      cell.cell + 1, cell.paper.x, cell.paper.y);
        cells_ += Label(cell.label) + line;
    }

    void BeyondLabel(const LinePlace& place) override
    {
        char line[100];
        std::snprintf(line, sizeof line, "line %d cells %zu\n", place.line, place.cellsBeyond);
        lost_ += Label(place.label) + line;
    }

private:
    std::string Label(long long label) const
    {
        char text[64];
        const int prefix = namesSheet_ ? std::snprintf(text, sizeof text, "sheet %lld ", sheet_ + 1) : 0;
        std::snprintf(text + prefix, sizeof text - static_cast<std::size_t>(prefix), "label %lld ", label + 1);
        return text;
    }

    std::string& cells_;
    std::string& lost_;
    const bool namesSheet_;
    long long sheet_ = 0;
};

std::string OnOneLine(std::string text)
{
    for (char& c : text)
        if (c == '\n') c = ' ';
    return text;
}

}  // namespace

int RunCheck(CliContext& context)
{
    int exitCode = kExitOk;
    if (!StartLabelOption(context, exitCode)) return exitCode;
    const std::optional<PrintRefusal> fit = CheckLabelsFit(context.state.document.format());
    std::string cells, lost;
    UnprintableLister lister(cells, lost, PlanSheets(context.state).sheets > 1);
    const SheetWalkResult walk = WalkEverySheet(context.state, lister);

    std::ostream& out = context.streams.out;
    out << (fit ? OnOneLine(fit->message) : std::string("fits")) << '\n';
    out << "unprintable: " << walk.unprintableCells << '\n' << cells;
    // Shown only when there are any, so that the report of a document that fits stays as it was.
    if (walk.cellsBeyondLabel > 0) out << "beyond label: " << walk.cellsBeyondLabel << '\n' << lost;
    return !fit && walk.AllCellsPrintable() ? kExitOk : kExitRefused;
}

}  // namespace tessra
