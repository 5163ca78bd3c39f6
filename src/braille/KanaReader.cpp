#include "braille/KanaReader.h"

#include "braille/BrailleUnicode.h"
#include "braille/KanaTables.h"
#include "braille/Signs.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

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
    {'[', "＠"}, {'4', "．"}, {'/', "/"}, {'@', "´"}, {'\'', "’"},
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

// The reader's index over the table of signs, built once.

// The print form a reading shows: the first of a row's forms.
std::string_view FirstPrint(std::string_view prints)
{
    return prints.substr(0, prints.find(' '));
}

const signs::SignRow* Named(std::span<const signs::SignRow> rows, std::string_view name,
                            signs::Role role)
{
    const auto row = std::ranges::find_if(
        rows, [&](const signs::SignRow& r) { return r.name == name && r.role == role; });
    return row == rows.end() ? nullptr : &*row;
}

// What must hold around a sign of several cells for its cells to read as it.
enum Need : unsigned {
    kAnywhere = 0,
    kWordStart = 1,        // a blank or the line's start before it
    kNumberBefore = 2,     // a number, then blanks, before it (＝ ＜ stand between numbers)
    kNoNumberBefore = 4,
    kSecondOpen = 8,       // a 第2カッコ is open
};

enum class Effect { None, OpensSecond, ClosesSecond, OpensDoubleKagi };

struct LongSign {
    std::string cells;
    std::string_view print;
    unsigned need = kAnywhere;
    Effect effect = Effect::None;
};

struct SignIndex {
    std::vector<LongSign> longSigns;  // longest first
    std::array<std::uint64_t, 256> endingIn{};  // bit i: longSigns[i] ends in this cell
    TextByCell inForeignPhrase{};
    TextByCell inComputerText{};
    std::vector<LongSign> computerPairs;  // two-cell signs of computer text
    std::string_view kagiOpen, kagiClose, doubleKagiClose, wave, hyphen, minus, plus, times,
        divide, percent;
    char doubleKagiCloseCell = 0, waveCell = 0, minusCell = 0, plusCell = 0, timesCell = 0,
         divideCell = 0;
    std::string percentCells;
    std::string closing;  // first cells of closing brackets
    std::string pauses;   // punctuation but ⠐ and ⠰, which open voiced kana and letters
};

char CellOf(const signs::SignRow* row, std::size_t at)
{
    if (row == nullptr) return 0;
    const std::string cells = CellsOfPatterns(row->cells);
    return at < cells.size() ? cells[at] : 0;
}

std::string_view PrintOf(const signs::SignRow* row)
{
    return row == nullptr ? std::string_view() : FirstPrint(row->prints);
}

