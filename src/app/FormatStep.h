#pragma once

#include "app/FormatBar.h"
#include "document/AppState.h"

#include <QUndoCommand>

#include <functional>
#include <optional>

namespace tessra {

// The sheet format as the document holds it and the format bar shows it.
struct FormatSnapshot {
    FormatChoice choice;
    FormatBar::BarView bar;

    bool operator==(const FormatSnapshot&) const = default;
};

FormatSnapshot TakeFormatSnapshot(const AppState& state, const FormatBar& bar);

// Puts a snapshot back into the document and the bar, without the bar's rules; the document is
// modified unless that is the format it was saved with.
void RestoreFormatSnapshot(const FormatSnapshot& snapshot, AppState& state, FormatBar& bar);

// One change made in the format bar. Typing into one field makes one step, as typing in the label
// text does.
class FormatStep final : public QUndoCommand {
public:
    FormatStep(FormatSnapshot before, FormatSnapshot after, std::function<void(const FormatSnapshot&)> apply);

    int id() const override { return kId; }
    bool mergeWith(const QUndoCommand* other) override;
    void undo() override;
    void redo() override;

private:
    static constexpr int kId = 2;

    // The field whose text alone the step changed.
    std::optional<std::size_t> FieldTyped() const;

    FormatSnapshot before_;
    FormatSnapshot after_;
    bool done_ = true;
    bool mergeable_ = true;
    std::function<void(const FormatSnapshot&)> apply_;
};

}  // namespace tessra
