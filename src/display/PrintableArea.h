#pragma once

#include "display/SheetGeometry.h"
#include "format/SheetFormat.h"

namespace tessra {

// The print-position margins that bound what the embosser can reach, millimetres. There is no
// right margin: the right limit lies a cell's fitting width inside the sheet's right edge.
struct PrintMargins {
    double left = 0;
    double top = 0;
    double bottom = 0;
};

inline constexpr char kBlankCell = ' ';

// Whether the embosser can reach a cell placed at `at`. The left, right and top limits hold for
// every placed cell, blanks included; the bottom limit only for cells with dots. A cell exactly
// on a limit is printable.
bool CellPrintable(const SheetFormat& format, const PrintMargins& margins, PaperPoint at, char cell);

}  // namespace tessra