SignIndex BuildIndex()
{
    using signs::Role;
    SignIndex index;
    const auto add = [&index](const signs::SignRow& row, unsigned need, Effect effect) {
        std::string cells = CellsOfPatterns(row.cells);
        if (cells.size() < 2) return;
        for (const LongSign& sign : index.longSigns)
            if (sign.cells == cells && sign.need == need) return;
        index.longSigns.push_back({std::move(cells), FirstPrint(row.prints), need, effect});
    };
    for (const signs::SignRow& row : signs::kOtherSigns) {
        if (row.name == "波線" || row.name == "パーセント") continue;  // read with ⠤ and with letters
        unsigned need = kAnywhere;
        if (row.name == "矢印" || row.name == "左向き矢印" || row.name == "両向き矢印" ||
            row.name == "大なり")
            need = kWordStart;
        else if (row.name == "棒線") need = kWordStart | kNoNumberBefore;
        else if (row.name == "等号" || row.name == "小なり") need = kWordStart | kNumberBefore;
        else if (row.name == "星印") need = kNoNumberBefore;
        add(row, need, Effect::None);
    }
    for (const signs::SignRow& row : signs::kBetweenNumbers)
        if (row.name != "波線") add(row, kAnywhere, Effect::None);
    if (const auto* row = Named(signs::kEnclosures, "第2カッコ", Role::Opening))
        add(*row, kAnywhere, Effect::OpensSecond);
    if (const auto* row = Named(signs::kEnclosures, "第2カッコ", Role::Closing))
        add(*row, kSecondOpen, Effect::ClosesSecond);
    if (const auto* row = Named(signs::kEnclosures, "二重カギ", Role::Opening))
        add(*row, kAnywhere, Effect::OpensDoubleKagi);
    for (const signs::SignRow& row : signs::kShapes) add(row, kAnywhere, Effect::None);
    // Conditions first among signs of the same cells, and the longest signs before their heads.
    std::ranges::stable_sort(index.longSigns, [](const LongSign& a, const LongSign& b) {
        if (a.cells.size() != b.cells.size()) return a.cells.size() > b.cells.size();
        return a.need > b.need;
    });
    index.longSigns.resize(std::min<std::size_t>(index.longSigns.size(), 64));
    for (std::size_t i = 0; i < index.longSigns.size(); ++i)
        index.endingIn[static_cast<unsigned char>(index.longSigns[i].cells.back())] |= std::uint64_t{1} << i;

    for (const signs::SignRow& row : signs::kInForeignPhrase) {
        const std::string cells = CellsOfPatterns(row.cells);
        if (cells.size() == 1) index.inForeignPhrase[static_cast<unsigned char>(cells[0])] = FirstPrint(row.prints);
    }
    for (const signs::SignRow& row : signs::kInComputerText) {
        std::string cells = CellsOfPatterns(row.cells);
        if (cells.size() == 1) index.inComputerText[static_cast<unsigned char>(cells[0])] = FirstPrint(row.prints);
        else if (cells.size() == 2) index.computerPairs.push_back({std::move(cells), FirstPrint(row.prints)});
    }

    const auto* kagiOpen = Named(signs::kEnclosures, "第1カギ", Role::Opening);
    const auto* kagiClose = Named(signs::kEnclosures, "第1カギ", Role::Closing);
    const auto* doubleClose = Named(signs::kEnclosures, "二重カギ", Role::Closing);
    const auto* wave = Named(signs::kBetweenNumbers, "波線", Role::Joining);
    const auto* hyphen = Named(signs::kBetweenNumbers, "ハイフン", Role::Joining);
    const auto* plus = Named(signs::kBetweenNumbers, "プラス", Role::Joining);
    const auto* times = Named(signs::kBetweenNumbers, "かける", Role::Joining);
    const auto* divide = Named(signs::kBetweenNumbers, "わる", Role::Joining);
    const auto* percent = Named(signs::kOtherSigns, "パーセント", Role::Sign);
    index.kagiOpen = PrintOf(kagiOpen);
    index.kagiClose = PrintOf(kagiClose);
    index.doubleKagiClose = PrintOf(doubleClose);
    index.doubleKagiCloseCell = CellOf(doubleClose, 1);
    index.wave = PrintOf(wave);
    index.waveCell = CellOf(wave, 1);
    index.hyphen = PrintOf(hyphen);
    index.minus = PrintOf(&signs::kMinus);
    index.minusCell = CellOf(&signs::kMinus, 0);
    index.plus = PrintOf(plus);
    index.plusCell = CellOf(plus, 0);
    index.times = PrintOf(times);
    index.timesCell = CellOf(times, 0);
    index.divide = PrintOf(divide);
    index.divideCell = CellOf(divide, 0);
    index.percent = PrintOf(percent);
    if (percent != nullptr) index.percentCells = CellsOfPatterns(percent->cells);
    for (const signs::SignRow& row : signs::kEnclosures)
        if (row.role == Role::Closing) index.closing += CellOf(&row, 0);
    for (const signs::SignRow& row : signs::kPauses)
        if (const char cell = CellOf(&row, 0); cell != kVoicedSign && cell != kForeignLetterSign)
            index.pauses += cell;
    return index;
}

