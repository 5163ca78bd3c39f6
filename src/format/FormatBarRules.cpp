#include "format/FormatBarRules.h"

#include "format/Cp932Text.h"
#include "format/NumberText.h"
#include "format/Presets.h"

namespace tessra {
namespace {

constexpr double kLowestCustomPitch = 6.0;

struct FieldRule {
    bool integer;
    bool guarded;  // a layout field: edited only under a user-defined size
    double lowest;
    double highest;
};

FieldRule RuleOf(FormatField field)
{
    switch (field) {
    case FormatField::SheetWidth: return {false, true, 20.0, 235.0};
    case FormatField::SheetHeight: return {false, true, 50.0, 330.0};
    case FormatField::LabelWidth: return {false, true, 10.0, 235.0};
    case FormatField::LabelHeight: return {false, true, 10.0, 330.0};
    case FormatField::Rows: return {true, true, 1, 25};
    case FormatField::Columns: return {true, true, 1, 5};
    case FormatField::X1:
    case FormatField::X2: return {false, true, 0.0, 235.0};
    case FormatField::Y1:
    case FormatField::Y2: return {false, true, 0.0, 330.0};
    case FormatField::X3:
    case FormatField::Y3: return {false, false, 0.0, 0.0};  // bounded by the label: RangeOf
    case FormatField::LinePitch: return {false, false, 6.0, 330.0};
    }
    return {false, true, 0.0, 0.0};
}

double* LengthIn(SheetFormat& f, FormatField field)
{
    switch (field) {
    case FormatField::SheetWidth: return &f.sheetWidth;
    case FormatField::SheetHeight: return &f.sheetHeight;
    case FormatField::LabelWidth: return &f.labelWidth;
    case FormatField::LabelHeight: return &f.labelHeight;
    case FormatField::X1: return &f.x1;
    case FormatField::Y1: return &f.y1;
    case FormatField::X2: return &f.x2;
    case FormatField::Y2: return &f.y2;
    case FormatField::X3: return &f.x3;
    case FormatField::Y3: return &f.y3;
    case FormatField::LinePitch: return &f.linePitch;
    default: return nullptr;
    }
}

std::optional<double> ValueOf(const FieldRule& rule, std::string_view text)
{
    if (rule.integer) return TextToInt(text);
    return TextToFiniteDouble(text);
}

// An accepted sheet size on a single sheet is the label size too. On every kind it is a change
// the file does not hold yet, so the document counts as modified.
FieldChange StoreSheetSize(AppState& state, FormatField field, double value)
{
    SheetFormat& f = state.format;
    const bool width = field == FormatField::SheetWidth;
    (width ? f.sheetWidth : f.sheetHeight) = value;
    state.modified = true;
    if (!Cp932Contains(state.selectedPresetKey, preset::kSingleSheet)) return {true, {}};
    (width ? f.labelWidth : f.labelHeight) = value;
    return {true, width ? FormatField::LabelWidth : FormatField::LabelHeight};
}

}  // namespace

FieldRange RangeOf(const AppState& state, FormatField field)
{
    if (field == FormatField::X3) return {0.0, state.format.labelWidth - 4.0};
    if (field == FormatField::Y3) return {0.0, state.format.labelHeight - 6.0};
    const FieldRule rule = RuleOf(field);
    return {rule.lowest, rule.highest};
}

FieldChange ApplyFieldText(AppState& state, FormatField field, std::string_view text)
{
    const FieldRule rule = RuleOf(field);
    if (rule.guarded && !Cp932Contains(state.selectedPresetKey, preset::kUserDefined)) return {};
    const std::optional<double> value = ValueOf(rule, text);
    const FieldRange range = RangeOf(state, field);
    if (!value || *value < range.lowest || *value > range.highest) return {};

    if (field == FormatField::SheetWidth || field == FormatField::SheetHeight)
        return StoreSheetSize(state, field, *value);
    if (field == FormatField::Rows) {
        state.format.rows = static_cast<int>(*value);
    } else if (field == FormatField::Columns) {
        state.format.columns = static_cast<int>(*value);
    } else {
        *LengthIn(state.format, field) = *value;
    }
    state.modified = true;
    return {true, {}};
}

namespace {

struct FixedPitchRow {
    FixedPitch pitch;
    std::string_view text;
    double exact;
    const char* code;
};

constexpr FixedPitchRow kFixedPitches[] = {
    {FixedPitch::LP35, "6.4", 6.408849013, "LP35"},
    {FixedPitch::LP24, "9.5", 9.487609814, "LP24"},
    {FixedPitch::LP22, "10.2", 10.24159205, "LP22"},
    {FixedPitch::LP18, "12.8", 12.81769803, "LP18"},
};

const FixedPitchRow& RowOf(FixedPitch pitch)
{
    for (const FixedPitchRow& row : kFixedPitches)
        if (row.pitch == pitch) return row;
    return kFixedPitches[2];
}

}  // namespace

std::string_view FixedPitchText(FixedPitch pitch)
{
    return RowOf(pitch).text;
}

void ApplyFixedPitch(AppState& state, FixedPitch pitch)
{
    const FixedPitchRow& row = RowOf(pitch);
    state.format.linePitch = row.exact;
    state.format.lineCode = row.code;
    state.modified = true;
}

void ApplyCustomPitch(AppState& state, std::string_view pitchFieldText)
{
    state.format.lineCode.clear();
    state.modified = true;
    const std::optional<double> pitch = TextToFiniteDouble(pitchFieldText);
    if (pitch && *pitch >= kLowestCustomPitch) state.format.linePitch = *pitch;
}

void ApplyDataMode(AppState& state, bool sameDataForAllLabels)
{
    state.sameDataForAllLabels = sameDataForAllLabels;
    state.modified = true;
}

}  // namespace tessra
