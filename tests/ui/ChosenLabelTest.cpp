#include "sheet/SheetGeometry.h"
#include "sheet/SheetReading.h"
#include "ui/MainWindowFixture.h"

#include <QImage>
#include <QScrollBar>
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

}  // namespace
}  // namespace tessra
