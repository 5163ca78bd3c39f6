#include "format/FormatBarRules.h"

#include "sheet/SheetGeometry.h"
#include "text/Cp932Text.h"
#include "format/FormatString.h"
#include "format/NumberText.h"
#include "format/Presets.h"

namespace tessra {
namespace {

constexpr double kLowestCustomPitch = 6.0;

// Which label side bounds a field from above, less the room one cell needs.
enum class LabelBound { None, Width, Height };

struct FieldRule {
    bool integer;
    bool guarded;  // a layout field: edited only under a user-defined size
    double lowest;
    double highest;  // with a label bound: what the label side is reduced by
    LabelBound bound = LabelBound::None;
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
    case FormatField::X3: return {false, false, 0.0, kCellFitWidthMm, LabelBound::Width};
    case FormatField::Y3: return {false, false, 0.0, kCellFitHeightMm, LabelBound::Height};
    case FormatField::LinePitch: return {false, false, 6.0, 330.0};
    }
    return {false, true, 0.0, 0.0};
}

template <class Format>
auto LengthIn(Format& f, FormatField field) -> decltype(&f.sheetWidth)
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

// An accepted sheet size on a single sheet is the label size too.
FieldChange StoreSheetSize(FormatChoice& choice, FormatField field, double value)
{
    SheetFormat& f = choice.format;
    const bool width = field == FormatField::SheetWidth;
    (width ? f.sheetWidth : f.sheetHeight) = value;
    if (!Cp932Contains(choice.selectedPresetKey, preset::kSingleSheet)) return {true, {}};
    (width ? f.labelWidth : f.labelHeight) = value;
    return {true, width ? FormatField::LabelWidth : FormatField::LabelHeight};
}

}  // namespace

double FieldValue(const SheetFormat& f, FormatField field)
{
    if (field == FormatField::Rows) return f.rows;
    if (field == FormatField::Columns) return f.columns;
    return *LengthIn(f, field);
}

FieldRange RangeOf(const FormatChoice& choice, FormatField field)
{
    const FieldRule rule = RuleOf(field);
    switch (rule.bound) {
    case LabelBound::Width: return {rule.lowest, choice.format.labelWidth - rule.highest};
    case LabelBound::Height: return {rule.lowest, choice.format.labelHeight - rule.highest};
    case LabelBound::None: break;
    }
    return {rule.lowest, rule.highest};
}

std::string FieldValueText(FormatField field, double value)
{
    if (RuleOf(field).integer) return std::to_string(static_cast<int>(value));
    return LengthText(value);
}

RangeEndTexts RangeEndsOf(FormatField field)
{
    const FieldRule rule = RuleOf(field);
    const std::string lowest = FieldValueText(field, rule.lowest);
    const std::string reduction = std::to_string(static_cast<int>(rule.highest));
    switch (rule.bound) {
    case LabelBound::Width: return {lowest, "W-" + reduction};
    case LabelBound::Height: return {lowest, "H-" + reduction};
    case LabelBound::None: break;
    }
    return {lowest, FieldValueText(field, rule.highest)};
}

std::optional<FieldResync> ResyncField(const FormatChoice& choice, FormatField field,
                                       std::string_view text, std::string_view fieldName)
{
    const double inUse = FieldValue(choice.format, field);
    const std::string inUseText = FieldValueText(field, inUse);
    const std::optional<double> typed = ValueOf(RuleOf(field), text);
    if (text == inUseText || (typed && *typed == inUse)) return std::nullopt;

    const FieldRange range = RangeOf(choice, field);
    const char* unit = RuleOf(field).integer ? " " : " ㎜ ";
    return FieldResync{inUseText, std::string(fieldName) + "は " +
                                      FieldValueText(field, range.lowest) + " ～ " +
                                      FieldValueText(field, range.highest) + unit +
                                      "の範囲内にしてください"};
}

FieldChange ApplyFieldText(FormatChoice& choice, FormatField field, std::string_view text)
{
    const FieldRule rule = RuleOf(field);
    if (rule.guarded && !Cp932Contains(choice.selectedPresetKey, preset::kUserDefined)) return {};
    const std::optional<double> value = ValueOf(rule, text);
    const FieldRange range = RangeOf(choice, field);
    if (!value || *value < range.lowest || *value > range.highest) return {};

    if (field == FormatField::SheetWidth || field == FormatField::SheetHeight)
        return StoreSheetSize(choice, field, *value);
    if (field == FormatField::Rows) {
        choice.format.rows = static_cast<int>(*value);
    } else if (field == FormatField::Columns) {
        choice.format.columns = static_cast<int>(*value);
    } else {
        *LengthIn(choice.format, field) = *value;
    }
    return {true, {}};
}

std::string_view FixedPitchText(FixedPitch pitch)
{
    return LinePitchOf(pitch).rounded;
}

void ApplyFixedPitch(FormatChoice& choice, FixedPitch pitch)
{
    const LinePitch& row = LinePitchOf(pitch);
    choice.format.linePitch = row.exact;
    choice.format.lineCode = row.code;
}

void ApplyCustomPitch(FormatChoice& choice, std::string_view pitchFieldText)
{
    choice.format.lineCode.clear();
    const std::optional<double> pitch = TextToFiniteDouble(pitchFieldText);
    if (pitch && *pitch >= kLowestCustomPitch) choice.format.linePitch = *pitch;
}

void ApplyDataMode(FormatChoice& choice, bool sameDataForAllLabels)
{
    choice.sameDataForAllLabels = sameDataForAllLabels;
}

}  // namespace tessra
