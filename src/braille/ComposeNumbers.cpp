#include "braille/LineWriter.h"

#include "text/Utf8Text.h"

// Numbers: the numeral sign once, the digits as the letters a … j, the 位取り点 and 小数点
// inside; the signs that stand between two numbers; a minus, a shortened year's apostrophe and
// a currency before one.

namespace tessra {

using signs::Composing;

// A digit at `at_` (after the year's apostrophe of yearSign characters, if any).
void LineWriter::WriteNumber(std::size_t yearSign)
{
    const signs::ComposerTables& t = Composing();
    Join(Next::Number);
    Put(t.numeral);
    if (yearSign > 0) {
        Put(t.shortenedYear.Find(Rest(at_))->cells);
        at_ += yearSign;
    }
    // How far the number goes, and whether its points join numbers of their own.
    std::size_t end = at_;
    int points = 0;
    bool apart = false;
    for (;;) {
        while (IsDigitAt(end)) ++end;
        std::size_t length = 0;
        bool point = false;
        bool dot = false;
        if (const auto comma = t.digitComma.Find(Rest(end))) {
            std::size_t digits = 0;
            while (IsDigitAt(end + comma->length + digits)) ++digits;
            if (digits == 3) length = comma->length;
        } else if (const auto decimal = t.decimalPoint.Find(Rest(end))) {
            length = decimal->length;
            point = true;
        } else if (const auto middle = t.numbersApart.Find(Rest(end))) {
            length = middle->length;
            dot = true;
        }
        if (length == 0 || !IsDigitAt(end + length)) break;
        points += point ? 1 : 0;
        apart = apart || dot;
        end += length;
    }
    apart = apart || points >= 2;
    while (at_ < end) {
        if (IsDigitAt(at_)) {
            Put(DigitCell(at_));
            ++at_;
        } else if (const auto comma = t.digitComma.Find(Rest(at_))) {
            Put(comma->cells);
            at_ += comma->length;
        } else {
            const auto point = t.decimalPoint.Find(Rest(at_));
            const auto& sign = point ? point : t.numbersApart.Find(Rest(at_));
            Put(apart ? std::string_view(t.numeral) : sign->cells);
            at_ += sign->length;
        }
    }
    last_ = Last::Number;
}

// The signs that only numbers decide: a year's apostrophe or a minus before a number, a sign
// between two numbers, a currency before one.
bool LineWriter::WriteNumberOrSign()
{
    const signs::ComposerTables& t = Composing();
    const std::u32string_view rest = Rest(at_);
    const bool starts = last_ == Last::Start || last_ == Last::Blank || last_ == Last::Opening;
    if (const auto year = t.shortenedYear.Find(rest);
        year && IsDigitAt(at_ + year->length) && last_ != Last::Letters && last_ != Last::LettersDot) {
        WriteNumber(year->length);
    } else if (const auto minus = t.minus.Find(rest); minus && starts && IsDigitAt(at_ + minus->length)) {
        Put(minus->cells);
        at_ += minus->length;
        last_ = Last::Sign;
        WriteNumber(0);
    } else if (const auto between = t.betweenNumbers.Find(rest);
               between && last_ == Last::Number && IsDigitAt(at_ + between->length)) {
        // In a formula a hyphen or minus between numbers is the minus.
        const auto minusHere = t.minus.Find(rest);
        Put(formula_ && minusHere && minusHere->length == between->length ? minusHere->cells : between->cells);
        at_ += between->length;
        last_ = Last::Sign;
    } else if (const auto currency = t.currencies.Find(rest)) {
        if (!IsDigitAt(at_ + currency->length)) {
            Refuse(
                "通貨の記号は、すぐ後に数字があるときだけ書けます（金額のあとに読みで書かれます）");
            at_ += currency->length;
            return true;
        }
        // Written by its reading after the number, as the conventions write currency signs.
        at_ += currency->length;
        WriteNumber(0);
        WriteKanaReading(DecodeUtf8(currency->row->reading));
    } else {
        return false;
    }
    return true;
}

}  // namespace tessra