const SignIndex& Signs()
{
    static const SignIndex index = BuildIndex();
    return index;
}

bool Closes(char c)
{
    return c != 0 && Signs().closing.find(c) != std::string::npos;
}

bool ClosesOrPauses(char c)
{
    return Closes(c) || (c != 0 && Signs().pauses.find(c) != std::string::npos);
}

// The kana a つなぎ符 keeps from reading as part of the number before it.
constexpr bool ReadsAsDigit(char c)
{
    return IsUpperDigit(c) || c == kDigitComma || c == kDecimalPoint || c == '3';
}

}  // namespace

void PlaceReading(std::span<CellDrawing> line, std::size_t at, const KanaReading& reading)
{
    if (at >= line.size()) return;
    if (!reading.redrawn.empty()) {
        for (std::size_t back = 1; back <= reading.redrawn.size() && back <= at; ++back)
            line[at - back] = reading.redrawn[back - 1];
    } else if (at > 0 && !reading.prevCellOut.empty()) {
        line[at - 1] = {reading.prevCellOut, reading.prevCellOutBraille};
    }
    line[at] = {reading.cellOut, reading.cellOutBraille};
}

void KanaReader::ResetForLabel()
{
    numberMode_ = false;
    rawDigits_ = false;
    numberStart_ = false;
    commaDigits_ = -1;
    decimalPending_ = false;
    afterNumber_ = false;
    prevAfterNumber_ = false;
    numberWord_ = false;
    letterMode_ = false;
    quoteMode_ = false;
    computerMode_ = false;
    computerNumber_ = false;
    capitalCount_ = 0;
    parenOpen_ = false;
    kagiOpen_ = false;
    doubleKagiOpen_ = false;
    secondOpen_ = false;
}

void KanaReader::ResetForLine()
{
    recent_.fill(kNoCell);
    signAge_ = kRecentCells;
    signLength_ = 0;
    // Nothing redraws a cell of an earlier line: what waits for later cells stays as drawn.
    commaDigits_ = -1;
    decimalPending_ = false;
    afterNumber_ = false;
    signBeforeNumber_ = {};
    dash_ = Dash::None;
}

KanaReading KanaReader::ReadCell(char cellIn, bool lastInLine)
{
    for (int k = kRecentCells - 1; k > 0; --k) recent_[k] = recent_[k - 1];
    recent_[0] = static_cast<unsigned char>(cellIn);
    if (signAge_ < kRecentCells) ++signAge_;
    prevAfterNumber_ = afterNumber_;
    afterNumber_ = false;
    const std::string_view signBeforeNumber = std::exchange(signBeforeNumber_, {});
    const Dash dash = std::exchange(dash_, Dash::None);
    // A cell that ends a sign of several cells opens no other sign.
    const int p = signAge_ == 1 ? kNoCell : recent_[1];
    const char c = cellIn;

    KanaReading out;
    if (computerMode_) {
        ReadComputerText(p, c, out);
        return out;
    }
    if (dash != Dash::None && p != kNoCell) {
        dash_ = dash;
        const bool consumed = ReadDash(p, c, out);
        dash_ = Dash::None;
        if (consumed) return out;
    }
    if (c == kNumeralSign && !signBeforeNumber.empty() && p != kNoCell) Redraw(out, signBeforeNumber);
    // Inside a foreign phrase ⠖ is the phrase's own exclamation mark.
    if (!quoteMode_) ReadAfterExclamation(p, c, out);
    if (numberMode_) {
        CheckNumberContinues(p, c, lastInLine, out);
        if (numberMode_) {
            ReadDigit(c, lastInLine, out);
            return out;
        }
    }
    const SignIndex& index = Signs();
    const bool lettersBefore = letterMode_;
    if (letterMode_ || quoteMode_) {
        ReadLetter(p, c, lastInLine, out);
    } else if (!ReadTwoCellSign(p, c, lastInLine, out)) {
        if (c == ' ') {
            ReadBlank(out);
        } else {
            ReadSingleCell(c, lastInLine, out);
        }
    }
    if (letterMode_ && prevAfterNumber_ && capitalCount_ == 0 && EndsInPercent()) {
        // Right after a number ⠰⠏ is the percent sign, whatever follows; elsewhere it is "p".
        out = KanaReading{};
        Redraw(out, index.percent);
        letterMode_ = false;
        signAge_ = 0;
        signLength_ = 2;
    }
    if (!numberMode_ && !quoteMode_ && !computerMode_ && index.endingIn[recent_[0]] != 0)
        MatchSign(lettersBefore, out);
    if (signAge_ > 0 && !letterMode_ && !quoteMode_) {
        // A minus stands at a word's start (a line's start, after a blank or an opening bracket)
        // or between numbers; elsewhere ⠔ is を.
        const bool minus = c == index.minusCell &&
                           (afterNumber_ || p == kNoCell || p == ' ' || p == kParenthesis || p == kConnectingSign);
        if (minus || (afterNumber_ && (c == index.timesCell || c == index.divideCell)))
            signBeforeNumber_ = minus ? index.minus : c == index.timesCell ? index.times : index.divide;
    }
    return out;
}

