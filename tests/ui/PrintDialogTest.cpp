#include "app/SettingsRecord.h"
#include "app/FileIo.h"
#include "print/BraillePrintCommand.h"
#include "print/CPrintProgressDialog.h"
#include "print/MemorySink.h"
#include "print/PrinterChooser.h"
#include "ui/PrintTestSupport.h"

#include <QCheckBox>
#include <QLabel>

#include <filesystem>

namespace tessra {
namespace {

using test::ButtonOf;
using test::Edit;

class NoPause final : public Sleeper {
public:
    void Pause(std::chrono::milliseconds) override {}
};

const char* const kPositionNames[kPositionFieldCount] = {"左余白", "上余白", "下余白", "横方向", "縦方向"};

// The print dialog over the embosser's worked example, printing to a file that stands for the
// device, so that what a refusal sends is what that file holds.
class PrintDialogTest : public testing::Test {
protected:
    PrintDialogTest()
    {
        state = test::A4Document();
        state.fileOpen = true;
        state.filePath = dir.File("doc.BSE");
        state.settingsPath = dir.File("Tessra.ini");
        ApplyDefaultPrintPosition(state);
        state.printerName = device;
        state.printerModel = mode::kZen10R;
        state.thickPaper = state.frontEject = true;
        EXPECT_TRUE(CreateSettingsFile(state.settingsPath));
        test::WriteBytes(device, "");  // a device is there before the job
    }

    std::unique_ptr<CBraillePrintDialog> Open()
    {
        auto dialog = std::make_unique<CBraillePrintDialog>(
            state, PrintDialogServices{dialogs, [this] { ++repaints; },
                                       [this](QWidget*, const AppState&) { return chosen; }, &noPause});
        dialog->show();
        return dialog;
    }

    std::string Settings() const { return test::ReadBytes(state.settingsPath); }
    std::string Sent() const { return test::ReadBytes(device); }

    test::TempDir dir;
    std::string device = dir.File("embosser");
    AppState state;
    test::ScriptedDialogs dialogs;
    NoPause noPause;
    int repaints = 0;
    std::optional<PrinterEntry> chosen;
};

TEST_F(PrintDialogTest, PrinterChoiceSetsModelOptionsNoticeAndSettings)
{
    state.format.lineCode = "LP22";
    const struct { const char* name; std::optional<PrinterEntry> entry; bool optionsOn, notice; } rows[] = {
        {"R model keeps its options", PrinterEntry{"ZEN-10R", "ZEN-10R", "usb//x", "ZEN10R"}, true, false},
        {"plain model clears them", PrinterEntry{"ZEN-10", "ZEN-10", "LPT1", "ZEN10"}, false, true},
        {"other printer", PrinterEntry{"Laser-10", "Laser-10", "lpd//h", ""}, false, true},
        {"cancelled: nothing changes", std::nullopt, false, true},
    };
    const auto dialog = Open();
    for (const auto& row : rows) {
        const AppState before = state;
        const std::string settingsBefore = Settings();
        chosen = row.entry;
        ButtonOf(*dialog, "プリンタ参照")->click();
        auto* thick = ButtonOf(*dialog, "厚紙印字");
        EXPECT_EQ(thick->isEnabled() && thick->isChecked() && state.thickPaper, row.optionsOn) << row.name;
        EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("notice"))->isVisible(), row.notice) << row.name;
        if (!row.entry) {
            EXPECT_EQ(std::tie(state.printerName, state.printerModel, state.printerPort),
                      std::tie(before.printerName, before.printerModel, before.printerPort));
            EXPECT_EQ(Settings(), settingsBefore) << row.name;
            continue;
        }
        EXPECT_EQ(state.printerModel, row.entry->model) << row.name;
        EXPECT_EQ(Edit(*dialog, "場　所")->text().toStdString(), row.entry->port) << row.name;
        EXPECT_EQ(DecodeSlot(Settings(), slot::kPrinterName), row.entry->name) << row.name;
        EXPECT_EQ(DecodeSlot(Settings(), slot::kPrinterModel), row.entry->model) << row.name;
    }
}

