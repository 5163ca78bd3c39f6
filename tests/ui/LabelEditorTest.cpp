#include "app/Commands.h"
#include "app/StatusBar.h"
#include "display/LabelEditor.h"
#include "display/LabelTextEdit.h"
#include "display/ReadingProposal.h"
#include "sheet/SheetGeometry.h"
#include "sheet/SheetReading.h"
#include "app/FormatBar.h"
#include "ui/MainWindowFixture.h"
#include "ui/PrintTestSupport.h"
#include "support/DocumentSetUp.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QStatusBar>
#include <QTextBlock>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tessra {
namespace {

using namespace command;

class LabelEditorTest : public test::MainWindowFixture {
protected:
    LabelEditorTest() { Trigger(kLabelEditor); }

    LabelTextEdit& Text() { return frame.LabelEditorContents().Text(); }
    QString Message() { return frame.LabelEditorContents().Message().text(); }

    // One character at a time at the cursor, as keys type them.
    void Type(const QString& text)
    {
        for (const QChar c : text) Text().insertPlainText(QString(c));
    }

    // The label's reading without the empty lines that end its page.
    std::string Reading(long long label)
    {
        std::ostringstream out;
        WriteSheetReading(out, state, {label, false});
        std::string reading = out.str();
        while (reading.ends_with("\n\n")) reading.pop_back();
        return reading;
    }

