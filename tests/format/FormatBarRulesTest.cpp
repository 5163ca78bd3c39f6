#include "format/FormatBarRules.h"

#include "document/DocumentCommands.h"
#include "format/FormatString.h"
#include "format/Presets.h"
#include "print/PrinterModel.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

const std::string kSingleUser = PresetKey(SheetKind::SingleSheet, preset::kUserDefined);
const std::string kMultiUser = PresetKey(SheetKind::MultiLabel, preset::kUserDefined);

FormatChoice Selected(const std::string& key)
{
    FormatChoice choice = NewDocumentContent().choice;
    choice.selectedPresetKey = key;
    return choice;
}

double ValueIn(const SheetFormat& f, FormatField field)
{
    if (field == FormatField::Rows || field == FormatField::Columns)
        return field == FormatField::Rows ? f.rows : f.columns;
    using S = SheetFormat;
    constexpr double S::*kLengths[] = {&S::sheetWidth, &S::sheetHeight, &S::labelWidth,
                                       &S::labelHeight, nullptr, nullptr, &S::x1, &S::y1, &S::x2,
                                       &S::y2, &S::x3, &S::y3, &S::linePitch};
    return f.*kLengths[static_cast<int>(field)];
}

TEST(FormatBarRules, FieldsTakeValuesWithinTheirRangesEndsIncludedAndIgnoreTheRest)
{
    const struct { FormatField field; const char* text; bool stored; double value; } rows[] = {
        {FormatField::SheetWidth, "19.9", false, 0},
        {FormatField::SheetWidth, "20", true, 20},
        {FormatField::SheetWidth, " 235", true, 235},
        {FormatField::SheetWidth, "235.01", false, 0},
        {FormatField::SheetHeight, "49.9", false, 0},
        {FormatField::SheetHeight, "330", true, 330},
        {FormatField::Rows, "0", false, 0},
        {FormatField::Rows, "25", true, 25},
        {FormatField::Rows, "26", false, 0},
        {FormatField::Rows, "2.5", true, 2},
        {FormatField::Columns, "1", true, 1},
        {FormatField::Columns, "5", true, 5},
        {FormatField::Columns, "6", false, 0},
        {FormatField::X1, "", true, 0},  // no number reads as 0, which is in range
        {FormatField::X1, "12abc", true, 12},
        {FormatField::X1, "nan", false, 0},
        {FormatField::X1, "-inf", false, 0},
        {FormatField::X1, "1e999", false, 0},
        {FormatField::Y2, "330", true, 330},
        {FormatField::LabelWidth, "", false, 0},
        {FormatField::LabelWidth, "9.99", false, 0},
        {FormatField::LabelHeight, "330", true, 330},
        {FormatField::X3, "46.0", true, 46},   // label width 50: up to 46
        {FormatField::X3, "46.1", false, 0},
        {FormatField::Y3, "29", true, 29},     // label height 35: up to 29
        {FormatField::Y3, "29.1", false, 0},
        {FormatField::LinePitch, "5.9", false, 0},
        {FormatField::LinePitch, "400", false, 0},
        {FormatField::LinePitch, "6", true, 6},
    };
    for (const auto& row : rows) {
        FormatChoice state = Selected(kMultiUser);
        ApplyPresetSelection(state, preset::kMultiLabel, CatalogueRow(Catalogue()[8]));
        state.format.labelWidth = row.field == FormatField::X3 ? 50 : state.format.labelWidth;
        const SheetFormat before = state.format;
        const FieldChange change = ApplyFieldText(state, row.field, row.text);
        EXPECT_EQ(change.stored, row.stored) << row.text;
        if (!row.stored) {
            EXPECT_EQ(state.format, before) << row.text;
            continue;
        }
        EXPECT_EQ(ValueIn(state.format, row.field), row.value) << row.text;
    }
}

TEST(FormatBarRules, LayoutFieldsActOnlyUnderAUserDefinedSize)
{
    FormatChoice state = Selected(std::string(preset::kDefaultKey));
    for (FormatField field : {FormatField::SheetWidth, FormatField::LabelWidth, FormatField::Rows,
                              FormatField::Columns, FormatField::X1, FormatField::Y2}) {
        EXPECT_FALSE(ApplyFieldText(state, field, "3").stored);
    }
    EXPECT_TRUE(ApplyFieldText(state, FormatField::X3, "3").stored);  // never guarded
    EXPECT_TRUE(ApplyFieldText(state, FormatField::LinePitch, "7").stored);
}

TEST(FormatBarRules, SheetSizeOfASingleSheetIsAlsoTheLabelSize)
{
    FormatChoice single = Selected(kSingleUser);  // the width: FormatBarTest types it
    EXPECT_EQ(ApplyFieldText(single, FormatField::SheetHeight, "120").mirrorInto,
              FormatField::LabelHeight);
    EXPECT_EQ(single.format.labelHeight, 120);

    FormatChoice multi = Selected(kMultiUser);
    const double labelWidth = multi.format.labelWidth;
    const FieldChange other = ApplyFieldText(multi, FormatField::SheetWidth, "100");
    EXPECT_TRUE(other.stored);
    EXPECT_FALSE(other.mirrorInto);
    EXPECT_EQ(multi.format.labelWidth, labelWidth);
}

// The format string, the bar, the print dialog's notice and the button all name one pitch.
TEST(FormatBarRules, FixedPitchesAreExactAndAgreeWhereverTheyAreUsed)
{
    const struct { FixedPitch pitch; const char* text; double exact; const char* code; } rows[] = {
        {FixedPitch::LP35, "6.4", 6.408849013, "LP35"},
        {FixedPitch::LP24, "9.5", 9.487609814, "LP24"},
        {FixedPitch::LP22, "10.2", 10.24159205, "LP22"},
        {FixedPitch::LP18, "12.8", 12.81769803, "LP18"},
    };
    for (const auto& row : rows) {
        FormatChoice state = Selected(kMultiUser);
        EXPECT_EQ(FixedPitchText(row.pitch), row.text);
        ApplyFieldText(state, FormatField::LinePitch, FixedPitchText(row.pitch));
        ApplyFixedPitch(state, row.pitch);
        EXPECT_EQ(std::tuple(state.format.linePitch, state.format.lineCode), std::tuple(row.exact, row.code));

        SheetFormat saved;
        ParseFormatString(BuildFormatString(state.format, true), saved);
        EXPECT_EQ(std::tuple(saved.lineCode, LengthText(saved.linePitch), LengthText(row.exact)),
                  std::tuple(row.code, row.text, row.text));
        EXPECT_EQ("LP" + std::string(LinePitchOf(row.pitch).buttonText), row.code);
        EXPECT_TRUE(PrintNoticeApplies(mode::kZen10, row.code));
    }
    EXPECT_EQ(std::size(kLinePitches), std::size(rows));
}

TEST(FormatBarRules, TheCustomPitchNeedsSixMillimetres)
{
    FormatChoice state = Selected(kMultiUser);
    ApplyFixedPitch(state, FixedPitch::LP22);
    ApplyCustomPitch(state, "10.2");
    EXPECT_EQ(state.format.linePitch, 10.2);
    EXPECT_EQ(state.format.lineCode, "");
    ApplyCustomPitch(state, "5");
    EXPECT_EQ(state.format.linePitch, 10.2);
    ApplyCustomPitch(state, "nan");
    EXPECT_EQ(state.format.linePitch, 10.2);
}

}  // namespace
}  // namespace tessra
