#include "document/DocumentCommands.h"

#include "document/BseFile.h"
#include "format/Presets.h"
#include "platform/TextCodec.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

TEST(DocumentCommands, NewGivesAnEmptyA4Document)
{
    AppState state;
    state.lines = {"x"};
    state.modified = true;
    state.sameDataForAllLabels = false;
    NewDocument(state);
    EXPECT_TRUE(state.lines.empty());
    // The list entry's padding stays in the selected key.
    EXPECT_EQ(state.selectedPresetKey, std::string(preset::kDefaultKey) + std::string(32, ' '));
    EXPECT_EQ(state.formatString, preset::kDefaultFormat);
    EXPECT_EQ(state.cellsPerLine * 100 + state.linesPerPage, 3828);
    EXPECT_EQ(state.zoom, "Zoom_0");
    EXPECT_TRUE(state.fileOpen && state.sameDataForAllLabels && !state.modified);
    EXPECT_EQ(state.filePath, "NoName.BSE");
}

TEST(DocumentCommands, OpenTakesTheDocumentItsFormatAndDataMode)
{
    test::TempDir dir;
    const std::string key = Utf8ToCp932("マルチラベル@名刺(1) 10面 ｾﾝﾀｰ 0㎜");
    for (const char mode : {'0', '1'}) {
        std::string image(kBseHeaderSize - 2, ' ');
        image += "\r\n";
        image.replace(bse::kPresetKeyOffset, key.size(), key);
        image.replace(bse::kFormatOffset, 50, std::string("21002970050201400000011000000910055000600040LP22") + mode + '0');
        image.replace(bse::kHeaderCountOffset, 8, "00011606");
        test::WriteBytes(dir.File("cards.bse"), image + "\r\nABC\r\n\x1A");

        AppState state;
        state.modified = true;
        ASSERT_EQ(OpenDocument(state, dir.File("cards.bse")), std::nullopt);
        EXPECT_EQ(state.lines, (std::vector<std::string>{"", "ABC"}));
        EXPECT_EQ(state.selectedPresetKey, key);
        EXPECT_DOUBLE_EQ(state.format.x1, 14.0);
        EXPECT_EQ(state.cellsPerLine, 16);
        EXPECT_EQ(state.sameDataForAllLabels, mode == '0');
        EXPECT_TRUE(state.fileOpen && !state.modified);
        EXPECT_EQ(state.fileExtension, "bse");
    }

    AppState state;
    NewDocument(state);
    const std::string gone = dir.File("gone.BSE");
    EXPECT_EQ(OpenDocument(state, gone), gone + "\n\n" + std::string(kOpenFailedMessage));
    EXPECT_EQ(state.filePath, gone);  // an empty default document under the chosen name
    EXPECT_EQ(state.formatPresetKey, preset::kDefaultKey);
    EXPECT_TRUE(state.fileOpen);
}

TEST(DocumentCommands, SaveNeedsADocumentAndSaveAsTheBseExtension)
{
    test::TempDir dir;
    AppState state;
    EXPECT_EQ(SaveDocument(state), std::string(kNoDocumentMessage));
    EXPECT_EQ(SaveDocumentAs(state, dir.File("a.BSE")), std::string(kNoDocumentMessage));

    NewDocument(state);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    EXPECT_EQ(SaveDocument(state), std::nullopt);  // NoName.BSE in the current directory
    std::filesystem::current_path(previous);
    EXPECT_EQ(test::ReadBytes(dir.File("NoName.BSE")).size(), 515u);

    state.filePath = dir.File("first.BSE");
    for (const char* name : {"label.txt", "label.Bse", "label"}) {
        EXPECT_EQ(SaveDocumentAs(state, dir.File(name)), std::string(kBadExtensionMessage)) << name;
        EXPECT_FALSE(std::filesystem::exists(dir.File(name)));
        EXPECT_EQ(state.filePath, dir.File("first.BSE"));
    }
    state.modified = true;
    EXPECT_EQ(SaveDocumentAs(state, dir.File("label.bse")), std::nullopt);
    EXPECT_EQ(state.filePath, dir.File("label.bse"));
    EXPECT_FALSE(state.modified);
    EXPECT_EQ(DocumentTitle(state), "テッスラ　　　　　　[　" + dir.File("label.bse") + "  ] ");
}

}  // namespace
}  // namespace tessra
