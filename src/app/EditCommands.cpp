#include "app/EditCommands.h"

#include "display/LabelEditor.h"
#include "display/LabelTextEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QUndoStack>

namespace tessra {

EditCommands::EditCommands(LabelEditor& editor, QDockWidget& dock, QUndoStack& history,
                           std::function<void()> settle)
    : editor_(editor), dock_(dock), history_(history), settle_(std::move(settle))
{
}

void EditCommands::Undo()
{
    settle_();
    history_.undo();
}

void EditCommands::Redo()
{
    settle_();
    history_.redo();
}

void EditCommands::Cut()
{
    ShowEditor();
    editor_.Text().cut();
}

void EditCommands::Copy()
{
    LabelTextEdit& text = editor_.Text();
    if (text.textCursor().hasSelection()) {
        text.copy();
    } else {
        QApplication::clipboard()->setText(text.toPlainText());
    }
}

void EditCommands::Paste()
{
    ShowEditor();
    editor_.Text().paste();
}

void EditCommands::SelectAll()
{
    ShowEditor();
    editor_.Text().selectAll();
}

void EditCommands::SetSixKeyInput(bool on)
{
    if (on) ShowEditor();
    editor_.Text().SetSixKeyInput(on);
}

bool EditCommands::CanUndo() const
{
    return history_.canUndo();
}

bool EditCommands::CanRedo() const
{
    return history_.canRedo();
}

bool EditCommands::SixKeyInput() const
{
    return editor_.Text().SixKeyInput();
}

void EditCommands::ShowEditor()
{
    dock_.show();
    editor_.Text().setFocus();
}

}  // namespace tessra
