#include "app/Commands.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace tessra {
namespace {

using namespace command;

// Ids that both the menu and the tool bar show share one action.
const CommandSpec kCommands[] = {
    {kNew, "新規作成(&N)", "Ctrl+N", "新規にﾌｧｲﾙを作成", "新規ﾌｧｲﾙ", ":/toolbar/new.svg"},
    {kOpen, "開く(&O)...", "Ctrl+O", "既存のﾌｧｲﾙを開く", "開く", ":/toolbar/open.svg"},
    {kSave, "上書き保存(&S)", "Ctrl+S", "ファイルを同名で保存", "上書保存", ":/toolbar/save.svg"},
    {kSaveAs, "名前を付けて保存(&A)", "Ctrl+A", "作業中のﾌｧｲﾙを新しい名前を付けて保存", nullptr, nullptr},
    {kExport, "書き出し(&E)...", nullptr, "点字を BRF、PEF または Unicode 点字テキストとして書き出す",
     nullptr, nullptr},
    {kMerge, "差し込み(&M)...", nullptr, "リストの行ごとにラベルを作る", nullptr, nullptr},
    {kBraillePrint, "点字印刷(&P)", "Ctrl+P", "点字印刷をする", "点字印刷", ":/toolbar/print.svg"},
    {kExit, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", nullptr, "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示", nullptr, nullptr},
    {kUndo, "元に戻す(&U)", "Ctrl+Z; Alt+Backspace", "直前の編集を元に戻す", nullptr, nullptr},
    {kRedo, "やり直し(&R)", "Ctrl+Y; Ctrl+Shift+Z", "元に戻した編集をやり直す", nullptr, nullptr},
    {kCut, "切り取り(&T)", "Ctrl+X; Shift+Del", "選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存", nullptr, nullptr},
    {kCopy, "ｺﾋﾟｰ(&C)", "Ctrl+C; Ctrl+Ins", "選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存", "ｺﾋﾟｰ",
     ":/toolbar/copy.svg"},
    {kPaste, "貼り付け(&P)", "Ctrl+V; Shift+Ins", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け", "貼り付け",
     ":/toolbar/paste.svg"},
    // Ctrl+A stays Save As; inside the label text it selects all, as text fields do.
    {kSelectAll, "すべて選択(&L)", nullptr, "ラベルのテキストをすべて選択", nullptr, nullptr},
    {kSixKeyInput, "六点入力(&6)", "Ctrl+6", "F D S J K L の六つのキーで点字を入力する", nullptr, nullptr, true},
    {kConfirmReadings, "読みをすべて確定(&K)", "Ctrl+Shift+K",
     "ラベルの漢字の行をすべて、示した読みで確定する", nullptr, nullptr},
    {kToolBar, "ﾂｰﾙ ﾊﾞｰ(&T)", nullptr, "ﾂｰﾙ ﾊﾞｰの 表示/非表示", nullptr, nullptr, true},
    {kStatusBar, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)", nullptr, "ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示", nullptr, nullptr, true},
    {kFormatBarMenu, "書式設定バー", nullptr, nullptr, nullptr, nullptr, true},
    {kPreviousSheet, "前のシート", "Ctrl+PgUp", "前のシートを表示する", nullptr, nullptr},
    {kNextSheet, "次のシート", "Ctrl+PgDown", "次のシートを表示する", nullptr, nullptr},
    {kLabelEditor, "ラベル編集(&L)", "Ctrl+E", "選んだラベルのテキストを編集する", "ラベル編集",
     ":/toolbar/label-editor.svg", true},
    {kDotNumbers, "点の番号(&D)", "Ctrl+D", "現在の行の点の番号を表示", nullptr, nullptr},
    {kDimensionHelpMenu, "寸法の説明", nullptr, "寸法の説明", nullptr, nullptr},
    {kAbout, "Tessra のﾊﾞｰｼﾞｮﾝ情報(&A)...", nullptr, "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示",
     nullptr, nullptr},
    {kKanaDisplay, "墨字表示", nullptr, "墨字を表示", "墨字表示", ":/toolbar/kana.svg"},
    {kBrailleDisplay, "点字表示", nullptr, "点字を表示", "点字表示", ":/toolbar/braille.svg"},
    {kZoomOut, "ズームアウト", nullptr, "縮小表示する", "ズームアウト", ":/toolbar/zoom-out.svg"},
    {kZoomIn, "ズームイン", nullptr, "拡大表示する", "ズームイン", ":/toolbar/zoom-in.svg"},
    {kLabelView, "ラベル表示", nullptr, "ラベルを表示する", "ラベル表示", ":/toolbar/label-view.svg"},
    {kSheetView, "シート表示", nullptr, "ラベル配置を表示する", "シート表示", ":/toolbar/sheet-view.svg"},
    {kFormatBarButton, "書式設定バー表示", nullptr, "書式設定ダイアログバーを表示", "書式設定バー表示",
     ":/toolbar/format-bar.svg"},
    {kDimensionHelpButton, "寸法説明", nullptr, "寸法の説明", "寸法説明",
     ":/toolbar/dimension-help.svg"},
};

const int kFileMenu[] = {kNew, kOpen, kSave, kSaveAs, kExport, kSeparator, kMerge, kSeparator, kBraillePrint, kSeparator, kExit};
const int kEditMenu[] = {kUndo, kRedo, kSeparator, kCut, kCopy, kPaste, kSelectAll, kSeparator, kSixKeyInput, kSeparator, kConfirmReadings};
const int kViewMenu[] = {kToolBar, kStatusBar, kFormatBarMenu, kLabelEditor, kSeparator, kPreviousSheet, kNextSheet, kSeparator, kDotNumbers};
const int kHelpMenu[] = {kDimensionHelpMenu, kSeparator, kAbout};

const MenuSpec kMenus[] = {
    {"ﾌｧｲﾙ(&F)", kFileMenu},
    {"編集(&E)", kEditMenu},
    {"表示(&V)", kViewMenu},
    {"ﾍﾙﾌﾟ(&H)", kHelpMenu},
};

const int kToolBarButtons[] = {
    kNew, kOpen, kSave, kSeparator, kPaste, kBraillePrint, kCopy, kSeparator,
    kKanaDisplay, kBrailleDisplay, kSeparator, kZoomOut, kZoomIn, kSeparator,
    kLabelView, kSheetView, kSeparator, kFormatBarButton, kLabelEditor, kSeparator, kDimensionHelpButton,
};

QAction* MakeAction(const CommandSpec& command, QObject* owner)
{
    auto* action = new QAction(owner);
    action->setText(QString::fromUtf8(command.text));
    action->setObjectName(QStringLiteral("command%1").arg(command.id));
    if (command.shortcuts) action->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(command.shortcuts)));
    if (command.statusText) action->setStatusTip(QString::fromUtf8(command.statusText));
    if (command.tipText) {
        action->setToolTip(QString::fromUtf8(command.tipText));
        action->setIconText(QString::fromUtf8(command.tipText));
    }
    if (command.icon) action->setIcon(QIcon(QString::fromUtf8(command.icon)));
    action->setCheckable(command.checkable);
    action->setEnabled(false);
    return action;
}

}  // namespace

