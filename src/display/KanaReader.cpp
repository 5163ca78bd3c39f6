#include "display/KanaReader.h"

#include <algorithm>
#include <array>
#include <span>

namespace tessra {
namespace {

constexpr std::string_view kBlank = " ";

struct CellText {
    char cell;
    std::string_view text;
};

using TextByCell = std::array<std::string_view, 256>;

constexpr TextByCell IndexByCell(std::span<const CellText> rows)
{
    TextByCell table{};
    for (const CellText& row : rows) table[static_cast<unsigned char>(row.cell)] = row.text;
    return table;
}

constexpr CellText kSingleCellRows[] = {
    {'A', "あ"}, {'B', "い"}, {'C', "う"}, {'F', "え"}, {'I', "お"},
    {'*', "か"}, {'<', "き"}, {'%', "く"}, {'$', "け"}, {'[', "こ"},
    {':', "さ"}, {'\\', "し"}, {'?', "す"}, {']', "せ"}, {'W', "そ"},
    {'O', "た"}, {'R', "ち"}, {'N', "つ"}, {'Q', "て"}, {'T', "と"},
    {'K', "な"}, {'L', "に"}, {'M', "ぬ"}, {'P', "ね"}, {'S', "の"},
    {'U', "は"}, {'V', "ひ"}, {'X', "ふ"}, {'&', "へ"}, {'!', "ほ"},
    {'Z', "ま"}, {'(', "み"}, {'Y', "む"}, {'=', "め"}, {')', "も"},
    {'/', "や"}, {'+', "ゆ"}, {'>', "よ"},
    {'E', "ら"}, {'H', "り"}, {'D', "る"}, {'G', "れ"}, {'J', "ろ"},
    {'\'', "わ"}, {'2', "ゐ"}, {'9', "を"}, {'0', "ん"}, {'1', "っ"}, {'3', "ー"}, {'-', "_"},
};
constexpr TextByCell kKana = IndexByCell(kSingleCellRows);

// Cells that may open a two-cell sign read as nothing until the next cell decides, except at the
// end of a line, where nothing follows; those without an entry read as nothing there too.
constexpr CellText kSignOpenerRows[] = {
    {'4', "。"}, {'5', "？"}, {'6', "！"}, {';', "、"}, {'"', "・"}, {'.', "．"},
    {',', ""}, {'@', ""}, {'^', ""}, {'_', ""},
};
constexpr TextByCell kLineEndPunctuation = IndexByCell(kSignOpenerRows);

constexpr bool OpensSign(char c)
{
    return std::ranges::any_of(kSignOpenerRows, [c](const CellText& row) { return row.cell == c; });
}

constexpr CellText kLetterSymbolRows[] = {
    {'-', "-"}, {'[', "＠"}, {'4', "．"}, {'/', "/"}, {'@', "´"}, {'\'', "’"},
};
constexpr TextByCell kLetterSymbols = IndexByCell(kLetterSymbolRows);

// Full-width forms are three UTF-8 bytes each.
constexpr std::string_view kDigitsFromA = "１２３４５６７８９０";
constexpr std::string_view kCapitals = "ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ";
constexpr std::string_view kSmallLetters = "ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ";

std::string_view FullWidth(std::string_view forms, char c, char first)
{
    return forms.substr(3 * static_cast<std::size_t>(c - first), 3);
}

// Every byte as a one-character string, for the texts that show a cell as its own glyph.
constexpr std::array<char, 256> kEveryByte = [] {
    std::array<char, 256> bytes{};
    for (int i = 0; i < 256; ++i) bytes[i] = static_cast<char>(i);
    return bytes;
}();

std::string_view CellItself(int cell)
{
    return {&kEveryByte[static_cast<unsigned char>(cell)], 1};
}

bool IsUpperDigit(char c) { return c >= 'A' && c <= 'J'; }
bool IsLowerDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }

void Draw(KanaReading& out, std::string_view kana)
{
    out.cellOut = kana;
    out.cellOutBraille = false;
}

void DrawBraille(KanaReading& out, std::string_view cells)
{
    out.cellOut = cells;
    out.cellOutBraille = true;
}

void Redraw(KanaReading& out, std::string_view kana)
{
    out.prevCellOut = kana;
    out.prevCellOutBraille = false;
}

void RedrawBraille(KanaReading& out, std::string_view cells)
{
    out.prevCellOut = cells;
    out.prevCellOutBraille = true;
}

// A row of a two-cell sign: what the prefix cell and the current cell read.
struct SignRow {
    char cell;
    std::string_view previous;
    std::string_view current;
};

constexpr SignRow kContractedRows[] = {
    {'*', "き", "ゃ"}, {'%', "き", "ゅ"}, {'$', "き", "ぇ"}, {'[', "き", "ょ"},
    {':', "し", "ゃ"}, {'?', "し", "ゅ"}, {']', "し", "ぇ"}, {'W', "し", "ょ"},
    {'O', "ち", "ゃ"}, {'N', "ち", "ゅ"}, {'Q', "ち", "ぇ"}, {'T', "ち", "ょ"},
    {'K', "に", "ゃ"}, {'M', "に", "ゅ"}, {'P', "に", "ぇ"}, {'S', "に", "ょ"},
    {'U', "ひ", "ゃ"}, {'X', "ひ", "ゅ"}, {'&', "ひ", "ぇ"}, {'!', "ひ", "ょ"},
    {'Z', "み", "ゃ"}, {'Y', "み", "ゅ"}, {')', "み", "ょ"}, {'F', "い", "ぇ"},
    {'E', "り", "ゃ"}, {'D', "り", "ゅ"}, {'J', "り", "ょ"}, {'\\', "す", "ぃ"},
    {'R', "て", "ぃ"},
};

constexpr SignRow kVoicedRows[] = {
    {'C', "う", "゛"}, {'*', "か", "゛"}, {'<', "き", "゛"}, {'%', "く", "゛"},
    {'$', "け", "゛"}, {'[', "こ", "゛"}, {':', "さ", "゛"}, {'\\', "し", "゛"},
    {'?', "す", "゛"}, {']', "せ", "゛"}, {'W', "そ", "゛"}, {'O', "た", "゛"},
    {'R', "ち", "゛"}, {'N', "つ", "゛"}, {'Q', "て", "゛"}, {'T', "と", "゛"},
    {'U', "は", "゛"}, {'V', "ひ", "゛"}, {'X', "ふ", "゛"}, {'&', "へ", "゛"},
    {'!', "ほ", "゛"},
    {'Z', " ○", ""}, {'(', " △", ""}, {'Y', " □", ""}, {'=', " ×", ""}, {')', " ？", ""},
};

constexpr SignRow kSemiVoicedRows[] = {
    {'U', "は", "°"}, {'V', "ひ", "°"}, {'X', "ふ", "°"}, {'&', "へ", "°"}, {'!', "ほ", "°"},
};

constexpr SignRow kContractedVoicedRows[] = {
    {'*', "ぎ", "ゃ"}, {'%', "ぎ", "ゅ"}, {'[', "ぎ", "ょ"},
    {':', "じ", "ゃ"}, {'?', "じ", "ゅ"}, {']', "じ", "ぇ"}, {'W', "じ", "ょ"},
    {'\\', "ず", "ぃ"}, {'O', "ぢ", "ゃ"}, {'N', "ぢ", "ゅ"}, {'T', "ぢ", "ょ"},
    {'R', "で", "ぃ"}, {'U', "び", "ゃ"}, {'X', "び", "ゅ"}, {'!', "び", "ょ"},
};

constexpr SignRow kSpecialContractedVoicedRows[] = {
    {'N', "で", "ゅ"}, {'+', "う゛", "ゅ"}, {'>', "う゛", "ょ"},
};

constexpr SignRow kContractedSemiVoicedRows[] = {
    {'U', "ぴ", "ゃ"}, {'X', "ぴ", "ゅ"}, {'!', "ぴ", "ょ"},
    {'N', "て", "ゅ"}, {'+', "ふ", "ゅ"}, {'>', "ふ", "ょ"},
};

constexpr SignRow kSpecialRows[] = {
    {'B', "う", "ぃ"}, {'F', "う", "ぇ"}, {'I', "う", "ぉ"},
    {'*', "く", "ぁ"}, {'<', "く", "ぃ"}, {'$', "く", "ぇ"}, {'[', "く", "ぉ"},
    {'O', "つ", "ぁ"}, {'R', "つ", "ぃ"}, {'Q', "つ", "ぇ"}, {'T', "つ", "ぉ"},
    {'N', "と", "ぅ"},
    {'U', "ふ", "ぁ"}, {'V', "ふ", "ぃ"}, {'&', "ふ", "ぇ"}, {'!', "ふ", "ぉ"},
};

constexpr SignRow kSpecialVoicedRows[] = {
    {'*', "ぐ", "ぁ"}, {'<', "ぐ", "ぃ"}, {'$', "ぐ", "ぇ"}, {'[', "ぐ", "ぉ"},
    {'N', "ど", "ぅ"},
    {'U', "う゛", "ぁ"}, {'V', "う゛", "ぃ"}, {'&', "う゛", "ぇ"}, {'!', "う゛", "ぉ"},
};

constexpr SignRow kForeignSignRows[] = {
    {'&', " ＆", ""}, {'%', " ＃", ""}, {'*', " ＊", ""},
};

struct TwoCellSign {
    char prefix;
    std::span<const SignRow> rows;
    std::string_view beforeBlank;  // the prefix's reading when a blank follows; empty: no rule
};

// A '.' followed by a blank reads "．" on the '.' cell, as 5 and 4 put their punctuation on the
// prefix cell, and the blank stays a blank.
constexpr TwoCellSign kTwoCellSigns[] = {
    {'_', kSpecialContractedVoicedRows, ""},
    {'@', kContractedRows, ""},
    {'"', kVoicedRows, "・"},
    {',', kSemiVoicedRows, ""},
    {'^', kContractedVoicedRows, ""},
    {'.', kContractedSemiVoicedRows, "．"},
    {'5', kSpecialRows, "？"},
    {'4', kSpecialVoicedRows, "。"},
    {';', kForeignSignRows, "、"},
};

const TwoCellSign* FindSign(int prefix)
{
    const auto* sign = std::ranges::find(kTwoCellSigns, prefix, &TwoCellSign::prefix);
    return sign == std::end(kTwoCellSigns) ? nullptr : sign;
}

const SignRow* FindRow(std::span<const SignRow> rows, char cell)
{
    const auto row = std::ranges::find(rows, cell, &SignRow::cell);
    return row == rows.end() ? nullptr : &*row;
}

}  // namespace

