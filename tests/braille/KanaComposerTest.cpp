#include "braille/BrailleUnicode.h"
#include "braille/EditableText.h"
#include "braille/KanaComposer.h"
#include "braille/KanaReader.h"
#include "braille/KanaTables.h"
#include "braille/LineReading.h"
#include "document/ComposeDocument.h"
#include "support/ReadingSpelling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>

namespace tessra {
namespace {

// The cells of each line of one label as braille patterns (the blank cell as a blank), or "✗"
// and the refused columns.
std::vector<std::string> Compose(const std::vector<std::string>& lines)
{
    KanaComposer composer;
    composer.ResetForLabel();
    std::vector<std::string> written;
    for (const std::string& line : lines) {
        const ComposedLine composed = composer.ComposeLine(line);
        std::string columns;
        for (const ComposeRefusal& refusal : composed.refusals)
            columns += (columns.empty() ? "✗" : ",") + std::to_string(refusal.column);
        std::string patterns;
        for (const char cell : composed.cells)
            patterns += cell == ' ' ? std::string(" ") : BrailleCellToUtf8(static_cast<unsigned char>(cell));
        written.push_back(composed.refusals.empty() ? patterns : columns);
    }
    return written;
}

struct Row {
    const char* name;
    std::vector<std::string> lines, expected;
};

// The cells of a label's lines, or nothing when a line is refused.
std::optional<std::vector<std::string>> Cells(const std::vector<std::string>& lines)
{
    KanaComposer composer;
    composer.ResetForLabel();
    std::vector<std::string> cells;
    for (const std::string& line : lines) {
        ComposedLine composed = composer.ComposeLine(line);
        if (!composed.refusals.empty()) return std::nullopt;
        cells.push_back(std::move(composed.cells));
    }
    return cells;
}

// Cells that read alike in braille itself, so no reading can tell them apart: ⠤ between numbers
// is a hyphen or, in a line with "=", written from ー; ⠰⠏ right after letters is % or a new run
// starting with p; ⠔⠔⠒⠒ is <= or ※ and ―; ⠖⠐ is ！・ or ゑ and a voiced kana; a heading colon
// and the blank after ？ inside a sentence are blanks like any other.
constexpr std::string_view kReadAlike[] = {
    "minus in a line with =",
    "punctuation, brackets and % after letters directly",
    "= < > with blanks, none between two",
    "no blanks before a closing bracket or another mark",
    "an email's name holds no heading",
    "？ ！ end a sentence before a blank, stand inside one before text",
};

// What was written reads back as text that, typed again, composes to the same cells (the reading
// drops a line's trailing blanks, as `tessra read` does).
void ExpectRoundTrip(const Row& row)
{
    if (std::ranges::find(kReadAlike, std::string_view(row.name)) != std::end(kReadAlike)) return;
    auto cells = Cells(row.lines);
    if (!cells) return;
    for (std::string& line : *cells) line.erase(line.find_last_not_of(' ') + 1);
    KanaReader reader;
    reader.ResetForLabel();
    std::vector<std::string> typed;
    for (const std::string& line : *cells)
        typed.push_back(TypedSpelling(ReadLabelLine(reader, line, static_cast<int>(line.size()))));
    EXPECT_EQ(Cells(typed), cells) << row.name << ": read back as " << testing::PrintToString(typed);
}

void ExpectComposed(const std::vector<Row>& rows)
{
    for (const Row& row : rows) {
        EXPECT_EQ(Compose(row.lines), row.expected) << row.name;
        ExpectRoundTrip(row);
    }
}

TEST(KanaComposer, WritesKana)
{
    ExpectComposed({
        {"single-cell kana, hiragana or katakana", {"さとう", "サトウ", "ゐをんっー"}, {"⠱⠞⠉", "⠱⠞⠉", "⠆⠔⠴⠂⠒"}},
        {"half-width katakana", {"ｻﾄｳ", "ｶﾞﾊﾟ"}, {"⠱⠞⠉", "⠐⠡⠠⠥"}},
        {"voiced and semi-voiced kana", {"がぱゔ", "ガパヴ", "か゛は゜"}, {"⠐⠡⠠⠥⠐⠉", "⠐⠡⠠⠥⠐⠉", "⠐⠡⠠⠥"}},
        {"contracted and special sounds", {"きゃじょぴゅ", "てぃふぁうぃ", "でゅゔぁヴュ"},
         {"⠈⠡⠘⠺⠨⠭", "⠈⠗⠢⠥⠢⠃", "⠸⠝⠲⠥⠸⠬"}},
        {"blanks kept, the ideographic one too", {" あ　い ", "⠀あ"}, {" ⠁ ⠃ ", " ⠁"}},
        {"ゑ before a non-blank", {"ゑい", "ヱ。"}, {"⠖⠃", "⠖⠲"}},
        {"small kana that no table combines", {"ぁ", "きぃ", "がゃ"}, {"✗1", "✗2", "✗2"}},
        {"a voicing mark with no kana to take it, never the degree sign", {"゜ 25", "あ゛", "5゜"}, {"✗1", "✗2", "✗2"}},
        {"ゑ before a blank or at the line's end", {"ゑ い", "あゑ"}, {"✗1", "✗2"}},
        {"bytes that are not UTF-8", {"あ\xff", "\xe3\x81"}, {"✗2", "✗1,2"}},
        {"kanji unread", {"かん字"}, {"✗3"}},
        {"braille patterns as their own cells, nothing added after them",
         {"⠁⠿⠼", "1⠁", "a⠂", "。⠁", "⣿"}, {"⠁⠿⠼", "⠼⠁⠁", "⠰⠁⠂", "⠲  ⠁", "✗1"}},
    });
}

TEST(KanaComposer, WritesNumbers)
{
    ExpectComposed({
        {"numeral sign once, digits ASCII or full-width", {"1234567890", "１２", "1 2"},
         {"⠼⠁⠃⠉⠙⠑⠋⠛⠓⠊⠚", "⠼⠁⠃", "⠼⠁ ⠼⠃"}},
        {"位取り点 before exactly three digits", {"12,800", "1,234,567"}, {"⠼⠁⠃⠄⠓⠚⠚", "⠼⠁⠄⠃⠉⠙⠄⠑⠋⠛"}},
        {"any other comma is a 読点", {"1,23", "1,2345"}, {"⠼⠁⠰ ⠼⠃⠉", "⠼⠁⠰ ⠼⠃⠉⠙⠑"}},
        {"小数点", {"0.75", "１２，８００．５"}, {"⠼⠚⠂⠛⠑", "⠼⠁⠃⠄⠓⠚⠚⠂⠑"}},
        {"重ね数字 with points or 中点", {"2027.3.15", "3・4"}, {"⠼⠃⠚⠃⠛⠼⠉⠼⠁⠑", "⠼⠉⠼⠙"}},
        {"shortened year", {"'98", "’98"}, {"⠼⠄⠊⠓", "⠼⠄⠊⠓"}},
        {"hyphens between numbers", {"045-671-2200", "090ー1234", "1‐2–3−4"},
         {"⠼⠚⠙⠑⠤⠼⠋⠛⠁⠤⠼⠃⠃⠚⠚", "⠼⠚⠊⠚⠤⠼⠁⠃⠉⠙", "⠼⠁⠤⠼⠃⠤⠼⠉⠤⠼⠙"}},
        {"time, date, range", {"9:45", "3/21", "9:00～17:30", "1~2"},
         {"⠼⠊⠐⠂⠼⠙⠑", "⠼⠉⠸⠌⠼⠃⠁", "⠼⠊⠐⠂⠼⠚⠚⠤⠤⠼⠁⠛⠐⠂⠼⠉⠚", "⠼⠁⠤⠤⠼⠃"}},
        {"arithmetic between numbers", {"30×45", "1+2", "6÷3"}, {"⠼⠉⠚⠡⠼⠙⠑", "⠼⠁⠢⠼⠃", "⠼⠋⠌⠼⠉"}},
        {"minus in a line with =", {"6-2=4", "6−2=4", "6ー2=4"},
         {"⠼⠋⠔⠼⠃ ⠒⠒ ⠼⠙", "⠼⠋⠔⠼⠃ ⠒⠒ ⠼⠙", "⠼⠋⠤⠼⠃ ⠒⠒ ⠼⠙"}},
        {"minus before a number at the start, after a blank or an opening", {"-4℃", "あ −3", "(-1)"},
         {"⠔⠼⠙⠐⠞", "⠁ ⠔⠼⠉", "⠶⠔⠼⠁⠶"}},
        {"つなぎ符 before kana whose cell is a digit's", {"2えん", "9りん", "1あ2ら3お"},
         {"⠼⠃⠤⠋⠴", "⠼⠊⠤⠓⠴", "⠼⠁⠤⠁⠼⠃⠤⠑⠼⠉⠤⠊"}},
        {"no つなぎ符 before other kana or sounds", {"6かい", "2ちょうめ", "1っ 2ー 3きゃ"},
         {"⠼⠋⠡⠃", "⠼⠃⠈⠞⠉⠿", "⠼⠁⠂ ⠼⠃⠒ ⠼⠉⠈⠡"}},
        {"わ takes つなぎ符 before three digit-cell kana", {"7わりうり", "3わり びき"},
         {"⠼⠛⠤⠄⠓⠉⠓", "⠼⠉⠄⠓ ⠐⠧⠣"}},
        {"letters after a number", {"500ml"}, {"⠼⠑⠚⠚⠰⠍⠇"}},
        {"% and # after a number, kana after %", {"30%オフ", "1#"}, {"⠼⠉⠚⠰⠏⠊⠭", "⠼⠁⠰⠩"}},
        {"currencies by their reading after the number", {"¥2,400", "$15", "€3", "￥5"},
         {"⠼⠃⠄⠙⠚⠚⠤⠋⠴", "⠼⠁⠑⠐⠞⠙", "⠼⠉⠬⠒⠚", "⠼⠑⠤⠋⠴"}},
        {"currency with no number after it", {"¥", "$ 5"}, {"✗1", "✗1"}},
    });
}

TEST(KanaComposer, WritesLatinLetters)
{
    ExpectComposed({
        {"外字符 before a run, wherever it stands", {"a", "あa", "1a", " b"}, {"⠰⠁", "⠁⠰⠁", "⠼⠁⠰⠁", " ⠰⠃"}},
        {"capital groups", {"NHK", "TCP/IP", "U.K.", "it's", "ａＢ"},
         {"⠰⠠⠠⠝⠓⠅", "⠰⠠⠠⠞⠉⠏⠌⠠⠠⠊⠏", "⠰⠠⠥⠲⠠⠅⠲", "⠰⠊⠞⠄⠎", "⠰⠁⠠⠃"}},
        {"a mixed word takes ⠠ per capital, never split", {"McDonald", "ABc"},
         {"⠰⠠⠍⠉⠠⠙⠕⠝⠁⠇⠙", "⠰⠠⠁⠠⠃⠉"}},
        {"a hyphen restarts the run", {"Wi-Fi"}, {"⠰⠠⠺⠊⠤⠰⠠⠋⠊"}},
        {"letters then kana: つなぎ符", {"Uターン", "aか"}, {"⠰⠠⠥⠤⠕⠒⠴", "⠰⠁⠤⠡"}},
        {"a run ending in . then kana or a number: a blank", {"Dr.きむら", "No.8", "etc."},
         {"⠰⠠⠙⠗⠲ ⠣⠽⠑", "⠰⠠⠝⠕⠲ ⠼⠓", "⠰⠑⠞⠉⠲"}},
        {"letters then a number directly", {"B5", "a1b"}, {"⠰⠠⠃⠼⠑", "⠰⠁⠼⠁⠰⠃"}},
        {"kana then letters directly", {"プランB"}, {"⠠⠭⠑⠴⠰⠠⠃"}},
        {"punctuation, brackets and % after letters directly", {"(VIP)", "a。", "a%", "a(b)"},
         {"⠶⠰⠠⠠⠧⠊⠏⠶", "⠰⠁⠲", "⠰⠁⠰⠏", "⠰⠁⠶⠰⠃⠶"}},
        {"a blank before a particle is kept", {"PC を"}, {"⠰⠠⠠⠏⠉ ⠔"}},
        {"℡ as TEL, № as No.", {"℡", "№5"}, {"⠰⠠⠠⠞⠑⠇", "⠰⠠⠝⠕⠲ ⠼⠑"}},
    });
}

TEST(KanaComposer, WritesForeignPhrases)
{
    ExpectComposed({
        {"two words between 外国語引用符", {"Good Morning", "Go On"},
         {"⠦⠠⠛⠕⠕⠙ ⠠⠍⠕⠗⠝⠊⠝⠛⠴", "⠦⠠⠛⠕ ⠠⠕⠝⠴"}},
        {"numbers between the words", {"Route 66 Cafe"}, {"⠦⠠⠗⠕⠥⠞⠑ ⠼⠋⠋ ⠠⠉⠁⠋⠑⠴"}},
        {"English punctuation inside", {"Sato Kogyo Co., Ltd.", "Hi there! OK?"},
         {"⠦⠠⠎⠁⠞⠕ ⠠⠅⠕⠛⠽⠕ ⠠⠉⠕⠲⠂ ⠠⠇⠞⠙⠲⠴", "⠦⠠⠓⠊ ⠞⠓⠑⠗⠑⠖ ⠠⠠⠕⠅⠦⠴"}},
        {"kana before directly, a blank after", {"これはGood Morningです"},
         {"⠪⠛⠥⠦⠠⠛⠕⠕⠙ ⠠⠍⠕⠗⠝⠊⠝⠛⠴ ⠐⠟⠹"}},
        {"words in capitals only are abbreviations", {"NHK BS"}, {"⠰⠠⠠⠝⠓⠅ ⠰⠠⠠⠃⠎"}},
        {"two blanks or a sign keep words apart", {"Mr  Kim", "Go→On"},
         {"⠰⠠⠍⠗  ⠰⠠⠅⠊⠍", "⠰⠠⠛⠕ ⠒⠒⠕ ⠰⠠⠕⠝"}},
    });
}

TEST(KanaComposer, WritesEmailsAndUrls)
{
    ExpectComposed({
        {"an email", {"sato.k@mail.example.jp", "info@shop24.jp"},
         {"⠠⠦⠎⠁⠞⠕⠲⠅⠪⠍⠁⠊⠇⠲⠑⠭⠁⠍⠏⠇⠑⠲⠚⠏⠠⠴", "⠠⠦⠊⠝⠋⠕⠪⠎⠓⠕⠏⠼⠃⠙⠲⠰⠚⠏⠠⠴"}},
        {"a URL", {"https://tessra.jp/q?id=7"},
         {"⠠⠦⠓⠞⠞⠏⠎⠐⠂⠌⠌⠞⠑⠎⠎⠗⠁⠲⠚⠏⠌⠟⠐⠦⠊⠙⠒⠒⠼⠛⠠⠴"}},
        {"a domain name", {"tessra.jp", "www.Tessra.JP"}, {"⠠⠦⠞⠑⠎⠎⠗⠁⠲⠚⠏⠠⠴", "⠠⠦⠺⠺⠺⠲⠠⠞⠑⠎⠎⠗⠁⠲⠠⠠⠚⠏⠠⠴"}},
        {"capitals, ⠰ back to small letters", {"ABc@x.jp", "Sato@X.Jp"},
         {"⠠⠦⠠⠠⠁⠃⠰⠉⠪⠭⠲⠚⠏⠠⠴", "⠠⠦⠠⠎⠁⠞⠕⠪⠠⠭⠲⠠⠚⠏⠠⠴"}},
        {"signs only computer text writes", {"a_b@x.jp", "http://x.jp/~a|b"},
         {"⠠⠦⠁⠐⠤⠃⠪⠭⠲⠚⠏⠠⠴", "⠠⠦⠓⠞⠞⠏⠐⠂⠌⠌⠭⠲⠚⠏⠌⠐⠉⠁⠳⠃⠠⠴"}},
        {"the sentence's signs at the end stay outside", {"(a@x.jp)。", "x.jp、あ"},
         {"⠶⠠⠦⠁⠪⠭⠲⠚⠏⠠⠴⠶⠲", "⠠⠦⠭⠲⠚⠏⠠⠴⠰ ⠁"}},
        {"kana before directly, a blank after", {"メールa@x.jpまで", "TEL:045"},
         {"⠿⠒⠙⠠⠦⠁⠪⠭⠲⠚⠏⠠⠴ ⠵⠐⠟", "⠰⠠⠠⠞⠑⠇ ⠼⠚⠙⠑"}},
        {"no email without a domain", {"a@b"}, {"⠰⠁⠰⠪⠰⠃"}},
        {"an email's name holds no heading", {"E-mail:ab@x.jp"}, {"⠰⠠⠑⠤⠰⠍⠁⠊⠇ ⠠⠦⠁⠃⠪⠭⠲⠚⠏⠠⠴"}},
    });
}

TEST(KanaComposer, WritesPunctuationWithItsBlanks)
{
    ExpectComposed({
        {"blanks only when the line goes on, the text's count", {"あめ。くもり、はれ", "あ。", "あ。 い", "あ、  い"},
         {"⠁⠿⠲  ⠩⠾⠓⠰ ⠥⠛", "⠁⠲", "⠁⠲  ⠃", "⠁⠰  ⠃"}},
        {"no blanks before a closing bracket or another mark", {"（あ。）", "？！・", "え!?"},
         {"⠶⠁⠲⠶", "⠢⠖⠐", "⠋⠖⠢"}},
        {"？ ！ end a sentence before a blank, stand inside one before text",
         {"ほんとう？ よかった", "なぜ？と おもう", "わあ！すごい"},
         {"⠮⠴⠞⠉⠢  ⠜⠡⠂⠕", "⠅⠐⠻⠢ ⠞ ⠊⠾⠉", "⠄⠁⠖ ⠹⠐⠪⠃"}},
        {"中点", {"あ・い"}, {"⠁⠐ ⠃"}},
        {"a . or , outside numbers and letters", {"あ.い,う"}, {"⠁⠲  ⠃⠰ ⠉"}},
        {"heading colon: one blank", {"TEL:045", "でんわ：　1", "ばしょ:"}, {"⠰⠠⠠⠞⠑⠇ ⠼⠚⠙⠑", "⠐⠟⠴⠄ ⠼⠁", "⠐⠥⠈⠺"}},
    });
}

TEST(KanaComposer, WritesEnclosures)
{
    ExpectComposed({
        {"カギ and 二重カギ", {"「みせ」", "『ゆき』"}, {"⠤⠷⠻⠤", "⠰⠤⠬⠣⠤⠆"}},
        {"第2カッコ for every other bracket and quotes in pairs", {"【セール】", "［あ］〈い〉", "\"a\"'b'"},
         {"⠐⠶⠻⠒⠙⠶⠂", "⠐⠶⠁⠶⠂⠐⠶⠃⠶⠂", "⠐⠶⠰⠁⠶⠂⠐⠶⠰⠃⠶⠂"}},
        {"（） and 「」 alternate across a label's lines", {"（あ", "い）(1)", "「う", "」"},
         {"⠶⠁", "⠃⠶⠶⠼⠁⠶", "⠤⠉", "⠤"}},
        {"no blanks added outside", {"あ（い）う"}, {"⠁⠶⠃⠶⠉"}},
        {"a closing bracket of a kind not open", {"）", "」", "』", "】", "『あ』』", "⠶）"},
         {"✗1", "✗1", "✗1", "✗1", "✗4", "✗2"}},
        {"（ or 「 opened twice", {"（（", "「「"}, {"✗2", "✗2"}},
    });
}

TEST(KanaComposer, WritesOtherSignsWithTheirBlanks)
{
    ExpectComposed({
        {"arrows and 棒線 with blanks around", {"でぐち→", "あ←い", "あ ↔ い", "あ⇒", "あ―い"},
         {"⠐⠟⠐⠩⠗ ⠒⠒⠕", "⠁ ⠪⠒⠒ ⠃", "⠁ ⠪⠒⠒⠕ ⠃", "⠁ ⠒⠒⠕", "⠁ ⠒⠒ ⠃"}},
        {"no blank after an opening or before a closing bracket", {"（→）"}, {"⠶⠒⠒⠕⠶"}},
        {"点線 before, after unless a pause or closing", {"まつ…", "あ…い", "あ...。", "「あ‥」"},
         {"⠵⠝ ⠂⠂⠂", "⠁ ⠂⠂⠂ ⠃", "⠁ ⠂⠂⠂⠲", "⠤⠁ ⠂⠂⠂⠤"}},
        {"波線 and hyphen join", {"あ～い", "あ-い"}, {"⠁⠤⠤⠃", "⠁⠤⠃"}},
        {"& with blanks", {"R&D"}, {"⠰⠠⠗ ⠰⠯ ⠰⠠⠙"}},
        {"= < > with blanks, none between two", {"3<8", "a<=b"}, {"⠼⠉ ⠔⠔ ⠼⠓", "⠰⠁ ⠔⠔⠒⠒ ⠰⠃"}},
        {"# * % + ÷ / @ directly, full-width as ASCII", {"#12", "＃１２", "@150", "あ*い", "あ/い", "あ+い"},
         {"⠰⠩⠼⠁⠃", "⠰⠩⠼⠁⠃", "⠰⠪⠼⠁⠑⠚", "⠁⠰⠡⠃", "⠁⠸⠌⠃", "⠁⠢⠃"}},
        {"※ with a blank after", {"※われもの"}, {"⠔⠔ ⠄⠛⠾⠎"}},
        {"〒 and ℃ by their reading", {"〒231-0023", "25℃", "20°C", "5°"},
         {"⠬⠒⠐⠧⠴ ⠼⠃⠉⠁⠤⠼⠚⠚⠃⠉", "⠼⠃⠑⠐⠞", "⠼⠃⠚⠐⠞", "⠼⠑⠐⠞"}},
    });
}

TEST(KanaComposer, WritesShapes)
{
    ExpectComposed({
        {"shapes side by side", {"★★☆", "○●◎□■△▲▽▼◇◆"},
         {"⠰⠮⠆⠰⠮⠆⠰⠮⠂", "⠠⠵⠂⠠⠵⠆⠠⠵⠲⠠⠳⠂⠠⠳⠆⠠⠱⠂⠠⠱⠆⠰⠱⠂⠰⠱⠆⠨⠧⠂⠨⠧⠆"}},
        {"one blank before kana, letters or a number", {"●でんげん", "☆a", "◎1", "× あ", "●。"},
         {"⠠⠵⠆ ⠐⠟⠴⠐⠫⠴", "⠰⠮⠂ ⠰⠁", "⠠⠵⠲ ⠼⠁", "⠰⠡⠂ ⠁", "⠠⠵⠆⠲"}},
    });
}

TEST(KanaComposer, RefusesWhatNoConventionWrites)
{
    ExpectComposed({
        {"emoji, pictographs, box drawing", {"😀", "☎", "✉", "♪", "┼"}, {"✗1", "✗1", "✗1", "✗1", "✗1"}},
        {"other arrows and math signs", {"↑", "↗", "≠", "±", "√", "∞"}, {"✗1", "✗1", "✗1", "✗1", "✗1", "✗1"}},
        {"circled numbers", {"①", "⑴"}, {"✗1", "✗1"}},
        {"computer signs outside computer text", {"a;b", "\\", "|", "^", "_", "`"},
         {"✗2", "✗1", "✗1", "✗1", "✗1", "✗1"}},
        {"other signs and currencies", {"©", "®", "™", "§", "†", "¶", "£", "₩"},
         {"✗1", "✗1", "✗1", "✗1", "✗1", "✗1", "✗1", "✗1"}},
        {"iteration marks", {"ゝ", "ゞ", "ヽ", "ヾ", "〃"}, {"✗1", "✗1", "✗1", "✗1", "✗1"}},
        {"control characters", {"\t"}, {"✗1"}},
    });
}

TEST(KanaComposer, RefusalsSayWhatToWriteInstead)
{
    KanaComposer composer;
    for (const char* text : {"☎", "↑", "≠", "①", ";", "©", "£", "ゝ"}) {
        const ComposedLine line = composer.ComposeLine(text);
        ASSERT_EQ(line.refusals.size(), 1u) << text;
        EXPECT_NE(line.refusals[0].reason, composer.ComposeLine("\t").refusals[0].reason) << text;
    }
}

// Texts drawn from the kana alphabet: every kana sound of the reader's tables, hiragana or
// katakana, precomposed or with its mark; numbers; punctuation; parentheses and blanks, in any
// order. Letters and the other signs are the tables' above.
class TextDrawer {
public:
    explicit TextDrawer(unsigned seed) : random_(seed)
    {
        for (const kana::CellText& row : kana::kSingleCellRows)
            if (row.cell != kana::kConnectingSign) sounds_.push_back(DecodeUtf8(row.text));
        for (const kana::TwoCellSign& sign : kana::kTwoCellSigns) {
            for (const kana::SignRow& row : sign.rows)
                if (!row.previous.starts_with(' '))
                    sounds_.push_back(DecodeUtf8(std::string(row.previous) + std::string(row.current)));
        }
    }

