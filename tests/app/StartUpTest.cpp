#include "app/StartUp.h"

#include "document/DocumentCommands.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

TEST(AppStateLifecycle, HoldsTheValuesOfEachStage)
{
    test::TempDir dir;
    AppState state;
    EXPECT_FALSE(state.fileOpen);
    EXPECT_EQ(state.format, SheetFormat{});
    EXPECT_EQ(state.displayMode, "");

    const std::string settings = dir.File("config/tessra/Tessra.ini");
    StartUpState(state, settings);
    InitialViewModes(state);
    EXPECT_EQ(state.settingsPath, settings);
    EXPECT_EQ(test::ReadBytes(settings).size(), 1024u);  // created with its directory
    EXPECT_EQ(state.displayMode, "Braille");
    EXPECT_EQ(state.viewMode, "Sheet");
    EXPECT_EQ(state.zoom, "Zoom_1");
    EXPECT_TRUE(state.sameDataForAllLabels);
    EXPECT_FALSE(state.fileOpen || state.modified || state.frontEject || state.thickPaper);
    EXPECT_DOUBLE_EQ(state.leftMargin, 10.0);
    EXPECT_EQ(state.format.rows, 0);  // no sheet format before New or Open
    EXPECT_TRUE(state.selectedPresetKey.empty());

    NewDocument(state);
    EXPECT_EQ(state.zoom, "Zoom_0");
    EXPECT_EQ(state.format.rows, 1);
    EXPECT_DOUBLE_EQ(state.format.linePitch, 102 * 0.1);
    EXPECT_EQ(state.displayMode, "Braille");
}

}  // namespace
}  // namespace tessra
