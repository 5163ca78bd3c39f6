#pragma once

// What the kana reading shows for a text line that the composer accepted, worked out from the
// text alone, without cells: the oracle of the round-trip tests and the composer's fuzz target.

#include "text/Utf8Text.h"

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
    static constexpr std::u32string_view kDigitLike = U"あいうえおらりるれろ";
    static constexpr std::u32string_view kPauses = U"。、？！・?!";

    static bool In(std::u32string_view set, char32_t c) { return set.find(c) != set.npos; }
    static char32_t Hiragana(char32_t c) { return c >= U'ァ' && c <= U'ヶ' ? c - 0x60 : c; }
    static char32_t Narrow(char32_t c) { return c >= U'！' && c <= U'～' ? c - 0xFEE0 : c; }
    static bool IsDigit(char32_t c) { return Narrow(c) >= U'0' && Narrow(c) <= U'9'; }
    static bool IsUpper(char32_t c) { return Narrow(c) >= U'A' && Narrow(c) <= U'Z'; }
    static bool IsLetter(char32_t c) { return IsUpper(c) || (Narrow(c) >= U'a' && Narrow(c) <= U'z'); }
    static char32_t Wide(char32_t c) { return Narrow(c) + 0xFEE0; }
    static bool IsBlank(char32_t c) { return c == U' ' || c == U'　'; }
    static bool IsComma(char32_t c) { return Narrow(c) == U','; }
    static bool IsPoint(char32_t c) { return Narrow(c) == U'.'; }
    static bool IsSeparator(char32_t c) { return IsComma(c) || IsPoint(c) || c == U'・'; }
    static bool IsClosing(char32_t c) { return c == U'）' || c == U')'; }
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
        } else if (In(kPauses, c) || IsComma(c) || IsPoint(c)) {
            SpellPause(c);
        } else if (In(U"（）()", c)) {
            out_ += c == U'(' ? U'（' : c == U')' ? U'）' : c;
            ++i_;
            run_ = Run::None;
        } else {
            SpellSound();
        }
    }

    // Blanks after a pause when the line goes on, not before a closing parenthesis or another
    // pause; the text's own count toward them.
    void SpellPause(char32_t c)
    {
        c = Narrow(c);
        out_ += c == U',' ? U'、' : c == U'.' ? U'。' : In(U"。、・", c) ? c : Wide(c);
        ++i_;
        run_ = Run::None;
        std::size_t blanks = 0;
        while (IsBlank(At(i_ + blanks))) ++blanks;
        const char32_t next = At(i_ + blanks);
        if (!next || IsClosing(next) || In(kPauses, next) || IsComma(next) || IsPoint(next)) return;
        const std::size_t wanted = In(U"、・,", c) ? 1 : In(U"?!", c) && blanks == 0 ? 1 : 2;
        for (std::size_t k = blanks; k < wanted; ++k) out_ += U' ';
    }

    // A comma is the 位取り点 before exactly three digits; one point is the 小数点, two or more
    // and ・ start numbers of their own.
    void SpellNumber()
    {
        std::size_t end = i_;
        int points = 0;
        for (;;) {
            while (IsDigit(At(end))) ++end;
            if (!IsSeparator(At(end)) || !IsDigit(At(end + 1))) break;
            if (IsComma(At(end))) {
                std::size_t digits = 0;
                while (IsDigit(At(end + 1 + digits))) ++digits;
                if (digits != 3) break;
            }
            points += IsPoint(At(end)) ? 1 : 0;
            ++end;
        }
        const bool apart = points >= 2 || std::u32string_view(text_).substr(i_, end - i_).find(U'・') != std::u32string_view::npos;
        out_ += U"⠼";
        for (; i_ < end; ++i_) {
            const char32_t c = text_[i_];
            out_ += IsDigit(c) ? std::u32string(1, Wide(c))
                    : IsComma(c) ? std::u32string(U"，")
                    : apart ? std::u32string(U"⠼") : std::u32string(U"．");
        }
        run_ = Run::Number;
    }

    // Capitals per run: two capital signs before two or more capitals, one before each capital
    // of a mixed run.
    void SpellLetters()
    {
        std::size_t end = i_;
        bool capitals = true;
        for (; IsLetter(At(end)); ++end) capitals = capitals && IsUpper(At(end));
        capitals = capitals && end - i_ >= 2;
        out_ += capitals ? U"⠰⠠⠠" : U"⠰";
        for (; i_ < end; ++i_) {
            if (!capitals && IsUpper(text_[i_])) out_ += U'⠠';
            out_ += Wide(text_[i_]);
        }
        run_ = Run::Letters;
    }

    // Whether the kana from i on are three that each read as a digit.
    bool ThreeDigitLike(std::size_t i) const
    {
        for (int k = 0; k < 3; ++k, ++i) {
            const char32_t next = At(i + 1);
            if (!In(kDigitLike, Hiragana(At(i))) || In(U"゛\u3099゜\u309A°", next) || In(kSmall, Hiragana(next)))
                return false;
        }
        return true;
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
        const bool digitLike = In(kDigitLike, base) || (base == U'わ' && ThreeDigitLike(i_));
        if (run_ == Run::Letters || (run_ == Run::Number && !mark && !contracted && digitLike)) out_ += U'_';
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

// Whether today's reader reads the composed line by the rules the spelling above knows. Cells
// the reader reads by rules of its own, which its tests cover, are left out: a pause right before
// another or before a closing parenthesis (！ there is ゑ's cell, ⠂ and ⠲ are also other
// signs), and っ, ー or わ right after a number (⠂ and ⠄ are also the decimal point and the
// 位取り点).
inline bool ReadsBySpelling(std::string_view line)
{
    const auto in = [](std::u32string_view set, char32_t c) { return set.find(c) != set.npos; };
    const std::u32string text = DecodeUtf8(line);
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char32_t last = text[i - 1];
        if (in(U"。、？！・?!,.，．", last) && in(U"。、？！・?!,.，．）)", text[i])) return false;
        if (in(U"0123456789０１２３４５６７８９", last) && in(U"っッーわワｯｰﾜ", text[i])) return false;
        // か, や and ？ between two numbers have the cells of ×, ÷ and +.
        const std::u32string_view digits = U"0123456789０１２３４５６７８９";
        if (i >= 2 && in(digits, text[i - 2]) && in(U"かカｶやヤﾔ？?", last) && in(digits, text[i])) return false;
        // Two long-vowel marks have the cells of the 棒線 ―, two を of ※, three っ of the 点線 ….
        if (in(U"ーｰ", last) && in(U"ーｰ", text[i])) return false;
        if (in(U"をヲｦ", last) && in(U"をヲｦ", text[i])) return false;
        if (i >= 2 && in(U"っッｯ", text[i - 2]) && in(U"っッｯ", last) && in(U"っッｯ", text[i])) return false;
        // を before a number where a word starts has the minus's cells: braille cannot tell them.
        const bool wordStart = i < 2 || in(U" 　（(「。、？！・?!", text[i - 2]);
        if (in(U"をヲｦ", last) && wordStart && in(U"0123456789０１２３４５６７８９", text[i])) return false;
    }
    return true;
}

}  // namespace tessra::test
