#pragma once

// What the kana reading shows for a text line that the composer accepted, worked out from the
// text alone, without cells: the oracle of the round-trip tests and the composer's fuzz target.

#include <string>
#include <string_view>

namespace tessra::test {

inline std::u32string Utf32(std::string_view utf8)
{
    std::u32string codes;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        codes += code;
        i += length;
    }
    return codes;
}

inline std::string Utf8(std::u32string_view codes)
{
    std::string text;
    for (const char32_t c : codes) {
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else if (c < 0x800) {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            text += static_cast<char>(0xE0 | (c >> 12));
            text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            text += static_cast<char>(0xF0 | (c >> 18));
            text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}

class ReadingSpeller {
public:
    explicit ReadingSpeller(std::string_view line) : text_(Utf32(line)) {}

    std::string Spell() &&
    {
        while (i_ < text_.size()) SpellNext();
        out_.erase(out_.find_last_not_of(U' ') + 1);
        return Utf8(out_);
    }

private:
    enum class Run { None, Number, Letters };
    static constexpr std::u32string_view kVoiceable = U"かきくけこさしすせそたちつてとはひふへほ";
    static constexpr std::u32string_view kSemiVoiceable = U"はひふへほ";
    static constexpr std::u32string_view kSmall = U"ぁぃぅぇぉゃゅょ";
    static constexpr std::u32string_view kNumberLike = U"あいうえおらりるれろわっー";

    static bool In(std::u32string_view set, char32_t c) { return set.find(c) != set.npos; }
    static char32_t Hiragana(char32_t c) { return c >= U'ァ' && c <= U'ヶ' ? c - 0x60 : c; }
    static char32_t Narrow(char32_t c) { return c >= U'！' && c <= U'～' ? c - 0xFEE0 : c; }
    static bool IsDigit(char32_t c) { return Narrow(c) >= U'0' && Narrow(c) <= U'9'; }
    static bool IsLetter(char32_t c) { return IsUpper(c) || (Narrow(c) >= U'a' && Narrow(c) <= U'z'); }
    static bool IsUpper(char32_t c) { return Narrow(c) >= U'A' && Narrow(c) <= U'Z'; }
    static char32_t Wide(char32_t c) { return Narrow(c) + 0xFEE0; }
    static bool IsBlank(char32_t c) { return c == U' ' || c == U'　'; }
    static bool IsSeparator(char32_t c) { return Narrow(c) == U',' || Narrow(c) == U'.'; }
    bool DigitAt(std::size_t i) const { return i < text_.size() && IsDigit(text_[i]); }

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
            if (In(U"。、？！・?!", c) && i_ < text_.size() && !IsBlank(text_[i_])) out_ += U' ';
            run_ = Run::None;
        } else {
            SpellSound();
        }
    }

    void SpellNumber()
    {
        out_ += U"⠼";
        for (; DigitAt(i_) || (IsSeparator(text_[i_]) && DigitAt(i_ + 1)); ++i_)
            out_ += IsDigit(text_[i_]) ? Wide(text_[i_]) : Narrow(text_[i_]) == U',' ? U'，' : U'．';
        run_ = Run::Number;
    }

    // Two capital signs hold to the next blank, so small letters after them start a new run.
    void SpellLetters()
    {
        out_ += U"⠰";
        while (i_ < text_.size() && IsLetter(text_[i_])) {
            std::size_t end = i_;
            while (end < text_.size() && IsUpper(text_[end])) ++end;
            if (end == i_) {
                out_ += Wide(text_[i_++]);
                continue;
            }
            const bool longRun = end - i_ > 1;
            out_ += longRun ? U"⠠⠠" : U"⠠";
            for (; i_ < end; ++i_) out_ += Wide(text_[i_]);
            if (longRun && i_ < text_.size() && IsLetter(text_[i_])) out_ += U" ⠰";
        }
        run_ = Run::Letters;
    }

    // A kana, its voiced or semi-voiced mark and a small kana that it combines with.
    void SpellSound()
    {
        char32_t base = Hiragana(text_[i_++]);
        char32_t mark = 0;
        if (In(U"゛\u3099", Next())) mark = U'゛';
        if (In(U"゜\u309A°", Next())) mark = U'°';
        if (mark) ++i_;
        if (base == U'ゔ') base = U'う', mark = U'゛';
        if (In(kVoiceable, base - 1)) base -= 1, mark = U'゛';
        if (In(kSemiVoiceable, base - 2)) base -= 2, mark = U'°';
        const bool contracted = In(kSmall, Hiragana(Next()));
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

    char32_t Next() const { return i_ < text_.size() ? text_[i_] : 0; }

    std::u32string text_;
    std::u32string out_;
    std::size_t i_ = 0;
    Run run_ = Run::None;
};

// The reading of one accepted text line, trailing blanks removed as the reading removes them.
inline std::string ReadingSpelling(std::string_view line)
{
    return ReadingSpeller(line).Spell();
}

}  // namespace tessra::test
