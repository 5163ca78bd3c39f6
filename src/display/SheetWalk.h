#pragma once

#include "app/AppState.h"
#include "display/PrintableArea.h"
#include "display/ScreenLayout.h"
#include "display/SheetGeometry.h"
#include "display/ZoomStep.h"

#include <cstddef>
#include <string_view>

namespace tessra {

// The one walk over the labels, lines and cells of the sheet. The drawing, the printable check
// of the print command and the command line's check and read all follow it, so that what is
// drawn red, what is counted and what is read are the same cells.

struct LabelPlace {
    long long index = 0;  // reading order, from 0
    int row = 0;
    int column = 0;
    ScreenRect screen;
    LabelText text;  // the document lines the label shows
};

struct LinePlace {
    long long label = 0;
    int line = 0;  // from 1
    std::size_t documentLine = 0;
    std::string_view text;         // as stored, before padding
    std::size_t paddedLength = 0;  // after padding with blanks to cellsPerLine; never cut
    std::size_t placedCells = 0;   // how many cells the walk hands out
    ScreenPoint screen;
    bool excess = false;  // label view: the line lies beyond the label's capacity
};

struct CellPlace {
    char byte = kBlankCell;
    long long label = 0;
    int line = 0;  // from 1
    std::size_t cell = 0;
    PaperPoint paper;
    ScreenPoint screen;
    bool printable = true;
    bool excess = false;      // label view: beyond the label's capacity
    bool lastInLine = false;  // the last cell of the padded line, placed or not

    // Drawn as a problem cell.
    bool Marked() const { return !printable || excess; }
};

// Callbacks in walking order: BeginLabel for every label of the grid (also those without text),
// then for each shown line BeginLine, its cells, EndLine.
class SheetVisitor {
public:
    virtual ~SheetVisitor() = default;
    virtual void BeginLabel(const LabelPlace&) {}
    virtual void BeginLine(const LinePlace&) {}
    virtual void Cell(const CellPlace&) {}
    virtual void EndLine(const LinePlace&) {}
};

struct SheetWalkResult {
    long long unprintableCells = 0;

    bool AllCellsPrintable() const { return unprintableCells == 0; }
};

// The sheet view: labels in reading order, each with the lines of its page that it can hold, each
// line padded and cut at the label's capacity. A cell is printable by the print-position margins.
// Screen positions are those of `step` in a client area `clientWidth` pixels wide.
SheetWalkResult WalkSheet(const AppState& state, const ZoomStep& step, int clientWidth,
                          SheetVisitor& visitor);

// The same walk where nothing is drawn; screen positions are those of the smallest step.
SheetWalkResult WalkSheet(const AppState& state, SheetVisitor& visitor);

long long CountUnprintable(const AppState& state);
bool AllCellsPrintable(const AppState& state);

// The label view: the chosen label with the page it shows, every line of the page and every
// cell of the padded line; what lies beyond the capacity is marked excess. On single-sheet
// formats a cell outside the margins, measured in pixels, is marked unprintable; that never counts
// against printing. Paper positions are those on label 0.
void WalkLabelView(const AppState& state, const ZoomStep& step, int clientWidth,
                   SheetVisitor& visitor);

}  // namespace tessra
