#include "braille/LineWriter.h"

#include <algorithm>

// Emails, URLs and domain names, written in 情報処理用点字 between its opening and closing
// signs: letters without 外字符, lower case unless marked, digits after the numeral sign.

namespace tessra {

using signs::Composing;

namespace {

bool IsUpper(char32_t c) { return c >= U'A' && c <= U'Z'; }
bool IsLower(char32_t c) { return c >= U'a' && c <= U'z'; }
bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

// A lower-case domain name: labels of small letters, digits and hyphens joined by points, the
// last one two or more letters.
bool IsDomainName(std::u32string_view text)
{
    using signs::kDomainHyphen;
    using signs::kDomainPoint;
    const std::size_t lastPoint = text.rfind(kDomainPoint);
    if (lastPoint == std::u32string_view::npos || !(IsLower(text.front()) || IsDigit(text.front())))
        return false;
    const std::u32string_view top = text.substr(lastPoint + 1);
    const std::u32string points{kDomainPoint, kDomainPoint};
    return top.size() >= 2 && std::ranges::all_of(top, IsLower) &&
           std::ranges::all_of(text, [](char32_t c) {
               return IsLower(c) || IsDigit(c) || c == kDomainHyphen || c == kDomainPoint;
           }) &&
           text.find(points) == std::u32string_view::npos;
}

}  // namespace

// Where the email, URL or domain name that starts here ends, or `at_` when none does. It runs
// to the next blank, kana or other character it cannot hold, less the sentence's signs at its
// end.
std::size_t LineWriter::ComputerTextEnd() const
{
    const signs::ComposerTables& t = Composing();
    if (!(IsLetterAt(at_) || IsDigitAt(at_)) || IsLetterAt(at_ - 1) || IsDigitAt(at_ - 1)) return at_;
    std::size_t end = at_;
    while (IsLetterAt(end) || IsDigitAt(end) || t.inComputerText.Find(Rest(end))) ++end;
    while (end > at_ && signs::StartsWithForm(Rest(end - 1), t.computerTextEnds) == 1) --end;
    const std::u32string_view text = Rest(at_).substr(0, end - at_);
    if (text.empty()) return at_;
    for (const std::u32string& start : t.urlStarts)
        if (text.starts_with(start) && text.size() > start.size()) return end;
    for (const std::u32string& mark : t.emailAt) {
        const std::size_t at = text.find(mark);
        if (at == std::u32string_view::npos || at == 0) continue;
        const bool name = std::ranges::all_of(text.substr(0, at), [&t](char32_t c) {
            return IsLower(c) || IsUpper(c) || IsDigit(c) ||
                   signs::StartsWithForm(std::u32string_view(&c, 1), t.emailNameSigns) > 0;
        });
        if (!name) continue;
        // An email's domain may have capitals.
        std::u32string domain(text.substr(at + mark.size()));
        for (char32_t& c : domain) c = IsUpper(c) ? c + (U'a' - U'A') : c;
        if (IsDomainName(domain)) return end;
    }
    return IsDomainName(text) ? end : at_;
}

// The capital sign before one capital, the double one before a run of them and the foreign-
// letter sign back to small letters after it; the numeral sign before digits, which a point or
// comma does not end, and the foreign-letter sign before a … j after them.
void LineWriter::WriteComputerText(std::size_t end)
{
    const signs::ComposerTables& t = Composing();
    Join(Next::Letters);
    Put(t.computerOpen);
    bool number = false;
    bool capitals = false;
    while (at_ < end) {
        const char32_t c = At(at_);
        if (IsDigit(c)) {
            if (!number) Put(t.numeral);
            number = true;
            Put(DigitCell(at_));
            ++at_;
        } else if (IsUpper(c)) {
            std::size_t run = at_;
            while (IsUpper(At(run))) ++run;
            capitals = run - at_ >= 2;
            Put(capitals ? t.doubleCapital : t.capital);
            for (; at_ < run; ++at_) Put(LetterCell(at_));
            number = false;
        } else if (IsLower(c)) {
            if (capitals || (number && c <= U'j')) Put(t.foreignLetter);
            capitals = false;
            number = false;
            Put(LetterCell(at_));
            ++at_;
        } else {
            const auto sign = t.inComputerText.Find(Rest(at_));
            Put(sign->cells);
            at_ += sign->length;
            number = number && sign->row->role == signs::Role::Joining;
        }
    }
    Put(t.computerClose);
    last_ = Last::Enclosed;
}

}  // namespace tessra
