#include "braille/KanaComposer.h"

#include "braille/BrailleUnicode.h"
#include "braille/KanaTables.h"
#include "format/Utf8Text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <optional>

namespace tessra {
namespace {

using namespace kana;

constexpr char32_t kInvalidByte = 0x110000;

constexpr std::u32string_view kSmallKana = U"ぁぃぅぇぉゃゅょゎゕゖ";
constexpr std::u32string_view kPunctuation = U"。、？！・";

// One character as the composer matches it: katakana as hiragana, a voiced kana as its base and
// mark. A character may give two units; both keep its column.
struct Unit {
    char32_t code;
    int column;
};

// Bytes that are not UTF-8 become codes beyond Unicode, which nothing matches.
char32_t CodeOf(const Utf8Char& c)
{
    return c.valid ? c.code : kInvalidByte + c.code;
}

// How a refusal names the character: itself, or its code when it cannot be seen.
std::string Shown(std::string_view text, const Utf8Char& c)
{
    std::array<char, 16> code{};
    if (!c.valid) {
        std::snprintf(code.data(), code.size(), "0x%02X", unsigned(c.code));
    } else if (c.code < 0x20 || (c.code >= 0x7F && c.code < 0xA0)) {
        std::snprintf(code.data(), code.size(), "U+%04X", unsigned(c.code));
    } else {
        return std::string(text);
    }
    return code.data();
}

// Appends the units of one character.
void AppendUnits(char32_t c, std::u32string& units)
{
    if (c >= U'ァ' && c <= U'ヶ') c -= U'ァ' - U'ぁ';
    if (c == U'\u3099' || c == U'\u309B') c = kVoicedMark;
    if (c == U'\u309A' || c == U'\u309C') c = kSemiVoicedMark;
    if (const auto voiced = kVoicedKana.find(c); voiced != std::u32string_view::npos) {
        units += kVoicedBase[voiced];
        units += kVoicedMark;
    } else if (const auto semi = kSemiVoicedKana.find(c); semi != std::u32string_view::npos) {
        units += kSemiVoicedBase[semi];
        units += kSemiVoicedMark;
    } else {
        units += c;
    }
}

// A reading from the tables in the units the composer matches.
std::u32string Canonical(std::string_view utf8)
{
    std::u32string units;
    for (const char32_t c : DecodeUtf8(utf8)) AppendUnits(c, units);
    return units;
}

bool IsKanaUnit(char32_t c)
{
    return (c >= U'ぁ' && c <= U'ゖ') || c == U'ー' || c == kVoicedMark || c == kSemiVoicedMark;
}

// Every kana reading of the reader's tables and the cells that read as it. ゑ is read by a rule
// of its own: 6 before anything but a blank.
struct KanaTable {
    std::map<std::u32string, std::string> cells;
    std::size_t longest = 0;
};

const KanaTable& Kana()
{
    static const KanaTable table = [] {
        KanaTable t;
        const auto add = [&t](const std::string& reading, std::string cells) {
            const std::u32string key = Canonical(reading);
            if (!std::ranges::all_of(key, IsKanaUnit)) return;
            t.cells.try_emplace(key, std::move(cells));
            t.longest = std::max(t.longest, key.size());
        };
        for (const CellText& row : kSingleCellRows) add(std::string(row.text), {row.cell});
        for (const TwoCellSign& sign : kTwoCellSigns) {
            for (const SignRow& row : sign.rows)
                add(std::string(row.previous) + std::string(row.current), {sign.prefix, row.cell});
        }
        add(std::string(kWe), {kExclamationOrWe});
        return t;
    }();
    return table;
}

// The braille pattern without dots is the blank cell, so it ends runs as a blank does.
bool IsBlank(char32_t c) { return c == U' ' || c == U'\u3000' || c == U'\u2800'; }

std::optional<int> DigitValue(char32_t c)
{
    if (c >= U'0' && c <= U'9') return int(c - U'0');
    if (c >= U'０' && c <= U'９') return int(c - U'０');
    return std::nullopt;
}

// The reader reads A … J as 1 … 9, 0.
char DigitCell(int digit)
{
    return static_cast<char>(kFirstDigitCell + (digit + 9) % 10);
}

std::optional<char> SeparatorCell(char32_t c)
{
    if (c == U',' || c == U'，') return kDigitComma;
    if (c == U'.' || c == U'．') return kDecimalPoint;
    return std::nullopt;
}

struct Letter {
    char cell;
    bool capital;
};

std::optional<Letter> LetterOf(char32_t c)
{
    for (const char32_t a : {U'A', U'Ａ'})
        if (c >= a && c < a + 26) return Letter{static_cast<char>('A' + (c - a)), true};
    for (const char32_t a : {U'a', U'ａ'})
        if (c >= a && c < a + 26) return Letter{static_cast<char>('A' + (c - a)), false};
    return std::nullopt;
}

// The punctuation cell: the sign opener that reads as this mark at a line's end. ASCII ? and !
// stand for their full-width forms, as ASCII digits and letters do.
std::optional<char> PunctuationCell(char32_t c)
{
    if (c == U'?' || c == U'!') c += U'？' - U'?';
    if (kPunctuation.find(c) == std::u32string_view::npos) return std::nullopt;
    for (const CellText& row : kSignOpenerRows)
        if (Canonical(row.text) == std::u32string(1, c)) return row.cell;
    return std::nullopt;
}

// true for an opening parenthesis, false for a closing one.
std::optional<bool> ParenthesisOpens(char32_t c)
{
    if (c == U'(' || c == U'（') return true;
    if (c == U')' || c == U'）') return false;
    return std::nullopt;
}

bool IsKanji(char32_t c)
{
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x3FFFF) || c == U'々';
}

std::string_view ReasonFor(char32_t c)
{
    if (c >= kInvalidByte) return "UTF-8 の文字ではありません";
    // Only the editor composes kanji unread: its reading field writes the line once confirmed.
    if (IsKanji(c)) return "漢字の行は、読みを確定すると書かれます";
    if (SeparatorCell(c)) {
        return "「,」「.」は数字と数字の間にだけ書けます。句読点は「、」「。」で書いてください";
    }
    if (kSmallKana.find(c) != std::u32string_view::npos) {
        return "小さいかなは「きゃ」「ふぁ」のように前のかなと組になるものだけ書けます";
    }
    if (c == kVoicedMark || c == kSemiVoicedMark) {
        return "濁点・半濁点は、それがつくかなのすぐ後にだけ書けます";
    }
    return "この文字は点字にできません";
}

constexpr std::string_view kWeBeforeBlank =
    "「ゑ」は空白の前と行の終わりには書けません（「！」と読まれます）";
constexpr std::string_view kClosingFirst = "開きかっこ「（」より先に閉じかっこは書けません";
constexpr std::string_view kOpeningTwice = "前のかっこが閉じていません。先に「）」を書いてください";

// What the last cells written were: a number and a letter run go on until something ends them.
enum class Run { None, Number, Letters };

class LineWriter {
public:
    LineWriter(std::string_view text, bool& parenOpen) : parenOpen_(parenOpen)
    {
        for (std::size_t at = 0; at < text.size();) {
            const Utf8Char c = DecodeUtf8At(text, at);
            shown_.push_back(Shown(text.substr(at, c.length), c));
            std::u32string codes;
            AppendUnits(CodeOf(c), codes);
            const auto column = static_cast<int>(shown_.size());
            for (const char32_t code : codes) units_.push_back({code, column});
            at += c.length;
        }
    }

