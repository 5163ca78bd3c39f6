#include "app/CMainFrame.h"

#include "app/HelpWindows.h"
#include "app/StatusBar.h"
#include "display/CTessraView.h"
#include "display/LabelEditor.h"
#include "display/LabelTextEdit.h"
#include "sheet/SheetPages.h"
#include "document/DocumentCommands.h"
#include "app/ExportCommand.h"
#include "app/MergeDialog.h"
#include "app/MergeReadings.h"
#include "display/ReadingProposal.h"
#include "reading/Transcriber.h"
#include "document/LabelEdit.h"
#include "app/FormatBar.h"
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
#include <QUndoStack>

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
             {[this](bool shown) { SetFormatBarShown(shown); }})
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(ProgramIcon());
    CreateBars();
    BindCommands();
    state_.document.AddObserver(this);
    UpdateCommandStates();
}

// The docks hide while the window goes; by then the commands they would update are gone.
CMainFrame::~CMainFrame()
{
    state_.document.RemoveObserver(this);
    labelEditorDock_->disconnect(this);
    history_->disconnect(this);
}

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
    // Every change the view shows ends in its drawing: the sheet pane and commands follow it.
    view_->viewport()->installEventFilter(this);
    CreateLabelEditor();
}

void CMainFrame::CreateFormatBar()
{
    formatBarDock_ = new QDockWidget(QStringLiteral("書式設定バー"), this);
    formatBarDock_->setObjectName(QStringLiteral("formatBarDock"));
    formatBarDock_->setAllowedAreas(Qt::RightDockWidgetArea);
    formatBarDock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    formatBar_ = new FormatBar(state_, [this] { ScheduleFormatStep(); },
                               [this](const QString& text) { statusBar_->showMessage(text); });
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
    lastFormat_ = TakeFormatSnapshot(state_, *formatBar_);
}

QDockWidget& CMainFrame::FormatBarDock()
{
    if (!formatBarDock_) CreateFormatBar();
    return *formatBarDock_;
}

FormatBar& CMainFrame::FormatBarContents()
{
    if (!formatBar_) CreateFormatBar();
    return *formatBar_;
}

bool CMainFrame::FormatBarShown() const
{
    return formatBarDock_ && !formatBarDock_->isHidden();
}

