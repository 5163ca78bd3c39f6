#include "ui/PrintTestSupport.h"

#include "app/CMainFrame.h"
#include "settings/SettingsRecord.h"
#include "platform/TransportTestSupport.h"
#include "print/BraillePrintCommand.h"
#include "print/CPrintProgressDialog.h"
#include "print/MemorySink.h"
#include "support/DocumentSetUp.h"

#include <QLabel>

namespace tessra {
namespace {

using test::ButtonOf;
using test::Edit;

const char* const kPositionNames[kPositionFieldCount] = {"左余白", "上余白", "下余白", "横方向", "縦方向"};

// The print dialog over the embosser's worked example, printing to a file that stands for the
// device, so that what a refusal sends is what that file holds.
class PrintDialogTest : public ::testing::Test {
protected:
    PrintDialogTest()
    {
        state = test::A4Document();
        state.document.Rename(dir.File("doc.BSE"), state.document.fileExtension());
        state.settingsPath = dir.File("Tessra.ini");
        ApplyDefaultPrintPosition(state);
        state.printerName = device;
        state.printerModel = mode::kZen10R;
        state.thickPaper = state.frontEject = true;
        state.zoom = mode::kZoom1;  // so that a refusal's zooming out shows
        EXPECT_TRUE(CreateSettingsFile(state.settingsPath));
        test::WriteBytes(device, "");  // a device is there before the job
    }

    std::unique_ptr<CBraillePrintDialog> Open()
    {
        auto dialog = std::make_unique<CBraillePrintDialog>(
            state, PrintDialogServices{dialogs, [] {}, [this](QWidget*, const AppState&) { return chosen; }});
        dialog->show();
        return dialog;
    }

    std::string Settings() const { return test::ReadBytes(state.settingsPath); }

    test::TempDir dir;
    std::string device = dir.File("embosser");
    AppState state;
    test::ScriptedDialogs dialogs;
    std::optional<PrinterEntry> chosen;
};

TEST_F(PrintDialogTest, PrinterChoiceSetsModelOptionsNoticeAndSettings)
{
    Set(state).format.lineCode = "LP22";
    const struct { const char* name; std::optional<PrinterEntry> entry; bool optionsOn, notice; } rows[] = {
        {"R model keeps its options", PrinterEntry{"ZEN-10R", "ZEN-10R", "usb//x", "ZEN10R"}, true, false},
        {"plain model clears them", PrinterEntry{"ZEN-10", "ZEN-10", "LPT1", "ZEN10"}, false, true},
        {"other printer", PrinterEntry{"Laser-10", "Laser-10", "lpd//h", ""}, false, true},
        {"cancelled: nothing changes", std::nullopt, false, true},
    };
    const auto dialog = Open();
    for (const auto& row : rows) {
        const PrinterEntry expected = row.entry.value_or(PrinterEntry{"", state.printerName, state.printerPort, state.printerModel});
        chosen = row.entry;
        ButtonOf(*dialog, "プリンタ参照")->click();
        auto* thick = ButtonOf(*dialog, "厚紙印字");
        EXPECT_EQ(thick->isEnabled() && thick->isChecked() && state.thickPaper, row.optionsOn) << row.name;
        EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("notice"))->isVisible(), row.notice) << row.name;
        EXPECT_EQ(std::tie(state.printerName, state.printerPort, state.printerModel),
                  std::tie(expected.name, expected.port, expected.model)) << row.name;
        EXPECT_EQ(Edit(*dialog, "場　所")->text().toStdString(), expected.port) << row.name;
        EXPECT_EQ(DecodeSlot(Settings(), slot::kPrinterName), expected.name) << row.name;  // saved at once
    }
}

