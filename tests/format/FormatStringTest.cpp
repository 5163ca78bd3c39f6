#include "format/FormatString.h"
#include "format/Presets.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tessra {
namespace {

SheetFormat Parsed(std::string_view text)
{
    SheetFormat f;
    f.lineCode = "junk";
    f.linePitch = 99;
    ParseFormatString(text, f);
    return f;
}

TEST(ParseFormatString, ReadsThePresetForm)
{
    const SheetFormat f = Parsed(
        "210.0_297.0_ 5_ 2_ 14.0_  0.0_ 11.0_  0.0__ 91.0_ 55.0_  6.0_  4.0_LP22_00");
    EXPECT_DOUBLE_EQ(f.sheetWidth, 210.0);
    EXPECT_DOUBLE_EQ(f.sheetHeight, 297.0);
    EXPECT_EQ(f.rows, 5);
    EXPECT_EQ(f.columns, 2);
    EXPECT_DOUBLE_EQ(f.x1, 14.0);
    EXPECT_DOUBLE_EQ(f.x2, 0.0);
    EXPECT_DOUBLE_EQ(f.y1, 11.0);
    EXPECT_DOUBLE_EQ(f.labelWidth, 91.0);
    EXPECT_DOUBLE_EQ(f.labelHeight, 55.0);
    EXPECT_DOUBLE_EQ(f.x3, 6.0);
    EXPECT_DOUBLE_EQ(f.y3, 4.0);
    EXPECT_EQ(f.lineCode, "LP22");
    EXPECT_EQ(f.linePitch, 102 * 0.1);
    EXPECT_EQ(f.formatDataMode, 0);
}

TEST(ParseFormatString, ReadsTheStoredFormWithAFreePitch)
{
    const SheetFormat f = Parsed("21002970060201500100020001000850035000600040007510");
    EXPECT_EQ(f.rows, 6);
    EXPECT_EQ(f.columns, 2);
    EXPECT_DOUBLE_EQ(f.x1, 15.0);
    EXPECT_DOUBLE_EQ(f.labelWidth, 85.0);
    EXPECT_TRUE(f.lineCode.empty());
    EXPECT_DOUBLE_EQ(f.linePitch, 7.5);
    EXPECT_EQ(f.formatDataMode, 1);
    EXPECT_EQ(f.formatReserved, 0);
}

TEST(ParseFormatString, GivesEachLineCodeItsPitch)
{
    const struct {
        const char* code;
        double pitch;
    } rows[] = {{"LP35", 64 * 0.1}, {"LP24", 95 * 0.1}, {"LP22", 102 * 0.1}, {"LP18", 128 * 0.1}};
    for (const auto& row : rows) {
        const SheetFormat f = Parsed(std::string(44, '0') + row.code + "00");
        EXPECT_EQ(f.lineCode, row.code);
        EXPECT_EQ(f.linePitch, row.pitch) << row.code;
    }
    EXPECT_TRUE(Parsed(std::string(44, '0') + "lp22" + "00").lineCode.empty());
}

TEST(ParseFormatString, ShortEmptyAndNonNumericTextsGiveZeros)
{
    const SheetFormat empty = Parsed("");
    EXPECT_EQ(empty, SheetFormat{});

    const SheetFormat shortText = Parsed("2100297");
    EXPECT_DOUBLE_EQ(shortText.sheetWidth, 210.0);
    EXPECT_DOUBLE_EQ(shortText.sheetHeight, 29.7);
    EXPECT_EQ(shortText.rows, 0);
    EXPECT_TRUE(shortText.lineCode.empty());

    EXPECT_DOUBLE_EQ(Parsed("12ab").sheetWidth, 1.2);
    EXPECT_DOUBLE_EQ(Parsed("abcd").sheetWidth, 0.0);
}

TEST(ParseFormatString, NanAndInfinityReadAsZero)
{
    for (const char* field : {"nan ", "NAN ", "inf ", "-inf", "9e99"}) {
        const SheetFormat f = Parsed(std::string(field) + "2970");
        EXPECT_TRUE(std::isfinite(f.sheetWidth)) << field;
        EXPECT_DOUBLE_EQ(f.sheetHeight, 297.0) << field;
    }
    EXPECT_EQ(Parsed("nan ").sheetWidth, 0.0);
    EXPECT_EQ(Parsed("-inf").sheetWidth, 0.0);
    EXPECT_EQ(Parsed(std::string(44, '0') + "inf 00").linePitch, 0.0);
}

TEST(BuildFormatString, WritesTheStoredForm)
{
    SheetFormat f = Parsed(preset::kDefaultFormat);
    EXPECT_EQ(BuildFormatString(f, true), "21002970010100000000000000002100297001000150LP2200");

    f = Parsed("21002970060201500100020001000850035000600040007510");
    EXPECT_EQ(BuildFormatString(f, false), "21002970060201500100020001000850035000600040007510");

    f.lineCode = "LP24";  // the code wins over whatever pitch is held
    EXPECT_EQ(BuildFormatString(f, true).substr(44), "LP2400");
    EXPECT_EQ(Parsed(BuildFormatString(f, true)).linePitch, 95 * 0.1);
}

TEST(BuildFormatString, EveryCatalogueLayoutSurvivesARoundTrip)
{
    for (const Preset& p : Catalogue()) {
        const SheetFormat fromRow = Parsed(CatalogueRow(p));
        EXPECT_EQ(fromRow, Parsed(p.layout)) << p.layout;
        const std::string stored = BuildFormatString(fromRow, true);
        ASSERT_EQ(stored.size(), kStoredFormatLength);
        EXPECT_EQ(Parsed(stored), fromRow) << p.layout;
        EXPECT_EQ(BuildFormatString(Parsed(stored), true), stored);
    }
}

TEST(BuildFormatString, KeepsTheFixedWidthForValuesNoFieldHolds)
{
    SheetFormat f = Parsed("1e99" "-999" "-9" "99");
    f.labelWidth = 1e300;
    f.x3 = -1e300;
    const std::string stored = BuildFormatString(f, true);
    ASSERT_EQ(stored.size(), kStoredFormatLength);
    EXPECT_EQ(stored.substr(0, 12), "9999-999-999");
    EXPECT_EQ(stored.substr(28, 4), "9999");
    EXPECT_EQ(stored.substr(36, 4), "-999");
}

TEST(PadPresetKey, PadsToFiftyBytesAndKeepsLongerKeys)
{
    EXPECT_EQ(PadPresetKey("ab"), "ab" + std::string(48, ' '));
    EXPECT_EQ(PadPresetKey(std::string(60, 'k')), std::string(60, 'k'));
}

TEST(LengthText, ShowsOneDecimalWithoutLeadingZero)
{
    const struct {
        double value;
        const char* text;
    } rows[] = {{210.0, "210.0"}, {11.5, "11.5"}, {6.0, "6.0"}, {0.0, "0.0"}, {0.5, ".5"},
                {0.04, "0.0"},    {6.408849013, "6.4"}, {10.24159205, "10.2"}, {-3.5, "3.5"}};
    for (const auto& row : rows) EXPECT_EQ(LengthText(row.value), row.text) << row.value;
    EXPECT_EQ(LengthText(std::nan("")), "0.0");
    EXPECT_GT(LengthText(1e300).size(), 300u);
}

}  // namespace
}  // namespace tessra
