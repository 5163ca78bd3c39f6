#include "display/PrintableArea.h"

namespace tessra {

bool CellPrintable(const SheetFormat& f, const PrintMargins& margins, PaperPoint at, char cell)
{
    if (at.x < margins.left) return false;
    if (at.x > f.sheetWidth - kCellFitWidthMm) return false;
    if (at.y < margins.top) return false;
    const bool belowBottom = at.y > f.sheetHeight - margins.bottom - kCellFitHeightMm;
    return !belowBottom || cell == kBlankCell;
}

}  // namespace tessra
