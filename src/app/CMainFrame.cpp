#include "app/CMainFrame.h"

#include "app/HelpWindows.h"
#include "app/StatusBar.h"
#include "display/CTessraView.h"
#include "document/DocumentCommands.h"
#include "format/FormatBar.h"
#include "format/FormatBarState.h"
#include "platform/Dialogs.h"
#include "print/BraillePrintCommand.h"
#include "print/CPrintProgressDialog.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>

namespace tessra {

using namespace command;

namespace {

const char* const kQuitWhilePrintingQuestion = "印刷中です。中止して終了しますか？";

}  // namespace

CMainFrame::CMainFrame(AppState& state, Dialogs& dialogs)
    : state_(state),
      dialogs_(dialogs),
      actions_(this),
      view_(nullptr),
      files_(state, dialogs, this,
             {[this](bool shown) { SetFormatBarShown(shown); }, [this] { DocumentChanged(); }})
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(ProgramIcon());
    CreateBars();
    BindCommands();
    UpdateCommandStates();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::CreateBars()
{
    actions_.FillMenuBar(*menuBar());
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);

    toolBar_ = new QToolBar(QStringLiteral("ﾂｰﾙ ﾊﾞｰ"), this);
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setIconSize(QSize(16, 16));
    actions_.FillToolBar(*toolBar_);
    addToolBar(Qt::TopToolBarArea, toolBar_);
    connect(toolBar_, &QToolBar::visibilityChanged, this, &CMainFrame::UpdateCommandStates);

    statusBar_ = new StatusBar(this);
    setStatusBar(statusBar_);

    view_ = new CTessraView(state_, this);
    setCentralWidget(view_);

    formatBarDock_ = new QDockWidget(QStringLiteral("書式設定バー"), this);
    formatBarDock_->setObjectName(QStringLiteral("formatBarDock"));
    formatBarDock_->setAllowedAreas(Qt::RightDockWidgetArea);
    formatBarDock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    formatBar_ = new FormatBar(state_, [this] { view_->RepaintNow(); });
    // A short window scrolls the bar rather than cutting its fields.
    auto* scroller = new QScrollArea;
    scroller->setWidget(formatBar_);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setMinimumWidth(formatBar_->sizeHint().width() +
                              scroller->verticalScrollBar()->sizeHint().width());
    formatBarDock_->setWidget(scroller);
    addDockWidget(Qt::RightDockWidgetArea, formatBarDock_);
    formatBarDock_->hide();
}

void CMainFrame::BindCommand(int id, std::function<void()> handler)
{
    actions_.Bind(id, [this, handler = std::move(handler)] {
        handler();
        UpdateCommandStates();
    });
}

void CMainFrame::BindCommands()
{
    BindCommand(kNew, [this] { files_.New(); });
    BindCommand(kOpen, [this] { files_.Open(); });
    BindCommand(kSave, [this] { files_.Save(); });
    BindCommand(kSaveAs, [this] { files_.SaveAs(); });
    BindCommand(kBraillePrint, [this] { OnBraillePrint(state_, {dialogs_, [this] { view_->RepaintNow(); }}, this); });
    BindCommand(kExit, [this] { Exit(); });
    BindCommand(kToolBar, [this] { toolBar_->setVisible(toolBar_->isHidden()); });
    BindCommand(kStatusBar, [this] { statusBar_->setVisible(statusBar_->isHidden()); });
    BindCommand(kFormatBarMenu, [this] { ToggleFormatBar(); });
    BindCommand(kFormatBarButton, [this] {
        if (state_.fileOpen) ToggleFormatBar();
    });
    BindCommand(kDimensionHelpMenu, [this] { ShowDimensionHelp(); });
    BindCommand(kDimensionHelpButton, [this] { ShowDimensionHelp(); });
    BindCommand(kAbout, [this] { ShowVersionDialog(); });
    BindCommand(kSheetView, [this] { view_->OnViewSheet(); });
    BindCommand(kLabelView, [this] { view_->OnViewLabel(); });
    BindCommand(kZoomIn, [this] { view_->OnZoomIn(); });
    BindCommand(kZoomOut, [this] { view_->OnZoomOut(); });
    BindCommand(kBrailleDisplay, [this] { view_->OnShowBraille(); });
    BindCommand(kKanaDisplay, [this] { view_->OnShowKana(); });
}

void CMainFrame::UpdateCommandStates()
{
    actions_.Action(kToolBar)->setChecked(!toolBar_->isHidden());
    actions_.Action(kStatusBar)->setChecked(!statusBar_->isHidden());
    QAction* formatBarItem = actions_.Action(kFormatBarMenu);
    formatBarItem->setEnabled(state_.fileOpen);
    formatBarItem->setChecked(state_.fileOpen && !formatBarDock_->isHidden());
}

void CMainFrame::ToggleFormatBar()
{
    if (!formatBarDock_->isHidden()) {
        formatBarDock_->hide();
        FormatBarHidden(state_);
    } else {
        // Showing the bar re-reads the selection, which would call the document unmodified;
        // changes not yet saved must still be asked about at exit.
        const bool modified = state_.modified;
        SetFormatBarShown(true);
        state_.modified = modified;
    }
    UpdateCommandStates();
}

// File New shows the bar with the new document's selection; File Open hides it.
void CMainFrame::SetFormatBarShown(bool shown)
{
    formatBarDock_->setVisible(shown);
    if (shown) formatBar_->ShowSelection();
}

void CMainFrame::DocumentChanged()
{
    setWindowTitle(QString::fromStdString(DocumentTitle(state_)));
    view_->RepaintNow();
}

DimensionHelpWindow& CMainFrame::DimensionHelp()
{
    if (!dimensionHelp_) dimensionHelp_ = new DimensionHelpWindow(this);
    return *dimensionHelp_;
}

void CMainFrame::ShowDimensionHelp()
{
    DimensionHelp().show();
    dimensionHelp_->raise();
    dimensionHelp_->activateWindow();
}

void CMainFrame::ShowVersionDialog()
{
    auto* dialog = new VersionDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void CMainFrame::Exit()
{
    close();
}

bool CMainFrame::MayQuitWhilePrinting()
{
    // The print dialog is modal, but a screen reader still reaches Exit.
    auto* printing = findChild<CBraillePrintDialog*>();
    if (!printing || !printing->JobRunning()) return true;
    const MessageRequest question{QStringLiteral("Tessra"), QString::fromUtf8(kQuitWhilePrintingQuestion),
                                  MessageIcon::Exclamation, MessageButtons::YesNo, false};
    // Over the progress window: the print dialog is disabled while its job runs.
    QWidget* above = printing->Progress() ? static_cast<QWidget*>(printing->Progress()) : this;
    if (dialogs_.ShowMessage(above, question) == MessageAnswer::Yes) {
        // Closed again once the job has sent its closing bytes and the dialog has gone.
        printing->CancelJobThen([this] { QTimer::singleShot(0, this, &QWidget::close); });
    }
    return false;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    event->setAccepted(MayQuitWhilePrinting() && files_.MayDiscardChanges());
}

}  // namespace tessra