// A valid set is saved by the desktop end-to-end test, which prints with a margin set here.
TEST_F(PrintDialogTest, ARefusedPositionKeepsItselfAndTheRestUnstoredAndSavesNothing)
{
    const char* const typed[] = {"8.25", "19", "15", "0.04", "9"};
    const char* const shown[] = {"8.2", "19.0", "15", "0.04", "9"};  // normalised up to the refused one
    const PositionTexts before = PositionTextsOf(state);
    const std::string settingsBefore = Settings();
    const auto dialog = Open();
    for (std::size_t i = 0; i < kPositionFieldCount; ++i) Edit(*dialog, kPositionNames[i])->setText(typed[i]);
    ButtonOf(*dialog, "設 定")->click();
    for (std::size_t i = 0; i < kPositionFieldCount; ++i) {
        EXPECT_EQ(Edit(*dialog, kPositionNames[i])->text().toStdString(), shown[i]) << i;
        EXPECT_EQ(PositionTextsOf(state)[i], i == 0 ? "8.2" : before[i]) << i;
    }
    EXPECT_EQ(dialogs.messages, QStringList{"上余白は 12.0 ～ 18.0 ㎜ の範囲内にしてください"});
    EXPECT_EQ(dialog->focusWidget(), Edit(*dialog, "上余白"));
    EXPECT_TRUE(dialog->PositionEdited());  // so that 印 刷 checks again
    EXPECT_EQ(Settings(), settingsBefore);
}

TEST_F(PrintDialogTest, EveryRefusalShowsItsMessageAndSendsNothing)
{
    const AppState base = state;
    const struct { const char* name; std::function<void(AppState&, QWidget&)> change; const char* message; } rows[] = {
        {"no printer", [](AppState& s, QWidget&) { s.printerName.clear(); }, "プリンタが選択されていません"},
        {"not a ZEN-10", [](AppState& s, QWidget&) { s.printerModel.clear(); }, "ZEN-10 以外の点字プリンタで印刷できません"},
        {"copies 0", [](AppState&, QWidget& d) { Edit(d, "印刷部数")->setText("0"); }, "印刷部数は 1 部以上にしてください"},
        {"copies 1001", [](AppState&, QWidget& d) { Edit(d, "印刷部数")->setText("1001"); }, "印刷部数は 1000 部以下にしてください"},
        {"copies not a number", [](AppState&, QWidget& d) { Edit(d, "印刷部数")->setText("x"); }, "印刷部数は整数で入力してください"},
        {"refused position", [](AppState&, QWidget& d) { Edit(d, "左余白")->setText("7.99"); }, "左余白は 8.0 ～ 12.0 ㎜に してください"},
        {"start label off the sheet", [](AppState&, QWidget& d) { Edit(d, "開始ラベル")->setText("2"); },
         "開始ラベルは 1 ～ 1 の範囲内にしてください"},
        {"margin that makes cells red", [](AppState&, QWidget& d) { Edit(d, "左余白")->setText("12"); },
         "印字出来ない部分があります\n赤い点字表示が無いように修正してください"},
    };
    for (const auto& row : rows) {
        state = base;
        const auto dialog = Open();
        row.change(state, *dialog);
        dialogs.messages.clear();
        ButtonOf(*dialog, "印 刷")->click();
        EXPECT_EQ(dialogs.messages, QStringList{QString::fromUtf8(row.message)}) << row.name;
        EXPECT_FALSE(dialog->JobRunning() || dialog->Progress()) << row.name;
        EXPECT_TRUE(dialog->isEnabled() && dialog->isVisible()) << row.name;
        EXPECT_EQ(test::ReadBytes(device), "") << row.name;
        EXPECT_EQ(state.zoom == mode::kZoom0, std::string(row.message).starts_with("印字")) << row.name;
    }
}

