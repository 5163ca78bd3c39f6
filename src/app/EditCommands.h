#pragma once

class QDockWidget;
class QUndoStack;

namespace tessra {

class LabelEditor;

// The Edit menu's commands: the history of text and format changes, and the clipboard and
// selection of the label editor's text, which is shown for them when it is hidden.
class EditCommands {
public:
    EditCommands(LabelEditor& editor, QDockWidget& dock, QUndoStack& history);

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
};

}  // namespace tessra