    std::string Line(bool& parenOpen)
    {
        std::u32string line;
        for (std::size_t n = Below(7); n > 0; --n) {
            const bool wasOpen = parenOpen;
            const std::u32string token = Token(parenOpen);
            if (test::ReadsBySpelling(EncodeUtf8(line + token))) {
                line += token;
            } else {
                parenOpen = wasOpen;
            }
        }
        return EncodeUtf8(line);
    }

    std::size_t Below(std::size_t n) { return random_() % n; }

private:
    char32_t Pick(std::u32string_view choices) { return choices[Below(choices.size())]; }

    std::u32string Token(bool& parenOpen)
    {
        std::u32string token;
        switch (Below(6)) {
        case 0:  // a number, its digits ASCII or full-width, with commas and points
            for (std::size_t n = 1 + Below(6); n > 0; --n) {
                token += Pick(U"0123456789") + (Below(2) ? 0 : 0xFEE0);
                if (n > 1 && Below(4) == 0) token += Pick(U",.，．");
            }
            return token;
        case 1: return {Pick(U"。、？！・?!")};
        case 2: parenOpen = !parenOpen; return {Pick(parenOpen ? U"（(" : U"）)")};
        case 3: return {Pick(U" 　")};
        case 4: return Pick(U"ゑヱ") + Sound();
        default: return Sound();
        }
    }