void KanaReader::ResetForLabel()
{
    numberMode_ = false;
    rawDigits_ = false;
    numberStart_ = false;
    letterMode_ = false;
    quoteMode_ = false;
    capitalCount_ = 0;
    parenOpen_ = false;
}

void KanaReader::ResetForLine()
{
    prevChar_ = kNoCell;
    curChar_ = kNoCell;
}

KanaReading KanaReader::ReadCell(char cellIn, bool lastInLine)
{
    prevChar_ = curChar_;
    curChar_ = static_cast<unsigned char>(cellIn);
    const int p = prevChar_;
    const char c = cellIn;

    KanaReading out;
    ReadAfterExclamation(p, c, out);
    if (numberMode_) {
        CheckNumberContinues(p, c, out);
        if (numberMode_) {
            ReadDigit(c, lastInLine, out);
            return out;
        }
    }
    if (letterMode_ || quoteMode_) {
        ReadLetter(p, c, lastInLine, out);
        return out;
    }
    if (ReadTwoCellSign(p, c, lastInLine, out)) return out;
    if (c == ' ') {
        ReadBlank(out);
        return out;
    }
    ReadSingleCell(c, lastInLine, out);
    return out;
}

// 6 is "！" before a blank and ゑ before anything else; the current cell is read on regardless.
void KanaReader::ReadAfterExclamation(int p, char c, KanaReading& out) const
{
    if (p != '6') return;
    if (c == ' ') {
        Redraw(out, "！");
        DrawBraille(out, kBlank);
    } else {
        Redraw(out, "ゑ");
    }
}