// Typing the start label moves the hatching at once; the job begins at that label.
TEST_F(PrintDialogTest, StartLabelIsTypedShownAndEmbossedFrom)
{
    Set(state).format = test::PerLabelDocument(Catalogue()[9], 2, {}).document.format();  // 5 x 2
    {
        test::DocumentSetUp pages(state);
        std::tie(pages.lines, pages.linesPerPage, pages.sameDataForAllLabels) = std::tuple(test::LetterPages(2), 2, false);
    }
    int repaints = 0;
    auto dialog = std::make_unique<CBraillePrintDialog>(state, PrintDialogServices{dialogs, [&] { ++repaints; }});
    Edit(*dialog, "開始ラベル")->selectAll();
    QTest::keyClicks(Edit(*dialog, "開始ラベル"), "10");
    EXPECT_EQ(std::tuple(state.startLabel, repaints), std::tuple(10, 2));  // 1, then 10
    ButtonOf(*dialog, "印 刷")->click();
    dialog.reset();  // waits for the job
    MemorySink expected;
    EncodePrintJob(state, {1, true, true}, expected, *std::make_unique<NoProgress>());  // the fixture's ZEN-10R options
    EXPECT_EQ(test::ReadBytes(device), std::string(expected.bytes.begin(), expected.bytes.end()));
}

TEST_F(PrintDialogTest, ClosingDuringAJobWaitsForItsLastByte)
{
    state.printerName = device = dir.File("LPT1");  // a parallel port: 2 ms a byte
    test::WriteBytes(device, "");
    auto dialog = Open();
    ButtonOf(*dialog, "印 刷")->click();
    ASSERT_TRUE(dialog->JobRunning());
    dialog.reset();
    EXPECT_TRUE(test::ReadBytes(device).ends_with("\x0C\x1B\x1B" "F00\x1B\x1BRR"));
}

TEST_F(PrintDialogTest, SettingsThatCannotBeWrittenAreReportedWithTheirPath)
{
    const auto dialog = Open();
    Edit(*dialog, "左余白")->setText("9.5");
    chosen = PrinterEntry{"ZEN-10", "ZEN-10", "LPT1", "ZEN10"};
    {
        const test::FileSizeLimit full(100);  // not even root writes the 1024-byte record now
        ButtonOf(*dialog, "設 定")->click();
        ButtonOf(*dialog, "プリンタ参照")->click();
    }
    EXPECT_EQ(dialogs.messages, QStringList(2, "設定を保存できませんでした\n" + QString::fromStdString(state.settingsPath)));
    EXPECT_EQ(state.leftMarginText + state.printerName, "9.5ZEN-10");  // in force for this run
    EXPECT_EQ(Settings(), std::string(1024, '\0'));
}

TEST_F(PrintDialogTest, ExitDuringAJobAsksNoKeepsBothYesCancelsItAndQuits)  // a screen reader reaches Exit
{
    state.printerName = device = dir.File("LPT1");  // 2 ms a byte: the job outlasts the questions
    test::WriteBytes(device, "");
    CMainFrame frame(state, dialogs);
    frame.show();
    bool bothKeptAfterNo = false;
    test::WhenModalShown([&](QWidget& modal) {
        auto& dialog = dynamic_cast<CBraillePrintDialog&>(modal);
        Edit(dialog, "印刷部数")->setText("1000");
        ButtonOf(dialog, "印 刷")->click();
        dialogs.answers = {MessageAnswer::No};
        frame.Actions().Action(command::kExit)->trigger();
        bothKeptAfterNo = dialog.JobRunning() && dialog.isVisible() && frame.isVisible();
        dialogs.answers = {MessageAnswer::Yes};
        frame.close();  // the window's own close asks the same
    });
    frame.Actions().Action(command::kBraillePrint)->trigger();  // back once the dialog has gone
    EXPECT_TRUE(bothKeptAfterNo);
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.isHidden(); }));
    EXPECT_EQ(dialogs.messages, QStringList(2, "印刷中です。中止して終了しますか？"));
    const std::string sent = test::ReadBytes(device);  // far from a thousand copies, and closed
    EXPECT_TRUE(sent.size() < 2000 && sent.ends_with("\x0C\x1B\x1B" "F00\x1B\x1BRR")) << sent.size();
}

