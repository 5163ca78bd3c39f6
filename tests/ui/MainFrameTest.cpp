#include "app/CMainFrame.h"
#include "app/CTessraApp.h"
#include "display/CTessraView.h"
#include "document/BrailleFiles.h"
#include "document/BseFile.h"
#include "document/DocumentCommands.h"
#include "sheet/SheetWalk.h"
#include "app/FormatBar.h"
#include "cli/CliTestSupport.h"
#include "platform/PathText.h"
#include "ui/MainWindowFixture.h"
#include "support/DocumentSetUp.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <filesystem>

namespace tessra {
namespace {

using namespace command;

using test::kSample;
const QString kNoNameTitle = QStringLiteral("テッスラ　　　　　　[　NoName.BSE  ] ");

QString TitleFor(const QString& path)
{
    return QStringLiteral("テッスラ　　　　　　[　%1  ] ").arg(path);
}

class MainFrameTest : public test::MainWindowFixture {
protected:
    MainFrameTest() { frame.resize(800, 600); }

    void NewModifiedDocument(bool modified)
    {
        Trigger(kNew);
        if (modified) test::Touch(state);
        dialogs.messages.clear();
        dialogs.fileRequests.clear();
    }
};

TEST_F(MainFrameTest, StartsWithoutADocument)
{
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Tessra - テッスラ　　　"));
    EXPECT_EQ(std::filesystem::file_size(dir.File("Tessra.ini")), 1024u);
    EXPECT_EQ(state.viewMode + state.zoom, "SheetZoom_1");
    EXPECT_FALSE(frame.Actions().Action(kFormatBarMenu)->isEnabled());
    Trigger(kFormatBarButton);
    EXPECT_TRUE(frame.FormatBarDock().isHidden());
    Trigger(kSave);
    Trigger(kSaveAs);
    Trigger(kExport);
    EXPECT_EQ(dialogs.messages, QStringList(3, QString::fromUtf8(kNoDocumentMessage.data())));
    EXPECT_TRUE(dialogs.fileRequests.isEmpty());
}

TEST(ToolkitTranslation, StandardButtonsSpeakJapanese)
{
    ASSERT_TRUE(LoadToolkitTranslations(*QCoreApplication::instance()));
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.show();
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().toStdString(), "はい(&Y)");
    EXPECT_EQ(box.button(QMessageBox::No)->text().toStdString(), "いいえ(&N)");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().toStdString(), "キャンセル");
}

TEST_F(MainFrameTest, EditCommandsNeedADocumentAndEveryButtonIsNamedAndFocusable)
{
    const int edits[] = {kCut, kCopy, kPaste, kSelectAll, kSixKeyInput};
    for (const int id : edits) EXPECT_FALSE(frame.Actions().Action(id)->isEnabled()) << id;
    Trigger(kNew);
    for (const int id : edits) EXPECT_TRUE(frame.Actions().Action(id)->isEnabled()) << id;
    EXPECT_FALSE(frame.Actions().Action(kUndo)->isEnabled()) << "nothing done yet";
    for (QAction* action : frame.ToolBar().actions()) {
        if (action->isSeparator()) continue;
        QWidget* button = frame.ToolBar().widgetForAction(action);
        const QString name = QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty() || name.contains('&')) << action->objectName().toStdString();
        EXPECT_EQ(button->focusPolicy(), Qt::TabFocus);
    }
}

TEST_F(MainFrameTest, FormatBarFollowsNewOpenAndItsCommands)
{
    Trigger(kNew);
    EXPECT_FALSE(frame.FormatBarDock().isHidden());
    EXPECT_TRUE(frame.Actions().Action(kFormatBarMenu)->isChecked());
    test::Touch(state);
    Trigger(kFormatBarButton);
    EXPECT_TRUE(frame.FormatBarDock().isHidden());
    Trigger(kFormatBarMenu);  // showing it applies the preset again but keeps unsaved changes
    EXPECT_FALSE(frame.FormatBarDock().isHidden());
    EXPECT_TRUE(state.document.modified());
    frame.Files().OpenPath(kSample);
    EXPECT_TRUE(frame.FormatBarDock().isHidden());
}

struct PromptRow {
    const char* name;
    bool modified;
    std::deque<MessageAnswer> answers;
    QStringList files;  // "@x" stands for x in the test's directory
    bool goesOn;
};

