#include "sheet/SheetGeometry.h"

#include "format/NumberText.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace tessra {
namespace {

// The double nearest to 1/5.08; the cell count is formed by this product, not by a division.
constexpr double kCellsPerMm = 0.19685039370078738;

// t = trunc(quotient); none when t < 0, else t + 1. A quotient that is not finite counts as 0.
int CapacityFrom(double quotient)
{
    if (!std::isfinite(quotient)) return 1;
    const int t = TruncClamped(quotient, INT_MAX - 1);
    return t < 0 ? 0 : t + 1;
}

}  // namespace

int CellsPerLabelLine(const SheetFormat& f)
{
    return CapacityFrom((f.labelWidth - f.x3 - kCellFitWidthMm) * kCellsPerMm);
}

int LinesPerLabel(const SheetFormat& f)
{
    return CapacityFrom((f.labelHeight - f.y3 - kCellFitHeightMm) / f.linePitch);
}

std::size_t CellsBeyondLabel(const SheetFormat& f, int line, std::string_view text)
{
    const int capacity = line > LinesPerLabel(f) ? 0 : CellsPerLabelLine(f);
    if (text.size() <= static_cast<std::size_t>(capacity)) return 0;
    const std::string_view beyond = text.substr(static_cast<std::size_t>(capacity));
    return beyond.size() - static_cast<std::size_t>(std::count(beyond.begin(), beyond.end(), ' '));
}

int GridRows(const SheetFormat& f)
{
    return std::clamp(f.rows, 0, kGridSideLimit);
}

int GridColumns(const SheetFormat& f)
{
    return std::clamp(f.columns, 0, kGridSideLimit);
}

double LabelLeft(const SheetFormat& f, int column)
{
    return (f.labelWidth + f.x2) * column + f.x1;
}

double LabelTop(const SheetFormat& f, int row)
{
    return (f.y2 + f.labelHeight) * row + f.y1;
}

PaperPoint CellOnPaper(const SheetFormat& f, int row, int column, int line, std::size_t cell)
{
    return {static_cast<double>(cell) * kCellPitchMm + f.x3 + LabelLeft(f, column),
            (static_cast<double>(line) - 1) * f.linePitch + f.y3 + LabelTop(f, row)};
}

// The count is widened before the subtraction: an int count of INT_MIN must not overflow.
double ExtentX(const SheetFormat& f)
{
    return (static_cast<double>(f.columns) - 1) * f.x2 + f.columns * f.labelWidth + f.x1;
}

double ExtentY(const SheetFormat& f)
{
    return (static_cast<double>(f.rows) - 1) * f.y2 + f.rows * f.labelHeight + f.y1;
}

SheetFit LabelsFitSheet(const SheetFormat& f)
{
    if (ExtentX(f) > f.sheetWidth) return SheetFit::SticksOutRight;
    if (ExtentY(f) > f.sheetHeight) return SheetFit::SticksOutBottom;
    return SheetFit::Fits;
}

long long ShownPage(bool sameDataForAllLabels, long long labelIndex)
{
    return sameDataForAllLabels ? 0 : labelIndex;
}

LabelText LabelLines(std::size_t documentLines, int linesPerPage, bool sameDataForAllLabels,
                     long long labelIndex, long long lineLimit)
{
    if (labelIndex < 0) return {};
    return PageLines(documentLines, linesPerPage, ShownPage(sameDataForAllLabels, labelIndex), lineLimit);
}

LabelText PageLines(std::size_t documentLines, int linesPerPage, long long page, long long lineLimit)
{
    if (linesPerPage <= 1 || lineLimit < 1 || page < 0) return {};
    const auto lines = static_cast<long long>(documentLines);
    if (page > lines / linesPerPage) return {};  // also keeps the product below from overflowing
    const long long first = page * linesPerPage;  // line 0 of the page, never shown
    if (first + 1 >= lines) return {};
    const long long count = std::min({lines - first - 1, static_cast<long long>(linesPerPage) - 1,
                                      lineLimit});
    return {static_cast<std::size_t>(first + 1), static_cast<int>(count)};
}

}  // namespace tessra
