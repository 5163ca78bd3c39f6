#include "document/DocumentCommands.h"

#include "document/BseFile.h"
#include "format/Presets.h"
#include "platform/TextCodec.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class DocumentCommandsTest : public testing::Test {
protected:
    test::TempDir dir;
    AppState state;

    std::string FileWithFormat(std::string_view name, std::string_view key, std::string_view format)
    {
        std::string image(kBseHeaderSize - 2, ' ');
        image += "\r\n";
        image.replace(bse::kPresetKeyOffset, key.size(), key);
        image.replace(bse::kFormatOffset, format.size(), format);
        image.replace(bse::kHeaderCountOffset, 8, "00011606");
        image += "\r\nABC\r\n\x1A";
        WriteBytes(dir.File(name), image);
        return dir.File(name);
    }
};

TEST_F(DocumentCommandsTest, NewGivesAnEmptyA4Document)
{
    state.modified = true;
    state.lines = {"x"};
    state.sameDataForAllLabels = false;
    NewDocument(state);
    EXPECT_TRUE(state.lines.empty());
    // The list entry's padding stays in the selected key.
    EXPECT_EQ(state.selectedPresetKey, std::string(preset::kDefaultKey) + std::string(32, ' '));
    EXPECT_EQ(state.formatPresetKey, preset::kDefaultKey);
    EXPECT_EQ(state.formatString, preset::kDefaultFormat);
    EXPECT_EQ(state.cellsPerLine, 38);
    EXPECT_EQ(state.linesPerPage, 28);
    EXPECT_EQ(state.headerCount, 1);
    EXPECT_DOUBLE_EQ(state.format.labelHeight, 297.0);
    EXPECT_EQ(state.format.lineCode, "LP22");
    EXPECT_EQ(state.viewMode, "Sheet");
    EXPECT_EQ(state.zoom, "Zoom_0");
    EXPECT_TRUE(state.fileOpen);
    EXPECT_TRUE(state.sameDataForAllLabels);
    EXPECT_FALSE(state.modified);
    EXPECT_EQ(state.filePath, "NoName.BSE");
}

TEST_F(DocumentCommandsTest, OpenLoadsTheDocumentAndItsFormat)
{
    const std::string key = Utf8ToCp932("マルチラベル@名刺(1) 10面 ｾﾝﾀｰ 0㎜");
    const std::string path =
        FileWithFormat("cards.BSE", key, "21002970050201400000011000000910055000600040LP2210");
    state.modified = true;
    ASSERT_EQ(OpenDocument(state, path), std::nullopt);
    EXPECT_EQ(state.lines, (std::vector<std::string>{"", "ABC"}));
    EXPECT_EQ(state.formatPresetKey, key);
    EXPECT_EQ(state.selectedPresetKey, key);
    EXPECT_EQ(state.format.rows, 5);
    EXPECT_EQ(state.cellsPerLine, 16);
    EXPECT_EQ(state.linesPerPage, 6);
    EXPECT_FALSE(state.sameDataForAllLabels);
    EXPECT_TRUE(state.fileOpen);
    EXPECT_FALSE(state.modified);
    EXPECT_EQ(state.fileExtension, "BSE");

    OpenDocument(state, FileWithFormat("same.bse", key, "21002970050201400000011000000910055000600040LP2200"));
    EXPECT_TRUE(state.sameDataForAllLabels);
    EXPECT_EQ(state.fileExtension, "bse");
}

TEST_F(DocumentCommandsTest, OpenOfAnUnreadableFileLeavesAnEmptyDefaultDocument)
{
    NewDocument(state);
    state.lines = {"old"};
    const std::string path = dir.File("gone.BSE");
    EXPECT_EQ(OpenDocument(state, path), path + "\n\n" + std::string(kOpenFailedMessage));
    EXPECT_TRUE(state.lines.empty());
    EXPECT_EQ(state.filePath, path);
    EXPECT_EQ(state.formatPresetKey, preset::kDefaultKey);
    EXPECT_DOUBLE_EQ(state.format.sheetWidth, 210.0);
    EXPECT_TRUE(state.fileOpen);
}

TEST_F(DocumentCommandsTest, SaveNeedsADocumentAndWritesToItsPath)
{
    EXPECT_EQ(SaveDocument(state), std::string(kNoDocumentMessage));
    EXPECT_EQ(SaveDocumentAs(state, dir.File("a.BSE")), std::string(kNoDocumentMessage));
    EXPECT_FALSE(std::filesystem::exists(dir.File("a.BSE")));

    NewDocument(state);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    state.modified = true;
    EXPECT_EQ(SaveDocument(state), std::nullopt);
    std::filesystem::current_path(previous);
    EXPECT_EQ(ReadBytes(dir.File("NoName.BSE")).size(), 515u);
    EXPECT_FALSE(state.modified);
}

TEST_F(DocumentCommandsTest, SaveAsAcceptsOnlyTheBseExtension)
{
    NewDocument(state);
    state.filePath = dir.File("first.BSE");
    for (const char* name : {"label.txt", "label.Bse", "label", "label.BSE.txt"}) {
        EXPECT_EQ(SaveDocumentAs(state, dir.File(name)), std::string(kBadExtensionMessage)) << name;
        EXPECT_FALSE(std::filesystem::exists(dir.File(name)));
        EXPECT_EQ(state.filePath, dir.File("first.BSE"));
    }
    for (const char* name : {"label.BSE", "label.bse"}) {
        EXPECT_EQ(SaveDocumentAs(state, dir.File(name)), std::nullopt) << name;
        EXPECT_TRUE(std::filesystem::exists(dir.File(name)));
        EXPECT_EQ(state.filePath, dir.File(name));
    }
}

TEST_F(DocumentCommandsTest, TitleShowsThePath)
{
    state.filePath = "/data/a.BSE";
    EXPECT_EQ(DocumentTitle(state), "テッスラ　　　　　　[　/data/a.BSE  ] ");
}

}  // namespace
}  // namespace tessra