const PromptRow kPromptRows[] = {
    {"unmodified: no prompt", false, {}, {kSample}, true},
    {"Cancel stops", true, {MessageAnswer::Cancel}, {}, false},
    {"No goes on unsaved", true, {MessageAnswer::No}, {kSample}, true},
    {"Yes saves, then goes on", true, {MessageAnswer::Yes}, {"@kept.BSE", kSample}, true},
    {"Yes, Save As cancelled: stops", true, {MessageAnswer::Yes}, {""}, false},
    {"Yes, wrong extension: stops", true, {MessageAnswer::Yes}, {"@kept.txt"}, false},
    {"Yes, write fails: stops", true, {MessageAnswer::Yes}, {"@missing/kept.BSE"}, false},
};

QStringList Script(const QStringList& files, const test::TempDir& dir)
{
    QStringList script;
    for (const QString& file : files)
        script << (file.startsWith('@') ? QString::fromStdString(dir.File(file.mid(1).toStdString())) : file);
    return script;
}

// Open goes on to open the sample, Exit to hide the window.
TEST_F(MainFrameTest, OpenExitAndWindowCloseAskAboutUnsavedChangesFirst)
{
    for (const int command : {kOpen, kExit}) {
        for (const PromptRow& row : kPromptRows) {
            NewModifiedDocument(row.modified);
            dialogs.answers = row.answers;
            const QStringList files = Script(row.files, dir);
            dialogs.files.assign(files.begin(), files.end());
            Trigger(command);
            if (command == kExit) {
                EXPECT_EQ(frame.isHidden(), row.goesOn) << row.name;
                frame.show();
                EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
                continue;
            }
            EXPECT_EQ(dialogs.messages.size() >= 1, row.modified) << row.name;
            EXPECT_EQ(state.document.filePath() == kSample.toStdString(), row.goesOn) << row.name;
            EXPECT_EQ(state.document.modified(), row.modified && !row.goesOn) << row.name;
            EXPECT_EQ(frame.windowTitle() == TitleFor(kSample), row.goesOn) << row.name;
            EXPECT_TRUE(dialogs.files.empty()) << row.name;
        }
        EXPECT_TRUE(QFile::exists(InDir("kept.BSE")));
        EXPECT_FALSE(QFile::exists(InDir("kept.txt")));
    }
}

TEST_F(MainFrameTest, SaveAndSaveAsKeepTheTitleRules)
{
    Trigger(kNew);
    EXPECT_EQ(frame.windowTitle(), kNoNameTitle);
    test::Touch(state);
    Trigger(kSave);  // a new document goes to NoName.BSE in the current directory, no dialog
    EXPECT_EQ(std::filesystem::file_size(dir.File("NoName.BSE")), 515u);
    EXPECT_TRUE(dialogs.fileRequests.isEmpty());
    EXPECT_FALSE(state.document.modified());
    EXPECT_EQ(frame.windowTitle(), kNoNameTitle);

    const struct {
        const char* file;
        QString title;
        const char* message;
    } rows[] = {
        {"b.BSE", TitleFor(InDir("b.BSE")), nullptr},
        {"c.txt", TitleFor(InDir("b.BSE")), kBadExtensionMessage.data()},
        {"c.Bse", TitleFor(InDir("b.BSE")), kBadExtensionMessage.data()},
        {"c", TitleFor(InDir("b.BSE")), kBadExtensionMessage.data()},
        {"missing/d.bse", TitleFor(InDir("missing/d.bse")), kSaveFailedMessage.data()},
    };
    for (const auto& row : rows) {
        dialogs.messages.clear();
        dialogs.files = {InDir(row.file)};
        Trigger(kSaveAs);
        EXPECT_EQ(frame.windowTitle(), row.title) << row.file;
        EXPECT_EQ(dialogs.messages, row.message ? QStringList{QString::fromUtf8(row.message)} : QStringList())
            << row.file;
        EXPECT_EQ(QFile::exists(InDir(row.file)), !row.message) << row.file;
    }
    EXPECT_EQ(dialogs.fileRequests.back().defaultSuffix, QStringLiteral("BSE"));
    EXPECT_EQ(dialogs.fileRequests.back().initialName, InDir("b.BSE"));
}

