#include "ui/PrintTestSupport.h"

#include "app/CMainFrame.h"
#include "app/CTessraApp.h"
#include "display/CTessraView.h"
#include "platform/EmbosserQueues.h"
#include "print/CPrintProgressDialog.h"

#include <QTreeWidget>

#include <sstream>

namespace tessra {
namespace {

using test::ButtonOf;
using test::Edit;
using test::kSample;

const std::string kClosingBytes = "\x0C\x1B\x1B" "F00";

// The desktop program against a private spooler: Ctrl+P, the print dialog, the spooler's own
// printer list, 印 刷; what arrives must be what `tessra emboss --output` writes for the same
// document and settings.
class PrintToSpoolerTest : public testing::WithEmbosserQueues<::testing::Test> {
protected:
    void SetUp() override
    {
        WithEmbosserQueues::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        InitInstance(frame, state, settings);
        frame.show();
        frame.Files().OpenPath(kSample);
        ASSERT_TRUE(state.document.fileOpen());
    }

    // Ctrl+P, then `inside` on the print dialog, which is closed afterwards.
    void PrintFromDesktop(const std::function<void(CBraillePrintDialog&)>& inside)
    {
        bool shown = false;
        test::WhenModalShown([&](QWidget& modal) {
            shown = true;
            inside(dynamic_cast<CBraillePrintDialog&>(modal));
            modal.close();
        });
        frame.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
        frame.View().setFocus();
        QTest::keyClick(&frame.View(), Qt::Key_P, Qt::ControlModifier);
        EXPECT_TRUE(shown) << dialogs.messages.join(QLatin1Char('|')).toStdString();
    }

    static void ChooseInSpoolerList(CBraillePrintDialog& dialog, const char* queue)
    {
        test::WhenModalShown([queue](QWidget& chooser) {
            auto* list = chooser.findChild<QTreeWidget*>();
            const auto found = list->findItems(QString::fromUtf8(queue), Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << queue;
            list->setCurrentItem(found.first());
            static_cast<QDialog&>(chooser).accept();
        });
        ButtonOf(dialog, "プリンタ参照")->click();
    }

    std::string EmbossOutput(const QStringList& options)
    {
        const auto run = test::RunTessra(QStringList{"emboss", kSample, "--settings", QString::fromStdString(settings), "--output", "-"} + options);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.out;
    }

    test::TempDir dir;
    std::string settings = dir.File("Tessra.ini");
    AppState state;
    test::ScriptedDialogs dialogs;
    CMainFrame frame{state, dialogs};
};

TEST_F(PrintToSpoolerTest, QueueReceivesWhatEmbossWritesForTheSameChoices)
{
    const struct { const char* queue; const char* copies; bool options; const char* left; QStringList cli; } rows[] = {
        {"ZEN-10", "3", false, nullptr, {"--copies", "3"}},
        {"ZEN-10R", "2", true, "9.5", {"--copies", "2", "--thick-paper", "--front-eject"}},
    };
    for (const auto& row : rows) {
        PrintFromDesktop([&](CBraillePrintDialog& dialog) {
            ChooseInSpoolerList(dialog, row.queue);
            if (row.options) {
                ButtonOf(dialog, "厚紙印字")->click();
                ButtonOf(dialog, "前面排紙")->click();
            }
            if (row.left) Edit(dialog, "左余白")->setText(row.left);
            Edit(dialog, "印刷部数")->setText(row.copies);
            ButtonOf(dialog, "印 刷")->click();
            ASSERT_TRUE(test::WaitForJob(dialog));
        });
        EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
        EXPECT_EQ(Received(row.queue), EmbossOutput(row.cli)) << row.queue;
    }
}

TEST_F(PrintToSpoolerTest, CancelEndsTheSheetAndStillSendsTheClosingBytes)
{
    PrintFromDesktop([&](CBraillePrintDialog& dialog) {
        ChooseInSpoolerList(dialog, "ZEN-10");
        state.printerPort = "LPT1";  // 2 ms a byte: time to cancel
        Edit(dialog, "印刷部数")->setText("5");
        ButtonOf(dialog, "印 刷")->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.Progress() && dialog.Progress()->isVisible(); }));
        EXPECT_FALSE(dialog.isEnabled());
        EXPECT_EQ(dialog.Progress()->windowTitle(), QStringLiteral("  印刷中  ") + kSample);
        QTest::keyClick(dialog.Progress(), Qt::Key_Escape);
        ASSERT_TRUE(test::WaitForJob(dialog));
        EXPECT_TRUE(dialog.isEnabled());
    });
    const std::string received = Received("ZEN-10");
    const std::string whole = EmbossOutput({"--copies", "5"});
    ASSERT_TRUE(received.ends_with(kClosingBytes)) << received.size();
    EXPECT_LT(received.size(), whole.size() / 2);
    EXPECT_TRUE(whole.starts_with(received.substr(0, received.size() - kClosingBytes.size())));
}

}  // namespace
}  // namespace tessra
