#include "braille/LineWriter.h"

// Latin letters: a letter run after the 外字符, with its capital signs per group, or a foreign
// phrase of two or more words between 外国語引用符, written as English braille.

namespace tessra {

using signs::Composing;

namespace {

bool IsUpper(char32_t c) { return c >= U'A' && c <= U'Z'; }
char32_t Lower(char32_t c) { return IsUpper(c) ? c + (U'a' - U'A') : c; }

}  // namespace

// The letters up to `end`, one group: 二重大文字符 before a group of two or more capitals,
// otherwise 大文字符 before each capital.
void LineWriter::WriteLetterGroup(std::size_t end)
{
    const signs::ComposerTables& t = Composing();
    bool capitals = end - at_ >= 2;
    for (std::size_t i = at_; i < end && capitals; ++i) capitals = IsUpper(At(i));
    if (capitals) Put(t.doubleCapital);
    for (; at_ < end; ++at_) {
        if (!capitals && IsUpper(At(at_))) Put(t.capital);
        Put(LetterCell(at_));
    }
}

// Letters, with a sign of the run between two of them and one "." at the end; a hyphen ends the
// run, and what follows it starts afresh.
void LineWriter::WriteLetters()
{
    if (const std::size_t end = ForeignPhraseEnd(); end > at_) {
        WriteForeignPhrase(end);
        return;
    }
    const signs::ComposerTables& t = Composing();
    Join(Next::Letters);
    Put(t.foreignLetter);
    last_ = Last::Letters;
    for (;;) {
        std::size_t end = at_;
        while (IsLetterAt(end)) ++end;
        WriteLetterGroup(end);
        const auto sign = t.inLetters.Find(Rest(at_));
        if (!sign) return;
        const std::size_t after = at_ + sign->length;
        if (IsLetterAt(after)) {
            Put(sign->cells);
            at_ = after;
        } else {
            // One "." ends the run (an abbreviation), unless more follow ("...").
            if (sign->row->role == signs::Role::Pause && !t.inLetters.Find(Rest(after)) &&
                !t.pauses.Find(Rest(after))) {
                Put(sign->cells);
                at_ = after;
                last_ = Last::LettersDot;
            }
            return;
        }
    }
}

// Where the foreign phrase that starts here ends, or `at_` when none does: two or more words
// (letters, with the run's signs and hyphens between them, then their punctuation) separated
// by single blanks, numbers allowed between them, one word of two or more letters not all
// capitals.
std::size_t LineWriter::ForeignPhraseEnd() const
{
    const signs::ComposerTables& t = Composing();
    std::size_t at = at_;
    std::size_t end = at_;
    int words = 0;
    bool mixed = false;
    for (;;) {
        if (IsLetterAt(at)) {
            std::size_t letters = 0;
            bool lower = false;
            for (;;) {
                for (; IsLetterAt(at); ++at, ++letters) lower = lower || !IsUpper(At(at));
                const auto sign = t.inLetters.Find(Rest(at));
                const auto english = t.inForeignPhrase.Find(Rest(at));
                const std::size_t length = sign ? sign->length
                                           : english && english->row->role == signs::Role::Joining ? english->length
                                                                                                    : 0;
                if (length == 0 || !IsLetterAt(at + length)) break;
                at += length;
            }
            for (auto p = t.inForeignPhrase.Find(Rest(at)); p && p->row->role == signs::Role::Pause;
                 p = t.inForeignPhrase.Find(Rest(at)))
                at += p->length;
            ++words;
            end = at;
            mixed = mixed || (letters >= 2 && lower);
        } else if (words > 0 && IsDigitAt(at)) {
            while (IsDigitAt(at) || ((t.digitComma.Find(Rest(at)) || t.decimalPoint.Find(Rest(at))) &&
                                     IsDigitAt(at + 1)))
                ++at;
        } else {
            break;
        }
        if (At(at) != U' ' || IsBlankAt(at + 1) || !(IsLetterAt(at + 1) || IsDigitAt(at + 1))) break;
        ++at;
    }
    return words >= 2 && mixed ? end : at_;
}

// English braille inside 外国語引用符: capitals per word, numbers with the numeral sign (a … j
// right after one take the 外字符), the English punctuation, the text's blanks.
void LineWriter::WriteForeignPhrase(std::size_t end)
{
    const signs::ComposerTables& t = Composing();
    Join(Next::Letters);
    Put(t.foreignOpen);
    bool number = false;
    while (at_ < end) {
        if (IsLetterAt(at_)) {
            std::size_t group = at_;
            while (IsLetterAt(group)) ++group;
            if (number && Lower(At(at_)) <= U'j') Put(t.foreignLetter);
            number = false;
            WriteLetterGroup(group);
        } else if (IsDigitAt(at_)) {
            if (!number) Put(t.numeral);
            number = true;
            Put(DigitCell(at_));
            ++at_;
        } else if (IsBlankAt(at_)) {
            PutBlank();
            number = false;
            ++at_;
        } else {
            auto sign = t.inForeignPhrase.Find(Rest(at_));
            if (!sign) sign = t.inLetters.Find(Rest(at_));
            Put(sign ? sign->cells : std::string_view());
            at_ += sign ? sign->length : 1;
            // A number goes on across its point or comma.
            number = number && IsDigitAt(at_);
        }
    }
    Put(t.foreignClose);
    last_ = Last::Enclosed;
}

}  // namespace tessra