// Ends number mode at a cell that cannot go on with the number. A ' between digits is a comma
// when a digit follows it, else it was わ after the number.
void KanaReader::CheckNumberContinues(int p, char c, KanaReading& out)
{
    if (numberStart_) {
        if (!IsUpperDigit(c) && !IsLowerDigit(c) && c != '\'') LeaveNumberMode();
        return;
    }
    const bool continues = rawDigits_ ? IsLowerDigit(c) || c == '\''
                                      : IsUpperDigit(c) || c == '\'' || c == '1' || c == '3';
    if (!continues) {
        LeaveNumberMode();
        return;
    }
    if (p != '\'') return;
    if (rawDigits_ || !(IsLowerDigit(c) || c == '\'')) {
        Redraw(out, "，");
    } else {
        Redraw(out, "わ");
        LeaveNumberMode();
    }
}

void KanaReader::ReadDigit(char c, bool lastInLine, KanaReading& out)
{
    if (lastInLine) numberMode_ = false;
    if (IsUpperDigit(c)) {
        Draw(out, FullWidth(kDigitsFromA, c, 'A'));
        numberStart_ = false;
    } else if (numberStart_ && IsLowerDigit(c)) {
        rawDigits_ = true;
        DrawBraille(out, CellItself(c));
        numberStart_ = false;
    } else if (c != '\'') {
        if (!rawDigits_ && c == '1') {
            Draw(out, "．");
        } else {
            DrawBraille(out, CellItself(c));
        }
    } else if (numberStart_) {
        Draw(out, "’");
    }
}