TEST_F(PrintDialogTest, ASpoolerThatNeverAnswersCanBeCancelledWhileTheJobConnects)
{
    const testing::LoopbackListener silent;  // takes the connection, never answers
    ::setenv("CUPS_SERVER", ("127.0.0.1:" + std::to_string(silent.Port())).c_str(), 1);
    state.printerName = "ZEN-10";
    const auto dialog = Open();
    ButtonOf(*dialog, "印 刷")->click();
    ASSERT_TRUE(dialog->JobRunning() && dialog->Progress() && dialog->Progress()->isVisible());
    QTest::qWait(300);
    ButtonOf(*dialog->Progress(), "ｷｬﾝｾﾙ")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->JobRunning(); }, 3000));  // not the 10 s bound
    EXPECT_TRUE(dialogs.messages.isEmpty() && dialog->isEnabled() && !dialog->Progress());
    ::unsetenv("CUPS_SERVER");
}

TEST(PrintProgressDialog, CancelEscapeAndCloseRequestCancelEnterDoesNothing)
{
    QWidget owner;
    owner.show();
    int cancels = 0;
    {
        CPrintProgressDialog progress(&owner, QStringLiteral("  印刷中  x.BSE"), [&] { ++cancels; });
        progress.show();
        EXPECT_TRUE(!owner.isEnabled() && progress.isEnabled());
        EXPECT_EQ(progress.PercentText(), QStringLiteral(" 0 %"));
        for (const int position : {37, 100}) {
            progress.SetProgressPos(position);
            EXPECT_EQ(progress.PercentText(), QStringLiteral("%1%").arg(position));
        }
        QTest::keyClick(&progress, Qt::Key_Return);
        EXPECT_EQ(cancels, 0);
        QTest::keyClick(&progress, Qt::Key_Escape);
        ButtonOf(progress, "ｷｬﾝｾﾙ")->click();
        progress.close();
        EXPECT_EQ(cancels, 3);
        EXPECT_TRUE(progress.isVisible());
    }
    EXPECT_TRUE(owner.isEnabled());
}

TEST_F(PrintDialogTest, PrintCommandChecksBeforeTheDialog)
{
    const struct { const char* name; std::function<void(AppState&)> change; const char* message; bool dialogOpens; } rows[] = {
        {"no document", [](AppState& s) { s.document.Close(); }, "ファイルが開かれておりません", false},
        {"sticks out right", [](AppState& s) { Set(s).format.sheetWidth -= 0.1; },
         "シート右側からラベルがはみ出しています\n\n全てのラベルがシート内に入るようにしてください　　", false},
        {"sticks out at the bottom", [](AppState& s) { Set(s).format.sheetHeight -= 0.1; },
         "シート下側からラベルがはみ出しています\n\n全てのラベルがシート内に入るようにしてください　　", false},
        {"red cells warn, then the dialog", [](AppState& s) { s.leftMargin = 12; },
         "印字出来ない部分があります\n赤い点字表示が無いように修正してください", true},
        {"all well", [](AppState&) {}, nullptr, true},
    };
    for (const auto& row : rows) {
        AppState base = state;
        row.change(state);
        state.viewMode = mode::kLabel;
        dialogs.messages.clear();
        QString opened;
        if (row.dialogOpens) {
            test::WhenModalShown([&](QWidget& modal) {
                opened = modal.windowTitle();
                modal.close();
            });
        }
        OnBraillePrint(state, {dialogs, [] {}}, nullptr);
        EXPECT_EQ(dialogs.messages, row.message ? QStringList{QString::fromUtf8(row.message)} : QStringList()) << row.name;
        EXPECT_EQ(state.viewMode, row.message && !row.dialogOpens && !state.document.fileOpen() ? mode::kLabel : mode::kSheet) << row.name;
        EXPECT_EQ(state.zoom == mode::kZoom0, row.message && state.document.fileOpen()) << row.name;
        EXPECT_EQ(opened, row.dialogOpens ? QStringLiteral("テッスラ　点字印刷") : QString()) << row.name;
        state = base;
    }
}

}  // namespace
}  // namespace tessra
