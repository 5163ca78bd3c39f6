#pragma once

#include <functional>

class QDockWidget;
class QUndoStack;

namespace tessra {

class LabelEditor;

// The Edit menu's commands: the history of text and format changes, and the clipboard and
// selection of the label editor's text, which is shown for them when it is hidden.
class EditCommands {
public:
    // `settle` makes a format change still under way a step of its own before the history moves.
    EditCommands(LabelEditor& editor, QDockWidget& dock, QUndoStack& history, std::function<void()> settle);

    void Undo();
    void Redo();
    void Cut();
    // With nothing selected, the label's whole text.
    void Copy();
    // Plain text only; it is composed as typed text is.
    void Paste();
    void SelectAll();
    void SetSixKeyInput(bool on);

    bool CanUndo() const;
    bool CanRedo() const;
    bool SixKeyInput() const;

private:
    void ShowEditor();

    LabelEditor& editor_;
    QDockWidget& dock_;
    QUndoStack& history_;
    std::function<void()> settle_;
};

}  // namespace tessra