    void ChooseFormat(int kind, const QString& sizeStart)
    {
        FormatBar& bar = frame.FormatBarContents();
        test::Choose(bar.KindList(), kind);
        const int size = bar.SizeList().findText(sizeStart, Qt::MatchStartsWith);
        ASSERT_GE(size, 0);
        test::Choose(bar.SizeList(), size);
    }
};

TEST_F(LabelEditorTest, PerLabelDataEditsTheChosenLabelsPageAndNothingElse)
{
    ComposeCards("あ\n---\nい\n");
    const std::vector<std::string> before = state.document.lines();
    EXPECT_EQ(Text().toPlainText(), "あ");
    frame.View().ChooseLabel(1);
    EXPECT_EQ(Text().toPlainText(), "い");
    EXPECT_EQ(frame.LabelEditorContents().Heading().text(), "ラベル 2 のテキスト(&T)");
    test::Reopen(state);

    Text().moveCursor(QTextCursor::End);
    Type("ぬ");
    Text().insertPlainText("\nab");
    EXPECT_EQ(Reading(1), "[2]\nいぬ\n⠰ａｂ\n");
    EXPECT_TRUE(state.document.modified());
    EXPECT_EQ(Text().CellCounts(), (std::vector<int>{2, 3}));
    EXPECT_EQ(Text().Capacity(), CellsPerLabelLine(state.document.format()));
    std::vector<std::string> expected = before;
    const auto page = static_cast<std::size_t>(state.document.linesPerPage());
    expected.resize(page + 3);
    expected[page + 1] = "BM";
    expected[page + 2] = ";AB";
    EXPECT_EQ(state.document.lines(), expected) << "only label 2's page changes";
    EXPECT_TRUE(frame.View().SpokenItems()[1].text.contains("いぬ")) << "the view showed it at once";
}

TEST_F(LabelEditorTest, SharedDataEditsTheOneTextOfEveryLabel)
{
    ComposeCards("あ\n");
    frame.View().ChooseLabel(5);
    EXPECT_EQ(Text().toPlainText(), "あ");
    EXPECT_EQ(frame.LabelEditorContents().Heading().text(), "全ラベル共通のテキスト(&T)");
    Text().moveCursor(QTextCursor::End);
    Type("い");
    EXPECT_EQ(Reading(0), "[1]\nあい\n");
    EXPECT_EQ(Reading(9), "[10]\nあい\n");
}

TEST_F(LabelEditorTest, RefusedCharactersAreMarkedAndTheLastComposedTextKept)
{
    ComposeCards("あ\n");
    Text().moveCursor(QTextCursor::End);
    Type("☃い");
    const auto marks = Text().extraSelections();
    ASSERT_EQ(marks.size(), 1);
    EXPECT_EQ(marks[0].cursor.selectedText(), "☃");
    EXPECT_EQ(marks[0].format.underlineStyle(), QTextCharFormat::WaveUnderline);
    const QString message = Message();
    EXPECT_TRUE(message.startsWith(QStringLiteral("1 行 2 文字目「☃」: "))) << message.toStdString();
    EXPECT_EQ(frame.statusBar()->currentMessage(), message);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "never a box while typing";
    EXPECT_EQ(Reading(0), "[1]\nあ\n");

    const int pageLines = state.document.linesPerPage() - 1;
    Text().setPlainText(QStringLiteral("あ\n").repeated(pageLines) + QStringLiteral("い"));
    EXPECT_EQ(Message(), QStringLiteral("%1 行: このラベルのページに入るのは %2 行までです").arg(pageLines + 1).arg(pageLines));
    Text().setPlainText("あい");
    EXPECT_TRUE(Text().extraSelections().isEmpty());
    EXPECT_TRUE(Message().isEmpty());
    EXPECT_EQ(Reading(0), "[1]\nあい\n");
}

TEST_F(LabelEditorTest, SixKeysHeldTogetherEnterOneCell)
{
    ComposeCards("あ\n");
    Text().setPlainText("");
    Trigger(kSixKeyInput);
    EXPECT_TRUE(frame.Actions().Action(kSixKeyInput)->isChecked());
    const auto chord = [this](std::initializer_list<Qt::Key> keys) {
        for (const Qt::Key key : keys) QTest::keyPress(&Text(), key);
        for (const Qt::Key key : keys) QTest::keyRelease(&Text(), key);
    };
    chord({Qt::Key_S});                              // dot 1: あ
    chord({Qt::Key_D, Qt::Key_S});                   // dots 1 2: い
    QTest::keyClick(&Text(), Qt::Key_Space);
    chord({Qt::Key_F, Qt::Key_D, Qt::Key_S, Qt::Key_J, Qt::Key_K, Qt::Key_L});  // all six
    chord({Qt::Key_L});                              // dot 6 alone
    QTest::keyClick(&Text(), Qt::Key_Backspace);
    EXPECT_EQ(Text().toPlainText(), "⠁⠃ ⠿");
    EXPECT_EQ(state.document.lines()[1], "AB =");

    Trigger(kSixKeyInput);
    QTest::keyClicks(&Text(), "s");
    EXPECT_EQ(Text().toPlainText(), "⠁⠃ ⠿s") << "ordinary keys again";
}

TEST_F(LabelEditorTest, UndoAndRedoTakeTypingAsOneStepAcrossLabels)
{
    ComposeCards("あ\n---\nい\n");
    QUndoStack& history = frame.History();
    Text().moveCursor(QTextCursor::End);
    Type("かさ");
    frame.View().ChooseLabel(1);
    Text().moveCursor(QTextCursor::End);
    Type("ぬ");
    Text().moveCursor(QTextCursor::Start);
    Type("こ");
    EXPECT_EQ(history.count(), 3) << "a jump of the cursor starts a new step";

    Trigger(kUndo);
    EXPECT_EQ(Reading(1), "[2]\nいぬ\n");
    Trigger(kUndo);
    EXPECT_EQ(Reading(1), "[2]\nい\n");
    Trigger(kUndo);
    EXPECT_EQ(state.chosenLabel, 0) << "the label the step was typed into comes back";
    EXPECT_EQ(Reading(0), "[1]\nあ\n");
    EXPECT_FALSE(frame.Actions().Action(kUndo)->isEnabled());
    Trigger(kRedo);
    EXPECT_EQ(Reading(0), "[1]\nあかさ\n");
    EXPECT_TRUE(frame.Actions().Action(kRedo)->isEnabled());

    Text().setFocus();
    QTest::keyClick(&Text(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Reading(0), "[1]\nあ\n") << "Ctrl+Z in the text field takes the window's history back";

    Trigger(kNew);
    EXPECT_EQ(history.count(), 0) << "a new document has no history";
}

TEST_F(LabelEditorTest, FormatBarChangesAreStepsBetweenTheTextSteps)
{
    Trigger(kNew);
    FormatBar& bar = frame.FormatBarContents();
    const SheetFormat a4 = state.document.format();
    EXPECT_EQ(frame.History().count(), 0) << "showing the bar for New is no change of the user's";
    ChooseFormat(1, QStringLiteral("名刺(1) 10面 ｾﾝﾀｰ"));
    const SheetFormat cards = state.document.format();
    Type("あ");
    bar.DataButton(false).click();
    QCoreApplication::processEvents();  // the user's next action comes from the event loop
    QLineEdit& x3 = bar.Field(FormatField::X3);
    x3.setText("1");
    QCoreApplication::processEvents();
    x3.setText("12");
    QCoreApplication::processEvents();
    Trigger(kUndo);
    EXPECT_EQ(state.document.format().x3, cards.x3) << "both keys typed into X3 are one step";
    EXPECT_EQ(x3.text(), QString::number(cards.x3, 'f', 1));
    EXPECT_FALSE(state.document.sameDataForAllLabels());
    Trigger(kUndo);
    EXPECT_TRUE(state.document.sameDataForAllLabels());
    EXPECT_TRUE(bar.DataButton(true).isChecked());
    Trigger(kUndo);
    EXPECT_EQ(Reading(0), "[1]\n");
    Trigger(kUndo);
    EXPECT_EQ(state.document.format(), a4);
    EXPECT_EQ(bar.KindList().currentIndex(), 0);
    EXPECT_TRUE(state.document.modified());
    for (int i = 0; i < 4; ++i) Trigger(kRedo);
    EXPECT_EQ(state.document.format().x3, 12.0);
    EXPECT_EQ(bar.SizeList().currentText().startsWith(QStringLiteral("名刺(1)")), true);
    EXPECT_EQ(Reading(0), "[1]\nあ\n");
}

TEST_F(LabelEditorTest, ClipboardCopiesTheLabelsTextAndPastingComposesIt)
{
    ComposeCards("さとう\nしお\n---\nい\n");
    Trigger(kCopy);
    EXPECT_EQ(QApplication::clipboard()->text(), "さとう\nしお") << "nothing selected: the whole text";
    frame.View().ChooseLabel(1);
    Trigger(kSelectAll);
    Trigger(kPaste);
    EXPECT_EQ(Reading(1), "[2]\nさとう\nしお\n");
    QApplication::clipboard()->setText("かん☃");
    Trigger(kPaste);
    EXPECT_FALSE(Message().isEmpty());
    Trigger(kUndo);
    Text().selectAll();
    Trigger(kCut);
    EXPECT_EQ(Reading(1), "[2]\n");
    EXPECT_EQ(QApplication::clipboard()->text(), "さとう\nしお");
}

// New, a card sheet, one page a label, three labels typed, one undone and redone, saved: the
// file reads as typed and embosses as `tessra compose` writes the same texts.
TEST_F(LabelEditorTest, ANewDocumentTypedAndSavedIsWhatComposeWrites)
{
    Trigger(kLabelEditor);
    Trigger(kNew);
    EXPECT_FALSE(frame.LabelEditorDock().isHidden()) << "New opens the editor";
    ChooseFormat(1, QStringLiteral("名刺(1) 10面 ｾﾝﾀｰ"));
    frame.FormatBarContents().DataButton(false).click();
    ASSERT_FALSE(state.document.sameDataForAllLabels());
    const QString texts[] = {QStringLiteral("さとう"), QStringLiteral("しお"), QStringLiteral("こしょう")};
    for (int label = 0; label < 3; ++label) {
        frame.View().ChooseLabel(label);
        Type(texts[label]);
    }
    Trigger(kUndo);
    EXPECT_EQ(Reading(2), "[3]\n");
    Trigger(kRedo);
    EXPECT_TRUE(state.document.modified());
    const QString saved = InDir("typed.BSE");
    dialogs.files.push_back(saved);
    Trigger(kSaveAs);
    ASSERT_FALSE(state.document.modified());

    const auto run = [](const QStringList& arguments) {
        const test::CliRun run = test::RunTessra(arguments);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.out;
    };
    const std::string reading = run({"read", saved});
    EXPECT_TRUE(reading.starts_with("[1]\nさとう\n")) << reading;
    EXPECT_NE(reading.find("[2]\nしお\n"), std::string::npos);
    EXPECT_NE(reading.find("[3]\nこしょう\n"), std::string::npos);
    test::WriteBytes(dir.File("typed.txt"), "さとう\n---\nしお\n---\nこしょう\n");
    const QString composed = InDir("composed.BSE");
    run({"compose", InDir("typed.txt"), "--output", composed, "--format", test::kCardsKey});
    EXPECT_EQ(run({"read", composed}), reading);
    EXPECT_EQ(run({"emboss", saved, "--output", "-", "--model", "ZEN10"}),
              run({"emboss", composed, "--output", "-", "--model", "ZEN10"}));
}

// A file with cells the composer never writes, one line edited: every other byte stays.
TEST_F(LabelEditorTest, EditingOneLineOfALoadedFileKeepsEveryOtherByte)
{
    ComposeCards("あ\n---\nい\n");
    Set(state).lines[1] = "#A-,\x01q";  // a lower-case cell and a byte outside the cell code
    Set(state).lines[2] = "AAA";
    const QString path = InDir("odd.BSE");
    state.document.Rename(path.toStdString(), state.document.fileExtension());
    ASSERT_EQ(WriteBseFile(state.document), std::nullopt);
    QFile original(path);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();

    frame.Files().OpenPath(path);
    QTextCursor cursor(Text().document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::EndOfBlock);
    Text().setTextCursor(cursor);
    Type("い");
    Trigger(kSave);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray after = original.readAll();
    QByteArray expected = before;
    const int at = expected.indexOf("AAA");
    expected.insert(at + 3, "B");
    EXPECT_EQ(after, expected);
}

// A line with kanji is written at once as its proposed reading and marked until the reading is
// confirmed: one line, all lines, or into readings.tsv. Editing it or undoing the confirmation
// marks it again; kana lines never are.
TEST_F(LabelEditorTest, AKanjiLineIsWrittenAtOnceAndMarkedUntilItsReadingIsConfirmed)
{
    ::setenv("XDG_CONFIG_HOME", dir.Path().c_str(), 1);
    Trigger(kNew);
    ReadingProposal& proposal = frame.LabelEditorContents().Reading();
    QLabel& pane = frame.Status().UncheckedPane();
    const auto spoken = [this] { return frame.View().SpokenItems().at(0).description; };
    const auto tinted = [this] {
        int lines = 0;
        for (const auto& mark : Text().extraSelections())
            lines += mark.format.background().color() == LabelTextEdit::UncheckedTint();
        return lines;
    };
    EXPECT_FALSE(proposal.isVisibleTo(&frame)) << "kana needs no reading";
    Type(QStringLiteral("山田太郎"));
    EXPECT_TRUE(proposal.isVisibleTo(&frame));
    EXPECT_EQ(proposal.Field().text(), QStringLiteral("やまだ たろー"));
    const std::string written = Reading(0);
    EXPECT_EQ(written, "[1]\nやまた゛ たろー\n") << "written before it is confirmed";
    EXPECT_EQ(Text().Unchecked(), std::vector<int>{0});
    EXPECT_EQ(tinted(), 1);
    EXPECT_TRUE(Text().CountArea().accessibleDescription().contains(QStringLiteral("読み未確認")));
    EXPECT_EQ(pane.text(), QStringLiteral("読み未確認 1 行"));
    EXPECT_TRUE(spoken().endsWith(QStringLiteral("。読みを確かめていない行 1"))) << spoken().toStdString();
    Text().moveCursor(QTextCursor::End);
    Type(QStringLiteral("\nしお"));
    EXPECT_EQ(Text().Unchecked(), std::vector<int>{0}) << "a kana line is never marked";

    Text().moveCursor(QTextCursor::Start);
    QTest::keyClick(&proposal.Field(), Qt::Key_Return);
    EXPECT_EQ(Text().toPlainText(), QStringLiteral("やまだ たろー\nしお"));
    EXPECT_EQ(Reading(0), "[1]\nやまた゛ たろー\nしお\n");
    EXPECT_TRUE(Text().Unchecked().empty());
    EXPECT_EQ(tinted(), 0);
    EXPECT_TRUE(pane.text().isEmpty());
    EXPECT_FALSE(spoken().contains(QStringLiteral("読みを確かめていない")));
    EXPECT_FALSE(frame.Actions().Action(kConfirmReadings)->isEnabled()) << "nothing left to confirm";
    Trigger(kUndo);
    EXPECT_EQ(pane.text(), QStringLiteral("読み未確認 1 行")) << "the line is back as it was, unchecked";
    Trigger(kRedo);
    EXPECT_TRUE(pane.text().isEmpty());

    // Edited again, two lines with kanji; the keyboard confirms both at once.
    Text().selectAll();
    Type(QStringLiteral("田中\n東京"));
    EXPECT_EQ(Text().Unchecked(), (std::vector<int>{0, 1}));
    EXPECT_EQ(pane.text(), QStringLiteral("読み未確認 2 行"));
    QAction* confirmAll = frame.Actions().Action(kConfirmReadings);
    EXPECT_TRUE(confirmAll->isEnabled());
    EXPECT_EQ(confirmAll->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+K")));
    QMenu* editMenu = confirmAll->associatedObjects().isEmpty() ? nullptr : qobject_cast<QMenu*>(confirmAll->associatedObjects().front());
    ASSERT_NE(editMenu, nullptr);
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(editMenu);
    QStringList names;
    for (int i = 0; i < menu->childCount(); ++i) names << menu->child(i)->text(QAccessible::Name);
    EXPECT_EQ(names.filter(QStringLiteral("読みをすべて確定")).size(), 1) << names.join('|').toStdString();
    Text().setFocus();
    QTest::keyClick(&Text(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Text().toPlainText(), QStringLiteral("たなか\nとーきょー"));
    EXPECT_TRUE(pane.text().isEmpty());
    Trigger(kUndo);
    EXPECT_EQ(Text().toPlainText(), QStringLiteral("田中\n東京")) << "confirming all is one step";
    Trigger(kRedo);

    // A reading kept in readings.tsv is confirmed as well.
    Text().selectAll();
    Type(QStringLiteral("東海林"));
    EXPECT_EQ(pane.text(), QStringLiteral("読み未確認 1 行"));
    proposal.Field().setText(QStringLiteral("しょーじ"));
    proposal.AddToDictionary();
    EXPECT_EQ(Reading(0), "[1]\nしょーし゛\n");
    EXPECT_TRUE(pane.text().isEmpty());
    std::ifstream saved(dir.File("tessra/readings.tsv"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), "東海林\tしょーじ\n");
    Text().selectAll();
    Type(QStringLiteral("東海林"));
    EXPECT_EQ(proposal.Field().text(), QStringLiteral("しょーじ")) << "the dictionary is read again";
    EXPECT_EQ(Reading(0), "[1]\nしょーし゛\n") << "and written with it at once";
    proposal.Field().setText(QStringLiteral("A"));
    proposal.AddToDictionary();
    EXPECT_FALSE(proposal.Note().text().isEmpty()) << "a reading not in kana stays out";
    QTest::keyClick(&proposal.Field(), Qt::Key_Return);  // the same proposal, confirmed as it is

    bool printDialog = false;
    test::WhenModalShown([&printDialog](QWidget& dialog) {
        printDialog = true;
        dialog.close();
    });
    Trigger(kBraillePrint);
    EXPECT_TRUE(printDialog);
    EXPECT_FALSE(dialogs.messages.join('\n').contains(QStringLiteral("読みを確かめていない")));
    ::unsetenv("XDG_CONFIG_HOME");
}

// Unchecked lines in two labels: Print asks once and No prints nothing; Save asks once (also when
// it goes on to Save As) and Yes saves. The file holds cells only: opening it brings no marks.
TEST_F(LabelEditorTest, PrintAndSaveAskOnceWhileReadingsAreUnchecked)
{
    ComposeCards("あ\n---\nい\n");
    state.document.Rename({}, {});
    Text().selectAll();
    Type(QStringLiteral("山田太郎"));
    frame.View().ChooseLabel(1);
    Text().moveCursor(QTextCursor::End);
    Type(QStringLiteral("\n東京"));
    EXPECT_EQ(frame.Status().UncheckedPane().text(), QStringLiteral("読み未確認 2 行"));
    frame.View().ChooseLabel(0);
    EXPECT_EQ(Text().toPlainText(), QStringLiteral("山田太郎")) << "an unchecked line shows what was typed";
    EXPECT_EQ(Text().Unchecked(), std::vector<int>{0});

    bool printDialog = false;
    QTimer::singleShot(0, [&printDialog] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            printDialog = true;
            modal->close();
        }
    });
    dialogs.answers = {MessageAnswer::No};
    Trigger(kBraillePrint);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("読みを確かめていない行が 2 行あります。このまま印刷しますか？")});
    EXPECT_FALSE(printDialog) << "No cancels the print";

    const QString path = InDir("names.BSE");
    dialogs.messages.clear();
    dialogs.answers = {MessageAnswer::Yes};
    dialogs.files = {path};
    Trigger(kSave);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("読みを確かめていない行が 2 行あります。このまま保存しますか？")});
    EXPECT_FALSE(state.document.modified());
    EXPECT_TRUE(std::filesystem::exists(path.toStdString()));

    frame.Files().OpenPath(path);
    EXPECT_TRUE(frame.Status().UncheckedPane().text().isEmpty());
    EXPECT_EQ(Text().document()->firstBlock().text(), QStringLiteral("やまだ たろー")) << "the file holds the reading's cells";
    EXPECT_EQ(Reading(1), "[2]\nい\nとーきょー\n");
}

}  // namespace
}  // namespace tessra
