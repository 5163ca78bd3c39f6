#pragma once

#include "document/AppState.h"
#include "format/SheetFormat.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessra {

// The checks that stand between a print request and the job, shared by the view's print
// command, the print dialog and the command line. Each caller runs them in its own order.

enum class PrintCheck {
    NoLabels,
    LabelsStickOutRight,
    LabelsStickOutBottom,
    UnprintableCells,
    NoPrinter,
    NotZen10,
    TooFewCopies,
    TooManyCopies,
    StartLabelOffSheet,
};

struct PrintRefusal {
    PrintCheck check;
    std::string message;  // UTF-8
};

// A grid without labels (no rows or no columns), then the right side, then the bottom.
std::optional<PrintRefusal> CheckLabelsFit(const SheetFormat& format);

std::optional<PrintRefusal> CheckCellsPrintable(bool allCellsPrintable);

// Unprintable cells, then the printer (only when the job goes to one), then its model.
std::optional<PrintRefusal> CheckPrinterReady(const AppState& state, bool allCellsPrintable,
                                              bool printerNeeded);

std::optional<PrintRefusal> CheckCopies(int copies);

// A whole number as typed: an optional sign and surrounding blanks, nothing for any other text.
// Digits beyond the int range saturate, so that a range check names the limit.
std::optional<int> ParseWholeNumber(std::string_view text);

// The copies as typed.
inline std::optional<int> ParseCopies(std::string_view text) { return ParseWholeNumber(text); }

// The start label as typed (nothing when it is no number): one of the sheet's labels.
std::optional<PrintRefusal> CheckStartLabel(const SheetFormat& format, std::optional<int> startLabel);

// A refusal for the sheet's cells or fit is shown on the whole sheet, at the smallest scale, and
// on the first sheet with a red cell, so that what is wrong can be seen; the caller repaints.
void ShowWholeSheet(AppState& state);

}  // namespace tessra
