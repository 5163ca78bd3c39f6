#include "cli/CliContext.h"

#include "display/SheetWalk.h"
#include "print/PrintChecks.h"

#include <cstdio>
#include <ostream>

namespace tessra {
namespace {

// One line per cell the sheet view draws red, in drawing order, sheet after sheet; the sheet is
// named only when there is more than one.
class UnprintableLister final : public SheetVisitor {
public:
    UnprintableLister(std::string& lines, bool namesSheet) : lines_(lines), namesSheet_(namesSheet) {}

    void BeginLabel(const LabelPlace& label) override { sheet_ = label.sheet; }

    void Cell(const CellPlace& cell) override
    {
        if (cell.printable) return;
        char line[200];
        const int prefix = namesSheet_ ? std::snprintf(line, sizeof line, "sheet %lld ", sheet_ + 1) : 0;
        std::snprintf(line + prefix, sizeof line - static_cast<std::size_t>(prefix),
                      "label %lld line %d cell %zu x %.2f y %.2f\n", cell.label + 1, cell.line,
                      cell.cell + 1, cell.paper.x, cell.paper.y);
        lines_ += line;
    }

private:
    std::string& lines_;
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
    const std::optional<PrintRefusal> fit = CheckLabelsFit(context.state.format);
    std::string cells;
    UnprintableLister lister(cells, PlanSheets(context.state).sheets > 1);
    const SheetWalkResult walk = WalkEverySheet(context.state, lister);

    std::ostream& out = context.streams.out;
    out << (fit ? OnOneLine(fit->message) : std::string("fits")) << '\n';
    out << "unprintable: " << walk.unprintableCells << '\n' << cells;
    return !fit && walk.AllCellsPrintable() ? kExitOk : kExitRefused;
}

}  // namespace tessra