// テスト.BSE in CP932, as copied from Windows: opened, shown and saved as the same bytes.
TEST_F(MainFrameTest, ANameThatIsNotUtf8IsOpenedAndSavedAsItsOwnBytes)
{
    const std::string name = dir.File("\x83\x65\x83\x58\x83\x67.BSE");
    std::filesystem::copy_file(kSample.toStdString(), name);
    dialogs.files = {PathFromBytes(name), ""};
    Trigger(kOpen);
    EXPECT_EQ(state.document.filePath(), name);
    EXPECT_EQ(frame.windowTitle(), TitleFor(ShownPath(name)));
    Set(state).lines.at(1) = "ABC";
    Trigger(kSave);
    Trigger(kSaveAs);  // offers the file's own name; cancelled
    EXPECT_EQ(PathBytes(dialogs.fileRequests.back().initialName), name);
    frame.Files().OpenPath(PathFromBytes(name));
    EXPECT_EQ(state.document.lines().at(1), "ABC");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);  // with Tessra.ini
    // The toolkit's dialog returns the name as shown: found again, unless another looks the same.
    EXPECT_EQ(PathBytes(PathOnDisk(ShownPath(name))), name);
    test::WriteBytes(dir.File("\x84\x65\x83\x58\x83\x67.BSE"), "");
    EXPECT_EQ(PathOnDisk(ShownPath(name)), ShownPath(name));
}

TEST_F(MainFrameTest, OpenReadsABrfUnnamedAndSaveAsksForABseName)
{
    test::WriteBytes(dir.File("in.brf"), "AB\r\n\f");
    dialogs.files = {InDir("in.brf"), InDir("kept.BSE")};
    Trigger(kOpen);
    for (const char* pattern : {"*.BSE", "*.brf", "*.pef", "*.txt"})
        EXPECT_TRUE(dialogs.fileRequests.front().filter.contains(QLatin1String(pattern))) << pattern;
    EXPECT_EQ(state.document.filePath(), "");
    Trigger(kSave);
    EXPECT_EQ(dialogs.fileRequests.back().defaultSuffix, QStringLiteral("BSE"));
    EXPECT_EQ(test::ReadBytes(dir.File("kept.BSE")).substr(kBseHeaderSize), "  \r\nAB\r\n\x1A");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MainFrameTest, ExportWritesTheChosenKindAndLeavesTheDocumentAsItWas)
{
    EXPECT_TRUE(frame.menuBar()->actions().first()->menu()->actions().contains(frame.Actions().Action(kExport)));
    Trigger(kNew);
    Set(state).lines = {"", "AB"};
    test::Touch(state);
    dialogs.files = {InDir("out.pef"), InDir("out.doc")};
    Trigger(kExport);
    Trigger(kExport);
    EXPECT_EQ(dialogs.fileRequests.front().initialName, QStringLiteral("NoName.brf"));
    EXPECT_NE(test::ReadBytes(dir.File("out.pef")).find("<row>⠁⠃</row>"), std::string::npos);
    EXPECT_EQ(dialogs.messages, QStringList(QString::fromUtf8(kExportExtensionMessage.data())));
    EXPECT_EQ(state.document.filePath(), std::string(kNewDocumentPath));
    EXPECT_TRUE(state.document.modified());
}

TEST_F(MainFrameTest, ViewCommandsRepaintBeforeTheyReturn)
{
    Trigger(kNew);
    EXPECT_EQ(frame.View().ScrollArea(), (ScrollSize{483, 634}));  // A4 at Zoom_0

    const struct {
        const char* start;
        int command;
        int times;
        const char* end;
    } zooms[] = {
        {"Zoom_0", kZoomIn, 4, "Zoom_3"},
        {"Zoom_3", kZoomOut, 4, "Zoom_0"},  // the ends and unknown steps: ZoomStep's test
    };
    for (const auto& row : zooms) {
        state.zoom = row.start;
        for (int i = 0; i < row.times; ++i) Trigger(row.command);
        EXPECT_EQ(state.zoom, row.end) << row.start;
    }

    state.zoom = "Zoom_0";
    Set(state).lines = {"", "ABC"};
    state.leftMargin = 100;  // every cell left of the printable area
    Trigger(kSheetView);
    EXPECT_FALSE(state.allCellsPrintable);
    Trigger(kLabelView);
    EXPECT_TRUE(state.allCellsPrintable);
    EXPECT_EQ(frame.View().ScrollArea(), (ScrollSize{513, 684}));
    Trigger(kKanaDisplay);
    EXPECT_EQ(state.displayMode, "Japanease");
    Trigger(kBrailleDisplay);
    EXPECT_EQ(state.displayMode, "Braille");
}