void KanaReader::ReadLetter(int p, char c, bool lastInLine, KanaReading& out)
{
    if (lastInLine) letterMode_ = false;
    switch (c) {
    case ' ':
        DrawBraille(out, kBlank);
        letterMode_ = false;
        capitalCount_ = 0;
        return;
    case ',':
        // Only none, one and more than one capital sign differ; saturating keeps it bounded.
        capitalCount_ = std::min(capitalCount_ + 1, 2);
        DrawBraille(out, CellItself(c));
        return;
    case '0':
        DrawBraille(out, CellItself(c));
        quoteMode_ = false;
        return;
    case '#':
        DrawBraille(out, CellItself(c));
        numberMode_ = true;
        letterMode_ = false;
        return;
    case '"':
        return;
    case '1':
        if (p == '"') {
            Redraw(out, " ：");
        } else {
            DrawBraille(out, CellItself(c));
        }
        return;
    case '3':
        Draw(out, "：");
        return;
    default:
        break;
    }
    const bool capital = capitalCount_ > 0;
    if (capitalCount_ == 1) capitalCount_ = 0;
    const std::string_view symbol = kLetterSymbols[static_cast<unsigned char>(c)];
    if (IsLetter(c)) {
        Draw(out, FullWidth(capital ? kCapitals : kSmallLetters, c, 'A'));
    } else if (!symbol.empty()) {
        Draw(out, symbol);
    } else {
        DrawBraille(out, CellItself(c));
    }
}

// Returns false when p opens no sign, or when the sign leaves c to be read on its own.
bool KanaReader::ReadTwoCellSign(int p, char c, bool lastInLine, KanaReading& out)
{
    const TwoCellSign* sign = FindSign(p);
    if (sign == nullptr) return false;
    if (c == ' ' && !sign->beforeBlank.empty()) {
        Redraw(out, sign->beforeBlank);
        DrawBraille(out, kBlank);
        return true;
    }
    if (const SignRow* row = FindRow(sign->rows, c)) {
        Redraw(out, row->previous);
        Draw(out, row->current);
        return true;
    }
    if (p == ';') {
        RedrawBraille(out, CellItself(p));
        letterMode_ = true;
        capitalCount_ = 0;
        ReadLetter(p, c, lastInLine, out);
        return true;
    }
    // A '.' before the line's last cell is the line's "．", and the last cell keeps its own
    // reading rather than turning into a braille glyph that nothing after it can resolve.
    if (p == '.' && lastInLine) {
        Redraw(out, sign->beforeBlank);
        return false;
    }
    RedrawBraille(out, CellItself(p));
    DrawBraille(out, CellItself(c));
    return true;
}

void KanaReader::ReadBlank(KanaReading& out)
{
    DrawBraille(out, kBlank);
    LeaveNumberMode();
    letterMode_ = false;
}

void KanaReader::ReadSingleCell(char c, bool lastInLine, KanaReading& out)
{
    // A closing quotation mark 0 never gets here: quote mode reads every cell in ReadLetter.
    switch (c) {
    case '#':
        DrawBraille(out, CellItself(c));
        numberMode_ = true;
        numberStart_ = true;
        rawDigits_ = false;
        return;
    case '7':
        Draw(out, parenOpen_ ? "）" : "（");
        parenOpen_ = !parenOpen_;
        numberMode_ = false;
        rawDigits_ = false;
        return;
    case '8':
        quoteMode_ = true;
        capitalCount_ = 0;
        DrawBraille(out, CellItself(c));
        return;
    default:
        break;
    }
    const auto index = static_cast<unsigned char>(c);
    if (OpensSign(c)) {
        if (lastInLine) Draw(out, kLineEndPunctuation[index]);
        return;
    }
    if (kKana[index].empty()) {
        DrawBraille(out, CellItself(c));
    } else {
        Draw(out, kKana[index]);
    }
}

void KanaReader::LeaveNumberMode()
{
    numberMode_ = false;
    rawDigits_ = false;
    numberStart_ = false;
}

}  // namespace tessra
