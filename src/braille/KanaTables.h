#pragma once

#include "braille/BrailleUnicode.h"
#include "braille/Signs.h"

#include <span>
#include <string_view>

// How braille cells read as kana. The reader reads with these tables and the composer writes with
// them, so the two directions cannot disagree. Cells are written in the braille cell code (one
// printable ASCII character per six-dot cell, the blank cell is the space); texts are UTF-8.

namespace tessra::kana {

struct CellText {
    char cell;
    std::string_view text;
};

// A row of a two-cell sign: what the prefix cell and the current cell read.
struct SignRow {
    char cell;
    std::string_view previous;
    std::string_view current;
};

struct TwoCellSign {
    char prefix;
    std::span<const SignRow> rows;
    std::string_view beforeBlank;  // the prefix's reading when a blank follows; empty: no rule
};

inline constexpr char kBlankCell = ' ';
inline constexpr char kNumeralSign = FirstCell(signs::kNumeralSign);
inline constexpr char kForeignLetterSign = FirstCell(signs::kForeignLetterSign);
inline constexpr char kCapitalSign = FirstCell(signs::kCapitalSign);
inline constexpr char kVoicedSign = '"';
inline constexpr char kSemiVoicedSign = ',';
inline constexpr char kParenthesis = FirstCell(signs::kParenthesisOpen.cells);
inline constexpr char kDigitComma = FirstCell(signs::kDigitComma);
inline constexpr char kDecimalPoint = FirstCell(signs::kDecimalPoint);
// Read as "_" on its own: it keeps a kana from being read as part of the number before it.
inline constexpr char kConnectingSign = FirstCell(signs::kConnectingSign);
// "！" before a blank, ゑ before anything else.
inline constexpr char kExclamationOrWe = FirstCell(signs::kExclamationMark.cells);
inline constexpr std::string_view kWe = "ゑ";
inline constexpr std::string_view kExclamation = signs::ShownPrint(signs::kExclamationMark);

// A number's digits: A … J read 1 … 9, 0. Full-width forms are three UTF-8 bytes each.
inline constexpr char kFirstDigitCell = 'A';
inline constexpr std::string_view kDigitsFromA = "１２３４５６７８９０";

constexpr bool IsUpperDigit(char c) { return c >= 'A' && c <= 'J'; }
constexpr bool IsLowerDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsLetterCell(char c) { return c >= 'A' && c <= 'Z'; }

// Whether c goes on with a number written in upper digits once its first digit is read.
constexpr bool ContinuesNumber(char c)
{
    return IsUpperDigit(c) || c == kDigitComma || c == kDecimalPoint || c == '3';
}

// The reading writes a voiced or semi-voiced kana as its base kana and a mark.
inline constexpr char32_t kVoicedMark = U'\u309B';      // ゛
inline constexpr char32_t kSemiVoicedMark = U'\u00B0';  // °
inline constexpr std::u32string_view kVoicedKana = U"がぎぐげござじずぜぞだぢづでどばびぶべぼゔ";
inline constexpr std::u32string_view kVoicedBase = U"かきくけこさしすせそたちつてとはひふへほう";
inline constexpr std::u32string_view kSemiVoicedKana = U"ぱぴぷぺぽ";

// Half-width katakana, U+FF61 to U+FF9F, as the full-width forms they stand for.
inline constexpr char32_t kFirstHalfWidth = U'\uFF61';
inline constexpr std::u32string_view kHalfWidthAsFullWidth =
    U"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜";
inline constexpr std::u32string_view kSemiVoicedBase = U"はひふへほ";

// A kana and the ゛ or ° after it as the one voiced or semi-voiced kana they write, katakana
// staying katakana (the two scripts lie 0x60 apart); 0 when the two do not join.
constexpr char32_t JoinedKana(char32_t kana, char32_t mark)
{
    const bool katakana = kana >= U'ァ' && kana <= U'ヶ';
    const char32_t hiragana = katakana ? kana - 0x60 : kana;
    const bool voiced = mark == kVoicedMark;
    if (!voiced && mark != kSemiVoicedMark) return 0;
    const auto at = (voiced ? kVoicedBase : kSemiVoicedBase).find(hiragana);
    if (at == std::u32string_view::npos) return 0;
    const char32_t joined = (voiced ? kVoicedKana : kSemiVoicedKana)[at];
    return katakana ? joined + 0x60 : joined;
}

inline constexpr CellText kSingleCellRows[] = {
    {'A', "あ"}, {'B', "い"}, {'C', "う"}, {'F', "え"}, {'I', "お"},
    {'*', "か"}, {'<', "き"}, {'%', "く"}, {'$', "け"}, {'[', "こ"},
    {':', "さ"}, {'\\', "し"}, {'?', "す"}, {']', "せ"}, {'W', "そ"},
    {'O', "た"}, {'R', "ち"}, {'N', "つ"}, {'Q', "て"}, {'T', "と"},
    {'K', "な"}, {'L', "に"}, {'M', "ぬ"}, {'P', "ね"}, {'S', "の"},
    {'U', "は"}, {'V', "ひ"}, {'X', "ふ"}, {'&', "へ"}, {'!', "ほ"},
    {'Z', "ま"}, {'(', "み"}, {'Y', "む"}, {'=', "め"}, {')', "も"},
    {'/', "や"}, {'+', "ゆ"}, {'>', "よ"},
    {'E', "ら"}, {'H', "り"}, {'D', "る"}, {'G', "れ"}, {'J', "ろ"},
    {'\'', "わ"}, {'2', "ゐ"}, {'9', "を"}, {'0', "ん"}, {'1', "っ"}, {'3', "ー"},
    {kConnectingSign, "_"},
};

// Cells that may open a two-cell sign read as nothing until the next cell decides, except at the
// end of a line, where nothing follows; those without a text read as nothing there too.
inline constexpr CellText kSignOpenerRows[] = {
    {FirstCell(signs::kFullStop.cells), signs::ShownPrint(signs::kFullStop)},
    {FirstCell(signs::kQuestionMark.cells), signs::ShownPrint(signs::kQuestionMark)},
    {kExclamationOrWe, kExclamation},
    {FirstCell(signs::kReadingComma.cells), signs::ShownPrint(signs::kReadingComma)},
    {FirstCell(signs::kMiddleDot.cells), signs::ShownPrint(signs::kMiddleDot)},
    {'.', "．"},
    {',', ""}, {'@', ""}, {'^', ""}, {'_', ""},
};

inline constexpr SignRow kContractedRows[] = {
    {'*', "き", "ゃ"}, {'%', "き", "ゅ"}, {'$', "き", "ぇ"}, {'[', "き", "ょ"},
    {':', "し", "ゃ"}, {'?', "し", "ゅ"}, {']', "し", "ぇ"}, {'W', "し", "ょ"},
    {'O', "ち", "ゃ"}, {'N', "ち", "ゅ"}, {'Q', "ち", "ぇ"}, {'T', "ち", "ょ"},
    {'K', "に", "ゃ"}, {'M', "に", "ゅ"}, {'P', "に", "ぇ"}, {'S', "に", "ょ"},
    {'U', "ひ", "ゃ"}, {'X', "ひ", "ゅ"}, {'&', "ひ", "ぇ"}, {'!', "ひ", "ょ"},
    {'Z', "み", "ゃ"}, {'Y', "み", "ゅ"}, {')', "み", "ょ"}, {'F', "い", "ぇ"},
    {'E', "り", "ゃ"}, {'D', "り", "ゅ"}, {'J', "り", "ょ"}, {'\\', "す", "ぃ"},
    {'R', "て", "ぃ"},
};

inline constexpr SignRow kVoicedRows[] = {
    {'C', "う", "゛"}, {'*', "か", "゛"}, {'<', "き", "゛"}, {'%', "く", "゛"},
    {'$', "け", "゛"}, {'[', "こ", "゛"}, {':', "さ", "゛"}, {'\\', "し", "゛"},
    {'?', "す", "゛"}, {']', "せ", "゛"}, {'W', "そ", "゛"}, {'O', "た", "゛"},
    {'R', "ち", "゛"}, {'N', "つ", "゛"}, {'Q', "て", "゛"}, {'T', "と", "゛"},
    {'U', "は", "゛"}, {'V', "ひ", "゛"}, {'X', "ふ", "゛"}, {'&', "へ", "゛"},
    {'!', "ほ", "゛"},
    {'Z', " ○", ""}, {'(', " △", ""}, {'Y', " □", ""}, {'=', " ×", ""}, {')', " ？", ""},
};

inline constexpr SignRow kSemiVoicedRows[] = {
    {'U', "は", "°"}, {'V', "ひ", "°"}, {'X', "ふ", "°"}, {'&', "へ", "°"}, {'!', "ほ", "°"},
};

inline constexpr SignRow kContractedVoicedRows[] = {
    {'*', "ぎ", "ゃ"}, {'%', "ぎ", "ゅ"}, {'[', "ぎ", "ょ"},
    {':', "じ", "ゃ"}, {'?', "じ", "ゅ"}, {']', "じ", "ぇ"}, {'W', "じ", "ょ"},
    {'\\', "ず", "ぃ"}, {'O', "ぢ", "ゃ"}, {'N', "ぢ", "ゅ"}, {'T', "ぢ", "ょ"},
    {'R', "で", "ぃ"}, {'U', "び", "ゃ"}, {'X', "び", "ゅ"}, {'!', "び", "ょ"},
};

inline constexpr SignRow kSpecialContractedVoicedRows[] = {
    {'N', "で", "ゅ"}, {'+', "う゛", "ゅ"}, {'>', "う゛", "ょ"},
};

inline constexpr SignRow kContractedSemiVoicedRows[] = {
    {'U', "ぴ", "ゃ"}, {'X', "ぴ", "ゅ"}, {'!', "ぴ", "ょ"},
    {'N', "て", "ゅ"}, {'+', "ふ", "ゅ"}, {'>', "ふ", "ょ"},
};

inline constexpr SignRow kSpecialRows[] = {
    {'B', "う", "ぃ"}, {'F', "う", "ぇ"}, {'I', "う", "ぉ"},
    {'*', "く", "ぁ"}, {'<', "く", "ぃ"}, {'$', "く", "ぇ"}, {'[', "く", "ぉ"},
    {'O', "つ", "ぁ"}, {'R', "つ", "ぃ"}, {'Q', "つ", "ぇ"}, {'T', "つ", "ぉ"},
    {'N', "と", "ぅ"},
    {'U', "ふ", "ぁ"}, {'V', "ふ", "ぃ"}, {'&', "ふ", "ぇ"}, {'!', "ふ", "ぉ"},
};

inline constexpr SignRow kSpecialVoicedRows[] = {
    {'*', "ぐ", "ぁ"}, {'<', "ぐ", "ぃ"}, {'$', "ぐ", "ぇ"}, {'[', "ぐ", "ぉ"},
    {'N', "ど", "ぅ"},
    {'U', "う゛", "ぁ"}, {'V', "う゛", "ぃ"}, {'&', "う゛", "ぇ"}, {'!', "う゛", "ぉ"},
};


// A '.' followed by a blank reads "．" on the '.' cell, as 5 and 4 put their punctuation on the
// prefix cell, and the blank stays a blank.
inline constexpr TwoCellSign kTwoCellSigns[] = {
    {'_', kSpecialContractedVoicedRows, ""},
    {'@', kContractedRows, ""},
    {kVoicedSign, kVoicedRows, signs::ShownPrint(signs::kMiddleDot)},
    {kSemiVoicedSign, kSemiVoicedRows, ""},
    {'^', kContractedVoicedRows, ""},
    {'.', kContractedSemiVoicedRows, "．"},
    {FirstCell(signs::kQuestionMark.cells), kSpecialRows, signs::ShownPrint(signs::kQuestionMark)},
    {FirstCell(signs::kFullStop.cells), kSpecialVoicedRows, signs::ShownPrint(signs::kFullStop)},
    {kForeignLetterSign, {}, signs::ShownPrint(signs::kReadingComma)},
};

}  // namespace tessra::kana
