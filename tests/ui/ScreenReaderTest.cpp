#include "app/Commands.h"
#include "display/CTessraView.h"
#include "ui/MainWindowFixture.h"

#include <QAccessible>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

namespace tessra {
namespace {

class ScreenReaderTest : public test::MainWindowFixture {
protected:
    // Without an accessibility bridge the toolkit drops focus events; a screen reader asks the
    // view for its focused child when it gets one, so that is what these tests read.
    ScreenReaderTest()
    {
        frame.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
        frame.View().setFocus();
    }

    QAccessibleInterface* View() { return QAccessible::queryAccessibleInterface(&frame.View()); }
    QString Focused() { return View()->focusChild() ? View()->focusChild()->text(QAccessible::Name) : QString(); }
    QString Text(QAccessibleInterface* item)
    {
        QAccessibleTextInterface* text = item->textInterface();
        return text ? text->text(0, text->characterCount()) : QStringLiteral("(no text)");
    }
};

TEST_F(ScreenReaderTest, TheSheetViewIsOneFocusedItemPerLabelWithItsPlainReading)
{
    ComposeCards("か゛そ\n1kg\n---\nさとー\n");
    QAccessibleInterface* view = View();
    EXPECT_TRUE(view->text(QAccessible::Name).startsWith(QStringLiteral("シート表示")));
    EXPECT_TRUE(view->text(QAccessible::Description).isEmpty());  // no whole-sheet reading
    ASSERT_EQ(view->childCount(), 10);
    const QAccessibleInterface* first = view->child(0);
    EXPECT_EQ(first->text(QAccessible::Name), QStringLiteral("ラベル 1"));
    EXPECT_EQ(Text(view->child(0)), QStringLiteral("がそ\n1kg"));
    EXPECT_EQ(first->text(QAccessible::Description), QStringLiteral("がそ、1kg"));
    EXPECT_EQ(Text(view->child(1)), QStringLiteral("さとー"));
    EXPECT_EQ(Text(view->child(9)), QString());
    EXPECT_EQ(view->focusChild(), first);
    EXPECT_TRUE(first->state().focused);
    EXPECT_EQ(view->indexOfChild(view->child(1)), 1);

    QTest::keyClick(&frame.View(), Qt::Key_Right);
    EXPECT_EQ(Focused(), QStringLiteral("ラベル 2"));
    QTest::keyClick(&frame.View(), Qt::Key_Down);
    EXPECT_EQ(view->focusChild(), view->child(3));
    EXPECT_FALSE(view->child(0)->state().focused);
    frame.menuBar()->setFocus();
    EXPECT_EQ(view->focusChild(), nullptr);
}

TEST_F(ScreenReaderTest, TheLabelViewIsALineCursorAndSaysDotNumbersAndWhatCannotBeEmbossed)
{
    ComposeCards("あい\nう\n");
    Trigger(command::kLabelView);
    QAccessibleInterface* view = View();
    EXPECT_TRUE(view->text(QAccessible::Name).startsWith(QStringLiteral("ラベル表示")));
    ASSERT_GE(view->childCount(), 2);
    EXPECT_EQ(view->child(0)->text(QAccessible::Name), QStringLiteral("1 行目"));
    EXPECT_EQ(Text(view->child(1)), QStringLiteral("う"));
    EXPECT_EQ(Focused(), QStringLiteral("1 行目"));
    QTest::keyClick(&frame.View(), Qt::Key_Down);
    EXPECT_EQ(Focused(), QStringLiteral("2 行目"));
    QTest::keyClick(&frame.View(), Qt::Key_Up);
    QTest::keyClick(&frame.View(), Qt::Key_Up);  // stays on the first line
    EXPECT_EQ(Focused(), QStringLiteral("1 行目"));

    // The numbers stand as the line's name until the view changes.
    Trigger(command::kDotNumbers);
    EXPECT_EQ(Focused(), QStringLiteral("1, 1 2"));
    EXPECT_EQ(frame.statusBar()->currentMessage(), QStringLiteral("1, 1 2"));
    EXPECT_EQ(frame.statusBar()->accessibleName(), QStringLiteral("1, 1 2"));

    // Lines below the sheet's lower margin cannot be embossed.
    state.bottomMargin = state.document.format().sheetHeight;
    frame.View().RepaintNow();
    EXPECT_TRUE(view->text(QAccessible::Description).startsWith(QStringLiteral("印字できないマス ")));
    Trigger(command::kSheetView);
    EXPECT_TRUE(view->child(0)->text(QAccessible::Description).contains(QStringLiteral("印字できないマス ")));
}

}  // namespace
}  // namespace tessra