    // Precomposed or with its mark, hiragana or katakana.
    std::u32string Sound()
    {
        std::u32string sound = sounds_[Below(sounds_.size())];
        if (sound.size() > 1 && (sound[1] == U'゛' || sound[1] == U'°') && Below(3) > 0) {
            sound[0] = sound[0] == U'う' ? U'ゔ' : sound[0] + (sound[1] == U'゛' ? 1 : 2);
            sound.erase(1, 1);
        }
        for (char32_t& c : sound)
            if (c >= U'ぁ' && c <= U'ゖ' && Below(2) > 0) c += 0x60;
        return sound;
    }

    std::mt19937 random_;
    std::vector<std::u32string> sounds_;
};

// Each line is read as the sheet view reads it, padded to a width that it fills or nearly fills,
// so that numbers and letter runs end at the line's last cell as well as at a padding blank.
TEST(KanaComposer, RandomTextsReadBackInTheReadingsSpelling)
{
    TextDrawer draw(20240613);
    for (int label = 0; label < 3000; ++label) {
        KanaComposer composer;
        KanaReader reader;
        composer.ResetForLabel();
        reader.ResetForLabel();
        bool parenOpen = false;
        for (std::size_t lines = 1 + draw.Below(4); lines > 0; --lines) {
            const std::string text = draw.Line(parenOpen);
            const ComposedLine composed = composer.ComposeLine(text);
            ASSERT_TRUE(composed.refusals.empty()) << text << ": column "
                                                   << composed.refusals[0].column;
            std::string padded = composed.cells;
            padded.resize(padded.size() + draw.Below(3), ' ');
            const int width = static_cast<int>(padded.size());
            ASSERT_EQ(ReadLabelLine(reader, padded, width), test::ReadingSpelling(text))
                << text << " as " << composed.cells;
        }
    }
}

TEST(ComposeDocument, LaysOutOnePagePerLabelAndRefusesWhatDoesNotFit)
{
    const Preset& cards = Catalogue()[9];  // 5 x 2 labels of 16 cells and 5 lines
    AppState state;
    EXPECT_TRUE(ComposeDocument("\xEF\xBB\xBFあ\r\n---\nい\n---\n", cards, state).empty());
    EXPECT_EQ(state.document.lines(), (std::vector<std::string>{"", "A", "", "", "", "", "", "B"}));
    EXPECT_EQ(std::tuple(state.document.sameDataForAllLabels(), state.document.cellsPerLine(), state.document.linesPerPage()),
              std::tuple(false, 16, 6));

    const struct { const char* name; std::string text; std::vector<std::string> messages; } rows[] = {
        {"line longer than the label", "あ\nかきくけこさしすせそたちつてとなに\n",
         {"ラベル 1 の 2 行目（2 行目）: 点字で 17 マスになります。1 行に入るのは 16 マスまでです"}},
        {"more lines than the label holds, with a kanji", "\n\n\n---\n\n\n\n\n\n漢\n",
         {"10 行 1 文字目「漢」: 漢字の行は、読みを確定すると書かれます",
          "ラベル 2 の 6 行目（10 行目）: ラベルに入るのは 5 行までです。このラベルのテキストは 6 行あります"}},
        {"more texts than labels", "---\n---\n---\n---\n---\n---\n---\n---\n---\n---\nあ",
         {"ラベル 11（11 行目から）: この用紙のラベルは 10 枚です。テキストは 11 枚分あります"}},
    };
    for (const auto& row : rows) {
        AppState untouched;
        EXPECT_EQ(ComposeDocument(row.text, cards, untouched), row.messages) << row.name;
        EXPECT_TRUE(untouched.document.lines().empty()) << row.name;
    }
}

}  // namespace
}  // namespace tessra
