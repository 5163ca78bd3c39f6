#pragma once

#include <string>

namespace tessra {

// The numeric sheet format. Lengths are millimetres; texts are CP932 byte strings.
struct SheetFormat {
    double sheetWidth = 0;
    double sheetHeight = 0;
    int rows = 0;
    int columns = 0;
    double x1 = 0;  // sheet's left edge to the first label column
    double x2 = 0;  // gap between label columns
    double y1 = 0;  // sheet's top edge to the first label row
    double y2 = 0;  // gap between label rows
    double labelWidth = 0;
    double labelHeight = 0;
    double x3 = 0;  // label's left edge to the first braille cell
    double y3 = 0;  // label's top edge to the first braille line
    double linePitch = 0;
    std::string lineCode;  // "LP35", "LP24", "LP22", "LP18", or empty for a free pitch
    int formatDataMode = 0;
    int formatReserved = 0;

    bool operator==(const SheetFormat&) const = default;
};

}  // namespace tessra
