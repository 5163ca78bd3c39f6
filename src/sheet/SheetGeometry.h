#pragma once

#include "format/SheetFormat.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tessra {

// Where labels, lines and cells lie on paper, in millimetres. The screen, the command line and
// the embosser all use these functions, so that they agree cell for cell.

inline constexpr double kCellPitchMm = 5.08;
inline constexpr double kCellFitWidthMm = 4.0;
inline constexpr double kCellFitHeightMm = 6.0;

// Cells one label line holds, and braille lines one label holds. The arithmetic order is part
// of the result: a product that falls just short of a whole number loses a cell.
int CellsPerLabelLine(const SheetFormat& format);
int LinesPerLabel(const SheetFormat& format);

// The cells with dots of label line `line` (from 1) that the label cannot hold: those beyond its
// line capacity, or every one on a line beyond the label. They are never placed or embossed, so
// the view, the check and the print job count them; blanks lost there lose nothing.
std::size_t CellsBeyondLabel(const SheetFormat& format, int line, std::string_view text);

// The grid's fields hold two digits; walks over the grid go no further than that, so that no state
// can make them run for long.
inline constexpr int kGridSideLimit = 99;
int GridRows(const SheetFormat& format);     // rows, within 0 .. kGridSideLimit
int GridColumns(const SheetFormat& format);  // columns, likewise

double LabelLeft(const SheetFormat& format, int column);
double LabelTop(const SheetFormat& format, int row);

// Millimetres from the sheet's top-left corner.
struct PaperPoint {
    double x = 0;
    double y = 0;
};

// The top-left corner of cell `cell` (from 0) of label line `line` (from 1) of label
// (row, column). The sums run in a fixed order, so every test of a cell sees the same bits.
PaperPoint CellOnPaper(const SheetFormat& format, int row, int column, int line, std::size_t cell);

double ExtentX(const SheetFormat& format);
double ExtentY(const SheetFormat& format);

enum class SheetFit { Fits, SticksOutRight, SticksOutBottom };
SheetFit LabelsFitSheet(const SheetFormat& format);

// The document lines of one label: label line j (from 1) is document line firstLine + j - 1,
// for j = 1 .. count.
struct LabelText {
    std::size_t firstLine = 0;
    int count = 0;
};

// The page label `labelIndex` shows: page 0 when every label carries the same data, else its own.
long long ShownPage(bool sameDataForAllLabels, long long labelIndex);

// The page and line rule. Label `labelIndex` shows page 0 when every label carries the same data,
// else its own page; line 0 of a page is never shown. `lineLimit` is the label's capacity in lines
// (the label view passes no limit).
LabelText LabelLines(std::size_t documentLines, int linesPerPage, bool sameDataForAllLabels,
                     long long labelIndex, long long lineLimit);

// The same for page `page` (from 0); a negative page shows nothing.
LabelText PageLines(std::size_t documentLines, int linesPerPage, long long page, long long lineLimit);

}  // namespace tessra
