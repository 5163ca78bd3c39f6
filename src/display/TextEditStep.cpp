#include "display/TextEditStep.h"

namespace tessra {

TextEditStep::TextEditStep(Side before, Side after, bool typing, bool joins,
                           std::function<void(const Side&)> apply)
    : before_(std::move(before)), after_(std::move(after)), typing_(typing), joins_(joins), apply_(std::move(apply))
{
    setText(QStringLiteral("入力"));
}

bool TextEditStep::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const TextEditStep*>(other);
    if (!typing_ || !next->typing_ || !next->joins_ || next->before_.text != after_.text) return false;
    after_ = next->after_;
    return true;
}

void TextEditStep::undo()
{
    typing_ = false;
    apply_(before_);
}

void TextEditStep::redo()
{
    if (done_) {
        done_ = false;
        return;
    }
    typing_ = false;
    apply_(after_);
}

}  // namespace tessra
