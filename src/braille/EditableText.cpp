#include "braille/EditableText.h"

#include "braille/BrailleUnicode.h"
#include "braille/KanaReader.h"
#include "braille/KanaTables.h"
#include "braille/LineReading.h"
#include "braille/Signs.h"
#include "text/Utf8Text.h"

#include <algorithm>

namespace tessra {
namespace {

using namespace kana;

constexpr char32_t kNumeralPattern = U'\u283C';
constexpr char32_t kForeignLetterPattern = U'\u2830';
constexpr char32_t kCapitalPattern = U'\u2820';
constexpr char32_t kConnectingReading = U'_';
// 外国語引用符, and with the capital sign before them the computer text's enclosure.
constexpr char32_t kQuoteOpenPattern = U'\u2826';
constexpr char32_t kQuoteClosePattern = U'\u2834';

// A word longer than this that does not compose back whole is tried in pieces this long at
// most, which keeps a line of thousands of unbroken cells quick.
constexpr std::size_t kPieceLimit = 12;

bool ComposesTo(KanaComposer composer, std::string_view text, std::string_view cells)
{
    const ComposedLine composed = composer.ComposeLine(text);
    return composed.refusals.empty() && composed.cells == cells;
}

std::string Patterns(std::string_view cells)
{
    std::string text;
    for (const char cell : cells)
        text += cell == kBlankCell ? std::string(1, ' ') : BrailleCellToUtf8(static_cast<unsigned char>(cell));
    return text;
}

// The reading of cells that stand alone, as the reader gives it at a line's end.
std::string Candidate(std::string_view cells)
{
    KanaReader reader;
    reader.ResetForLabel();
    return TypedSpelling(ReadLabelLine(reader, cells, static_cast<int>(cells.size())));
}

// The longest pieces that compose back on their own, patterns for the cells between them.
std::string PieceByPiece(const KanaComposer& composer, std::string_view word)
{
    std::string text;
    for (std::size_t at = 0; at < word.size();) {
        std::size_t end = std::min(word.size(), at + kPieceLimit);
        for (; end > at; --end) {
            const std::string_view piece = word.substr(at, end - at);
            const std::string candidate = Candidate(piece);
            if (ComposesTo(composer, candidate, piece)) {
                text += candidate;
                break;
            }
        }
        if (end == at) {
            text += Patterns(word.substr(at, 1));
            end = at + 1;
        }
        at = end;
    }
    return text;
}

// The reading always opens a parenthesis; the label's parentheses may be open already.
std::string Flipped(std::string text)
{
    constexpr std::string_view kOpening = signs::ShownPrint(signs::kParenthesisOpen);
    constexpr std::string_view kClosing = signs::ShownPrint(signs::kParenthesisClose);
    for (std::size_t at = 0; at + kOpening.size() <= text.size(); ++at) {
        const std::string_view here = std::string_view(text).substr(at, kOpening.size());
        if (here == kOpening || here == kClosing)
            text.replace(at, kOpening.size(), here == kOpening ? kClosing : kOpening);
    }
    return text;
}

std::string EditableWord(const KanaComposer& composer, std::string_view word)
{
    std::string whole = Candidate(word);
    if (ComposesTo(composer, whole, word)) return whole;
    if (whole = Flipped(std::move(whole)); ComposesTo(composer, whole, word)) return whole;
    // Pieces that compose alone may still join differently (a number taking in the kana after it).
    if (std::string pieces = PieceByPiece(composer, word); ComposesTo(composer, pieces, word))
        return pieces;
    return Patterns(word);
}

char32_t Narrow(char32_t c)
{
    if ((c >= U'０' && c <= U'９') || (c >= U'Ａ' && c <= U'Ｚ') || (c >= U'ａ' && c <= U'ｚ'))
        return c - (U'０' - U'0');
    return c;
}

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

bool IsLetterOrDigit(char32_t c)
{
    return IsDigit(c) || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

}  // namespace

std::string TypedSpelling(std::string_view reading)
{
    const std::u32string codes = DecodeUtf8(reading);
    std::u32string typed;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const char32_t c = codes[i];
        // A number that follows a number directly is a group of its own (2027.3.15), as after ・.
        if (c == kNumeralPattern && !typed.empty() && IsDigit(typed.back())) {
            typed += U'・';
            continue;
        }
        // The reading shows an apostrophe between letters as ’, which alone would close a bracket.
        if (c == U'’' && !typed.empty() && IsLetterOrDigit(typed.back()) && i + 1 < codes.size() &&
            IsLetterOrDigit(Narrow(codes[i + 1]))) {
            typed += U'\'';
            continue;
        }
        if (c == kNumeralPattern || c == kForeignLetterPattern || c == kCapitalPattern ||
            c == kQuoteOpenPattern || c == kQuoteClosePattern)
            continue;
        // A つなぎ符 stands before kana; "_" before a letter or digit underlines computer text.
        if (c == kConnectingReading && (i + 1 == codes.size() || !IsLetterOrDigit(Narrow(codes[i + 1]))))
            continue;
        if (const char32_t joined = i + 1 < codes.size() ? JoinedKana(c, codes[i + 1]) : 0) {
            typed += joined;
            ++i;
            continue;
        }
        typed += Narrow(c);
    }
    return EncodeUtf8(typed);
}

std::string EditableLine(KanaComposer& composer, std::string_view cells)
{
    const KanaComposer atStart = composer;
    // The whole line's reading first: signs of several cells and blanks read as one.
    for (std::string whole = Candidate(cells); const bool flipped : {false, true}) {
        if (flipped) whole = Flipped(std::move(whole));
        if (ComposesTo(atStart, whole, cells)) {
            composer.ComposeLine(whole);
            return whole;
        }
    }
    std::string text;
    for (std::size_t at = 0; at < cells.size();) {
        if (cells[at] == kBlankCell) {
            text += ' ';
            ++at;
            continue;
        }
        const std::size_t end = std::min(cells.find(kBlankCell, at), cells.size());
        const std::string word = EditableWord(composer, cells.substr(at, end - at));
        composer.ComposeLine(word);
        text += word;
        at = end;
    }
    // Words compose alike alone and in their line; should any not, the line still comes back.
    if (!ComposesTo(atStart, text, cells)) text = Patterns(cells);
    composer = atStart;
    composer.ComposeLine(text);
    return text;
}

std::vector<std::string> EditableLines(std::span<const std::string> cellLines)
{
    KanaComposer composer;
    composer.ResetForLabel();
    std::vector<std::string> texts;
    texts.reserve(cellLines.size());
    for (const std::string& cells : cellLines) texts.push_back(EditableLine(composer, cells));
    return texts;
}

}  // namespace tessra