void CMainFrame::CreateLabelEditor()
{
    history_ = new QUndoStack(this);
    labelEditorDock_ = new QDockWidget(QStringLiteral("ラベル編集"), this);
    labelEditorDock_->setObjectName(QStringLiteral("labelEditorDock"));
    labelEditorDock_->setAccessibleName(QStringLiteral("ラベル編集"));
    labelEditorDock_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::BottomDockWidgetArea);
    labelEditorDock_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    labelEditor_ = new LabelEditor(state_, {[this](const QString& message) {
                                                if (message.isEmpty()) {
                                                    statusBar_->clearMessage();
                                                } else {
                                                    statusBar_->showMessage(message);
                                                }
                                            },
                                            [this](long long label) { view_->ChooseLabel(label); },
                                            [this] { RecordFormatStep(); },
                                            [this] { actions_.Action(kUndo)->trigger(); },
                                            [this] { actions_.Action(kRedo)->trigger(); }});
    labelEditor_->SetHistory(history_);
    labelEditorDock_->setWidget(labelEditor_);
    addDockWidget(Qt::LeftDockWidgetArea, labelEditorDock_);
    labelEditorDock_->hide();
    connect(labelEditorDock_, &QDockWidget::visibilityChanged, this, &CMainFrame::UpdateCommandStates);
    connect(history_, &QUndoStack::indexChanged, this, &CMainFrame::UpdateCommandStates);
    view_->OnChosenLabelChanged([this] {
        labelEditor_->Reload();
        statusBar_->showMessage(QStringLiteral("ラベル %1").arg(state_.chosenLabel + 1));
    });
    edits_ = std::make_unique<EditCommands>(*labelEditor_, *labelEditorDock_, *history_,
                                            [this] { RecordFormatStep(); });
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
    // A new document is for writing: its text is there to be typed into at once.
    BindCommand(kNew, [this] {
        files_.New();
        labelEditorDock_->show();
        labelEditor_->Text().setFocus();
    });
    BindCommand(kOpen, [this] { files_.Open(); });
    BindCommand(kSave, [this] {
        if (MayGoOnUnchecked(QStringLiteral("保存"))) files_.Save();
    });
    BindCommand(kSaveAs, [this] {
        if (MayGoOnUnchecked(QStringLiteral("保存"))) files_.SaveAs();
    });
    BindCommand(kExport, [this] { OnExport(state_, dialogs_, this); });
    BindCommand(kMerge, [this] {
        Merge().Prefill();
        merge_->show();
        merge_->raise();
        merge_->activateWindow();
    });
    BindCommand(kBraillePrint, [this] {
        if (MayGoOnUnchecked(QStringLiteral("印刷")))
            OnBraillePrint(state_, {dialogs_, [this] { view_->RepaintNow(); }}, this);
    });
    BindCommand(kExit, [this] { Exit(); });
    BindCommand(kToolBar, [this] { toolBar_->setVisible(toolBar_->isHidden()); });
    BindCommand(kStatusBar, [this] { statusBar_->setVisible(statusBar_->isHidden()); });
    BindCommand(kFormatBarMenu, [this] { ToggleFormatBar(); });
    BindCommand(kFormatBarButton, [this] {
        if (state_.document.fileOpen()) ToggleFormatBar();
    });
    BindCommand(kLabelEditor, [this] { ToggleLabelEditor(); });
    BindCommand(kUndo, [this] { edits_->Undo(); });
    BindCommand(kRedo, [this] { edits_->Redo(); });
    BindCommand(kCut, [this] { edits_->Cut(); });
    BindCommand(kCopy, [this] { edits_->Copy(); });
    BindCommand(kPaste, [this] { edits_->Paste(); });
    BindCommand(kSelectAll, [this] { edits_->SelectAll(); });
    BindCommand(kSixKeyInput, [this] { edits_->SetSixKeyInput(!edits_->SixKeyInput()); });
    BindCommand(kConfirmReadings, [this] { labelEditor_->ConfirmAllReadings(); });
    BindCommand(kDimensionHelpMenu, [this] { ShowDimensionHelp(); });
    BindCommand(kDimensionHelpButton, [this] { ShowDimensionHelp(); });
    BindCommand(kAbout, [this] { ShowVersionDialog(); });
    BindCommand(kSheetView, [this] { view_->OnViewSheet(); });
    BindCommand(kLabelView, [this] { view_->OnViewLabel(); });
    BindCommand(kZoomIn, [this] { view_->OnZoomIn(); });
    BindCommand(kZoomOut, [this] { view_->OnZoomOut(); });
    BindCommand(kBrailleDisplay, [this] { view_->OnShowBraille(); });
    BindCommand(kKanaDisplay, [this] { view_->OnShowKana(); });
    BindCommand(kPreviousSheet, [this] { TurnSheet(-1); });
    BindCommand(kNextSheet, [this] { TurnSheet(+1); });
    BindCommand(kDotNumbers, [this] { statusBar_->showMessage(view_->SpeakDotNumbers()); });
}

void CMainFrame::UpdateCommandStates()
{
    actions_.Action(kToolBar)->setChecked(!toolBar_->isHidden());
    actions_.Action(kStatusBar)->setChecked(!statusBar_->isHidden());
    QAction* formatBarItem = actions_.Action(kFormatBarMenu);
    formatBarItem->setEnabled(state_.document.fileOpen());
    formatBarItem->setChecked(state_.document.fileOpen() && FormatBarShown());
    actions_.Action(kLabelEditor)->setChecked(!labelEditorDock_->isHidden());
    actions_.Action(kUndo)->setEnabled(edits_->CanUndo());
    actions_.Action(kRedo)->setEnabled(edits_->CanRedo());
    for (const int id : {kCut, kCopy, kPaste, kSelectAll, kSixKeyInput}) actions_.Action(id)->setEnabled(state_.document.fileOpen());
    actions_.Action(kSixKeyInput)->setChecked(edits_->SixKeyInput());
    actions_.Action(kConfirmReadings)->setEnabled(state_.document.fileOpen() && labelEditor_->HasUncheckedLines());
    statusBar_->ShowUnchecked(UncheckedLineCount(state_));
}

void CMainFrame::ToggleLabelEditor()
{
    labelEditorDock_->setVisible(labelEditorDock_->isHidden());
    if (!labelEditorDock_->isHidden()) labelEditor_->Text().setFocus();
    UpdateCommandStates();
}

// One choice in the bar runs several rules, each ending here; the step is made after the last.
void CMainFrame::ScheduleFormatStep()
{
    if (formatApplying_ || formatPending_) return;
    formatPending_ = true;
    QTimer::singleShot(0, this, &CMainFrame::RecordFormatStep);
}

void CMainFrame::RecordFormatStep()
{
    if (!formatPending_) return;
    formatPending_ = false;
    FormatSnapshot now = TakeFormatSnapshot(state_, *formatBar_);
    if (now == lastFormat_) return;
    history_->push(new FormatStep(lastFormat_, now, [this](const FormatSnapshot& s) { ApplyFormat(s); }));
    lastFormat_ = std::move(now);
}

