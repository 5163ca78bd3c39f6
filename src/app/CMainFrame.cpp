#include "app/CMainFrame.h"

#include "app/HelpWindows.h"
#include "app/StatusBar.h"
#include "display/CTessraView.h"
#include "document/DocumentCommands.h"
#include "format/FormatBarState.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace tessra {

using namespace command;

CMainFrame::CMainFrame(AppState& state, Dialogs& dialogs)
    : state_(state),
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

    formatBar_ = new QDockWidget(QStringLiteral("書式設定バー"), this);
    formatBar_->setObjectName(QStringLiteral("formatBar"));
    formatBar_->setAllowedAreas(Qt::RightDockWidgetArea);
    formatBar_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    addDockWidget(Qt::RightDockWidgetArea, formatBar_);
    formatBar_->hide();
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
    formatBarItem->setChecked(state_.fileOpen && !formatBar_->isHidden());
}

void CMainFrame::SetFormatBarWidget(QWidget* widget)
{
    formatBar_->setWidget(widget);
}

void CMainFrame::ToggleFormatBar()
{
    if (!formatBar_->isHidden()) {
        formatBar_->hide();
        FormatBarHidden(state_);
        workFormat_ = state_.formatString;
    } else {
        formatBar_->show();
        FormatBarShown(state_);
    }
}

void CMainFrame::SetFormatBarShown(bool shown)
{
    formatBar_->setVisible(shown);
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

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (files_.MayDiscardChanges()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace tessra
