#pragma once

#include "document/Document.h"
#include "format/LinePitch.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessra {

// What the format bar's fields and buttons do to the format; each change they store is one the
// file does not hold yet, so the caller marks the document modified. The bar's widgets only show
// the results: every rule lives here.

enum class FormatField {
    SheetWidth, SheetHeight, LabelWidth, LabelHeight, Rows, Columns,
    X1, Y1, X2, Y2, X3, Y3, LinePitch
};

struct FieldChange {
    bool stored = false;  // the value was in range and is now in the format
    // On a single sheet an accepted sheet size is also the label size: the bar shows the same
    // text in this field, whose own rule then runs.
    std::optional<FormatField> mirrorInto;
};

// The rule for a field whose text changed, typed or written by the program. The ten layout
// fields act only while a user-defined size is selected. A value outside the field's range
// (ends included), NaN or infinity is ignored: the format keeps its value.
FieldChange ApplyFieldText(FormatChoice& choice, FormatField field, std::string_view text);

// The inclusive range of a field as it stands now (X3 and Y3 depend on the label size).
struct FieldRange {
    double lowest = 0;
    double highest = 0;
};
FieldRange RangeOf(const FormatChoice& choice, FormatField field);

// The two ends of a field's range as the bar's range text writes them: "20.0" and "235.0",
// "1" and "25"; X3 and Y3 name their label side ("W-4", "H-6").
struct RangeEndTexts {
    std::string lowest;
    std::string highest;
};
RangeEndTexts RangeEndsOf(FormatField field);

// The value a field stands for, and the value as the bar shows it ("235.0", "5").
double FieldValue(const SheetFormat& format, FormatField field);
std::string FieldValueText(FormatField field, double value);

// When the editing of a field ends and its text does not give the value in use (a value the
// field rule ignored): the text showing the value in use, and the reason, in UTF-8, naming
// the field by `fieldName` and its range as it stands. Nothing when the field shows the value.
struct FieldResync {
    std::string text;
    std::string reason;
};
std::optional<FieldResync> ResyncField(const FormatChoice& choice, FormatField field,
                                       std::string_view text, std::string_view fieldName);

// The rounded text the pitch field shows for a fixed pitch ("6.4", "9.5", "10.2", "12.8").
std::string_view FixedPitchText(FixedPitch pitch);

// After the bar has written FixedPitchText into the pitch field (whose rule stored the rounded
// value): the exact pitch and its code replace it.
void ApplyFixedPitch(FormatChoice& choice, FixedPitch pitch);

// The pitch is given in millimetres from now on: no code, and the field's value when it is at
// least 6.0 (no upper bound here), else the former pitch.
void ApplyCustomPitch(FormatChoice& choice, std::string_view pitchFieldText);

void ApplyDataMode(FormatChoice& choice, bool sameDataForAllLabels);

}  // namespace tessra