void CMainFrame::ApplyFormat(const FormatSnapshot& snapshot)
{
    formatApplying_ = true;
    RestoreFormatSnapshot(snapshot, state_, *formatBar_);
    lastFormat_ = snapshot;
    formatApplying_ = false;
}

// The bar's own showing and hiding and a new document change the format without the user.
void CMainFrame::ForgetFormatChanges()
{
    formatPending_ = false;
    // Without the bar there is nothing to take back yet; the bar takes its snapshot when made.
    if (formatBar_) lastFormat_ = TakeFormatSnapshot(state_, *formatBar_);
}

void CMainFrame::TurnSheet(int direction)
{
    if (state_.document.fileOpen() && state_.viewMode == mode::kSheet && tessra::TurnSheet(state_, direction))
        view_->RepaintNow();
}

void CMainFrame::ShowSheetState()
{
    const bool shown = state_.document.fileOpen() && state_.viewMode == mode::kSheet;
    const SheetPlan plan = PlanSheets(state_);
    const long long sheet = ShownSheet(state_, plan);
    statusBar_->ShowSheet(sheet + 1, shown ? plan.sheets : 0);
    actions_.Action(kPreviousSheet)->setEnabled(shown && sheet > 0);
    actions_.Action(kNextSheet)->setEnabled(shown && sheet + 1 < plan.sheets);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && watched == view_->viewport()) ShowSheetState();
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::ToggleFormatBar()
{
    if (FormatBarShown()) {
        formatBarDock_->hide();
        FormatChoice choice = state_.document.choice();
        FormatBarHidden(choice);
        state_.document.SetFormat(std::move(choice), Document::FormatOrigin::Preset);
        ForgetFormatChanges();
    } else {
        SetFormatBarShown(true);
    }
    UpdateCommandStates();
}

// File New shows the bar with the new document's selection; File Open hides it.
void CMainFrame::SetFormatBarShown(bool shown)
{
    if (!shown && !formatBarDock_) return;
    FormatBarDock().setVisible(shown);
    if (shown) formatBar_->ShowSelection();
    ForgetFormatChanges();
}

// The view and the editor follow the document by themselves; the window keeps its title, its
// history and its commands in step.
void CMainFrame::DocumentChanged(unsigned changes)
{
    if (changes & (kReplaced | kPathChanged)) {
        setWindowTitle(QString::fromStdString(DocumentTitle(state_)));
        // Another document has no steps to take back.
        if (changes & kReplaced) history_->clear();
        ForgetFormatChanges();
    }
    UpdateCommandStates();
}

MergeDialog& CMainFrame::Merge()
{
    if (!merge_) {
        merge_ = new MergeDialog(state_,
                                 {dialogs_, [this] { return labelEditor_->Reading().Loaded(); },
                                  [this] { return files_.MayDiscardChanges(); },
                                  [this] {
                                      // Readings to check are walked at once, beside the editor.
                                      if (state_.document.uncheckedReadings().empty()) return;
                                      MergeReadingsList().show();
                                      mergeReadings_->raise();
                                      mergeReadings_->ShowCurrent();
                                  }},
                                 this);
    }
    return *merge_;
}

MergeReadings& CMainFrame::MergeReadingsList()
{
    if (!mergeReadings_) {
        mergeReadings_ = new MergeReadings(state_,
                                           {[this](long long page) {
                                                const SheetPlan plan = PlanSheets(state_);
                                                const SheetPlan::Place place = plan.PlaceOf(page);
                                                state_.shownSheet = place.sheet;
                                                view_->ChooseLabel(place.label);
                                                view_->RepaintNow();  // the sheet may have turned
                                                labelEditorDock_->show();
                                                UpdateCommandStates();
                                            },
                                            [this] { labelEditor_->ConfirmAllReadings(); }},
                                           this);
    }
    return *mergeReadings_;
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

bool CMainFrame::MayGoOnUnchecked(const QString& doing)
{
    const long long lines = UncheckedLineCount(state_);
    if (lines == 0) return true;
    const MessageRequest question{
        QStringLiteral("Tessra"),
        QStringLiteral("読みを確かめていない行が %1 行あります。このまま%2しますか？").arg(lines).arg(doing),
        MessageIcon::Exclamation, MessageButtons::YesNo, false};
    return dialogs_.ShowMessage(this, question) == MessageAnswer::Yes;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    event->setAccepted(MayQuitWhilePrinting() && files_.MayDiscardChanges());
}

}  // namespace tessra
