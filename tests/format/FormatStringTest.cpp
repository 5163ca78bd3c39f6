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
    ParseFormatString(text, f);
    return f;
}

TEST(ParseFormatString, ReadsBothFormsAndCatalogueRows)
{
    const SheetFormat preset = Parsed(
        "210.0_297.0_ 5_ 2_ 14.0_  0.0_ 11.0_  0.0__ 91.0_ 55.0_  6.0_  4.0_LP22_00");
    EXPECT_EQ(std::tuple(preset.columns, preset.y1, preset.y3, preset.linePitch), std::tuple(2, 11.0, 4.0, 102 * 0.1));

    const SheetFormat stored = Parsed("21002970060201500100020001000850035000600040007510");
    EXPECT_EQ(std::tuple(stored.labelWidth, stored.lineCode, stored.linePitch, stored.formatDataMode), std::tuple(85.0, "", 7.5, 1));
}

TEST(ParseFormatString, GivesEachLineCodeItsRoundedPitch)
{
    const std::pair<const char*, double> codes[] = {
        {"LP35", 64 * 0.1}, {"LP24", 95 * 0.1}, {"LP22", 102 * 0.1}, {"LP18", 128 * 0.1}};
    for (const auto& [code, pitch] : codes) {
        const SheetFormat f = Parsed(std::string(44, '0') + code + "00");
        EXPECT_EQ(f.lineCode, code);
        EXPECT_EQ(f.linePitch, pitch);
    }
    EXPECT_TRUE(Parsed(std::string(44, '0') + "lp22").lineCode.empty());
}

TEST(ParseFormatString, BadFieldsGiveDefinedValues)
{
    EXPECT_EQ(Parsed(""), SheetFormat{});
    EXPECT_DOUBLE_EQ(Parsed("2100297").sheetHeight, 29.7);  // the missing byte reads as a blank
    EXPECT_DOUBLE_EQ(Parsed("12ab").sheetWidth, 1.2);
    for (const char* field : {"nan ", "NAN ", "inf ", "-inf"}) {
        const SheetFormat f = Parsed(std::string(field) + "2970");
        EXPECT_EQ(f.sheetWidth, 0.0) << field;
        EXPECT_DOUBLE_EQ(f.sheetHeight, 297.0) << field;
    }
    EXPECT_EQ(Parsed(std::string(44, '0') + "inf 00").linePitch, 0.0);
}

TEST(BuildFormatString, WritesTheStoredFormAndSurvivesRoundTrips)
{
    EXPECT_EQ(BuildFormatString(Parsed(preset::kDefaultFormat), true),
              "21002970010100000000000000002100297001000150LP2200");
    const char* freePitch = "21002970060201500100020001000850035000600040007510";
    EXPECT_EQ(BuildFormatString(Parsed(freePitch), false), freePitch);

    SheetFormat lp24 = Parsed(freePitch);
    lp24.lineCode = "LP24";  // the code wins over whatever pitch is held
    EXPECT_EQ(Parsed(BuildFormatString(lp24, true)).linePitch, 95 * 0.1);

    for (const Preset& p : Catalogue()) {
        const std::string stored = BuildFormatString(Parsed(p.layout), true);
        EXPECT_EQ(Parsed(stored), Parsed(p.layout)) << p.layout;
    }
}

TEST(BuildFormatString, KeepsTheFixedWidthForValuesNoFieldHolds)
{
    SheetFormat f = Parsed("1e99" "-999" "-9" "99");
    f.labelWidth = 1e300;
    const std::string stored = BuildFormatString(f, true);
    EXPECT_EQ(stored.size(), kStoredFormatLength);
    EXPECT_EQ(stored.substr(0, 12), "9999-999-999");
    EXPECT_EQ(stored.substr(28, 4), "9999");
}

TEST(FormatText, PadsKeysAndShowsLengths)
{
    EXPECT_EQ(PadPresetKey("ab"), "ab" + std::string(48, ' '));
    EXPECT_EQ(PadPresetKey(std::string(60, 'k')), std::string(60, 'k'));
    const std::pair<double, const char*> lengths[] = {
        {210.0, "210.0"}, {11.5, "11.5"}, {0.0, "0.0"}, {0.5, ".5"}, {10.24159205, "10.2"}, {-3.5, "3.5"}};
    for (const auto& [value, text] : lengths) EXPECT_EQ(LengthText(value), text) << value;
    EXPECT_EQ(LengthText(std::nan("")), "0.0");
}

}  // namespace
}  // namespace tessra
