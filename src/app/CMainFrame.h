#pragma once

#include "app/AppState.h"
#include "app/Commands.h"
#include "document/FileCommands.h"

#include <QMainWindow>

#include <string>

class QDockWidget;
class QToolBar;

namespace tessra {

class CTessraView;
class Dialogs;
class DimensionHelpWindow;
class FormatBar;
class StatusBar;

// The main window: menu, tool bar, status bar, the docked format bar, the view, and the
// dimension-help window. It binds each command to the subsystem that carries it out.
class CMainFrame final : public QMainWindow {
public:
    CMainFrame(AppState& state, Dialogs& dialogs);
    ~CMainFrame() override;

    CTessraView& View() { return *view_; }
    FileCommands& Files() { return files_; }
    CommandActions& Actions() { return actions_; }
    QDockWidget& FormatBarDock() { return *formatBarDock_; }
    FormatBar& FormatBarContents() { return *formatBar_; }
    QToolBar& ToolBar() { return *toolBar_; }
    // Made at its first showing: its figure is the slowest part of the window to build.
    DimensionHelpWindow& DimensionHelp();

    void ToggleFormatBar();
    void ShowDimensionHelp();
    void ShowVersionDialog();
    void Exit();

    // Enabled and checked states of every command, from the state and the bars.
    void UpdateCommandStates();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateBars();
    void BindCommands();
    void SetFormatBarShown(bool shown);
    void DocumentChanged();
    void BindCommand(int id, std::function<void()> handler);
    // False while a job runs; after the user agrees, the job is cancelled and the window closes.
    bool MayQuitWhilePrinting();

    AppState& state_;
    Dialogs& dialogs_;
    CommandActions actions_;
    CTessraView* view_;
    QToolBar* toolBar_ = nullptr;
    StatusBar* statusBar_ = nullptr;
    QDockWidget* formatBarDock_ = nullptr;
    FormatBar* formatBar_ = nullptr;
    DimensionHelpWindow* dimensionHelp_ = nullptr;
    FileCommands files_;
};

}  // namespace tessra
