#include "document/DocumentCommands.h"

#include "document/BseFile.h"
#include "format/Presets.h"
#include "platform/TextCodec.h"
#include "support/TempDir.h"
#include "support/DocumentSetUp.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

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
    EXPECT_EQ(state.document.selectedPresetKey(), std::string(preset::kDefaultKey) + std::string(32, ' '));
    EXPECT_EQ(state.document.formatString(), preset::kDefaultFormat);
    EXPECT_EQ(state.document.cellsPerLine() * 100 + state.document.linesPerPage(), 3828);
    EXPECT_EQ(state.zoom, "Zoom_0");
    EXPECT_TRUE(state.document.fileOpen() && state.document.sameDataForAllLabels() && !state.document.modified());
    EXPECT_EQ(state.document.filePath(), "NoName.BSE");
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
        test::Touch(state);
        ASSERT_EQ(OpenDocument(state, dir.File("cards.bse")), std::nullopt);
        EXPECT_EQ(state.document.lines(), (std::vector<std::string>{"", "ABC"}));
        EXPECT_EQ(state.document.selectedPresetKey(), key);
        EXPECT_DOUBLE_EQ(state.document.format().x1, 14.0);
        EXPECT_EQ(state.document.cellsPerLine(), 16);
        EXPECT_EQ(state.document.sameDataForAllLabels(), mode == '0');
        EXPECT_TRUE(state.document.fileOpen() && !state.document.modified());
        EXPECT_EQ(state.document.fileExtension(), "bse");
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
