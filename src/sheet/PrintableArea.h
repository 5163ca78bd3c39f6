#pragma once

#include "format/SheetFormat.h"
#include "sheet/SheetGeometry.h"

namespace tessra {

// The print-position margins that bound what the embosser can reach, millimetres. There is no
// right margin: the right limit lies a cell's fitting width inside the sheet's right edge.
struct PrintMargins {
    double left = 0;
    double top = 0;
    double bottom = 0;
};

inline constexpr char kBlankCell = ' ';

// Whether a byte is a cell of the cell code. Any other byte would reach the embosser as a control
// or a stray character (an ESC ends the job, an FF feeds the sheet), so it is never printable.
bool IsCellByte(char byte);

// Whether the embosser can take a cell placed at `at`: a cell byte it can reach. The left, right
// and top limits hold for every placed cell, blanks included; the bottom limit only for cells
// with dots. A cell exactly on a limit is printable.
bool CellPrintable(const SheetFormat& format, const PrintMargins& margins, PaperPoint at, char cell);

}  // namespace tessra
