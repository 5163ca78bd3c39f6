#include "document/BseFile.h"

#include "document/DocumentCommands.h"
#include "format/FormatString.h"
#include "format/Presets.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tessra {
namespace {

using test::ReadBytes;
using test::WriteBytes;

std::string Header(std::string_view key = "", std::string_view format = "",
                   std::string_view numbers = "00013828")
{
    std::string header(kBseHeaderSize - 2, ' ');
    header += "\r\n";
    header.replace(bse::kPresetKeyOffset, key.size(), key);
    header.replace(bse::kFormatOffset, format.size(), format);
    header.replace(bse::kHeaderCountOffset, numbers.size(), numbers);
    return header;
}

std::vector<std::string> LinesOf(std::string_view body)
{
    AppState state;
    ParseBseImage(Header() + std::string(body), state);
    return state.lines;
}

using Lines = std::vector<std::string>;

TEST(ParseBseImage, SplitsTheBodyIntoLines)
{
    EXPECT_EQ(LinesOf("AB\r\nCD\r\n\x1A"), (Lines{"AB", "CD"}));
    EXPECT_EQ(LinesOf("AB\nCD\n"), (Lines{"AB", "CD"}));
    EXPECT_EQ(LinesOf("A\rB\n"), (Lines{"AB"}));
    EXPECT_EQ(LinesOf("  \r\n\x1A"), (Lines{"  "}));
    EXPECT_EQ(LinesOf("\n\n"), (Lines{"", ""}));
    EXPECT_EQ(LinesOf("A\x0C\x1A" "B\n"), (Lines{"A\x0C\x1A" "B"}));
    EXPECT_EQ(LinesOf(""), Lines{});
}

TEST(ParseBseImage, KeepsTextAfterTheLastLineFeed)
{
    EXPECT_EQ(LinesOf("AB\r\n\r\nC"), (Lines{"AB", "", "C"}));
    EXPECT_EQ(LinesOf("AB\r\nCD\x1A"), (Lines{"AB", "CD"}));
    EXPECT_EQ(LinesOf("AB\r\n\x1A"), (Lines{"AB"}));
    EXPECT_EQ(LinesOf("AB\r\n\r"), (Lines{"AB"}));
    EXPECT_EQ(LinesOf("AB\r\nC\x1A\x1A"), (Lines{"AB", "C\x1A"}));
}

TEST(ParseBseImage, ReadsTheHeaderFields)
{
    AppState state;
    const std::string key = PadPresetKey("key");
    ParseBseImage(Header(key, "21002970010100000000000000002100297001000150LP2200", "0042-7 9"), state);
    EXPECT_EQ(state.headerCount, 42);
    EXPECT_EQ(state.cellsPerLine, -7);
    EXPECT_EQ(state.linesPerPage, 9);
    EXPECT_EQ(state.filePresetKey, key);
    EXPECT_EQ(state.filePresetKey.size(), 50u);
    EXPECT_EQ(state.formatString, "21002970010100000000000000002100297001000150LP2200");
    EXPECT_EQ(state.fileHeader.size(), kBseHeaderSize);
    EXPECT_TRUE(state.lines.empty());

    ParseBseImage(Header("", "", "00017x28"), state);
    EXPECT_EQ(state.cellsPerLine, 7);
    ParseBseImage(Header("", "", "        "), state);
    EXPECT_EQ(state.cellsPerLine, 0);
    EXPECT_EQ(state.linesPerPage, 0);
}

TEST(ParseBseImage, AShortFileHasBlankFieldsAndNoLines)
{
    AppState state;
    ParseBseImage("tiny\nfile\n", state);
    EXPECT_TRUE(state.lines.empty());
    EXPECT_EQ(state.filePresetKey, std::string(50, ' '));
    EXPECT_EQ(state.cellsPerLine, 0);
    EXPECT_EQ(state.fileHeader, "tiny\nfile\n");
}

class BseFileTest : public testing::Test {
protected:
    test::TempDir dir;
    AppState state;
};

TEST_F(BseFileTest, RefusesFilesOfAMegabyteOrMore)
{
    state.filePath = dir.File("big.BSE");
    WriteBytes(state.filePath, Header() + std::string(kBseSizeLimit - 1 - kBseHeaderSize, 'A'));
    EXPECT_EQ(ReadBseFile(state), std::nullopt);
    EXPECT_EQ(state.lines.size(), 1u);

    AppState refused;
    refused.filePath = state.filePath;
    refused.cellsPerLine = 5;
    WriteBytes(refused.filePath, Header() + std::string(kBseSizeLimit - kBseHeaderSize, 'A'));
    EXPECT_EQ(ReadBseFile(refused), std::string(kTooLargeMessage));
    EXPECT_TRUE(refused.lines.empty());
    EXPECT_EQ(refused.cellsPerLine, 5);
}

TEST_F(BseFileTest, ReportsFilesThatCannotBeOpenedWithoutHanging)
{
    const std::string expected = "\n\nファイルのオープンに失敗しました。";
    state.filePath = dir.File("missing.BSE");
    EXPECT_EQ(ReadBseFile(state), state.filePath + expected);
    state.filePath = dir.Path().string();
    EXPECT_EQ(ReadBseFile(state), state.filePath + expected);
    state.filePath = dir.File("pipe.BSE");
    ASSERT_EQ(::mkfifo(state.filePath.c_str(), 0600), 0);
    EXPECT_EQ(ReadBseFile(state), state.filePath + expected);
}

TEST_F(BseFileTest, WritesTheLayoutExactly)
{
    NewDocument(state);
    state.filePath = dir.File("new.BSE");
    ASSERT_EQ(WriteBseFile(state), std::nullopt);
    const std::string empty = ReadBytes(state.filePath);
    ASSERT_EQ(empty.size(), 515u);
    EXPECT_EQ(empty.substr(504, 10), "00013828\r\n");
    EXPECT_EQ(empty.substr(358, 50), PadPresetKey(preset::kDefaultKey));
    EXPECT_EQ(empty.substr(408, 50), "21002970010100000000000000002100297001000150LP2200");
    EXPECT_EQ(empty.back(), '\x1A');

    state.lines = {"", "AB"};
    ASSERT_EQ(WriteBseFile(state), std::nullopt);
    EXPECT_EQ(ReadBytes(state.filePath).substr(kBseHeaderSize), "  \r\nAB\r\n\x1A");
}

TEST_F(BseFileTest, ASavedFileReadsBackAndSavesToTheSameBytes)
{
    for (const Preset& p : Catalogue()) {
        AppState first;
        NewDocument(first);
        first.filePath = dir.File("doc.BSE");
        first.selectedPresetKey = PresetKey(p.kind, p.sizeName);
        ParseFormatString(p.layout, first.format);
        first.sameDataForAllLabels = p.kind != SheetKind::MultiLabel;
        first.lines = {"", "ABC", "", "  X", std::string(200, '#')};
        ASSERT_EQ(WriteBseFile(first), std::nullopt);
        const std::string written = ReadBytes(first.filePath);

        AppState second;
        ASSERT_EQ(OpenDocument(second, first.filePath), std::nullopt);
        first.format.formatDataMode = first.sameDataForAllLabels ? 0 : 1;
        EXPECT_EQ(second.format, first.format);
        ASSERT_EQ(WriteBseFile(second), std::nullopt);
        EXPECT_EQ(ReadBytes(first.filePath), written) << p.layout;
    }
}

TEST_F(BseFileTest, AFailedSaveLeavesTheOldFileAndTheModifiedFlag)
{
    NewDocument(state);
    state.filePath = dir.File("keep.BSE");
    WriteBytes(state.filePath, "old contents");
    state.lines.assign(100, std::string(30, 'A'));
    state.modified = true;
    {
        test::FileSizeLimit fullDisk(1000);
        EXPECT_EQ(WriteBseFile(state), std::string(kSaveFailedMessage));
    }
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(ReadBytes(state.filePath), "old contents");

    state.filePath = dir.File("no-such-dir/x.BSE");
    EXPECT_EQ(WriteBseFile(state), std::string(kSaveFailedMessage));
    state.filePath = dir.Path().string();
    EXPECT_EQ(WriteBseFile(state), std::string(kSaveFailedMessage));
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
}  // namespace tessra
