#pragma once

#include "format/SheetFormat.h"

namespace tessra {

// How the keys move the chosen label through the sheet's labels, in reading order from 0.
enum class LabelStep {
    Next,      // Right, and Page Down in the label view: on along the row, then the next row
    Previous,  // Left, and Page Up
    RowDown,   // Down: the same column a row lower
    RowUp,     // Up
    First,     // Home
    Last,      // End
};

long long LabelCount(const SheetFormat& format);

// The label a step leads to; a step past the first or last label stays where it is.
long long SteppedLabel(const SheetFormat& format, long long label, LabelStep step);

// `label` within the sheet's labels, for a chosen label that a smaller format left behind.
long long ClampedLabel(const SheetFormat& format, long long label);

}  // namespace tessra
