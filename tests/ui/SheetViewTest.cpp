#include "app/Commands.h"
#include "display/CTessraView.h"
#include "sheet/SheetGeometry.h"
#include "sheet/SheetReading.h"
#include "ui/MainWindowFixture.h"

#include <QAccessible>
#include <QImage>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

namespace tessra {
namespace {

using ChosenLabelTest = test::MainWindowFixture;

// The header and the first line of a label's reading; the label view reads every line of the page.
std::string FirstLines(const std::string& reading)
{
    const std::size_t header = reading.find('\n');
    const std::size_t line = reading.find('\n', header + 1);
    return line == std::string::npos ? reading : reading.substr(0, line + 1);
}

TEST_F(ChosenLabelTest, ClicksAndKeysChooseALabelThatTheLabelViewShows)
{
    ComposeCards("あ\n---\nい\n---\nう\n");
    CTessraView& view = frame.View();
    const int columns = GridColumns(state.document.format());
    ASSERT_EQ(columns, 2);  // the card sheet: two columns of five
    view.setFocus();
    const struct { int key; long long chosen; } keys[] = {
        {Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_Down, 4}, {Qt::Key_Up, 2}, {Qt::Key_Left, 1},
        {Qt::Key_End, 9},   {Qt::Key_Right, 9}, {Qt::Key_Down, 9}, {Qt::Key_Home, 0}, {Qt::Key_Up, 0},
    };
    for (const auto& row : keys) {
        QTest::keyClick(&view, Qt::Key(row.key));
        EXPECT_EQ(state.chosenLabel, row.chosen) << "key " << row.key;
    }

    state.zoom = mode::kZoom3;
    view.RepaintNow();
    QTest::keyClick(&view, Qt::Key_End);
    const ScreenRect last = LabelOnScreen(state.document.format(), view.Step(), view.Origin(), 4, 1);
    EXPECT_GT(view.verticalScrollBar()->value(), 0);
    EXPECT_LE(last.bottom - view.verticalScrollBar()->value(), view.viewport()->height())
        << "the view follows the chosen label";
    QTest::keyClick(&view, Qt::Key_Home);
    EXPECT_GE(LabelOnScreen(state.document.format(), view.Step(), view.Origin(), 0, 0).top - view.verticalScrollBar()->value(), 0);
    state.zoom = mode::kZoom0;
    view.RepaintNow();

    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, LabelCentre(1, 0));
    EXPECT_EQ(state.chosenLabel, 2);
    EXPECT_EQ(state.viewMode, mode::kSheet) << "a single click only chooses";

    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(state.viewMode, mode::kLabel);
    EXPECT_EQ(FirstLines(LabelViewReading(state)), "[3]\nう\n");
    QTest::keyClick(&view, Qt::Key_PageUp);
    EXPECT_EQ(FirstLines(LabelViewReading(state)), "[2]\nい\n");
    QTest::keyClick(&view, Qt::Key_PageDown);
    QTest::keyClick(&view, Qt::Key_PageDown);
    EXPECT_EQ(state.chosenLabel, 3);
    EXPECT_EQ(FirstLines(LabelViewReading(state)), "[4]\n");
    // From start label 3 on, label 3 carries the first page and the labels before it none.
    state.startLabel = 3;
    QTest::keyClick(&view, Qt::Key_PageUp);
    EXPECT_EQ(FirstLines(LabelViewReading(state)), "[3]\nあ\n");
    QTest::keyClick(&view, Qt::Key_PageUp);
    EXPECT_EQ(FirstLines(LabelViewReading(state)), "[2]\n");
    state.startLabel = 1;
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_EQ(state.viewMode, mode::kSheet);

    // A double click opens a label only from strictly inside its edges.
    const ScreenRect first = LabelOnScreen(state.document.format(), view.Step(), view.Origin(), 0, 0);
    for (const int x : {first.left, first.right}) {
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, {x, (first.top + first.bottom) / 2});
        EXPECT_EQ(state.viewMode, mode::kSheet) << x;
    }
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, LabelCentre(0, 1));
    EXPECT_EQ(std::tuple(state.chosenLabel, state.viewMode), std::tuple(1LL, std::string(mode::kLabel)));
}

TEST_F(ChosenLabelTest, TheFrameIsDrawnInTheHighlightColourAroundTheChosenLabelOnly)
{
    ComposeCards("あ\n");
    CTessraView& view = frame.View();
    view.ChooseLabel(3);
    const QColor highlight = view.palette().color(QPalette::Active, QPalette::Highlight);
    ASSERT_NE(highlight, QColor(Qt::red));
    const QImage shown = view.viewport()->grab().toImage();
    const auto frameAt = [&](int row, int column) {
        const ScreenRect r = LabelOnScreen(state.document.format(), view.Step(), view.Origin(), row, column);
        return QColor(shown.pixel(r.left - 2, (r.top + r.bottom) / 2)) == highlight &&
               QColor(shown.pixel((r.left + r.right) / 2, r.bottom + 2)) == highlight;
    };
    EXPECT_TRUE(frameAt(1, 1));
    EXPECT_FALSE(frameAt(0, 0));
    EXPECT_FALSE(frameAt(1, 0));
}

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