    ComposedLine Write() &&
    {
        while (at_ < units_.size()) WriteNext();
        return std::move(line_);
    }

private:
    char32_t CodeAt(std::size_t i) const { return units_[i].code; }
    bool BlankOrEndAt(std::size_t i) const { return i >= units_.size() || IsBlank(CodeAt(i)); }

    void WriteNext()
    {
        const char32_t c = CodeAt(at_);
        if (IsBlank(c)) {
            line_.cells += kBlankCell;
            run_ = Run::None;
            ++at_;
        } else if (const auto literal = CellOfPattern(c)) {
            WriteLiteral(*literal);
        } else if (DigitValue(c)) {
            WriteNumber();
        } else if (LetterOf(c)) {
            WriteLetters();
        } else if (const auto cell = PunctuationCell(c)) {
            WritePunctuation(*cell);
        } else if (const auto opens = ParenthesisOpens(c)) {
            WriteParenthesis(*opens);
        } else if (!WriteKana()) {
            Refuse(ReasonFor(c));
            ++at_;
        }
    }

    // Letters would read the next cells as letters, and a number would take in the kana whose
    // first cell can go on with it.
    void Separate(char firstCell)
    {
        if (run_ == Run::Letters) {
            line_.cells += kBlankCell;
        } else if (run_ == Run::Number && ContinuesNumber(firstCell)) {
            line_.cells += kConnectingSign;
        }
        run_ = Run::None;
    }