// Three pages of per-label data on the one A4 label: three sheets, shown one at a time.
TEST_F(MainFrameTest, SheetCommandsTurnTheSheetShownAndTheStatusBarNamesIt)
{
    Trigger(kNew);
    {
        test::DocumentSetUp pages(state);
        std::tie(pages.lines, pages.linesPerPage, pages.sameDataForAllLabels) = std::tuple(test::LetterPages(3), 2, false);
    }
    frame.View().RepaintNow();
    const auto shown = [&] {
        return frame.findChild<QLabel*>(QStringLiteral("sheetPane"))->text().toStdString() +
               (frame.Actions().Action(kPreviousSheet)->isEnabled() ? " <" : "") +
               (frame.Actions().Action(kNextSheet)->isEnabled() ? " >" : "");
    };
    EXPECT_EQ(shown(), "シート 1 / 3 >");
    for (int i = 0; i < 3; ++i) Trigger(kNextSheet);
    EXPECT_EQ(shown(), "シート 3 / 3 <");
    const SpokenItem& first = frame.View().SpokenItems().front();  // page 2, C read as kana
    EXPECT_EQ(std::tuple(first.name, first.text), std::tuple(QStringLiteral("ラベル 3"), QStringLiteral("う")));
    Trigger(kPreviousSheet);
    EXPECT_EQ(shown(), "シート 2 / 3 < >");
    Trigger(kNew);
    EXPECT_EQ(std::tuple(state.shownSheet, shown()), std::tuple(0, "シート 1 / 1"));
}

TEST_F(MainFrameTest, AFormatEditedInTheBarIsSavedReopenedAndCheckedAsTheViewDrawsIt)
{
    Trigger(kNew);
    FormatBar& bar = frame.FormatBarContents();
    test::Choose(bar.KindList(), 1);
    test::Choose(bar.SizeList(), 1);  // 名刺(1), then the user-defined entry of the same kind
    test::Choose(bar.SizeList(), 0);
    bar.Field(FormatField::Rows).setText("3");
    bar.Field(FormatField::Rows).setText("30");
    emit bar.Field(FormatField::Rows).editingFinished();
    EXPECT_EQ(frame.statusBar()->currentMessage(), "ラベル配置 行数は 1 ～ 25 の範囲内にしてください");
    bar.Field(FormatField::X1).setText("1");  // the first column's cells move left of the margin
    bar.Field(FormatField::LabelWidth).setText("80");
    bar.FixedPitchButton(FixedPitch::LP18).setChecked(true);
    state.document.SetLines({"", "ABC", "DEF"}, state.document.cellsPerLine(), state.document.linesPerPage());
    EXPECT_TRUE(state.document.modified());

    const QString path = InDir("edited.BSE");
    dialogs.files = {path};
    Trigger(kSaveAs);
    Trigger(kNew);
    frame.Files().OpenPath(path);
    const SheetFormat& f = state.document.format();  // the file keeps the pitch as its code
    EXPECT_EQ(std::tie(f.rows, f.x1, f.labelWidth, f.lineCode, f.linePitch),
              std::tuple(3, 1.0, 80.0, "LP18", 12.8));
    frame.View().RepaintNow();
    EXPECT_FALSE(state.allCellsPrintable);

    const QString settings = InDir("Tessra.ini");
    const auto check = test::RunTessra({"check", path, "--settings", settings});
    EXPECT_EQ(std::tuple(check.exitCode, check.out.substr(0, check.out.find("label"))),
              std::tuple(1, "fits\nunprintable: " + std::to_string(CountUnprintable(state)) + "\n"));
    const auto emboss = test::RunTessra({"emboss", path, "--output", "-", "--settings", settings});
    EXPECT_EQ(std::tie(emboss.exitCode, emboss.out, emboss.err),
              std::tuple(1, "", "印字出来ない部分があります\n赤い点字表示が無いように修正してください\n"));

    frame.ToggleFormatBar();  // Open hid the bar; shown, it has the file's own values
    EXPECT_EQ(bar.Field(FormatField::X1).text(), "1.0");
    bar.Field(FormatField::X1).setText("20");
    dialogs.answers = {MessageAnswer::Yes};
    Trigger(kSave);
    EXPECT_EQ(test::RunTessra({"check", path, "--settings", settings}).exitCode, 0);
    frame.View().RepaintNow();
    EXPECT_TRUE(state.allCellsPrintable);
}

}  // namespace
}  // namespace tessra
