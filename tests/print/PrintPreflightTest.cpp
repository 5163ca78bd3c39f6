#include "print/PrintChecks.h"
#include "print/PrintPosition.h"
#include "print/PrinterModel.h"
#include "print/PrinterPort.h"

#include "format/NumberText.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace tessra {
namespace {

TEST(PrinterModel, DerivedFromTheDeviceName)
{
    const std::tuple<const char*, const char*> rows[] = {  // CP932 name, model
        {"ZEN-\x82\x50\x82\x4F", "ZEN10"},  // ZEN-１０
        {"Frozen Printer 2010", "ZEN10"}, {"ZEN10r", "ZEN10R"},
        {"\x82\x79\x82\x64\x82\x6D\x81\x7C\x82\x50\x82\x4F\x82\x71", "ZEN10R"},  // ＺＥＮ－１０Ｒ
        {"Zen-10", ""}, {"ZEN-20", ""},
        {"\x83\x7A" "en10", ""},  // ホ: its trail byte is 'z' only to a byte search
        {"\x83\x82\x79\x82\x64\x82\x6D\x82\x50\x82\x4F", ""},  // モ: ＺＥＮ from its trail byte
    };
    for (const auto& [name, model] : rows) EXPECT_EQ(DerivePrinterModel(name), model) << name;
    // A fixed LP pitch needs the DIP switch on every model but the R.
    EXPECT_TRUE(PrintNoticeApplies("ZEN10", "LP22") && PrintNoticeApplies("", "LP18"));
    EXPECT_FALSE(PrintNoticeApplies("ZEN10R", "LP22") || PrintNoticeApplies("ZEN10", ""));
}

TEST(PrinterPort, ParallelDeviceNumberReadsAsLptElseOnlyTheColonsGo)
{
    const std::tuple<const char*, const char*> rows[] = {
        {"parallel:/dev/lp0", "LPT1"}, {"socket://192.168.0.5:9100", "socket//192.168.0.59100"},
        {"parallel:/dev/lp0x", "parallel/dev/lp0x"},
        {"parallel:/dev/lp4294967295", "parallel/dev/lp4294967295"},
        {"parallel:/dev/lp99999999999999999999", "parallel/dev/lp99999999999999999999"},
    };
    for (const auto& [uri, port] : rows) EXPECT_EQ(PortFromDeviceUri(uri), port) << uri;
}

TEST(PrintChecks, CopiesFrom1To1000)
{
    EXPECT_EQ(CheckCopies(0).value().check, PrintCheck::TooFewCopies);
    for (const int copies : {1, 1000}) EXPECT_FALSE(CheckCopies(copies)) << copies;
    EXPECT_EQ(CheckCopies(1001).value().check, PrintCheck::TooManyCopies);
}

// The print dialog and `tessra emboss` read the copies with this one function.
TEST(PrintChecks, CopiesTextIsAWholeNumberThatSaturates)
{
    const std::tuple<const char*, std::optional<int>> rows[] = {
        {"3", 3}, {" +12 ", 12}, {"-2", -2}, {"0007", 7}, {"99999999999999999999", INT_MAX},
        {"-99999999999", -INT_MAX}, {"", std::nullopt}, {"-", std::nullopt}, {"2x", std::nullopt},
        {"1.5", std::nullopt}, {"1 2", std::nullopt},
    };
    for (const auto& [text, copies] : rows) EXPECT_EQ(ParseCopies(text), copies) << text;
    EXPECT_EQ(CheckCopies(*ParseCopies("99999999999")).value().check, PrintCheck::TooManyCopies);
}

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
