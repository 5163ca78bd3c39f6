#pragma once

#include <QString>
#include <QUndoCommand>

#include <functional>

namespace tessra {

// One step of the label text's history: the text before and after, with the cursor. Keys typed
// one after another at the cursor make one step, so undo takes back a typed word, not a letter.
class TextEditStep final : public QUndoCommand {
public:
    struct Side {
        QString text;
        int cursor = 0;
    };
    // `apply` puts a side's text into the field; the step's first redo is the edit itself. A
    // typing step takes in the keys typed after it; `joins` lets this one go into the step before.
    TextEditStep(Side before, Side after, bool typing, bool joins, std::function<void(const Side&)> apply);

    int id() const override { return kId; }
    bool mergeWith(const QUndoCommand* other) override;
    void undo() override;
    void redo() override;

private:
    static constexpr int kId = 1;

    Side before_;
    Side after_;
    bool typing_;
    bool joins_;
    bool done_ = true;
    std::function<void(const Side&)> apply_;
};

}  // namespace tessra