TEST_F(PrintDialogTest, PositionSettingsAreNormalisedCheckedAndSavedWhole)
{
    using Texts = std::array<const char*, kPositionFieldCount>;
    const struct { const char* name; Texts typed, shown; int refused; const char* message; } rows[] = {
        {"all valid", {"10", "12.09", "18", "1.5", "-0.3"}, {"10.0", "12.0", "18.0", "+1.5", "-0.3"}, -1, ""},
        {"top refused after left stored", {"8.25", "19", "15", "0.04", "9"}, {"8.2", "19.0", "15", "0.04", "9"}, 1,
         "上余白は 12.0 ～ 18.0 ㎜ の範囲内にしてください"},
        {"full-width digits", {"１０", "15", "15", "0", "0"}, {".0", "15", "15", "0", "0"}, 0,
         "左余白は 8.0 ～ 12.0 ㎜に してください"},
        {"correction just out", {"10mm", "15", "15", "3", "3.1"}, {"10.0", "15.0", "15.0", "+3.0", "+3.1"}, 4,
         "縦軸の補正値は -3.0 ～ +3.0 ％ の範囲内にしてください"},
    };
    const PositionTexts defaults = PositionTextsOf(state);
    const auto dialog = Open();
    for (const auto& row : rows) {
        ApplyDefaultPrintPosition(state);
        ASSERT_TRUE(SavePrintPosition(state));
        const std::string settingsBefore = Settings();
        dialogs.messages.clear();
        for (std::size_t i = 0; i < kPositionFieldCount; ++i) Edit(*dialog, kPositionNames[i])->setText(row.typed[i]);
        ButtonOf(*dialog, "設 定")->click();
        for (std::size_t i = 0; i < kPositionFieldCount; ++i)
            EXPECT_EQ(Edit(*dialog, kPositionNames[i])->text().toStdString(), row.shown[i]) << row.name << i;
        const PositionTexts stored = PositionTextsOf(state);
        const int refused = row.refused < 0 ? static_cast<int>(kPositionFieldCount) : row.refused;
        for (int i = 0; i < static_cast<int>(kPositionFieldCount); ++i)
            EXPECT_EQ(stored[i], i < refused ? row.shown[i] : defaults[i]) << row.name << i;
        EXPECT_EQ(dialogs.messages, row.refused < 0 ? QStringList() : QStringList{QString::fromUtf8(row.message)}) << row.name;
        EXPECT_EQ(dialog->PositionEdited(), row.refused >= 0) << row.name;
        if (row.refused < 0) {
            EXPECT_EQ(DecodeSlot(Settings(), slot::kTopMargin), "12.0");
            continue;
        }
        EXPECT_EQ(dialog->focusWidget(), Edit(*dialog, kPositionNames[row.refused])) << row.name;
        EXPECT_EQ(Settings(), settingsBefore) << row.name;
    }
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
        {"margin that makes cells red", [](AppState&, QWidget& d) { Edit(d, "左余白")->setText("12"); },
         "印字出来ない部分があります\n赤い点字表示が無いように修正してください"},
    };
    for (const auto& row : rows) {
        state = base;
        state.zoom = mode::kZoom1;
        const auto dialog = Open();
        row.change(state, *dialog);
        dialogs.messages.clear();
        ButtonOf(*dialog, "印 刷")->click();
        EXPECT_EQ(dialogs.messages, QStringList{QString::fromUtf8(row.message)}) << row.name;
        EXPECT_FALSE(dialog->JobRunning() || dialog->Progress()) << row.name;
        EXPECT_TRUE(dialog->isEnabled() && dialog->isVisible()) << row.name;
        EXPECT_EQ(Sent(), "") << row.name;
        EXPECT_EQ(state.zoom == mode::kZoom0, std::string(row.message).starts_with("印字")) << row.name;
    }
}

TEST_F(PrintDialogTest, PrintSendsTheEncoderStreamAndLeavesTheDialogOpen)
{
    const auto dialog = Open();
    Edit(*dialog, "印刷部数")->setText("2");
    ButtonOf(*dialog, "印 刷")->click();
    EXPECT_FALSE(dialog->isEnabled());
    ASSERT_TRUE(test::WaitForJob(*dialog));
    MemorySink expected;
    NoProgress none;
    EncodePrintJob(state, {2, true, true}, expected, none);
    EXPECT_EQ(Sent(), std::string(expected.bytes.begin(), expected.bytes.end()));
    EXPECT_TRUE(dialog->isEnabled() && dialog->isVisible() && !dialog->Progress());
    EXPECT_TRUE(dialogs.messages.isEmpty());
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

TEST(PrinterChooser, SelectsTheCurrentPrinterAndOffersNothingWithoutPrinters)
{
    const std::vector<PrinterEntry> printers = {{"A", "A", "p", ""}, {"ZEN-10", "ZEN-10", "LPT1", "ZEN10"}};
    EXPECT_EQ(PrinterChooser(printers, "ZEN-10").Selected()->port, "LPT1");
    EXPECT_EQ(PrinterChooser(printers, "gone").Selected()->name, "A");
    EXPECT_FALSE(PrinterChooser({}, "ZEN-10").Selected());
}

TEST_F(PrintDialogTest, PrintCommandChecksBeforeTheDialog)
{
    const struct { const char* name; std::function<void(AppState&)> change; const char* message; bool dialogOpens; } rows[] = {
        {"no document", [](AppState& s) { s.fileOpen = false; }, "ファイルが開かれておりません", false},
        {"sticks out right", [](AppState& s) { s.format.sheetWidth -= 0.1; },
         "シート右側からラベルがはみ出しています\n\n全てのラベルがシート内に入るようにしてください　　", false},
        {"sticks out at the bottom", [](AppState& s) { s.format.sheetHeight -= 0.1; },
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
        OnBraillePrint(state, {dialogs, [this] { ++repaints; }}, nullptr);
        EXPECT_EQ(dialogs.messages, row.message ? QStringList{QString::fromUtf8(row.message)} : QStringList()) << row.name;
        EXPECT_EQ(state.viewMode, row.message && !row.dialogOpens && !state.fileOpen ? mode::kLabel : mode::kSheet) << row.name;
        EXPECT_EQ(state.zoom == mode::kZoom0, row.message && state.fileOpen) << row.name;
        EXPECT_EQ(opened, row.dialogOpens ? QStringLiteral("テッスラ　点字印刷") : QString()) << row.name;
        state = base;
    }
}

}  // namespace
}  // namespace tessra