    // The longest kana reading that starts here.
    bool WriteKana()
    {
        const KanaTable& kana = Kana();
        const std::size_t longest = std::min(kana.longest, units_.size() - at_);
        for (std::size_t length = longest; length > 0; --length) {
            std::u32string key;
            for (std::size_t k = at_; k < at_ + length; ++k) key += CodeAt(k);
            const auto found = kana.cells.find(key);
            if (found == kana.cells.end()) continue;
            if (found->second.front() == kExclamationOrWe && BlankOrEndAt(at_ + length)) {
                Refuse(kWeBeforeBlank);
            } else {
                Separate(found->second.front());
                line_.cells += found->second;
            }
            at_ += length;
            return true;
        }
        return false;
    }

    void WriteNumber()
    {
        line_.cells += kNumeralSign;
        for (;;) {
            line_.cells += DigitCell(*DigitValue(CodeAt(at_++)));
            if (at_ >= units_.size()) break;
            if (DigitValue(CodeAt(at_))) continue;
            const auto separator = SeparatorCell(CodeAt(at_));
            if (!separator || at_ + 1 >= units_.size() || !DigitValue(CodeAt(at_ + 1))) break;
            line_.cells += *separator;
            ++at_;
        }
        run_ = Run::Number;
    }

    // Two capital signs make capitals up to the next blank, so small letters after a capital run
    // start a run of their own.
    void WriteLetters()
    {
        std::vector<Letter> letters;
        for (; at_ < units_.size() && LetterOf(CodeAt(at_)); ++at_)
            letters.push_back(*LetterOf(CodeAt(at_)));
        line_.cells += kForeignLetterSign;
        for (std::size_t i = 0; i < letters.size();) {
            std::size_t end = i;
            while (end < letters.size() && letters[end].capital) ++end;
            if (end == i) {
                line_.cells += letters[i++].cell;
                continue;
            }
            const bool capitalRun = end - i > 1;
            line_.cells.append(capitalRun ? 2 : 1, kCapitalSign);
            for (; i < end; ++i) line_.cells += letters[i].cell;
            if (capitalRun && i < letters.size()) {
                line_.cells += kBlankCell;
                line_.cells += kForeignLetterSign;
            }
        }
        run_ = Run::Letters;
    }

    // A braille pattern is its own cell, exactly: nothing is added before it, and it continues
    // no number or letter run, so what follows is written as after a blank.
    void WriteLiteral(char cell)
    {
        line_.cells += cell;
        run_ = Run::None;
        ++at_;
    }

    void WritePunctuation(char cell)
    {
        Separate(cell);
        line_.cells += cell;
        ++at_;
        if (!BlankOrEndAt(at_)) line_.cells += kBlankCell;
    }

    void WriteParenthesis(bool opens)
    {
        if (opens == parenOpen_) {
            Refuse(opens ? kOpeningTwice : kClosingFirst);
        } else {
            Separate(kParenthesis);
            line_.cells += kParenthesis;
            parenOpen_ = opens;
        }
        ++at_;
    }

    void Refuse(std::string_view reason)
    {
        const int column = units_[at_].column;
        line_.refusals.push_back({column, shown_[column - 1], std::string(reason)});
        run_ = Run::None;
    }

    bool& parenOpen_;
    std::vector<Unit> units_;
    std::vector<std::string> shown_;  // by column
    std::size_t at_ = 0;
    Run run_ = Run::None;
    ComposedLine line_;
};

}  // namespace

void KanaComposer::ResetForLabel()
{
    parenOpen_ = false;
}

ComposedLine KanaComposer::ComposeLine(std::string_view text)
{
    return LineWriter(text, parenOpen_).Write();
}

}  // namespace tessra
