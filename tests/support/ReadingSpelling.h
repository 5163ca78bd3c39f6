#pragma once

// What the kana reading shows for a text line that the composer accepted, worked out from the
// text alone, without cells: the oracle of the round-trip tests and the composer's fuzz target.

#include "format/Utf8Text.h"

#include <string>
#include <string_view>

namespace tessra::test {

// The reading of one accepted text line, trailing blanks removed as the reading removes them.
class ReadingSpeller {
public:
    static std::string Spell(std::string_view line)
    {
        ReadingSpeller speller(DecodeUtf8(line));
        while (speller.i_ < speller.text_.size()) speller.SpellNext();
        speller.out_.erase(speller.out_.find_last_not_of(U' ') + 1);
        return EncodeUtf8(speller.out_);
    }

private:
    explicit ReadingSpeller(std::u32string text) : text_(std::move(text)) {}

    enum class Run { None, Number, Letters };
    static constexpr std::u32string_view kVoiceable = U"かきくけこさしすせそたちつてとはひふへほ";
    static constexpr std::u32string_view kSemiVoiceable = U"はひふへほ";
    static constexpr std::u32string_view kSmall = U"ぁぃぅぇぉゃゅょ";
    static constexpr std::u32string_view kNumberLike = U"あいうえおらりるれろわっー";

    static bool In(std::u32string_view set, char32_t c) { return set.find(c) != set.npos; }
    static char32_t Hiragana(char32_t c) { return c >= U'ァ' && c <= U'ヶ' ? c - 0x60 : c; }
    static char32_t Narrow(char32_t c) { return c >= U'！' && c <= U'～' ? c - 0xFEE0 : c; }
    static bool IsDigit(char32_t c) { return Narrow(c) >= U'0' && Narrow(c) <= U'9'; }
    static bool IsUpper(char32_t c) { return Narrow(c) >= U'A' && Narrow(c) <= U'Z'; }
    static bool IsLetter(char32_t c) { return IsUpper(c) || (Narrow(c) >= U'a' && Narrow(c) <= U'z'); }
    static char32_t Wide(char32_t c) { return Narrow(c) + 0xFEE0; }
    static bool IsBlank(char32_t c) { return c == U' ' || c == U'　'; }
    static bool IsSeparator(char32_t c) { return Narrow(c) == U',' || Narrow(c) == U'.'; }
    char32_t At(std::size_t i) const { return i < text_.size() ? text_[i] : 0; }

    void SpellNext()
    {
        const char32_t c = text_[i_];
        if (IsBlank(c)) {
            out_ += U' ';
            run_ = Run::None;
            ++i_;
        } else if (IsDigit(c)) {
            SpellNumber();
        } else if (IsLetter(c)) {
            SpellLetters();
        } else if (In(U"。、？！・?!（）()", c)) {
            if (run_ == Run::Letters) out_ += U' ';
            out_ += In(U"。、・", c) ? c : c == U'(' ? U'（' : c == U')' ? U'）' : Wide(c);
            ++i_;
            if (In(U"。、？！・?!", c) && At(i_) && !IsBlank(At(i_))) out_ += U' ';
            run_ = Run::None;
        } else {
            SpellSound();
        }
    }

    void SpellNumber()
    {
        out_ += U"⠼";
        for (; IsDigit(At(i_)) || (IsSeparator(At(i_)) && IsDigit(At(i_ + 1))); ++i_)
            out_ += IsDigit(text_[i_]) ? Wide(text_[i_]) : Narrow(text_[i_]) == U',' ? U'，' : U'．';
        run_ = Run::Number;
    }

    // Two capital signs hold to the next blank, so small letters after them start a new run.
    void SpellLetters()
    {
        out_ += U"⠰";
        while (IsLetter(At(i_))) {
            std::size_t end = i_;
            while (IsUpper(At(end))) ++end;
            if (end == i_) {
                out_ += Wide(text_[i_++]);
                continue;
            }
            const bool longRun = end - i_ > 1;
            out_ += longRun ? U"⠠⠠" : U"⠠";
            for (; i_ < end; ++i_) out_ += Wide(text_[i_]);
            if (longRun && IsLetter(At(i_))) out_ += U" ⠰";
        }
        run_ = Run::Letters;
    }

    // A kana, its voiced or semi-voiced mark and a small kana that it combines with.
    void SpellSound()
    {
        char32_t base = Hiragana(text_[i_++]);
        char32_t mark = 0;
        if (In(U"゛\u3099", At(i_))) mark = U'゛';
        if (In(U"゜\u309A°", At(i_))) mark = U'°';
        if (mark) ++i_;
        if (base == U'ゔ') base = U'う', mark = U'゛';
        if (In(kVoiceable, base - 1)) base -= 1, mark = U'゛';
        if (In(kSemiVoiceable, base - 2)) base -= 2, mark = U'°';
        const bool contracted = In(kSmall, Hiragana(At(i_)));
        if (run_ == Run::Letters) out_ += U' ';
        if (run_ == Run::Number && !mark && !contracted && In(kNumberLike, base)) out_ += U'_';
        if (contracted && mark && base != U'う') {
            out_ += base + (mark == U'゛' ? 1 : 2);
        } else {
            out_ += base;
            if (mark) out_ += mark;
        }
        if (contracted) out_ += Hiragana(text_[i_++]);
        run_ = Run::None;
    }

    std::u32string text_;
    std::u32string out_;
    std::size_t i_ = 0;
    Run run_ = Run::None;
};

inline std::string ReadingSpelling(std::string_view line)
{
    return ReadingSpeller::Spell(line);
}

}  // namespace tessra::test
