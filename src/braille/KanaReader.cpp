#include "braille/KanaReader.h"

#include "braille/KanaTables.h"

#include <algorithm>
#include <array>
#include <span>

namespace tessra {
namespace {

using namespace kana;

constexpr std::string_view kBlank = " ";

using TextByCell = std::array<std::string_view, 256>;

constexpr TextByCell IndexByCell(std::span<const CellText> rows)
{
    TextByCell table{};
    for (const CellText& row : rows) table[static_cast<unsigned char>(row.cell)] = row.text;
    return table;
}

constexpr TextByCell kKana = IndexByCell(kSingleCellRows);

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
    if (p != kExclamationOrWe) return;
    if (c == ' ') {
        Redraw(out, kExclamation);
        DrawBraille(out, kBlank);
    } else {
        Redraw(out, kWe);
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
    const bool continues = rawDigits_ ? IsLowerDigit(c) || c == kDigitComma : ContinuesNumber(c);
    if (!continues) {
        LeaveNumberMode();
        return;
    }
    if (p != kDigitComma) return;
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
    } else if (c != kDigitComma) {
        if (!rawDigits_ && c == kDecimalPoint) {
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
    if (IsLetterCell(c)) {
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
    if (p == kForeignLetterSign) {
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
    case kNumeralSign:
        DrawBraille(out, CellItself(c));
        numberMode_ = true;
        numberStart_ = true;
        rawDigits_ = false;
        return;
    case kParenthesis:
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
