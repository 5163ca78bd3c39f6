#include "sheet/PrintableArea.h"

#include "braille/BrailleUnicode.h"

namespace tessra {

bool IsCellByte(char byte)
{
    return CellOfByte(static_cast<unsigned char>(byte)).has_value();
}

bool CellPrintable(const SheetFormat& f, const PrintMargins& margins, PaperPoint at, char cell)
{
    if (!IsCellByte(cell)) return false;
    if (at.x < margins.left) return false;
    if (at.x > f.sheetWidth - kCellFitWidthMm) return false;
    if (at.y < margins.top) return false;
    const bool belowBottom = at.y > f.sheetHeight - margins.bottom - kCellFitHeightMm;
    return !belowBottom || cell == kBlankCell;
}

}  // namespace tessra
