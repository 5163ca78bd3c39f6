#include "app/Commands.h"
#include "app/MergeDialog.h"
#include "app/MergeReadings.h"
#include "display/LabelEditor.h"
#include "display/LabelTextEdit.h"
#include "sheet/SheetReading.h"
#include "ui/MainWindowFixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include <sstream>

namespace tessra {
namespace {

using namespace command;

// A list as a spreadsheet saves it: a header, names in kanji and kana, phone numbers.
constexpr const char* kMembers =
    "氏名,電話\r\n山田太郎,045-671-2200\r\nすずき はなこ,045-671-2201\r\n田中健,045-671-2203\r\n";

class MergeDialogTest : public test::MainWindowFixture {
protected:
    MergeDialogTest()
    {
        ::setenv("XDG_CONFIG_HOME", dir.Path().c_str(), 1);
        test::WriteBytes(dir.File("members.csv"), kMembers);
        ComposeCards("あ\n");
    }
    ~MergeDialogTest() override { ::unsetenv("XDG_CONFIG_HOME"); }

    MergeDialog& Open()
    {
        Trigger(kMerge);
        MergeDialog& merge = frame.Merge();
        dialogs.files = {InDir("members.csv")};
        merge.Browse();
        return merge;
    }

    void Write(MergeDialog& merge, const QString& text)
    {
        merge.Template().setPlainText(text);
        merge.Refresh();
    }
};

TEST_F(MergeDialogTest, WhatCannotBeMadeIsSaidInTheDialogAndNothingIsMade)
{
    MergeDialog& merge = Open();
    const std::vector<std::string> before = state.document.lines();
    const struct { const char* text; const char* said; } rows[] = {
        {"${会社}", "${会社}: その列はありません"},
        {"${3}", "3"},
        {"${氏名", "「${」が「}」で閉じられていません"},
        {"あ\n---\nい", "---"},
        {"${電話}☃", "☃"},
    };
    for (const auto& row : rows) {
        Write(merge, QString::fromUtf8(row.text));
        EXPECT_NE(merge.Message().text().indexOf(QString::fromUtf8(row.said)), -1)
            << row.text << ": " << merge.Message().text().toStdString();
        EXPECT_FALSE(merge.MakeButton().isEnabled()) << row.text;
        EXPECT_FALSE(merge.Make()) << row.text;
    }
    EXPECT_EQ(state.document.lines(), before);

    merge.HeaderBox().setChecked(false);
    EXPECT_EQ(merge.Table().rowCount(), 4) << "the header is a row like any other";
    ASSERT_EQ(merge.ColumnButtons().size(), 2);
    EXPECT_EQ(merge.ColumnButtons()[1]->text(), QStringLiteral("${2}"));

    test::WriteBytes(dir.File("open.csv"), "氏名\n\"山田");
    dialogs.files = {InDir("open.csv")};
    merge.Browse();
    EXPECT_NE(merge.Message().text().indexOf(QStringLiteral("閉じられていません")), -1);
    EXPECT_FALSE(merge.Make());
}

// The list is shown, rows numbered as the file counts them; the template starts as the current
// label's text and the column buttons write its fields. 作成 asks about unsaved changes first, then
// makes one label per row, the kanji rows' readings marked until they are checked; the window
// follows the new document by itself.
TEST_F(MergeDialogTest, MakingTheDocumentGivesALabelPerRowAndWalksTheReadingsToCheck)
{
    MergeDialog& merge = Open();
    const QTableWidget& table = merge.Table();
    EXPECT_EQ(std::pair(table.rowCount(), table.columnCount()), std::pair(3, 2));
    EXPECT_EQ(table.horizontalHeaderItem(0)->text(), QStringLiteral("氏名"));
    EXPECT_EQ(table.verticalHeaderItem(0)->text(), "2");
    EXPECT_EQ(table.item(2, 1)->text(), "045-671-2203");
    EXPECT_EQ(merge.Template().toPlainText(), QStringLiteral("あ"));
    const QList<QPushButton*> buttons = merge.ColumnButtons();
    ASSERT_EQ(buttons.size(), 2);
    merge.Template().clear();
    buttons[0]->click();
    merge.Template().insertPlainText("\n");
    buttons[1]->click();
    merge.Refresh();
    ASSERT_TRUE(merge.MakeButton().isEnabled()) << merge.Message().text().toStdString();
    EXPECT_FALSE(merge.Preview().pixmap().isNull());
    EXPECT_TRUE(merge.Preview().accessibleDescription().contains(QStringLiteral("やまだ")))
        << merge.Preview().accessibleDescription().toStdString();

    dialogs.answers = {MessageAnswer::Cancel};
    ASSERT_TRUE(state.document.modified()) << "the composed cards were never saved";
    EXPECT_FALSE(merge.Make());

    dialogs.answers = {MessageAnswer::No};
    ASSERT_TRUE(merge.Make());
    EXPECT_TRUE(state.document.filePath().empty()) << "unnamed: Save asks for a name";
    EXPECT_TRUE(state.document.modified());
    std::ostringstream second;
    WriteSheetReading(second, state, {1, -1, false, true});
    EXPECT_EQ(second.str().substr(0, second.str().find_last_not_of('\n') + 1), "[2]\nすずき はなこ\n045-671-2201");

    MergeReadings& readings = frame.MergeReadingsList();
    EXPECT_TRUE(readings.isVisible());
    ASSERT_EQ(readings.List().count(), 2) << "the kana row needs no check";
    EXPECT_TRUE(readings.List().item(1)->text().contains(QStringLiteral("田中健")));
    readings.List().setCurrentRow(1);
    EXPECT_EQ(state.chosenLabel, 2);
    EXPECT_EQ(frame.LabelEditorContents().Text().toPlainText(), QStringLiteral("田中健\n045-671-2203"));
    readings.ConfirmButton().click();
    EXPECT_EQ(readings.List().count(), 1);
    EXPECT_EQ(state.chosenLabel, 0) << "on to the label still waiting";
    readings.ConfirmButton().click();
    EXPECT_EQ(readings.List().count(), 0);
    EXPECT_FALSE(readings.ConfirmButton().isEnabled());
}

TEST_F(MergeDialogTest, EveryControlIsNamedForScreenReadersAndReachedByTheKeyboard)
{
    MergeDialog& merge = Open();
    Write(merge, QStringLiteral("${氏名}"));
    QCoreApplication::processEvents();  // the column buttons show once the layout has them
    for (QWidget* widget : merge.findChildren<QWidget*>()) {
        if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(&merge)) continue;
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(node, nullptr);
        EXPECT_FALSE(node->text(QAccessible::Name).isEmpty()) << widget->metaObject()->className();
    }
    QStringList chain;
    merge.PathField().setFocus();
    QWidget* widget = &merge.PathField();
    do {
        if (widget->focusPolicy() & Qt::TabFocus && widget->isVisibleTo(&merge)) chain << widget->accessibleName();
        widget = widget->nextInFocusChain();
    } while (widget != &merge.PathField());
    for (const char* name : {"リストのファイル", "1 行目は列の名前", "ラベルのテキスト", "列「氏名」を挿入", "作成"})
        EXPECT_TRUE(chain.contains(QString::fromUtf8(name))) << name << " " << chain.join('|').toStdString();
}

}  // namespace
}  // namespace tessra
