#pragma once

#include "app/Commands.h"
#include "app/EditCommands.h"
#include "app/FileCommands.h"
#include "app/FormatStep.h"
#include "document/AppState.h"

#include <QMainWindow>

#include <memory>
#include <string>

class QDockWidget;
class QToolBar;
class QUndoStack;

namespace tessra {

class CTessraView;
class Dialogs;
class DimensionHelpWindow;
class MergeDialog;
class MergeReadings;
class FormatBar;
class LabelEditor;
class StatusBar;

// The main window: menu, tool bar, status bar, the docked format bar, the view, and the
// dimension-help window. It binds each command to the subsystem that carries it out.
class CMainFrame final : public QMainWindow, private DocumentObserver {
public:
    CMainFrame(AppState& state, Dialogs& dialogs);
    ~CMainFrame() override;

    CTessraView& View() { return *view_; }
    FileCommands& Files() { return files_; }
    CommandActions& Actions() { return actions_; }
    // Made at first use: the hidden bar's forty widgets would only delay the first paint.
    QDockWidget& FormatBarDock();
    FormatBar& FormatBarContents();
    QDockWidget& LabelEditorDock() { return *labelEditorDock_; }
    LabelEditor& LabelEditorContents() { return *labelEditor_; }
    QUndoStack& History() { return *history_; }
    QToolBar& ToolBar() { return *toolBar_; }
    StatusBar& Status() { return *statusBar_; }
    // Made at its first showing: its figure is the slowest part of the window to build.
    DimensionHelpWindow& DimensionHelp();
    // 差し込み and 差し込みの読み, made at their first use.
    MergeDialog& Merge();
    MergeReadings& MergeReadingsList();

    void ToggleFormatBar();
    void ToggleLabelEditor();
    void ShowDimensionHelp();
    void ShowVersionDialog();
    void Exit();

    // Enabled and checked states of every command, from the state and the bars.
    void UpdateCommandStates();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateBars();
    void CreateFormatBar();
    bool FormatBarShown() const;
    void CreateLabelEditor();
    void ScheduleFormatStep();
    void RecordFormatStep();
    void ApplyFormat(const FormatSnapshot& snapshot);
    void ForgetFormatChanges();
    void BindCommands();
    void SetFormatBarShown(bool shown);
    void DocumentChanged(unsigned changes) override;
    void TurnSheet(int direction);
    void ShowSheetState();
    void BindCommand(int id, std::function<void()> handler);
    // False while a job runs; after the user agrees, the job is cancelled and the window closes.
    bool MayQuitWhilePrinting();
    // Whether to print or save (`doing`) with readings not yet checked: asked once.
    bool MayGoOnUnchecked(const QString& doing);

    AppState& state_;
    Dialogs& dialogs_;
    CommandActions actions_;
    CTessraView* view_;
    QToolBar* toolBar_ = nullptr;
    StatusBar* statusBar_ = nullptr;
    QDockWidget* formatBarDock_ = nullptr;
    FormatBar* formatBar_ = nullptr;
    QDockWidget* labelEditorDock_ = nullptr;
    LabelEditor* labelEditor_ = nullptr;
    QUndoStack* history_ = nullptr;
    std::unique_ptr<EditCommands> edits_;
    // The format as the last step left it; a bar change becomes a step once its rules are done.
    FormatSnapshot lastFormat_;
    bool formatPending_ = false;
    bool formatApplying_ = false;
    DimensionHelpWindow* dimensionHelp_ = nullptr;
    MergeDialog* merge_ = nullptr;
    MergeReadings* mergeReadings_ = nullptr;
    FileCommands files_;
};

}  // namespace tessra
