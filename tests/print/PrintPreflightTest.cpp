#include "print/PrintChecks.h"
#include "print/PrinterModel.h"
#include "print/PrinterPort.h"

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

}  // namespace
}  // namespace tessra
