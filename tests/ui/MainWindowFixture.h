#pragma once

#include "app/CMainFrame.h"
#include "app/CTessraApp.h"
#include "display/CTessraView.h"
#include "document/ComposeDocument.h"
#include "format/Presets.h"
#include "platform/TextCodec.h"
#include "sheet/ScreenLayout.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace tessra::test {

inline constexpr const char* kCardsKey = "マルチラベル@名刺(1) 10面 ｾﾝﾀｰ 0㎜";

// The user picks an entry, as with the mouse or the keyboard.
inline void Choose(QComboBox& list, int index)
{
    list.setCurrentIndex(index);
    emit list.activated(index);
}

// The main window, shown offscreen, with scripted dialogs and its own settings and folder.
class MainWindowFixture : public testing::Test {
protected:
    MainWindowFixture()
    {
        std::filesystem::current_path(dir.Path());
        InitInstance(frame, state, dir.File("Tessra.ini"));
        frame.resize(1000, 700);
        frame.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }
    ~MainWindowFixture() override { std::filesystem::current_path(startDirectory); }

    void Trigger(int id) { frame.Actions().Action(id)->trigger(); }
    QString InDir(const char* name) const { return QString::fromStdString(dir.File(name)); }

    // A business-card sheet with the labels' texts, as `tessra compose` writes it.
    void ComposeCards(const char* text)
    {
        ASSERT_TRUE(ComposeDocument(text, *FindPresetByKey(Utf8ToCp932(kCardsKey)), state).empty());
    }

    QPoint LabelCentre(int row, int column)
    {
        const CTessraView& view = frame.View();
        const ScreenRect r = LabelOnScreen(state.document.format(), view.Step(), view.Origin(), row, column);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    std::filesystem::path startDirectory = std::filesystem::current_path();
    TempDir dir;
    AppState state;
    ScriptedDialogs dialogs;
    CMainFrame frame{state, dialogs};
};

}  // namespace tessra::test
