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
using Lines = std::vector<std::string>;

std::string Header(std::string_view numbers = "00013828", std::string_view key = "")
{
    std::string header(kBseHeaderSize - 2, ' ');
    header += "\r\n";
    header.replace(bse::kPresetKeyOffset, key.size(), key);
    header.replace(bse::kHeaderCountOffset, numbers.size(), numbers);
    return header;
}

Lines LinesOf(std::string_view body)
{
    AppState state;
    ParseBseImage(Header() + std::string(body), state);
    return state.lines;
}

TEST(ParseBseImage, SplitsTheBodyIntoLines)
{
    const std::pair<const char*, Lines> rows[] = {
        {"AB\r\nCD\r\n\x1A", {"AB", "CD"}},
        {"AB\nCD\n", {"AB", "CD"}},
        {"A\rB\n", {"AB"}},
        {"\n\n", {"", ""}},
        {"A\x0C\x1A" "B\n", {"A\x0C\x1A" "B"}},
        // Text after the last LF is kept; only one closing 0x1A is not.
        {"AB\r\n\r\nC", {"AB", "", "C"}},
        {"AB\r\nCD\x1A", {"AB", "CD"}},
        {"AB\r\nC\x1A\x1A", {"AB", "C\x1A"}},
        {"AB\r\n\r", {"AB"}},
    };
    for (const auto& [body, lines] : rows) EXPECT_EQ(LinesOf(body), lines) << body;
}

TEST(ParseBseImage, ReadsTheHeaderFields)
{
    AppState state;
    ParseBseImage(Header("0042-7x ", "key"), state);
    EXPECT_EQ(state.headerCount, 42);
    EXPECT_EQ(state.cellsPerLine, -7);  // digits up to the first other byte
    EXPECT_EQ(state.linesPerPage, 0);   // blanks
    EXPECT_EQ(state.filePresetKey, PadPresetKey("key"));
    ParseBseImage("tiny\nfile\n", state);  // shorter than a header: blank fields, no lines
    EXPECT_EQ(state.filePresetKey, std::string(50, ' '));
    EXPECT_TRUE(state.lines.empty());
}

TEST(ReadBseFile, RefusesLargeAndUnopenableFilesWithoutChangingAnything)
{
    test::TempDir dir;
    AppState state;
    state.filePath = dir.File("big.BSE");
    WriteBytes(state.filePath, Header() + std::string(kBseSizeLimit - 1 - kBseHeaderSize, 'A'));
    EXPECT_EQ(ReadBseFile(state), std::nullopt);

    AppState refused;
    refused.filePath = state.filePath;
    refused.cellsPerLine = 5;
    WriteBytes(refused.filePath, Header() + std::string(kBseSizeLimit - kBseHeaderSize, 'A'));
    EXPECT_EQ(ReadBseFile(refused), std::string(kTooLargeMessage));
    EXPECT_TRUE(refused.lines.empty());
    EXPECT_EQ(refused.cellsPerLine, 5);

    const std::string pipe = dir.File("pipe.BSE");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {dir.File("missing.BSE"), dir.Path().string(), pipe}) {
        refused.filePath = path;
        EXPECT_EQ(ReadBseFile(refused), path + "\n\nファイルのオープンに失敗しました。");
    }
}

TEST(WriteBseFile, WritesTheLayoutAndReadsBackToTheSameBytes)
{
    test::TempDir dir;
    for (const Preset& p : Catalogue()) {
        AppState first;
        NewDocument(first);
        first.filePath = dir.File("doc.BSE");
        first.selectedPresetKey = PresetKey(p.kind, p.sizeName);
        ParseFormatString(p.layout, first.format);
        first.lines = {"", "ABC", "  X"};
        ASSERT_EQ(WriteBseFile(first), std::nullopt);
        const std::string written = ReadBytes(first.filePath);
        EXPECT_EQ(written.substr(504, 10), "00013828\r\n");
        EXPECT_EQ(written.substr(358, 50), PadPresetKey(first.selectedPresetKey));
        EXPECT_EQ(written.substr(kBseHeaderSize), "  \r\nABC\r\n  X\r\n\x1A");

        AppState second;
        ASSERT_EQ(OpenDocument(second, first.filePath), std::nullopt);
        ASSERT_EQ(WriteBseFile(second), std::nullopt);
        EXPECT_EQ(ReadBytes(first.filePath), written) << p.layout;
    }
}

TEST(WriteBseFile, AFailedSaveLeavesTheOldFileAndTheModifiedFlag)
{
    test::TempDir dir;
    AppState state;
    NewDocument(state);
    state.filePath = dir.File("keep.BSE");
    WriteBytes(state.filePath, "old contents");
    state.lines.assign(100, std::string(30, 'A'));
    state.modified = true;
    {
        test::FileSizeLimit fullDisk(1000);
        EXPECT_EQ(WriteBseFile(state), std::string(kSaveFailedMessage));
    }
    EXPECT_EQ(ReadBytes(state.filePath), "old contents");
    for (const std::string& path : {dir.File("no-such-dir/x.BSE"), dir.Path().string()}) {
        state.filePath = path;
        EXPECT_EQ(WriteBseFile(state), std::string(kSaveFailedMessage));
    }
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

}  // namespace
}  // namespace tessra