// 6 is "！" before a blank or a closing bracket and ゑ before anything else; the
// current cell is read on regardless.
void KanaReader::ReadAfterExclamation(int p, char c, KanaReading& out) const
{
    if (p != kExclamationOrWe) return;
    if (c == ' ') {
        Redraw(out, kExclamation);
        DrawBraille(out, kBlank);
    } else {
        Redraw(out, Closes(c) ? kExclamation : kWe);
    }
}

// The cell after a ⠤: ⠤⠤ is the wave dash and ⠤⠆ closes a 二重カギ; after a number the ⠤ is a
// hyphen before the next number and a つなぎ符 before a kana that reads as a digit; after letters
// it is a hyphen before the next letter run and a つなぎ符 before kana. Returns whether the cell
// was part of the sign.
bool KanaReader::ReadDash(int p, char c, KanaReading& out)
{
    const SignIndex& index = Signs();
    if (p != kConnectingSign) return false;
    const bool bracket = dash_ == Dash::Bracket;
    if (c == index.waveCell || (c == index.doubleKagiCloseCell && doubleKagiOpen_)) {
        const bool wave = c == index.waveCell;
        Redraw(out, wave ? index.wave : index.doubleKagiClose);
        Draw(out, {});
        if (!wave) doubleKagiOpen_ = false;
        if (bracket) kagiOpen_ = !kagiOpen_;
        signAge_ = 0;
        signLength_ = 2;
        LeaveNumberMode();
        return true;
    }
    if (bracket) return false;
    const bool closes = kagiOpen_ && (c == ' ' || ClosesOrPauses(c));
    if (dash_ == Dash::AfterNumber) {
        if (c == kNumeralSign) {
            Redraw(out, index.hyphen);
        } else if (!ReadsAsDigit(c)) {
            Redraw(out, kagiOpen_ ? index.kagiClose : index.hyphen);
            if (kagiOpen_) kagiOpen_ = false;
        }
    } else if (c == kForeignLetterSign) {
        Redraw(out, index.hyphen);
    } else if (closes) {
        Redraw(out, index.kagiClose);
        kagiOpen_ = false;
    }
    return false;
}

// A ⠤ on its own: 「 and 」 in turn, or after a number or letters a sign that the next cell
// decides (ReadDash).
void KanaReader::ReadDashCell(bool lastInLine, KanaReading& out)
{
    const SignIndex& index = Signs();
    const Dash kind = afterNumber_ ? Dash::AfterNumber : letterMode_ ? Dash::AfterLetters : Dash::Bracket;
    letterMode_ = false;
    capitalCount_ = 0;
    if (kind == Dash::Bracket || (lastInLine && kagiOpen_)) {
        kagiOpen_ = !kagiOpen_;
        Draw(out, kagiOpen_ ? index.kagiOpen : index.kagiClose);
    } else if (lastInLine) {
        Draw(out, index.hyphen);
    } else {
        Draw(out, kKana[static_cast<unsigned char>(kConnectingSign)]);
    }
    if (!lastInLine) dash_ = kind;
}

