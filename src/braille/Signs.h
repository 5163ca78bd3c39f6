#pragma once

#include <span>
#include <string_view>

// The signs of Japanese braille as labels use them: one table, read by the composer (text to
// cells), the reader (cells to text), the plain reading and the phrase spacing of kanji readings.
// A new sign is one row here. Cells are written as Unicode braille patterns, as the conventions'
// books print them; `CellsOfPatterns` turns them into the cell code.

namespace tessra::signs {

// What a sign does to the text around it.
enum class Role {
    Opening,   // opens an enclosure: joins what follows
    Closing,   // closes it: joins what comes before
    Pause,     // punctuation: blanks follow it when the line goes on
    Joining,   // stands between two things and joins both (hyphen, wave dash)
    Sign,      // a sign of its own, with the blanks its row gives
    Shape,     // a shape that is itself the content (★, ●)
};

// Blanks the composer adds where the text has none: never at a line's start or end, never right
// after an opening or before a closing enclosure.
enum class Blanks {
    None,
    Before,
    After,
    Around,
    // Before, and after unless a pause or a closing enclosure follows (点線).
    AroundUnlessPause,
    // Before and after, but none between two such signs (<= reads as one relation).
    Relation,
};

struct SignRow {
    std::string_view name;   // the conventions' name, for tests and messages
    std::string_view prints; // every print form that writes it, UTF-8, separated by blanks;
                             // the first is what the reading shows
    std::string_view cells;  // Unicode braille patterns
    Role role;
    Blanks blanks = Blanks::None;
    int pauseBlanks = 0;     // pauses: the blanks after it when the text has a blank there
    int pauseBlanksInside = 0;  // ？ and ！ followed directly by text stand inside a sentence:
                                // the blanks after them then (0: as pauseBlanks)
};

// The notation's own signs.
inline constexpr std::string_view kNumeralSign = "⠼";
inline constexpr std::string_view kForeignLetterSign = "⠰";
inline constexpr std::string_view kCapitalSign = "⠠";
inline constexpr std::string_view kDoubleCapitalSign = "⠠⠠";
inline constexpr std::string_view kConnectingSign = "⠤";
inline constexpr std::string_view kDigitComma = "⠄";    // 位取り点
inline constexpr std::string_view kDecimalPoint = "⠂";  // 小数点
inline constexpr std::string_view kForeignQuoteOpen = "⠦";
inline constexpr std::string_view kForeignQuoteClose = "⠴";
inline constexpr std::string_view kComputerOpen = "⠠⠦";   // 情報処理用点字の開き
inline constexpr std::string_view kComputerClose = "⠠⠴";

// Punctuation. "." and "," are pauses only outside numbers and letter runs.
inline constexpr SignRow kPauses[] = {
    {"読点", "、 , ，", "⠰", Role::Pause, Blanks::None, 1},
    {"句点", "。 . ．", "⠲", Role::Pause, Blanks::None, 2},
    {"疑問符", "？ ?", "⠢", Role::Pause, Blanks::None, 2, 1},
    {"感嘆符", "！ !", "⠖", Role::Pause, Blanks::None, 2, 1},
    {"中点", "・", "⠐", Role::Pause, Blanks::None, 1},
};

inline constexpr const SignRow& kReadingComma = kPauses[0];
inline constexpr const SignRow& kFullStop = kPauses[1];
inline constexpr const SignRow& kQuestionMark = kPauses[2];
inline constexpr const SignRow& kExclamationMark = kPauses[3];
inline constexpr const SignRow& kMiddleDot = kPauses[4];

// The print form the reading shows for a row: its first.
constexpr std::string_view ShownPrint(const SignRow& row)
{
    return row.prints.substr(0, row.prints.find(' '));
}

// The heading colon has no cell: it and the blanks after it become one blank.
inline constexpr std::string_view kHeadingColons = "： :";

// Enclosures, opening and closing rows in pairs. （） and 「」 open and close with one cell, so
// within a label they alternate, opening first.
inline constexpr SignRow kEnclosures[] = {
    {"第1カッコ", "（ (", "⠶", Role::Opening},
    {"第1カッコ", "） )", "⠶", Role::Closing},
    {"第1カギ", "「", "⠤", Role::Opening},
    {"第1カギ", "」", "⠤", Role::Closing},
    {"二重カギ", "『", "⠰⠤", Role::Opening},
    {"二重カギ", "』", "⠤⠆", Role::Closing},
    {"第2カッコ", "【 ［ [ ｛ { 〔 《 〈 “ ‘ 〝 \" '", "⠐⠶", Role::Opening},
    {"第2カッコ", "】 ］ ] ｝ } 〕 》 〉 ” ’ 〟 \" '", "⠶⠂", Role::Closing},
};

inline constexpr const SignRow& kParenthesisOpen = kEnclosures[0];
inline constexpr const SignRow& kParenthesisClose = kEnclosures[1];

// Signs between two numbers: each stands directly, and the number after it takes its own
// numeral sign. In a line that holds "=", a hyphen or minus between digits is the minus ⠔.
inline constexpr SignRow kBetweenNumbers[] = {
    {"ハイフン", "- ‐ – − ー", "⠤", Role::Joining},
    {"コロン", ":", "⠐⠂", Role::Joining},
    {"斜線", "/", "⠸⠌", Role::Joining},
    {"波線", "～ 〜 ~", "⠤⠤", Role::Joining},
    {"プラス", "+", "⠢", Role::Joining},
    {"かける", "×", "⠡", Role::Joining},
    {"わる", "÷", "⠌", Role::Joining},
};
inline constexpr SignRow kMinus = {"マイナス", "− -", "⠔", Role::Joining};

// Signs inside a number. A comma is the 位取り点 only before exactly three digits; one point is
// the 小数点, and two or more, like ・, join numbers of their own (重ね数字: the sign is left
// out, each number takes its numeral sign).
inline constexpr SignRow kDigitCommaRow = {"位取り点", ", ，", kDigitComma, Role::Joining};
inline constexpr SignRow kDecimalPointRow = {"小数点", ". ．", kDecimalPoint, Role::Joining};
inline constexpr SignRow kNumbersApartRow = {"重ね数字", "・", "", Role::Joining};
// A shortened year: the numeral sign, then this, then the digits ('98).
inline constexpr SignRow kShortenedYear = {"年の省略", "' ’", "⠄", Role::Opening};

// A line that holds it is a formula: a hyphen between digits there is the minus.
inline constexpr SignRow kEquals = {"等号", "=", "⠒⠒", Role::Sign, Blanks::Relation};

// Every other sign, wherever it stands.
inline constexpr SignRow kOtherSigns[] = {
    {"矢印", "→ ⇒", "⠒⠒⠕", Role::Sign, Blanks::Around},
    {"左向き矢印", "← ⇐", "⠪⠒⠒", Role::Sign, Blanks::Around},
    {"両向き矢印", "↔ ⇔", "⠪⠒⠒⠕", Role::Sign, Blanks::Around},
    {"棒線", "― —", "⠒⠒", Role::Sign, Blanks::Around},
    {"点線", "… ‥ ...", "⠂⠂⠂", Role::Sign, Blanks::AroundUnlessPause},
    {"波線", "～ 〜 ~", "⠤⠤", Role::Joining},
    {"ハイフン", "- ‐ – −", "⠤", Role::Joining},
    {"アンド", "&", "⠰⠯", Role::Sign, Blanks::Around},
    kEquals,
    {"小なり", "<", "⠔⠔", Role::Sign, Blanks::Relation},
    {"大なり", ">", "⠢⠢", Role::Sign, Blanks::Relation},
    {"シャープ", "#", "⠰⠩", Role::Sign},
    {"アステリスク", "*", "⠰⠡", Role::Sign},
    {"パーセント", "%", "⠰⠏", Role::Sign},
    {"プラス", "+", "⠢", Role::Sign},
    {"わる", "÷", "⠌", Role::Sign},
    {"斜線", "/", "⠸⠌", Role::Sign},
    {"アットマーク", "@", "⠰⠪", Role::Sign},
    {"星印", "※", "⠔⠔", Role::Sign, Blanks::After},
};

// Signs that have no cell are written by their reading, in kana the composer then writes.
struct ReadSign {
    std::string_view prints;   // separated by blanks; the first is the one shown
    std::string_view reading;  // kana
    Blanks blanks;
};
inline constexpr ReadSign kReadSigns[] = {
    {"〒", "ゆーびん", Blanks::After},
    {"℃ °C °", "ど", Blanks::None},
};
// Currency before a number is written after it, by its reading.
inline constexpr ReadSign kCurrencies[] = {
    {"¥ ￥", "えん", Blanks::None},
    {"$", "どる", Blanks::None},
    {"€", "ゆーろ", Blanks::None},
};

// Shapes that are the content of a label: 6, 5-6 or 4-6, the first kana of the shape's name,
// then 2 for white, 2-3 for black, 2-5-6 for double. One blank follows a shape when kana,
// letters or a number follow it directly.
inline constexpr SignRow kShapes[] = {
    {"白丸", "○ ◯ 〇", "⠠⠵⠂", Role::Shape},
    {"黒丸", "●", "⠠⠵⠆", Role::Shape},
    {"二重丸", "◎", "⠠⠵⠲", Role::Shape},
    {"白四角", "□", "⠠⠳⠂", Role::Shape},
    {"黒四角", "■", "⠠⠳⠆", Role::Shape},
    {"白三角", "△", "⠠⠱⠂", Role::Shape},
    {"黒三角", "▲", "⠠⠱⠆", Role::Shape},
    {"白逆三角", "▽", "⠰⠱⠂", Role::Shape},
    {"黒逆三角", "▼", "⠰⠱⠆", Role::Shape},
    {"白星", "☆", "⠰⠮⠂", Role::Shape},
    {"黒星", "★", "⠰⠮⠆", Role::Shape},
    {"白菱形", "◇", "⠨⠧⠂", Role::Shape},
    {"黒菱形", "◆", "⠨⠧⠆", Role::Shape},
    {"ばつ", "× ✕", "⠰⠡⠂", Role::Shape},
};

// Print forms read as others before anything else is decided.
struct Substitution {
    std::string_view from;
    std::string_view to;
};
inline constexpr Substitution kSubstitutions[] = {
    {"℡", "TEL"},
    {"№", "No."},
};

// Latin letters a … z.
inline constexpr std::string_view kLetters = "⠁⠃⠉⠙⠑⠋⠛⠓⠊⠚⠅⠇⠍⠝⠕⠏⠟⠗⠎⠞⠥⠧⠺⠭⠽⠵";
// Digits 1 … 9, 0: the cells of a … j.
inline constexpr std::string_view kDigits = "⠁⠃⠉⠙⠑⠋⠛⠓⠊⠚";


// Signs inside a letter run: between two letters, or (Role::Pause) one "." at its end.
inline constexpr SignRow kInLetters[] = {
    {"ピリオド", ".", "⠲", Role::Pause},
    {"アポストロフィ", "'", "⠄", Role::Joining},
    {"斜線", "/", "⠌", Role::Joining},
};

// Punctuation inside a foreign phrase, as English braille writes it.
inline constexpr SignRow kInForeignPhrase[] = {
    {"ピリオド", ".", "⠲", Role::Pause},
    {"コンマ", ",", "⠂", Role::Pause},
    {"アポストロフィ", "'", "⠄", Role::Joining},
    {"ハイフン", "-", "⠤", Role::Joining},
    {"疑問符", "?", "⠦", Role::Pause},
    {"感嘆符", "!", "⠖", Role::Pause},
    {"コロン", ":", "⠒", Role::Pause},
    {"セミコロン", ";", "⠆", Role::Pause},
};

// How an email address, URL or domain name starts: "@" after a name, or these before it.
inline constexpr std::string_view kEmailAt = "@";
// The signs an email's name may hold besides letters and digits.
inline constexpr std::string_view kEmailNameSigns = ". _ - +";
inline constexpr std::string_view kUrlStarts = "http:// https:// ftp:// www.";
// A domain name: labels of small letters, digits and hyphens joined by points.
inline constexpr char32_t kDomainPoint = U'.';
inline constexpr char32_t kDomainHyphen = U'-';
// Signs at the end of such a text that belong to the sentence around it.
inline constexpr std::string_view kComputerTextEnds = ". , ; : ! ? ) '";

// Signs inside an email address, URL or domain name (情報処理用点字). A number goes on across
// the Role::Joining ones.
inline constexpr SignRow kInComputerText[] = {
    {"ピリオド", ".", "⠲", Role::Joining},     {"ハイフン", "-", "⠤", Role::Sign},
    {"アンダーライン", "_", "⠐⠤", Role::Sign}, {"アットマーク", "@", "⠪", Role::Sign},
    {"斜線", "/", "⠌", Role::Sign},         {"コロン", ":", "⠐⠂", Role::Sign},
    {"チルダ", "~", "⠐⠉", Role::Sign},      {"疑問符", "?", "⠐⠦", Role::Sign},
    {"等号", "=", "⠒⠒", Role::Sign},        {"アンド", "&", "⠯", Role::Sign},
    {"シャープ", "#", "⠩", Role::Sign},     {"パーセント", "%", "⠻", Role::Sign},
    {"プラス", "+", "⠬", Role::Sign},       {"感嘆符", "!", "⠖", Role::Sign},
    {"アステリスク", "*", "⠡", Role::Sign}, {"ドル", "$", "⠹", Role::Sign},
    {"コンマ", ",", "⠂", Role::Joining},    {"セミコロン", ";", "⠆", Role::Sign},
    {"アポストロフィ", "'", "⠄", Role::Sign}, {"逆斜線", "\\", "⠫", Role::Sign},
    {"縦線", "|", "⠳", Role::Sign},         {"アクサン", "^", "⠘", Role::Sign},
    {"小なり", "<", "⠔⠔", Role::Sign},      {"大なり", ">", "⠢⠢", Role::Sign},
    {"中かっこ開き", "{", "⠣", Role::Sign}, {"中かっこ閉じ", "}", "⠜", Role::Sign},
    {"角かっこ開き", "[", "⠷", Role::Sign}, {"角かっこ閉じ", "]", "⠾", Role::Sign},
};

}  // namespace tessra::signs
