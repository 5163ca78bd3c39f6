#include "app/FormatStep.h"

namespace tessra {

FormatSnapshot TakeFormatSnapshot(const AppState& state, const FormatBar& bar)
{
    return {state.document.choice(), bar.ShownNow()};
}

void RestoreFormatSnapshot(const FormatSnapshot& snapshot, AppState& state, FormatBar& bar)
{
    bar.Show(snapshot.bar);
    state.document.SetFormat(snapshot.choice, Document::FormatOrigin::History);
}

FormatStep::FormatStep(FormatSnapshot before, FormatSnapshot after, std::function<void(const FormatSnapshot&)> apply)
    : before_(std::move(before)), after_(std::move(after)), apply_(std::move(apply))
{
    setText(QStringLiteral("書式設定"));
}

std::optional<std::size_t> FormatStep::FieldTyped() const
{
    const FormatBar::BarView& a = before_.bar;
    const FormatBar::BarView& b = after_.bar;
    if (a.kind != b.kind || a.size != b.size || a.pitchButton != b.pitchButton || a.sameData != b.sameData)
        return std::nullopt;
    std::optional<std::size_t> field;
    for (std::size_t f = 0; f < a.texts.size(); ++f) {
        if (a.texts[f] == b.texts[f]) continue;
        if (field) return std::nullopt;
        field = f;
    }
    return field;
}

bool FormatStep::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const FormatStep*>(other);
    if (!mergeable_ || !(next->before_ == after_)) return false;
    const std::optional<std::size_t> field = FieldTyped();
    if (!field || next->FieldTyped() != field) return false;
    after_ = next->after_;
    return true;
}

void FormatStep::undo()
{
    mergeable_ = false;
    apply_(before_);
}

void FormatStep::redo()
{
    if (done_) {
        done_ = false;
        return;
    }
    apply_(after_);
}

}  // namespace tessra
