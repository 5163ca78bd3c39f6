#include "cli/CliContext.h"

#include "display/SheetWalk.h"
#include "print/PrintChecks.h"

#include <cstdio>
#include <ostream>

namespace tessra {
namespace {

// One line per cell the sheet view draws red, in drawing order.
class UnprintableLister final : public SheetVisitor {
public:
    explicit UnprintableLister(std::string& lines) : lines_(lines) {}

    void Cell(const CellPlace& cell) override
    {
        if (cell.printable) return;
        char line[160];
        std::snprintf(line, sizeof line, "label %lld line %d cell %zu x %.2f y %.2f\n",
                      cell.label + 1, cell.line, cell.cell + 1, cell.paper.x, cell.paper.y);
        lines_ += line;
    }

private:
    std::string& lines_;
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
    const std::optional<PrintRefusal> fit = CheckLabelsFit(context.state.format);
    std::string cells;
    UnprintableLister lister(cells);
    const SheetWalkResult walk = WalkSheet(context.state, lister);

    std::ostream& out = context.streams.out;
    out << (fit ? OnOneLine(fit->message) : std::string("fits")) << '\n';
    out << "unprintable: " << walk.unprintableCells << '\n' << cells;
    return !fit && walk.AllCellsPrintable() ? kExitOk : kExitRefused;
}

}  // namespace tessra