std::span<const CommandSpec> CommandTable()
{
    return kCommands;
}

std::span<const MenuSpec> MenuTable()
{
    return kMenus;
}

std::span<const int> ToolBarTable()
{
    return kToolBarButtons;
}

CommandActions::CommandActions(QObject* owner)
{
    for (const CommandSpec& command : kCommands) actions_.insert(command.id, MakeAction(command, owner));
}

void CommandActions::Bind(int id, std::function<void()> handler)
{
    QAction* action = Action(id);
    if (!action) return;
    QObject::connect(action, &QAction::triggered, action, [handler = std::move(handler)] { handler(); });
    action->setEnabled(true);
}

void CommandActions::FillMenuBar(QMenuBar& menuBar) const
{
    for (const MenuSpec& entry : kMenus) {
        QMenu* menu = menuBar.addMenu(QString::fromUtf8(entry.title));
        for (const int id : entry.items) {
            if (id == kSeparator) {
                menu->addSeparator();
            } else {
                menu->addAction(Action(id));
            }
        }
    }
}

void CommandActions::FillToolBar(QToolBar& toolBar) const
{
    for (const int id : kToolBarButtons) {
        if (id == kSeparator) {
            toolBar.addSeparator();
            continue;
        }
        toolBar.addAction(Action(id));
        if (QWidget* button = toolBar.widgetForAction(Action(id))) button->setFocusPolicy(Qt::TabFocus);
    }
    // The toolkit's own button for the buttons that do not fit.
    if (auto* more = toolBar.findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("その他のボタン"));
}

}  // namespace tessra
