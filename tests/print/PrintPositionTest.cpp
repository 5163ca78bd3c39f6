#include "print/PrintPosition.h"

#include "format/NumberText.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

using F = PositionField;

TEST(PrintPosition, NormalisedAndRangeChecked)
{
    struct Row {
        F field;
        const char* typed;
        const char* shown;
        bool accepted;
    };
    const Row rows[] = {
        {F::LeftMargin, "10", "10.0", true},
        {F::LeftMargin, "8.25", "8.2", true},
        {F::LeftMargin, "12.09", "12.0", true},
        {F::LeftMargin, "7.99", "7.9", false},
        {F::LeftMargin, "10mm", "10.0", true},
        {F::LeftMargin, "\xEF\xBC\x91\xEF\xBC\x90", ".0", false},  // full-width １０
        {F::LeftMargin, "0.5", ".5", false},
        {F::LeftMargin, "-0.5", "-.5", false},
        {F::LeftMargin, "1e300", "214748364.7", false},
        {F::LeftMargin, "-1e300", "-214748364.7", false},
        {F::TopMargin, "12", "12.0", true},
        {F::TopMargin, "18.1", "18.1", false},
        {F::BottomMargin, "11.99", "11.9", false},
        {F::HorizontalCorrection, "1.5", "+1.5", true},
        {F::HorizontalCorrection, "-0.3", "-0.3", true},
        {F::HorizontalCorrection, "0.04", "0.0", true},
        {F::HorizontalCorrection, "0.9", "+0.9", true},
        {F::HorizontalCorrection, "3", "+3.0", true},
        {F::HorizontalCorrection, "3.1", "+3.1", false},
        {F::VerticalCorrection, "-2.5", "-2.5", true},
        {F::VerticalCorrection, "-31", "-31.0", false},
        {F::VerticalCorrection, "1e300", "+214748364.7", false},
    };
    for (const Row& row : rows) {
        const std::string shown = NormalizePositionText(row.field, row.typed);
        EXPECT_EQ(shown, row.shown) << row.typed;
        EXPECT_EQ(PositionInRange(row.field, TextToDouble(shown)), row.accepted) << row.typed;
    }
}

AppState Defaults()
{
    AppState state;
    ApplyPositionTexts(state, {"10.0", "15.0", "15.0", "0.0", "0.0"});
    return state;
}

TEST(PrintPosition, AllValidAreStored)
{
    AppState state = Defaults();
    const PositionOutcome outcome = ApplyPositionTexts(state, {"11", "12.5", "18", "-1", "2.25"});
    EXPECT_TRUE(outcome.AllStored());
    EXPECT_EQ(outcome.shown, (PositionTexts{"11.0", "12.5", "18.0", "-1.0", "+2.2"}));
    EXPECT_EQ(PositionTextsOf(state), outcome.shown);
    EXPECT_EQ(state.leftMargin, 11.0);
    EXPECT_EQ(state.topMargin, 12.5);
    EXPECT_EQ(state.bottomMargin, 18.0);
    EXPECT_EQ(state.horizontalCorrection, -1.0);
    EXPECT_EQ(state.verticalCorrection, 2.2);
}

TEST(PrintPosition, StopsAtTheFirstRefusedField)
{
    AppState state = Defaults();
    const PositionOutcome outcome = ApplyPositionTexts(state, {"9", "20", "7", "9", "9"});
    ASSERT_EQ(outcome.refused, F::TopMargin);
    EXPECT_EQ(outcome.shown, (PositionTexts{"9.0", "20.0", "7", "9", "9"}));
    EXPECT_EQ(PositionTextsOf(state), (PositionTexts{"9.0", "15.0", "15.0", "0.0", "0.0"}));
    EXPECT_EQ(state.leftMargin, 9.0);
    EXPECT_EQ(state.topMargin, 15.0);
}

TEST(PrintPosition, EachFieldHasItsOwnMessage)
{
    const std::pair<F, const char*> rows[] = {
        {F::LeftMargin, "左余白"},
        {F::TopMargin, "上余白"},
        {F::BottomMargin, "下余白"},
        {F::HorizontalCorrection, "横軸"},
        {F::VerticalCorrection, "縦軸"},
    };
    for (const auto& [field, start] : rows) {
        PositionTexts typed = {"10", "15", "15", "0", "0"};
        typed[static_cast<std::size_t>(field)] = "99";
        AppState state;
        const PositionOutcome outcome = ApplyPositionTexts(state, typed);
        EXPECT_EQ(outcome.refused, field) << start;
        EXPECT_TRUE(PositionRangeMessage(field).starts_with(start)) << start;
    }
}

}  // namespace
}  // namespace tessra
