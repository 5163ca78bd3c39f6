#include "print/PrintPosition.h"

#include "format/NumberText.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tessra {
namespace {

using F = PositionField;

TEST(PrintPosition, TruncatedToTenthsThenRangeChecked)
{
    // Field, typed, shown; the start of the field's message when refused, else empty.
    const std::tuple<F, const char*, const char*, std::string_view> rows[] = {
        {F::LeftMargin, "7.99", "7.9", "左余白"}, {F::BottomMargin, "-0.5", "-.5", "下余白"},
        {F::HorizontalCorrection, "0.04", "0.0", ""}, {F::HorizontalCorrection, "0.95", "+0.9", ""},
        {F::HorizontalCorrection, "3.1", "+3.1", "横軸"},
        {F::VerticalCorrection, "-1e300", "-214748364.7", "縦軸"},
    };
    for (const auto& [field, typed, expected, refusal] : rows) {
        const std::string shown = NormalizePositionText(field, typed);
        EXPECT_EQ(shown, expected) << typed;
        EXPECT_EQ(PositionInRange(field, TextToDouble(shown)), refusal.empty()) << typed;
        EXPECT_TRUE(PositionRangeMessage(field).starts_with(refusal)) << typed;
    }
}

TEST(PrintPosition, StoredInOrderUpToTheFirstRefusal)
{
    AppState state;
    EXPECT_TRUE(ApplyPositionTexts(state, {"11", "12.5", "18", "-0.3", "2.25"}).AllStored());
    EXPECT_EQ((std::array{state.leftMargin, state.topMargin, state.bottomMargin,
                          state.horizontalCorrection, state.verticalCorrection}),
              (std::array{11.0, 12.5, 18.0, -0.3, 2.2}));
    const PositionOutcome outcome = ApplyPositionTexts(state, {"9", "20", "7", "9", "9"});
    EXPECT_EQ(outcome.refused, F::TopMargin);
    EXPECT_EQ(outcome.shown, (PositionTexts{"9.0", "20.0", "7", "9", "9"}));
    EXPECT_EQ(PositionTextsOf(state), (PositionTexts{"9.0", "12.5", "18.0", "-0.3", "+2.2"}));
}

}  // namespace
}  // namespace tessra
