#include "app/SettingsRecord.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

using test::ReadBytes;
using test::WriteBytes;

// A record with every byte set, so that a rewrite that touches a byte outside its region shows.
std::string PatternedRecord()
{
    std::string record(kSettingsRecordSize, '\0');
    for (std::size_t i = 0; i < record.size(); ++i) record[i] = static_cast<char>(i * 7 + 1);
    return record;
}

class SettingsRecordTest : public testing::Test {
protected:
    test::TempDir dir;
    AppState state;
    void SetUp() override { state.settingsPath = dir.File("Tessra.ini"); }
};

TEST_F(SettingsRecordTest, FirstRunUsesDefaultsAndCreatesAnEmptyRecord)
{
    state.printerName = "kept";
    ReadSettings(state);
    EXPECT_EQ(state.leftMarginText, "10.0");
    EXPECT_EQ(state.topMarginText, "15.0");
    EXPECT_EQ(state.bottomMarginText, "15.0");
    EXPECT_EQ(state.horizontalCorrectionText, "0.0");
    EXPECT_EQ(state.verticalCorrectionText, "0.0");
    EXPECT_DOUBLE_EQ(state.topMargin, 15.0);
    EXPECT_EQ(state.printerName, "kept");
    EXPECT_EQ(ReadBytes(state.settingsPath), std::string(kSettingsRecordSize, '\0'));
}

TEST_F(SettingsRecordTest, CommandLineReadsDoNotCreateTheRecord)
{
    ReadSettings(state, false);
    EXPECT_EQ(state.leftMarginText, "10.0");
    EXPECT_FALSE(std::filesystem::exists(state.settingsPath));
}

TEST_F(SettingsRecordTest, DecodesSlots)
{
    std::string record(kSettingsRecordSize, '\0');
    record.replace(768, 5, "9.5\r\n");
    record.replace(784, 6, "1\0" "2\0" "3\0", 6);  // no CR: read to the slot's end
    record.replace(800, 16, std::string(16, 'x'));
    record.replace(848, 3, "abc");
    record.replace(256, 9, "ZEN10\r\nzz");
    ApplySettingsRecord(record, state);
    EXPECT_EQ(state.leftMarginText, "9.5");
    EXPECT_DOUBLE_EQ(state.leftMargin, 9.5);
    EXPECT_EQ(state.topMarginText, "123");
    EXPECT_EQ(state.bottomMarginText, std::string(16, 'x'));  // a full slot stops at its end
    EXPECT_EQ(state.horizontalCorrectionText, "abc");
    EXPECT_DOUBLE_EQ(state.horizontalCorrection, 0.0);
    EXPECT_EQ(state.verticalCorrectionText, "0.0");
    EXPECT_EQ(state.printerName, "ZEN10");
    EXPECT_EQ(state.printerModel, "");
}

TEST_F(SettingsRecordTest, ShortAndLongFilesReadAsOneRecord)
{
    std::string longFile(2000, '\0');
    longFile.replace(768, 6, "11.0\r\n");
    longFile.replace(1100, 5, "later");
    WriteBytes(state.settingsPath, longFile);
    ReadSettings(state);
    EXPECT_EQ(state.leftMarginText, "11.0");

    ASSERT_TRUE(SavePrintPosition(state));
    EXPECT_EQ(ReadBytes(state.settingsPath).size(), kSettingsRecordSize);

    WriteBytes(state.settingsPath, std::string(300, '\0') + "Z");
    ReadSettings(state);
    EXPECT_EQ(state.printerName, "Z");
    EXPECT_EQ(state.leftMarginText, "10.0");
}

TEST_F(SettingsRecordTest, EachRewriteKeepsEveryByteOutsideItsRegion)
{
    const std::string before = PatternedRecord();
    WriteBytes(state.settingsPath, before);
    state.leftMarginText = "9.0";
    state.topMarginText = "14.5";
    state.bottomMarginText = "15.0";
    state.horizontalCorrectionText = "+1.5";
    state.verticalCorrectionText = "-0.3";
    ASSERT_TRUE(SavePrintPosition(state));
    const std::string afterMargins = ReadBytes(state.settingsPath);
    EXPECT_EQ(afterMargins.substr(0, 768), before.substr(0, 768));
    EXPECT_EQ(afterMargins.substr(880), before.substr(880));
    EXPECT_EQ(afterMargins.substr(768, 16), std::string("9.0\r\n") + std::string(11, '\0'));
    EXPECT_EQ(afterMargins.substr(816, 32), std::string(32, '\0'));

    state.printerName = std::string(300, 'N');
    state.printerModel = "ZEN10R";
    state.printerPort = "LPT1";
    ASSERT_TRUE(SavePrinterSelection(state));
    const std::string afterPrinter = ReadBytes(state.settingsPath);
    EXPECT_EQ(afterPrinter.substr(0, 256), before.substr(0, 256));
    EXPECT_EQ(afterPrinter.substr(768), afterMargins.substr(768));

    AppState reread;
    ApplySettingsRecord(afterPrinter, reread);
    EXPECT_EQ(reread.printerName, std::string(238, 'N'));
    EXPECT_EQ(reread.printerModel, "ZEN10R");
    EXPECT_EQ(reread.printerPort, "LPT1");
    EXPECT_EQ(reread.horizontalCorrectionText, "+1.5");
    EXPECT_DOUBLE_EQ(reread.verticalCorrection, -0.3);
}

TEST_F(SettingsRecordTest, ARewriteNeedsAReadableRecordAndNeverLeavesAPartialOne)
{
    EXPECT_FALSE(SavePrinterSelection(state));
    EXPECT_FALSE(std::filesystem::exists(state.settingsPath));

    const std::string before = PatternedRecord();
    WriteBytes(state.settingsPath, before);
    state.printerName = "ZEN-10";
    {
        test::FileSizeLimit fullDisk(100);
        EXPECT_FALSE(SavePrinterSelection(state));
    }
    EXPECT_EQ(ReadBytes(state.settingsPath), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
}  // namespace tessra
