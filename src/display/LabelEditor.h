#pragma once

#include "display/LabelTextEdit.h"
#include "display/TextEditStep.h"
#include "document/AppState.h"
#include "document/LabelEdit.h"

#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QUndoStack;

namespace tessra {

class ReadingProposal;

// The docked label editor (ラベル編集): the chosen label's text, one line per braille line,
// composed as `tessra compose` composes a label whenever it changes. A text that composes goes
// into the document; a refused character is marked in the text and its message shown under it,
// never in a box. The editor follows the document when anything else changes it.
class LabelEditor final : public QWidget, private DocumentObserver {
public:
    struct Hooks {
        std::function<void(const QString&)> showMessage;      // the status bar; empty clears
        std::function<void(long long label)> chooseLabel;     // the view's chosen label
        std::function<void()> beforeStep;                     // a text step is about to be made
        std::function<void()> undo;                           // the history keys in the text
        std::function<void()> redo;
    };

    LabelEditor(AppState& state, Hooks hooks, QWidget* parent = nullptr);
    ~LabelEditor() override;

    // Takes the chosen label's text from the document.
    void Reload();
    // Every text edit becomes a step of `history`, which may hold other steps too.
    void SetHistory(QUndoStack* history) { history_ = history; }
    // Writes every line with kanji as the reading shown for it, as 確定 writes one: one step.
    void ConfirmAllReadings();
    // Whether a line of the label's text awaits its reading's check.
    bool HasUncheckedLines() const { return !text_->Unchecked().empty(); }

    LabelTextEdit& Text() const { return *text_; }
    QLabel& Message() const { return *message_; }
    QLabel& Heading() const { return *heading_; }
    ReadingProposal& Reading() const { return *reading_; }

private:
    void DocumentChanged(unsigned changes) override;
    // After a format change: the label may show another page, or hold other cells per line.
    void FormatChanged();
    void Compose();
    void ShowHeading();
    void Record();
    void Apply(long long label, const TextEditStep::Side& side);
    TextEditStep::Side Current() const;
    void MarkLines(const LabelComposition& composition);
    void ShowMessage(const LabelComposition& composition);
    void ShowCounts(const LabelComposition& composition);
    std::vector<std::string> TextLines() const;
    void WriteCurrentLineAs(const QString& reading);

    AppState& state_;
    Hooks hooks_;
    QLabel* heading_;
    LabelTextEdit* text_;
    QLabel* message_;
    ReadingProposal* reading_;
    std::optional<LabelEdit> edit_;
    long long shownPage_ = -1;
    bool loading_ = false;
    bool storing_ = false;  // the document changes because of this editor's own text
    QUndoStack* history_ = nullptr;
    TextEditStep::Side last_;
    bool typing_ = false;       // the last change was one character
    bool joinsTyping_ = false;  // … at the cursor the change before left
    bool endTyping_ = false;  // the next change starts a step of its own
};

}  // namespace tessra
