#include "document/BseFile.h"

#include "document/DocumentCommands.h"
#include "format/FormatString.h"
#include "format/Presets.h"
#include "platform/TextCodec.h"
#include "support/TempDir.h"
#include "support/DocumentSetUp.h"

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
    DocumentContent content;
    ParseBseImage(Header() + std::string(body), content);
    return content.lines;
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
    DocumentContent content;
    ParseBseImage(Header("0042-7x ", "key"), content);
    EXPECT_EQ(content.headerCount, 42);
    EXPECT_EQ(content.cellsPerLine, -7);  // digits up to the first other byte
    EXPECT_EQ(content.linesPerPage, 0);   // blanks
    EXPECT_EQ(content.choice.filePresetKey, PadPresetKey("key"));
    ParseBseImage("tiny\nfile\n", content);  // shorter than a header: blank fields, no lines
    EXPECT_EQ(content.choice.filePresetKey, std::string(50, ' '));
    EXPECT_TRUE(content.lines.empty());
}

TEST(ReadBseFile, RefusesLargeAndUnopenableFilesWithoutChangingAnything)
{
    test::TempDir dir;
    DocumentContent content;
    const std::string big = dir.File("big.BSE");
    WriteBytes(big, Header() + std::string(kBseSizeLimit - 1 - kBseHeaderSize, 'A'));
    EXPECT_EQ(ReadBseFile(big, content), std::nullopt);

    DocumentContent refused;
    refused.cellsPerLine = 5;
    WriteBytes(big, Header() + std::string(kBseSizeLimit - kBseHeaderSize, 'A'));
    EXPECT_EQ(ReadBseFile(big, refused), std::string(kTooLargeMessage));
    EXPECT_TRUE(refused.lines.empty());
    EXPECT_EQ(refused.cellsPerLine, 5);

    const std::string pipe = dir.File("pipe.BSE");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {dir.File("missing.BSE"), dir.Path().string(), pipe})
        EXPECT_EQ(ReadBseFile(path, refused), path + "\n\nファイルのオープンに失敗しました。");
}

TEST(WriteBseFile, WritesTheLayoutAndReadsBackToTheSameBytes)
{
    test::TempDir dir;
    for (const Preset& p : Catalogue()) {
        AppState first;
        NewDocument(first);
        first.document.Rename(dir.File("doc.BSE"), first.document.fileExtension());
        Set(first).selectedPresetKey = PresetKey(p.kind, p.sizeName);
        ParseFormatString(p.layout, Set(first).format);
        Set(first).lines = {"", "ABC", "  X"};
        ASSERT_EQ(WriteBseFile(first.document), std::nullopt);
        const std::string written = ReadBytes(first.document.filePath());
        EXPECT_EQ(written.substr(504, 10), "00013828\r\n");
        EXPECT_EQ(written.substr(358, 50), PadPresetKey(first.document.selectedPresetKey()));
        EXPECT_EQ(written.substr(kBseHeaderSize), "  \r\nABC\r\n  X\r\n\x1A");

        AppState second;
        ASSERT_EQ(OpenDocument(second, first.document.filePath()), std::nullopt);
        ASSERT_EQ(WriteBseFile(second.document), std::nullopt);
        EXPECT_EQ(ReadBytes(first.document.filePath()), written) << p.layout;
    }
}

TEST(WriteBseFile, AFailedSaveLeavesTheOldFileAndTheModifiedFlag)
{
    test::TempDir dir;
    AppState state;
    NewDocument(state);
    state.document.Rename(dir.File("keep.BSE"), state.document.fileExtension());
    WriteBytes(state.document.filePath(), "old contents");
    Set(state).lines.assign(100, std::string(30, 'A'));
    test::Touch(state);
    {
        test::FileSizeLimit fullDisk(1000);
        EXPECT_EQ(WriteBseFile(state.document), std::string(kSaveFailedMessage));
    }
    EXPECT_EQ(ReadBytes(state.document.filePath()), "old contents");
    for (const std::string& path : {dir.File("no-such-dir/x.BSE"), dir.Path().string()}) {
        state.document.Rename(path, state.document.fileExtension());
        EXPECT_EQ(WriteBseFile(state.document), std::string(kSaveFailedMessage));
    }
    EXPECT_TRUE(state.document.modified());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(DocumentCommands, NewGivesAnEmptyA4Document)
{
    AppState state;
    EXPECT_EQ(SaveDocumentAs(state, "a.BSE"), std::string(kNoDocumentMessage));  // the rest of saving: the window's tests
    Set(state).lines = {"x"};
    test::Touch(state);
    Set(state).sameDataForAllLabels = false;
    NewDocument(state);
    EXPECT_TRUE(state.document.lines().empty());
    // The list entry's padding stays in the selected key.
    EXPECT_EQ(std::tuple(state.document.selectedPresetKey(), state.document.formatString(), state.zoom, state.document.filePath()),
              std::tuple(std::string(preset::kDefaultKey) + std::string(32, ' '), preset::kDefaultFormat, "Zoom_0", "NoName.BSE"));
    EXPECT_EQ(state.document.cellsPerLine() * 100 + state.document.linesPerPage(), 3828);
    EXPECT_TRUE(state.document.fileOpen() && state.document.sameDataForAllLabels() && !state.document.modified());
}

TEST(DocumentCommands, OpenTakesTheDocumentItsFormatAndDataMode)
{
    test::TempDir dir;
    const std::string key = Utf8ToCp932("マルチラベル@名刺(1) 10面 ｾﾝﾀｰ 0㎜");
    for (const char mode : {'0', '1'}) {
        std::string image = Header("00011606", key);
        image.replace(bse::kFormatOffset, 50, std::string("21002970050201400000011000000910055000600040LP22") + mode + '0');
        WriteBytes(dir.File("cards.bse"), image + "\r\nABC\r\n\x1A");

        AppState state;
        test::Touch(state);
        ASSERT_EQ(OpenDocument(state, dir.File("cards.bse")), std::nullopt);
        EXPECT_EQ(state.document.lines(), (std::vector<std::string>{"", "ABC"}));
        EXPECT_EQ(std::tuple(state.document.selectedPresetKey(), state.document.format().x1, state.document.cellsPerLine(),
                             state.document.sameDataForAllLabels(), state.document.fileExtension()),
                  std::tuple(key, 14.0, 16, mode == '0', "bse"));
        EXPECT_TRUE(state.document.fileOpen() && !state.document.modified());
    }

    AppState state;
    NewDocument(state);
    const std::string gone = dir.File("gone.BSE");
    EXPECT_EQ(OpenDocument(state, gone), gone + "\n\n" + std::string(kOpenFailedMessage));
    EXPECT_EQ(state.document.filePath(), gone);  // an empty default document under the chosen name
    EXPECT_EQ(state.document.formatPresetKey(), preset::kDefaultKey);
    EXPECT_TRUE(state.document.fileOpen());
}

}  // namespace
}  // namespace tessra
