#include "settings/SettingsRecord.h"

#include "platform/SettingsLocation.h"
#include "settings/StartUp.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tessra {
namespace {

using test::ReadBytes;
using test::WriteBytes;

// Every byte set, so that a rewrite touching a byte outside its region shows.
std::string PatternedRecord()
{
    std::string record(kSettingsRecordSize, '\0');
    for (std::size_t i = 0; i < record.size(); ++i) record[i] = static_cast<char>(i * 7 + 1);
    return record;
}

TEST(SettingsRecord, StartUpUsesDefaultsAndCreatesAnEmptyRecord)
{
    test::TempDir dir;
    AppState state;
    state.printerName = "kept";
    state.settingsPath = dir.File("cli.ini");
    ReadSettings(state, false);  // the command line never creates it
    EXPECT_FALSE(std::filesystem::exists(state.settingsPath));

    StartUpState(state, dir.File("config/tessra/Tessra.ini"));
    InitialViewModes(state);
    EXPECT_EQ(ReadBytes(state.settingsPath), std::string(kSettingsRecordSize, '\0'));
    EXPECT_EQ(state.leftMarginText + state.topMarginText + state.bottomMarginText +
                  state.horizontalCorrectionText + state.verticalCorrectionText,
              "10.015.015.00.00.0");
    EXPECT_EQ(std::tuple(state.topMargin, state.printerName, state.displayMode + state.viewMode + state.zoom),
              std::tuple(15.0, "kept", "BrailleSheetZoom_1"));
    EXPECT_TRUE(state.document.sameDataForAllLabels() && !state.document.fileOpen() && !state.thickPaper);
}

TEST(SettingsRecord, DecodesSlots)
{
    std::string record(kSettingsRecordSize, '\0');
    record.replace(256, 9, "ZEN10\r\nzz");
    record.replace(768, 5, "9.5\r\n");
    record.replace(784, 6, "1\0" "2\0" "3\0", 6);  // no CR: to the slot's end, zeros skipped
    record.replace(800, 16, std::string(16, 'x'));
    record.replace(848, 3, "abc");
    AppState state;
    ApplySettingsRecord(record.substr(0, 900), state);  // a short record reads as zero-padded
    EXPECT_EQ(std::tuple(state.printerName, state.leftMargin, state.topMarginText, state.bottomMarginText,
                         state.horizontalCorrectionText, state.horizontalCorrection, state.verticalCorrectionText),
              std::tuple("ZEN10", 9.5, "123", std::string(16, 'x'), "abc", 0.0, "0.0"));
}

TEST(SettingsRecord, EachRewriteFillsItsSlotsAndKeepsTheRestOfTheFile)
{
    test::TempDir dir;
    AppState state;
    state.settingsPath = dir.File("Tessra.ini");
    const std::string before = PatternedRecord();
    WriteBytes(state.settingsPath, before + "beyond the record");
    ApplyDefaultPrintPosition(state);
    state.horizontalCorrectionText = "+1.5";
    ASSERT_TRUE(SavePrintPosition(state));
    const std::string margins = ReadBytes(state.settingsPath);
    // Every byte outside each region is fuzz_settings_record's invariant; here the file as a whole.
    EXPECT_EQ(std::tuple(margins.size(), margins.substr(0, 768), margins.substr(768, 16), margins.substr(816, 32)),
              std::tuple(kSettingsRecordSize, before.substr(0, 768), "10.0\r\n" + std::string(10, '\0'), std::string(32, '\0')));

    state.printerName = std::string(300, 'N');
    state.printerPort = "LPT1";
    ASSERT_TRUE(SavePrinterSelection(state));
    const std::string printer = ReadBytes(state.settingsPath);
    EXPECT_EQ(printer.substr(768), margins.substr(768));

    AppState reread;
    ApplySettingsRecord(printer, reread);
    EXPECT_EQ(reread.printerPort, "LPT1");
    EXPECT_DOUBLE_EQ(reread.horizontalCorrection, 1.5);
}

TEST(SettingsRecord, ARewriteNeedsARecordAndNeverLeavesAPartialOne)
{
    test::TempDir dir;
    AppState state;
    state.settingsPath = dir.File("Tessra.ini");
    EXPECT_FALSE(SavePrinterSelection(state));
    EXPECT_FALSE(std::filesystem::exists(state.settingsPath));

    WriteBytes(state.settingsPath, PatternedRecord());
    state.printerName = "ZEN-10";
    {
        test::FileSizeLimit fullDisk(100);
        EXPECT_FALSE(SavePrinterSelection(state));  // the old record stays: see WriteBseFile's test
    }
}

TEST(SettingsLocation, BesideAWritableCopyElsePerUserAndNeverInAnInstalledBinDirectory)
{
    test::TempDir dir;
    const std::string copy = dir.Path().string();
    const std::string perUser = dir.File("config/tessra/Tessra.ini");
    ::setenv("XDG_CONFIG_HOME", dir.File("config").c_str(), 1);
    EXPECT_EQ(SettingsPathFor(copy, {"/usr/bin"}), dir.File("Tessra.ini"));
    EXPECT_EQ(SettingsPathFor(copy, {"/usr/bin", copy.c_str()}), perUser);
    EXPECT_EQ(SettingsPathFor(copy + "/missing", {}), perUser);
    EXPECT_EQ(SettingsPathFor("", {}), perUser);

    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", copy.c_str(), 1);
    EXPECT_EQ(SettingsPathFor("", {}), dir.File(".config/tessra/Tessra.ini"));
    ::setenv("HOME", home.c_str(), 1);
}

}  // namespace
}  // namespace tessra
