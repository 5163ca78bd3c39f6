#include "braille/KanaComposer.h"

#include "braille/BrailleUnicode.h"
#include "braille/KanaTables.h"
#include "braille/LineWriter.h"
#include "reading/KanaText.h"
#include "text/Utf8Text.h"

#include <algorithm>
#include <map>

namespace tessra {
namespace {

using namespace kana;
using signs::Composing;

constexpr std::u32string_view kSmallKana = U"ぁぃぅぇぉゃゅょゎゕゖ";

bool IsKanaUnit(char32_t c)
{
    return (c >= U'ぁ' && c <= U'ゖ') || c == U'ー' || c == kVoicedMark || c == kSemiVoicedMark;
}

// Every kana reading of the reader's tables and the cells that read as it. ゑ is read by a rule
// of its own: 6 before anything but a blank.
struct KanaTable {
    std::map<std::u32string, std::string, std::less<>> cells;
    std::size_t longest = 0;
};

const KanaTable& Kana()
{
    static const KanaTable table = [] {
        KanaTable t;
        const auto add = [&t](const std::string& reading, std::string cells) {
            const std::u32string key = KanaUnits(DecodeUtf8(reading));
            if (!std::ranges::all_of(key, IsKanaUnit)) return;
            t.cells.try_emplace(key, std::move(cells));
            t.longest = std::max(t.longest, key.size());
        };
        for (const CellText& row : kSingleCellRows) add(std::string(row.text), {row.cell});
        for (const TwoCellSign& sign : kTwoCellSigns) {
            for (const kana::SignRow& row : sign.rows)
                add(std::string(row.previous) + std::string(row.current), {sign.prefix, row.cell});
        }
        add(std::string(kWe), {kExclamationOrWe});
        return t;
    }();
    return table;
}

// The longest kana reading that starts text: its cells and its length.
std::optional<std::pair<std::string_view, std::size_t>> LongestKana(std::u32string_view text)
{
    const KanaTable& kana = Kana();
    for (std::size_t length = std::min(kana.longest, text.size()); length > 0; --length) {
        const auto found = kana.cells.find(text.substr(0, length));
        if (found != kana.cells.end()) return std::pair<std::string_view, std::size_t>(found->second, length);
    }
    return std::nullopt;
}

bool IsDigitCell(char cell)
{
    return Composing().digits.find(cell) != std::string::npos;
}

// Whether kana after a number would read as its digits: a digit's cell, or わ (the 位取り点's
// cell) before three of them.
bool ReadsAsDigits(std::string_view cells, std::u32string_view after)
{
    if (cells.size() != 1) return false;
    if (IsDigitCell(cells.front())) return true;
    if (cells != Composing().digitCommaCells) return false;
    for (int k = 0; k < 3; ++k) {
        const auto kana = LongestKana(after);
        if (!kana || kana->first.size() != 1 || !IsDigitCell(kana->first.front())) return false;
        after.remove_prefix(kana->second);
    }
    return true;
}

// Characters no convention writes, by range, with what to write instead.
struct Unwritable {
    char32_t first;
    char32_t last;
    std::string_view reason;
};

constexpr std::string_view kNoCell = "この文字は点字にできません";
constexpr std::string_view kWriteMeaning =
    "絵文字や絵記号、罫線は点字にできません\n意味をかなで書いてください（例: でんわ）";
constexpr std::string_view kWriteDirection =
    "この矢印は点字にできません\n「うえ」「した」のように、かなで書いてください";
constexpr std::string_view kWriteInWords =
    "この記号は点字にできません\nことばで書いてください";
constexpr std::string_view kWriteNumberInBrackets =
    "丸数字やかっこ数字は点字にできません\n「(1)」のように書いてください";
constexpr std::string_view kComputerSignOnly =
    "この記号はメールアドレスや URL の中でだけ書けます";
constexpr std::string_view kWriteCurrencyReading =
    "この通貨記号は点字にできません\n通貨の名前をかなで書いてください";
constexpr std::string_view kWriteKanaAgain =
    "くり返し記号は点字にできません\n同じかなをもう一度書いてください";

constexpr Unwritable kUnwritable[] = {
    {0x1F000, 0x1FAFF, kWriteMeaning},  // emoji and pictographs
    {0x2600, 0x27BF, kWriteMeaning},    // miscellaneous symbols, dingbats (☎ ✉ ♪)
    {0x2B00, 0x2BFF, kWriteMeaning},
    {0x2500, 0x259F, kWriteMeaning},    // box drawing, blocks
    {0x2460, 0x24FF, kWriteNumberInBrackets},
    {0x2776, 0x2793, kWriteNumberInBrackets},
    {0x3251, 0x325F, kWriteNumberInBrackets},
    {0x32B1, 0x32BF, kWriteNumberInBrackets},
    {0x2190, 0x21FF, kWriteDirection},
    {0x2200, 0x22FF, kWriteInWords},    // mathematical operators
    {0x00B1, 0x00B1, kWriteInWords},
    {0x221A, 0x221A, kWriteInWords},
    {0x00A9, 0x00A9, kWriteInWords},    // © ® ™ § † ‡ ¶
    {0x00AE, 0x00AE, kWriteInWords},
    {0x2122, 0x2122, kWriteInWords},
    {0x00A7, 0x00A7, kWriteInWords},
    {0x2020, 0x2021, kWriteInWords},
    {0x00B6, 0x00B6, kWriteInWords},
    {0x00A2, 0x00A5, kWriteCurrencyReading},  // ¢ £ ¤ (¥ has its row)
    {0x20A0, 0x20CF, kWriteCurrencyReading},
    {0x309D, 0x309E, kWriteKanaAgain},
    {0x30FD, 0x30FE, kWriteKanaAgain},
    {0x3003, 0x3003, kWriteKanaAgain},
};

std::string_view ReasonFor(char32_t c)
{
    if (c >= kInvalidByte) return kNotUtf8;
    // Only the editor composes kanji unread: its reading field writes the line once confirmed.
    if (IsKanji(c)) return "漢字の行は、読みを確定すると書かれます";
    if (kSmallKana.find(c) != std::u32string_view::npos) {
        return "小さいかなは「きゃ」「ふぁ」のように前のかなと組になるものだけ書けます";
    }
    if (c == kVoicedMark || c == kSemiVoicedMark || c == U'\u309A' || c == U'\u309C') {
        return "濁点・半濁点は、それがつくかなのすぐ後にだけ書けます";
    }
    // ASCII signs that only computer text writes: every other ASCII sign has a row.
    if (c > U' ' && c < 0x7F && Composing().inComputerText.Find(std::u32string_view(&c, 1))) {
        return kComputerSignOnly;
    }
    for (const Unwritable& range : kUnwritable)
        if (c >= range.first && c <= range.last) return range.reason;
    return kNoCell;
}

constexpr std::string_view kWeBeforeBlank =
    "「ゑ」は空白の前と行の終わりには書けません（「！」と読まれます）";

// The print form of `pair` that goes with the form of `row` the text shows, for the messages
// of an enclosure out of turn.
std::string PairedForm(const signs::SignRow& row, const signs::SignRow& pair, std::string_view shown)
{
    const std::vector<std::u32string> forms = signs::Forms(row.prints);
    const std::vector<std::u32string> pairs = signs::Forms(pair.prints);
    const auto it = std::ranges::find(forms, DecodeUtf8(shown));
    const std::size_t k = it == forms.end() ? 0 : static_cast<std::size_t>(it - forms.begin());
    return EncodeUtf8(pairs[k < pairs.size() ? k : 0]);
}

}  // namespace

LineWriter::LineWriter(std::string_view text, KanaComposer::Enclosures& open)
    : text_(ReadComposeText(text)), open_(open)
{
    for (std::size_t i = 0; i < End() && !formula_; ++i)
        formula_ = signs::StartsWithForm(Rest(i), Composing().equals) > 0;
}

ComposedLine LineWriter::Write() &&
{
    while (at_ < End()) WriteNext();
    return std::move(line_);
}

bool LineWriter::IsLetterAt(std::size_t i) const
{
    const char32_t c = At(i);
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

// The braille pattern without dots is the blank cell, so it ends runs as a blank does.
bool LineWriter::IsBlankAt(std::size_t i) const
{
    return At(i) == U' ' || At(i) == U'\u2800';
}

void LineWriter::WriteNext()
{
    const char32_t c = At(at_);
    if (IsBlankAt(at_)) {
        PutBlank();
        last_ = Last::Blank;
        ++at_;
    } else if (const auto literal = CellOfPattern(c)) {
        // A braille pattern is its own cell, exactly: nothing is added after it.
        line_.cells += static_cast<char>(*literal);
        last_ = Last::Literal;
        ++at_;
    } else if (const std::size_t end = ComputerTextEnd(); end > at_) {
        WriteComputerText(end);
    } else if (IsDigitAt(at_)) {
        WriteNumber(0);
    } else if (IsLetterAt(at_)) {
        WriteLetters();
    } else if (!WriteNumberOrSign() && !(IsKanaUnit(c) && WriteKana()) && !WriteSign()) {
        Refuse(ReasonFor(c));
        ++at_;
    }
}

// What the conventions put between the last run and the next one.
void LineWriter::Join(Next next, bool digitCellKana)
{
    switch (last_) {
    case Last::Number:
        // The kana would read as digits of the number.
        if (next == Next::Kana && digitCellKana) Put(Composing().connecting);
        break;
    case Last::Letters:
        if (next == Next::Kana) Put(Composing().connecting);
        break;
    case Last::LettersDot:
        if (next == Next::Kana || next == Next::Number) PutBlank();
        break;
    case Last::Enclosed:
        if (next != Next::Closing) PutBlank();
        break;
    case Last::Shape:
        if (next == Next::Kana || next == Next::Letters || next == Next::Number) PutBlank();
        break;
    default:
        break;
    }
}

void LineWriter::PutKana(std::string_view cells, std::u32string_view after)
{
    Join(Next::Kana, ReadsAsDigits(cells, after));
    Put(cells);
    last_ = Last::Kana;
}

bool LineWriter::WriteKana()
{
    const auto kana = LongestKana(Rest(at_));
    if (!kana) return false;
    const auto [cells, length] = *kana;
    if (cells.front() == kExclamationOrWe && (at_ + length >= End() || IsBlankAt(at_ + length))) {
        Refuse(kWeBeforeBlank);
    } else {
        PutKana(cells, Rest(at_ + length));
    }
    at_ += length;
    return true;
}

// A sign written by its reading: its kana, joined as kana are.
void LineWriter::WriteKanaReading(std::u32string_view reading)
{
    const std::u32string units = KanaUnits(reading);
    for (std::u32string_view rest = units; !rest.empty();) {
        const auto kana = LongestKana(rest);
        if (!kana) return;  // the table's readings are kana
        rest.remove_prefix(kana->second);
        PutKana(kana->first, rest);
    }
}

bool LineWriter::IsClosingAt(std::size_t i) const
{
    const auto sign = Composing().enclosures.Find(Rest(i));
    if (!sign) return false;
    if (sign->row->role == signs::Role::Closing) return true;
    // A mark that opens and closes alike closes when one is open.
    return open_.quotes.find(At(i)) != std::u32string::npos;
}

bool LineWriter::IsPauseAt(std::size_t i) const
{
    return Composing().pauses.Find(Rest(i)) || signs::StartsWithForm(Rest(i), Composing().headingColons);
}

bool LineWriter::IsRelationAt(std::size_t i) const
{
    const auto sign = Composing().others.Find(Rest(i));
    return sign && sign->row->blanks == signs::Blanks::Relation;
}

bool LineWriter::WriteSign()
{
    const signs::ComposerTables& t = Composing();
    const std::u32string_view rest = Rest(at_);
    // Longer forms first: "..." is no period, "°C" no lone degree.
    const auto other = t.others.Find(rest);
    const auto read = t.readSigns.Find(rest);
    if (other && other->length > 1) {
        WriteOtherSign(*other);
    } else if (read && read->length > 1) {
        WriteReadSign(*read);
    } else if (signs::StartsWithForm(rest, t.headingColons)) {
        WriteHeadingColon();
    } else if (const auto pause = t.pauses.Find(rest)) {
        WritePause(*pause);
    } else if (const auto enclosure = t.enclosures.Find(rest)) {
        WriteEnclosure(*enclosure);
    } else if (const auto shape = t.shapes.Find(rest)) {
        Join(Next::Other);
        Put(shape->cells);
        at_ += shape->length;
        last_ = Last::Shape;
    } else if (other) {
        WriteOtherSign(*other);
    } else if (read) {
        WriteReadSign(*read);
    } else {
        return false;
    }
    return true;
}

// Blanks follow a pause only when the line goes on, and not before a closing enclosure or
// another pause; the text's own blanks count toward them.
void LineWriter::WritePause(const signs::Match<signs::SignRow>& pause)
{
    Join(Next::Closing);
    Put(pause.cells);
    at_ += pause.length;
    last_ = Last::Sign;
    std::size_t blanks = 0;
    while (IsBlankAt(at_ + blanks)) ++blanks;
    const std::size_t next = at_ + blanks;
    if (next >= End() || IsClosingAt(next) || IsPauseAt(next)) return;
    const int inside = pause.row->pauseBlanksInside;
    const auto wanted = static_cast<std::size_t>(blanks == 0 && inside > 0 ? inside : pause.row->pauseBlanks);
    for (std::size_t k = blanks; k < wanted; ++k) PutBlank();
}

// A heading's colon and the blanks after it become one blank.
void LineWriter::WriteHeadingColon()
{
    at_ += signs::StartsWithForm(Rest(at_), Composing().headingColons);
    std::size_t blanks = 0;
    while (IsBlankAt(at_ + blanks)) ++blanks;
    at_ += blanks;
    if (at_ < End() || blanks > 0) {
        PutBlank();
        last_ = Last::Blank;
    } else {
        last_ = Last::Sign;
    }
}

// The 第1カッコ and the 第1カギ open and close with one cell, so they alternate; every kind
// closes only when one of its kind is open. A mark both rows of a kind list (quotation marks)
// opens unless one of it is open.
void LineWriter::WriteEnclosure(const signs::Match<signs::SignRow>& sign)
{
    const auto kind = static_cast<std::size_t>(sign.row - std::begin(signs::kEnclosures)) / 2;
    const signs::SignRow& opening = signs::kEnclosures[kind * 2];
    const signs::SignRow& closing = signs::kEnclosures[kind * 2 + 1];
    const std::u32string_view mark = Rest(at_).substr(0, sign.length);
    const auto lists = [mark](const signs::SignRow& row) {
        const std::vector<std::u32string> forms = signs::Forms(row.prints);
        return std::ranges::find(forms, mark) != forms.end();
    };
    const bool alike = lists(opening) && lists(closing);
    const std::size_t quote = alike ? open_.quotes.find(mark) : std::u32string::npos;
    const bool opens = alike ? quote == std::u32string::npos : sign.row->role == signs::Role::Opening;
    const std::string_view shown = text_.shown[static_cast<std::size_t>(text_.columns[at_] - 1)];
    int& open = open_.open[kind];
    if (opens && opening.cells == closing.cells && open > 0) {
        Refuse("前のかっこが閉じていません。先に「" + PairedForm(opening, closing, shown) + "」を書いてください");
    } else if (!opens && open == 0) {
        Refuse("開きかっこ「" + PairedForm(closing, opening, shown) + "」より先に閉じかっこは書けません");
    } else {
        Join(opens ? Next::Other : Next::Closing);
        Put(signs::Cells(opens ? opening.cells : closing.cells));
        open += opens ? 1 : -1;
        if (alike && opens) open_.quotes += mark;
        if (alike && !opens) open_.quotes.erase(quote, mark.size());
        last_ = opens ? Last::Opening : Last::Closing;
    }
    at_ += sign.length;
}

// A blank before the sign and after it where its row asks for one and the text has none, but
// not at the line's start or end, after an opening or before a closing enclosure.
void LineWriter::WriteOtherSign(const signs::Match<signs::SignRow>& sign)
{
    using signs::Blanks;
    const Blanks blanks = sign.row->blanks;
    const bool before = blanks == Blanks::Before || blanks == Blanks::Around ||
                        blanks == Blanks::AroundUnlessPause || blanks == Blanks::Relation;
    const bool after = blanks == Blanks::After || blanks == Blanks::Around ||
                       blanks == Blanks::AroundUnlessPause || blanks == Blanks::Relation;
    Join(Next::Other);
    if (before && !line_.cells.empty() && !EndsInBlank() && last_ != Last::Opening &&
        last_ != Last::Literal && !(blanks == Blanks::Relation && at_ > 0 && IsRelationAt(at_ - 1)))
        PutBlank();
    Put(sign.cells);
    at_ += sign.length;
    last_ = Last::Sign;
    if (after && at_ < End() && !IsBlankAt(at_) && !IsClosingAt(at_) &&
        !(blanks == Blanks::AroundUnlessPause && IsPauseAt(at_)) &&
        !(blanks == Blanks::Relation && IsRelationAt(at_)))
        PutBlank();
}

void LineWriter::WriteReadSign(const signs::Match<signs::ReadSign>& sign)
{
    at_ += sign.length;
    WriteKanaReading(DecodeUtf8(sign.row->reading));
    if (sign.row->blanks == signs::Blanks::After && at_ < End() && !IsBlankAt(at_) && !IsClosingAt(at_))
        PutBlank();
}

void LineWriter::Refuse(std::string_view reason)
{
    const int column = text_.columns[at_];
    line_.refusals.push_back({column, text_.shown[static_cast<std::size_t>(column - 1)], std::string(reason)});
    last_ = Last::Sign;
}

void KanaComposer::ResetForLabel()
{
    open_ = {};
}

ComposedLine KanaComposer::ComposeLine(std::string_view text)
{
    return LineWriter(text, open_).Write();
}

}  // namespace tessra
