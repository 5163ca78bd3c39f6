#pragma once

#include <QHash>

#include <functional>
#include <span>

class QAction;
class QMenuBar;
class QObject;
class QToolBar;

namespace tessra {

// Command ids, as the menu, the tool bar and the accelerators name them.
namespace command {
inline constexpr int kNew = 57600;
inline constexpr int kOpen = 57601;
inline constexpr int kSave = 32779;
inline constexpr int kSaveAs = 32777;
inline constexpr int kExport = 32795;
inline constexpr int kBraillePrint = 32781;
inline constexpr int kExit = 57665;
inline constexpr int kUndo = 57643;
inline constexpr int kRedo = 57644;
inline constexpr int kSelectAll = 57642;
inline constexpr int kSixKeyInput = 32791;
inline constexpr int kCut = 57635;
inline constexpr int kCopy = 57634;
inline constexpr int kPaste = 57637;
inline constexpr int kToolBar = 59392;
inline constexpr int kStatusBar = 59393;
inline constexpr int kFormatBarMenu = 32776;
inline constexpr int kFormatBarButton = 32780;
inline constexpr int kLabelEditor = 32790;
inline constexpr int kDimensionHelpMenu = 32785;
inline constexpr int kDimensionHelpButton = 32786;
inline constexpr int kAbout = 57664;
inline constexpr int kSheetView = 32771;
inline constexpr int kZoomIn = 32772;
inline constexpr int kZoomOut = 32773;
inline constexpr int kLabelView = 32775;
inline constexpr int kBrailleDisplay = 32783;
inline constexpr int kKanaDisplay = 32787;
inline constexpr int kPreviousSheet = 32792;
inline constexpr int kNextSheet = 32793;
inline constexpr int kDotNumbers = 32797;
inline constexpr int kConfirmReadings = 32798;
inline constexpr int kMerge = 32799;
inline constexpr int kSeparator = 0;
}  // namespace command

// One row of the command table: everything the menu and the tool bar show of a command.
struct CommandSpec {
    int id;
    const char* text;       // menu text with its '&' mnemonic, or the button's name
    const char* shortcuts;  // "Ctrl+C; Ctrl+Ins", portable key names; the first is shown
    const char* statusText;
    const char* tipText;
    const char* icon;       // resource path of the tool bar picture
    bool checkable = false;
};

struct MenuSpec {
    const char* title;
    std::span<const int> items;  // command ids, command::kSeparator between groups
};

std::span<const CommandSpec> CommandTable();
std::span<const MenuSpec> MenuTable();
std::span<const int> ToolBarTable();

// The actions of the command table. An action that no handler is bound to stays disabled, as
// commands that nobody handles do.
class CommandActions {
public:
    explicit CommandActions(QObject* owner);

    QAction* Action(int id) const { return actions_.value(id); }
    void Bind(int id, std::function<void()> handler);

    void FillMenuBar(QMenuBar& menuBar) const;
    // The buttons join the focus chain, so the tool bar's commands are reachable by keyboard.
    void FillToolBar(QToolBar& toolBar) const;

private:
    QHash<int, QAction*> actions_;
};

}  // namespace tessra
