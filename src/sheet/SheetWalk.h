#pragma once

#include "document/AppState.h"
#include "sheet/PrintableArea.h"
#include "sheet/ScreenLayout.h"
#include "sheet/SheetGeometry.h"
#include "sheet/SheetPages.h"
#include "sheet/ZoomStep.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace tessra {

// The one walk over the labels, lines and cells of the sheet. The drawing, the printable check
// of the print command and the command line's check and read all follow it, so that what is
// drawn red, what is counted and what is read are the same cells.

struct LabelPlace {
    long long index = 0;  // reading order on its sheet, from 0
    long long sheet = 0;  // from 0
    bool skipped = false;  // before the start label: left untouched
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
    bool excess = false;  // the line lies beyond the label's capacity
    std::size_t cellsBeyond = 0;  // sheet view: cells with dots the label cannot hold
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
// then for each shown line BeginLine, its cells, EndLine. The sheet view then hands each line of
// the label's page that holds cells the label cannot hold to BeyondLabel: the shown lines first,
// then those beyond the label (marked excess, their screen position where they would stand).
class SheetVisitor {
public:
    virtual ~SheetVisitor() = default;
    virtual void BeginLabel(const LabelPlace&) {}
    virtual void BeginLine(const LinePlace&) {}
    virtual void Cell(const CellPlace&) {}
    virtual void EndLine(const LinePlace&) {}
    virtual void BeyondLabel(const LinePlace&) {}
};

struct SheetWalkResult {
    long long unprintableCells = 0;
    long long cellsBeyondLabel = 0;  // never placed: a print job would lose them

    // Every cell of the document can be embossed where it stands.
    bool AllCellsPrintable() const { return unprintableCells == 0 && cellsBeyondLabel == 0; }
};

// The sheet view of the shown sheet: labels in reading order, each with the lines of its page
// that it can hold, each line padded and cut at the label's capacity. A cell is printable by the
// print-position margins. Screen positions are those of `step` in a client area `clientWidth`
// pixels wide.
SheetWalkResult WalkSheet(const AppState& state, const ZoomStep& step, int clientWidth,
                          SheetVisitor& visitor);

// The same walk over every sheet of the job in order, where nothing is drawn; screen positions
// are those of the smallest step.
SheetWalkResult WalkEverySheet(const AppState& state, SheetVisitor& visitor);

// Over every sheet: what the print job would meet.
long long CountUnprintable(const AppState& state);
bool AllCellsPrintable(const AppState& state);  // no unprintable cells and none beyond a label

// The first sheet (from 0) with a cell the embosser cannot reach or a label that cannot hold its
// braille, or none.
std::optional<long long> FirstSheetWithUnprintableCell(const AppState& state);

// The label view: the chosen label with the page it shows, every line of the page and every
// cell of the padded line; what lies beyond the capacity is marked excess. On single-sheet
// formats a cell outside the margins, measured in pixels, is marked unprintable; that never counts
// against printing. Paper positions are those on label 0.
void WalkLabelView(const AppState& state, const ZoomStep& step, int clientWidth,
                   SheetVisitor& visitor);

}  // namespace tessra