// Ends number mode at a cell that cannot go on with the number. After digits, ⠄ is 位取り点
// only before three digits and ⠂ 小数点 only before a digit; otherwise they are わ and っ and
// the number ended before them.
void KanaReader::CheckNumberContinues(int p, char c, bool lastInLine, KanaReading& out)
{
    if (numberStart_) {
        if (!IsUpperDigit(c) && !IsLowerDigit(c) && c != kDigitComma) LeaveNumberMode();
        return;
    }
    if (rawDigits_) {
        if (!IsLowerDigit(c) && c != kDigitComma) {
            LeaveNumberMode();
        } else if (p == kDigitComma) {
            Redraw(out, "，");
        }
        return;
    }
    if (decimalPending_) {
        decimalPending_ = false;
        if (!IsUpperDigit(c)) {
            Redraw(out, kKana[static_cast<unsigned char>(kDecimalPoint)]);
            LeaveNumberMode();
            return;
        }
    }
    if (commaDigits_ >= 0) {
        const bool digit = IsUpperDigit(c) && !(lastInLine && commaDigits_ < 2);
        if (digit && ++commaDigits_ < 3) return;
        ResolveDigitComma(digit, out);
        if (!digit) LeaveNumberMode();
        return;
    }
    if (!IsUpperDigit(c) && c != kDigitComma && c != kDecimalPoint) {
        LeaveNumberMode();
        afterNumber_ = true;
    }
}

// The ⠄ after a number and the digits read since: the number's comma and digits, or わ and
// the kana those cells are.
void KanaReader::ResolveDigitComma(bool asComma, KanaReading& out)
{
    const int before = std::clamp(asComma ? 2 : commaDigits_, 0, KanaReading::kMostRedrawn - 1);
    commaDigits_ = -1;
    // When the comma stands, the current cell is its third digit and reads on its own.
    for (int k = 0; k < before; ++k) {
        const char cell = static_cast<char>(recent_[1 + k]);
        redrawn_[k] = {asComma ? FullWidth(kDigitsFromA, cell, kFirstDigitCell)
                                  : kKana[static_cast<unsigned char>(cell)]};
    }
    redrawn_[before] = {asComma ? std::string_view("，") : kKana[static_cast<unsigned char>(kDigitComma)]};
    out.redrawn = std::span(redrawn_).first(static_cast<std::size_t>(before) + 1);
}

void KanaReader::ReadDigit(char c, bool lastInLine, KanaReading& out)
{
    if (IsUpperDigit(c)) {
        Draw(out, FullWidth(kDigitsFromA, c, kFirstDigitCell));
        numberStart_ = false;
    } else if (numberStart_ && IsLowerDigit(c)) {
        rawDigits_ = true;
        DrawBraille(out, CellItself(c));
        numberStart_ = false;
    } else if (c == kDigitComma) {
        if (numberStart_) {
            Draw(out, "’");
        } else if (!rawDigits_) {
            if (lastInLine) {
                Draw(out, kKana[static_cast<unsigned char>(c)]);
            } else {
                commaDigits_ = 0;
            }
        }
    } else if (!rawDigits_ && c == kDecimalPoint) {
        if (lastInLine) {
            Draw(out, kKana[static_cast<unsigned char>(c)]);
        } else {
            Draw(out, "．");
            decimalPending_ = true;
        }
    } else {
        DrawBraille(out, CellItself(c));
    }
    if (lastInLine) LeaveNumberMode();
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
    default:
        break;
    }
    if (quoteMode_) {
        const std::string_view sign = Signs().inForeignPhrase[static_cast<unsigned char>(c)];
        if (!sign.empty()) {
            Draw(out, sign);
            return;
        }
    } else if (c == kConnectingSign) {
        ReadDashCell(lastInLine, out);
        return;
    } else if (c == kParenthesis || c == kForeignLetterSign || c == '5' || c == kExclamationOrWe) {
        // Brackets and punctuation end a letter run.
        letterMode_ = false;
        capitalCount_ = 0;
        ReadSingleCell(c, lastInLine, out);
        return;
    }
    switch (c) {
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
    if (p == kCapitalSign && c == '8') {
        computerMode_ = true;
        letterMode_ = false;
        DrawBraille(out, CellItself(c));
        return;
    }
    const bool capital = capitalCount_ > 0;
    if (capitalCount_ == 1) capitalCount_ = 0;
    const std::string_view symbol = kLetterSymbols[static_cast<unsigned char>(c)];
    if (IsLetterCell(c)) {
        Draw(out, FullWidth(capital ? kCapitals : kSmallLetters, c, 'A'));
    } else if (!symbol.empty()) {
        Draw(out, symbol);
        // Capitals are signed for each group of letters between the signs inside a run.
        capitalCount_ = 0;
    } else {
        DrawBraille(out, CellItself(c));
    }
}

