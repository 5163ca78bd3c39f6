#include "app/Commands.h"
#include "app/FormatBar.h"
#include "app/StatusBar.h"
#include "display/LabelEditor.h"
#include "display/LabelTextEdit.h"
#include "ui/MainWindowFixture.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <functional>

namespace tessra {
namespace {

using namespace command;

// Counts the view's drawings: every change the document tells of is drawn at once.
struct PaintCounter final : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// Whatever changes the document, the flag, the view, the editor, the status bar and the title
// follow without being told by the code that made the change.
class DocumentFollowTest : public test::MainWindowFixture {
protected:
    DocumentFollowTest()
    {
        Trigger(kLabelEditor);
        frame.View().viewport()->installEventFilter(&counter);
    }

    // Two business cards saved as saved.BSE: unmodified, the history empty.
    void SavedDocument()
    {
        ComposeCards("あ\n---\nい\n");
        dialogs.files = {InDir("saved.BSE")};
        Trigger(kSaveAs);
        ASSERT_FALSE(state.document.modified());
        counter.paints = 0;
    }

    LabelTextEdit& Text() { return frame.LabelEditorContents().Text(); }
    FormatBar& Bar() { return frame.FormatBarContents(); }
    void Type(const QString& text)
    {
        for (const QChar c : text) Text().insertPlainText(QString(c));
        QCoreApplication::processEvents();
    }

    PaintCounter counter;
};

TEST_F(DocumentFollowTest, EveryWayOfChangingTheDocumentMarksItAndIsDrawnAtOnce)
{
    const struct {
        const char* way;
        std::function<void()> change;
        bool modified;
        bool drawn;
    } rows[] = {
        {"the editor", [this] { Type(QStringLiteral("あ")); }, true, true},
        {"a format field", [this] { Bar().Field(FormatField::X3).setText("5"); }, true, true},
        {"a preset", [this] { test::Choose(Bar().KindList(), 1); }, true, true},
        {"the data mode", [this] { Bar().DataButton(true).click(); }, true, false},
        {"the bar hidden and shown", [this] {
             Trigger(kFormatBarMenu);
             Trigger(kFormatBarMenu);
         }, false, false},
    };
    for (const auto& row : rows) {
        SavedDocument();
        row.change();
        EXPECT_EQ(state.document.modified(), row.modified) << row.way;
        if (row.drawn) EXPECT_GT(counter.paints, 0) << row.way;
    }
}

TEST_F(DocumentFollowTest, UndoBackToTheSavedStateClearsTheFlag)
{
    SavedDocument();
    Type(QStringLiteral("あい"));
    ASSERT_TRUE(state.document.modified());
    Trigger(kUndo);
    EXPECT_FALSE(state.document.modified()) << "the typing taken back";
    Trigger(kRedo);
    EXPECT_TRUE(state.document.modified());

    dialogs.files = {InDir("second.BSE")};
    Trigger(kSaveAs);
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("テッスラ　　　　　　[　") + InDir("second.BSE") + "  ] ");
    Bar().Field(FormatField::X3).setText("5");
    QCoreApplication::processEvents();  // the bar's change becomes a step
    ASSERT_TRUE(state.document.modified());
    const int drawn = counter.paints;
    Trigger(kUndo);
    EXPECT_FALSE(state.document.modified()) << "back to the format just saved";
    EXPECT_GT(counter.paints, drawn);
    Trigger(kUndo);
    EXPECT_TRUE(state.document.modified()) << "before the save: the typing undone is a change";
    EXPECT_EQ(Text().toPlainText(), QStringLiteral("あ")) << "the editor follows the lines";
}

TEST_F(DocumentFollowTest, ConfirmingReadingsChangesTheMarksAndNotTheCells)
{
    ::setenv("XDG_CONFIG_HOME", dir.Path().c_str(), 1);
    SavedDocument();
    QLabel& pane = frame.Status().UncheckedPane();
    Type(QStringLiteral("山"));
    EXPECT_EQ(pane.text(), QStringLiteral("読み未確認 1 行"));
    const std::vector<std::string> cells = state.document.lines();
    const int drawn = counter.paints;
    Trigger(kConfirmReadings);
    EXPECT_TRUE(pane.text().isEmpty());
    EXPECT_EQ(state.document.lines(), cells);
    EXPECT_GT(counter.paints, drawn) << "the spoken label loses its mark";
    ::unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace tessra