// Email addresses, URLs and domain names between ⠠⠦ and ⠠⠴: letters small unless signed
// capital, digits after the numeral sign, and the signs of computer text.
void KanaReader::ReadComputerText(int p, char c, KanaReading& out)
{
    const SignIndex& index = Signs();
    const auto cell = static_cast<unsigned char>(c);
    if (c == ' ') {
        computerMode_ = false;
        computerNumber_ = false;
        capitalCount_ = 0;
        ReadBlank(out);
        return;
    }
    if (p == kCapitalSign && c == '0') {
        computerMode_ = false;
        computerNumber_ = false;
        capitalCount_ = 0;
        DrawBraille(out, CellItself(c));
        return;
    }
    for (const LongSign& pair : index.computerPairs) {
        if (p != static_cast<unsigned char>(pair.cells[0]) || c != pair.cells[1]) continue;
        Redraw(out, pair.print);
        Draw(out, {});
        signAge_ = 0;
        signLength_ = 2;
        computerNumber_ = false;
        return;
    }
    switch (c) {
    case kCapitalSign:
        capitalCount_ = p == kCapitalSign ? 2 : std::max(capitalCount_, 1);
        DrawBraille(out, CellItself(c));
        return;
    case kForeignLetterSign:
        capitalCount_ = 0;
        computerNumber_ = false;
        DrawBraille(out, CellItself(c));
        return;
    case kNumeralSign:
        computerNumber_ = true;
        DrawBraille(out, CellItself(c));
        return;
    default:
        break;
    }
    if (computerNumber_ && IsUpperDigit(c)) {
        Draw(out, FullWidth(kDigitsFromA, c, kFirstDigitCell));
        return;
    }
    if (IsLetterCell(c)) {
        computerNumber_ = false;
        Draw(out, FullWidth(capitalCount_ > 0 ? kCapitals : kSmallLetters, c, 'A'));
        if (capitalCount_ == 1) capitalCount_ = 0;
        return;
    }
    // "." and "," go on with a number.
    if (c != '4' && c != '1') computerNumber_ = false;
    if (!index.inComputerText[cell].empty()) {
        Draw(out, index.inComputerText[cell]);
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
    // Punctuation stands directly before a closing bracket or more punctuation.
    if (!sign->beforeBlank.empty() && ClosesOrPauses(c) && FindLongSign(2, false) < 0) {
        Redraw(out, sign->beforeBlank);
        return false;
    }
    if (p == '5' && (c == kNumeralSign || c == kForeignLetterSign)) {
        Redraw(out, Signs().plus);
        return false;
    }
    if (p == kCapitalSign && c == '8') {
        RedrawBraille(out, CellItself(p));
        DrawBraille(out, CellItself(c));
        computerMode_ = true;
        capitalCount_ = 0;
        computerNumber_ = false;
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
    if (afterNumber_ || numberMode_) {
        numberWord_ = true;
    } else if (recent_[1] != ' ') {
        numberWord_ = false;
    }
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
        Draw(out, signs::ShownPrint(parenOpen_ ? signs::kParenthesisClose : signs::kParenthesisOpen));
        parenOpen_ = !parenOpen_;
        LeaveNumberMode();
        return;
    case kConnectingSign:
        ReadDashCell(lastInLine, out);
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

bool KanaReader::WordStartsAt(int back) const
{
    return back >= kRecentCells || recent_[back] == kNoCell || recent_[back] == ' ';
}

// Whether the previous and the current cell are ⠰⠏, free of other signs.
bool KanaReader::EndsInPercent() const
{
    const std::string& percent = Signs().percentCells;
    return percent.size() == 2 && signAge_ > 1 && recent_[1] == static_cast<unsigned char>(percent[0]) &&
           recent_[0] == static_cast<unsigned char>(percent[1]);
}

// The sign of several cells (of `length` cells, 0: any) that the latest cells complete: its
// place in the index, or -1. Within a letter run only the signs that open with ⠰ count.
int KanaReader::FindLongSign(int length, bool inLetters) const
{
    const SignIndex& index = Signs();
    for (std::uint64_t candidates = index.endingIn[static_cast<unsigned char>(recent_[0])]; candidates != 0;
         candidates &= candidates - 1) {
        const int i = std::countr_zero(candidates);
        const LongSign& sign = index.longSigns[static_cast<std::size_t>(i)];
        const int cells = static_cast<int>(sign.cells.size());
        if (cells >= kRecentCells || (length > 0 && cells != length)) continue;
        if (inLetters && sign.cells[0] != kForeignLetterSign) continue;
        bool same = true;
        for (int k = 0; k < cells && same; ++k)
            same = recent_[cells - 1 - k] == static_cast<unsigned char>(sign.cells[k]);
        if (!same) continue;
        // Its cells must be free, or it must lengthen the sign just read.
        const int start = cells - 1;
        if (start >= signAge_ && start != signAge_ + signLength_ - 1) continue;
        const bool wordStart = WordStartsAt(cells);
        if ((sign.need & kWordStart) && !wordStart) continue;
        if ((sign.need & kNumberBefore) && !(wordStart && numberWord_)) continue;
        if ((sign.need & kNoNumberBefore) && wordStart && numberWord_) continue;
        if ((sign.need & kSecondOpen) && !secondOpen_) continue;
        return i;
    }
    return -1;
}

void KanaReader::MatchSign(bool inLetters, KanaReading& out)
{
    const int found = FindLongSign(0, inLetters);
    if (found < 0) return;
    const LongSign& sign = Signs().longSigns[static_cast<std::size_t>(found)];
    const int cells = static_cast<int>(sign.cells.size());
    out = KanaReading{};
    const auto redrawn = static_cast<std::size_t>(cells - 1);
    redrawn_.fill({});
    redrawn_[redrawn - 1] = {sign.print};
    out.redrawn = std::span(redrawn_).first(redrawn);
    switch (sign.effect) {
    case Effect::OpensSecond:
        secondOpen_ = true;
        break;
    case Effect::ClosesSecond:
        secondOpen_ = false;
        parenOpen_ = !parenOpen_;  // its ⠶ was read as a parenthesis
        break;
    case Effect::OpensDoubleKagi:
        doubleKagiOpen_ = true;
        break;
    case Effect::None:
        break;
    }
    letterMode_ = false;
    capitalCount_ = 0;
    dash_ = Dash::None;
    signAge_ = 0;
    signLength_ = cells;
}

void KanaReader::LeaveNumberMode()
{
    numberMode_ = false;
    rawDigits_ = false;
    numberStart_ = false;
    commaDigits_ = -1;
    decimalPending_ = false;
}

}  // namespace tessra
