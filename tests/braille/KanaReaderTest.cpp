#include "braille/BrailleUnicode.h"
#include "braille/KanaReader.h"
#include "braille/LineReading.h"
#include "braille/PlainReading.h"
#include "text/Utf8Text.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace tessra {
namespace {

// What finally stands on each cell of each line of one label, cells joined by '|'; braille texts
// in braces. `lastMarked` false: the label holds fewer cells than the line is wide, so no cell is
// marked last.
std::vector<std::string> ReadLabel(const std::vector<std::string>& lines, bool lastMarked)
{
    KanaReader reader;
    reader.ResetForLabel();
    std::vector<std::string> read;
    for (const std::string& cells : lines) {
        reader.ResetForLine();
        std::vector<CellDrawing> drawn(cells.size());
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const KanaReading r = reader.ReadCell(cells[i], lastMarked && i + 1 == cells.size());
            // No rewrite reaches before the line's first cell.
            EXPECT_LE(std::max<std::size_t>(r.redrawn.size(), r.prevCellOut.empty() ? 0 : 1), i);
            PlaceReading(drawn, i, r);
        }
        std::string& joined = read.emplace_back();
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            const std::string text(drawn[i].text);
            joined += (i > 0 ? "|" : "") + (drawn[i].braille ? "{" + text + "}" : text);
        }
    }
    return read;
}

TEST(KanaReader, ReadsEverySingleCellAsItsKana)
{
    // The single-cell kana in the order of the syllabary, and their cells.
    const std::u32string_view kana = U"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわゐをんっー「";
    const std::string_view cells = "ABCFI*<%$[:\\?]WORNQTKLMPSUVX&!Z(Y=)/+>EHDGJ'29013-";
    ASSERT_EQ(kana.size(), cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const KanaReading read = KanaReader().ReadCell(cells[i], false);
        EXPECT_TRUE(read.cellOut == EncodeUtf8(kana.substr(i, 1)) && !read.cellOutBraille && read.prevCellOut.empty()) << cells[i];
    }
}

TEST(KanaReader, ReadsLabels)
{
    // The lines of one label and what they read as.
    const struct { const char* name; std::vector<std::string> lines, expected;
                   bool lastMarked = true; } rows[] = {
        {"DigitsCommaDecimalPointAndKana", {"#AB", "#A'BCD", "#A1B", "#AK"},
         {"{#}|１|２", "{#}|１|，|２|３|４", "{#}|１|．|２", "{#}|１|な"}},
        {"ApostrophesAndLowerRowDigits", {"#A'1", "#'A", "#12 ", "#1'2", "#1A"},
         {"{#}|１|わ|っ", "{#}|’|１", "{#}|{1}|{2}|{ }", "{#}|{1}|，|{2}", "{#}|{1}|あ"}},
        {"NumberAndLettersEndWithLine", {"#A", "B", ";A", "B"}, {"{#}|１", "い", "{;}|ａ", "い"}},
        {"NarrowLabelMarksNoCellLast", {"A4", "#A", "B", ";A", "B"},
         {"あ|", "{#}|１", "２", "{;}|ａ", "ｂ"}, false},
        {"ParenthesesAlternateAcrossLines", {"7A", "B7"}, {"（|あ", "い|）"}},
        {"VoicedSign", {"\"*", "\" "}, {"か|゛", "・|{ }"}},
        {"ContractedSign", {"@*", "@A"}, {"き|ゃ", "{@}|{A}"}},
        {"OtherTwoCellSigns", {"\"Z", ",U", "^W", "_+", ".U.N", "5Q", "4U"},
         {" ○|", "は|°", "じ|ょ", "う゛|ゅ", "ぴ|ゃ|て|ゅ", "つ|ぇ", "う゛|ぁ"}},
        {"OtherPrefixesBeforeUnknownCell", {"\"A", ",A", "^A", "_A", "5A", "4A", ".K "},
         {"{\"}|{A}", "{,}|{A}", "{^}|{A}", "{_}|{A}", "{5}|{A}", "{4}|{A}", "{.}|{K}|{ }"}},
        {"PrefixesBeforeBlank", {"4 ", "5 ", "; ", ". "}, {"。|{ }", "？|{ }", "、|{ }", "．|{ }"}},
        {"PrefixesEndingLines", {"A4", "A5", "A6", "A;", "A\"", "A.", "A@"},
         {"あ|。", "あ|？", "あ|！", "あ|、", "あ|・", "あ|．", "あ|"}},
        {"ExclamationOrWe", {"6 ", "6K"}, {"！|{ }", "ゑ|な"}},
        {"ForeignLetterSign", {";,AB", ";,,AB", ";&", ";%", ";*"},
         {"{;}|{,}|Ａ|ｂ", "{;}|{,}|{,}|Ａ|Ｂ", "&|", "#|", "*|"}},
        {"LettersUntilBlank", {";A B", ";A[4/@'3"}, {"{;}|ａ|{ }|い", "{;}|ａ|＠|．|/|´|’|："}},
        {"NumeralSignAndColonInLetters", {";A#B", "# ;A#1", ";A\"1"},
         {"{;}|ａ|{#}|２", "{#}|{ }|{;}|ａ|{#}|っ", "{;}|ａ| ：|"}},
        {"ForeignQuotationWithCapitals", {"8,,A B0C"}, {"{8}|{,}|{,}|Ａ|{ }|ｂ|{0}|う"}},
        {"QuotationKeepsOnOverBlanksAndLines", {"8A B", "C0"}, {"{8}|ａ|{ }|ｂ", "ｃ|{0}"}},
        {"CellOutsideTables", {"a\x7f"}, {"{a}|{\x7f}"}},
        {"DotFourSixBeforeLineEnd", {".K", ".4", ".X"}, {"．|な", "．|。", "ぴ|ゅ"}},
    };
    for (const auto& r : rows) EXPECT_EQ(ReadLabel(r.lines, r.lastMarked), r.expected) << r.name;
}

TEST(LineReading, ReadsTheTextLastDrawnOnEachPlacedCell)
{
    const struct { const char* name; std::string line; int cells; std::string expected; } rows[] = {
        {"later rewrite replaces a cell's own text", "\"*  ", 4, "か゛"},
        {"leading and inner blanks kept, trailing removed", ";&A B   ", 8, "&あ い"},
        {"cell without text adds nothing", ";A\"B", 4, "⠰ａｂ"},
        {"last cell of the padded line is placed", "K4", 2, "な。"},
        {"last cell of the padded line is not placed", "K4 ", 2, "な"},
        {"negative capacity", "ABC", -3, ""},
        {"capacity beyond the line", "AB", 99, "あい"},
    };
    for (const auto& row : rows) {
        KanaReader reader;
        reader.ResetForLabel();
        EXPECT_EQ(ReadLabelLine(reader, row.line, row.cells), row.expected) << row.name;
    }
    // No line starts with a previous cell; modes carry to the next line, not to the next label.
    KanaReader reader;
    reader.ResetForLabel();
    EXPECT_EQ(ReadLabelLine(reader, "K@ ", 2), "な");
    EXPECT_EQ(ReadLabelLine(reader, "7#A ", 3), "（⠼１");
    EXPECT_EQ(ReadLabelLine(reader, "B8A#C ", 5), "２⠦ａ⠼３");
    reader.ResetForLabel();
    EXPECT_EQ(ReadLabelLine(reader, "B7A0;A ", 6), "い（あん⠰ａ");
    EXPECT_EQ(BrailleLabelLine("AB ; ", 16), "⠁⠃ ⠰");
}

// One line written as Unicode patterns (a blank as an ASCII space), as `tessra read` reads it.
std::string ReadPatterns(std::string_view patterns)
{
    KanaReader reader;
    reader.ResetForLabel();
    const std::string cells = CellsOfPatterns(patterns);
    return ReadLabelLine(reader, cells, static_cast<int>(cells.size()));
}

TEST(KanaReader, ReadsBackTheSignsTheComposerWrites)
{
    // The plain form as well where one is given.
    const struct { const char* name; const char* cells; const char* reading; const char* plain = nullptr; } rows[] = {
        // Numbers.
        {"digit comma before three digits", "⠼⠁⠃⠄⠓⠚⠚", "⠼１２，８００"},
        {"decimal point before a digit", "⠼⠚⠂⠛⠑", "⠼０．７５"},
        {"numbers joined without a sign", "⠼⠃⠚⠃⠛⠼⠉⠼⠁⠑", "⠼２０２７⠼３⠼１５"},
        {"shortened year", "⠼⠄⠊⠓", "⠼’９８"},
        {"hyphen between numbers", "⠼⠚⠙⠑⠤⠼⠋⠛⠁⠤⠼⠃⠃⠚⠚", "⠼０４５-⠼６７１-⠼２２００", "045-671-2200"},
        {"colon between numbers", "⠼⠊⠐⠂⠼⠙⠑", "⠼９:⠼４５"},
        {"slash between numbers", "⠼⠉⠸⠌⠼⠃⠁", "⠼３/⠼２１"},
        {"wave dash between numbers", "⠼⠊⠐⠂⠼⠚⠚⠤⠤⠼⠁⠛⠐⠂⠼⠉⠚", "⠼９:⠼００～⠼１７:⠼３０"},
        {"plus, times and divided by", "⠼⠁⠢⠼⠃ ⠼⠉⠚⠡⠼⠙⠑ ⠼⠋⠌⠼⠃", "⠼１+⠼２ ⠼３０×⠼４５ ⠼６÷⠼２"},
        {"minus and equals in a formula", "⠼⠋⠔⠼⠃ ⠒⠒ ⠼⠙", "⠼６−⠼２ = ⠼４"},
        {"minus before a number", "⠔⠼⠙⠐⠞", "−⠼４と゛"},
        {"つなぎ符 before a kana that reads as a digit", "⠼⠃⠤⠋⠴ ⠼⠊⠤⠓⠴", "⠼２_えん ⠼９_りん", "2えん 9りん"},
        {"no つなぎ符 before other kana", "⠼⠋⠡⠃ ⠼⠃⠈⠞⠉⠿", "⠼６かい ⠼２ちょうめ"},
        {"つなぎ符 before わ and three digit kana", "⠼⠛⠤⠄⠓⠉⠓", "⠼７_わりうり"},
        {"digit comma before fewer digits is わ", "⠼⠉⠄⠓ ⠐⠧⠣", "⠼３わり ひ゛き"},
        {"decimal point before no digit is っ", "⠼⠁⠂⠞", "⠼１っと"},
        {"currency by its reading", "⠼⠃⠄⠙⠚⠚⠤⠋⠴ ⠼⠁⠑⠐⠞⠙", "⠼２，４００_えん ⠼１５と゛る"},
        {"letters right after a number", "⠼⠑⠚⠚⠰⠍⠇", "⠼５００⠰ｍｌ"},
        {"percent after a number, kana directly after it", "⠼⠉⠚⠰⠏⠊⠭", "⠼３０%おふ", "30%おふ"},
        // Letters.
        {"capitals of a run", "⠰⠠⠠⠝⠓⠅", "⠰⠠⠠ＮＨＫ"},
        {"capitals signed per group", "⠰⠠⠠⠞⠉⠏⠌⠠⠠⠊⠏ ⠰⠠⠠⠁⠃⠌⠉", "⠰⠠⠠ＴＣＰ/⠠⠠ＩＰ ⠰⠠⠠ＡＢ/ｃ"},
        {"period and apostrophe in a run", "⠰⠠⠥⠲⠠⠅⠲ ⠰⠊⠞⠄⠎", "⠰⠠Ｕ．⠠Ｋ． ⠰ｉｔ’ｓ"},
        {"a capital of a mixed word", "⠰⠠⠍⠉⠠⠙⠕⠝⠁⠇⠙", "⠰⠠Ｍｃ⠠Ｄｏｎａｌｄ"},
        {"hyphen between letter runs", "⠰⠠⠺⠊⠤⠰⠠⠋⠊", "⠰⠠Ｗｉ-⠰⠠Ｆｉ"},
        {"つなぎ符 between letters and kana", "⠰⠠⠥⠤⠕⠒⠴", "⠰⠠Ｕ_たーん"},
        {"abbreviation, blank, kana or number", "⠰⠠⠙⠗⠲ ⠣⠽⠑ ⠰⠠⠝⠕⠲ ⠼⠓", "⠰⠠Ｄｒ． きむら ⠰⠠Ｎｏ． ⠼８"},
        {"kana, letters, a number", "⠠⠭⠑⠴⠰⠠⠃⠼⠑", "ふ°らん⠰⠠Ｂ⠼５"},
        {"parentheses around letters", "⠶⠰⠠⠠⠧⠊⠏⠶", "（⠰⠠⠠ＶＩＰ）"},
        {"punctuation right after letters", "⠰⠠⠠⠧⠊⠏⠖ ⠰⠁⠰ ⠁", "⠰⠠⠠ＶＩＰ！ ⠰ａ、 あ"},
        // Foreign phrases and computer text.
        {"foreign phrase", "⠦⠠⠛⠕⠕⠙ ⠠⠍⠕⠗⠝⠊⠝⠛⠴ ⠐⠟⠹", "⠦⠠Ｇｏｏｄ ⠠Ｍｏｒｎｉｎｇ⠴ て゛す", "Good Morning です"},
        {"number inside a foreign phrase", "⠦⠠⠗⠕⠥⠞⠑ ⠼⠋⠋ ⠠⠉⠁⠋⠑⠴", "⠦⠠Ｒｏｕｔｅ ⠼６６ ⠠Ｃａｆｅ⠴"},
        {"punctuation inside a foreign phrase", "⠦⠠⠉⠕⠲⠂ ⠠⠇⠞⠙⠲ ⠠⠓⠊⠦⠖⠴", "⠦⠠Ｃｏ., ⠠Ｌｔｄ. ⠠Ｈｉ?!⠴"},
        {"email", "⠠⠦⠎⠁⠞⠕⠲⠅⠪⠍⠁⠊⠇⠲⠑⠭⠁⠍⠏⠇⠑⠲⠚⠏⠠⠴",
         "⠠⠦ｓａｔｏ.ｋ@ｍａｉｌ.ｅｘａｍｐｌｅ.ｊｐ⠠⠴", "sato.k@mail.example.jp"},
        {"digits and letters after them in computer text", "⠠⠦⠊⠝⠋⠕⠪⠎⠓⠕⠏⠼⠃⠙⠲⠰⠚⠏⠠⠴",
         "⠠⠦ｉｎｆｏ@ｓｈｏｐ⠼２４.⠰ｊｐ⠠⠴"},
        {"URL", "⠠⠦⠓⠞⠞⠏⠎⠐⠂⠌⠌⠞⠑⠎⠎⠗⠁⠲⠚⠏⠌⠟⠐⠦⠊⠙⠒⠒⠼⠛⠠⠴ ⠁",
         "⠠⠦ｈｔｔｐｓ://ｔｅｓｓｒａ.ｊｐ/ｑ?ｉｄ=⠼７⠠⠴ あ"},
        {"capitals and underline in computer text", "⠠⠦⠠⠁⠐⠤⠠⠠⠃⠉⠰⠙⠠⠴", "⠠⠦⠠Ａ_⠠⠠ＢＣ⠰ｄ⠠⠴"},
        {"underline in an email", "⠠⠦⠎⠁⠞⠕⠐⠤⠅⠪⠍⠁⠊⠇⠲⠚⠏⠠⠴", "⠠⠦ｓａｔｏ_ｋ@ｍａｉｌ.ｊｐ⠠⠴", "sato_k@mail.jp"},
        // Punctuation.
        {"full stop and comma", "⠁⠿⠲  ⠩⠾⠓⠰ ⠥⠛", "あめ。  くもり、 はれ"},
        {"question mark ending a sentence and inside one", "⠮⠴⠞⠉⠢  ⠜⠡⠂⠕ ⠅⠐⠹⠢ ⠞", "ほんとう？  よかった なす゛？ と"},
        {"heading colon is a blank", "⠰⠠⠠⠞⠑⠇ ⠼⠚⠙⠑", "⠰⠠⠠ＴＥＬ ⠼０４５"},
        {"punctuation before a closing bracket", "⠶⠅⠐⠻⠢⠶ ⠤⠥⠃⠲⠤ ⠤⠌⠂⠕⠖⠤", "（なせ゛？） 「はい。」 「やった！」"},
        {"two marks in a row", "⠁⠢⠖ ⠁", "あ？！ あ"},
        // Enclosures.
        {"第1カギ", "⠤⠷⠻⠤", "「みせ」", "「みせ」"},
        {"二重カギ", "⠰⠤⠬⠣⠤⠆", "『ゆき』"},
        {"第2カッコ", "⠐⠶⠻⠒⠙⠶⠂", "【せーる】"},
        {"brackets nested", "⠶⠐⠶⠁⠶⠂⠶", "（【あ】）"},
        // Other signs.
        {"arrow after a word", "⠐⠟⠐⠩⠗ ⠒⠒⠕", "て゛く゛ち →", "でぐち →"},
        {"left and both-way arrows", "⠪⠒⠒ ⠁ ⠪⠒⠒⠕ ⠃", "← あ ↔ い"},
        {"long vowels are no arrow", "⠪⠒⠧⠒ ⠁⠒⠒", "こーひー あーー"},
        {"dash between words", "⠁ ⠒⠒ ⠃", "あ ― い"},
        {"ellipsis", "⠵⠝ ⠂⠂⠂", "まつ …"},
        {"wave dash between kana", "⠁⠤⠤⠃", "あ～い"},
        {"ampersand", "⠰⠠⠗ ⠰⠯ ⠰⠠⠙", "⠰⠠Ｒ & ⠰⠠Ｄ"},
        {"sharp, asterisk and at before numbers", "⠰⠩⠼⠁⠃ ⠰⠡⠼⠁ ⠰⠪⠼⠁⠑⠚", "#⠼１２ *⠼１ @⠼１５０"},
        {"less and greater than between numbers", "⠼⠉ ⠔⠔ ⠼⠓ ⠼⠓ ⠢⠢ ⠼⠉", "⠼３ < ⠼８ ⠼８ > ⠼３"},
        {"reference mark", "⠔⠔ ⠄⠛⠾⠎", "※ われもの"},
        {"slash outside numbers", "⠁⠸⠌⠃", "あ/い"},
        {"postal mark and degrees by their reading", "⠬⠒⠐⠧⠴ ⠼⠃⠉⠁⠤⠼⠚⠚⠃⠉ ⠼⠃⠑⠐⠞",
         "ゆーひ゛ん ⠼２３１-⠼００２３ ⠼２５と゛"},
        {"address numbers", "⠼⠁⠤⠼⠛⠤⠼⠉", "⠼１-⠼７-⠼３"},
        // Shapes.
        {"every shape", "⠠⠵⠂⠠⠵⠆⠠⠵⠲⠠⠳⠂⠠⠳⠆⠠⠱⠂⠠⠱⠆⠰⠱⠂⠰⠱⠆⠰⠮⠂⠰⠮⠆⠨⠧⠂⠨⠧⠆⠰⠡⠂",
         "○●◎□■△▲▽▼☆★◇◆×", "○●◎□■△▲▽▼☆★◇◆×"},
        {"shape before kana", "⠠⠵⠆ ⠐⠟⠴⠐⠫⠴", "● て゛んけ゛ん"},
    };
    for (const auto& row : rows) {
        const std::string reading = ReadPatterns(row.cells);
        EXPECT_EQ(reading, row.reading) << row.name;
        if (row.plain) { EXPECT_EQ(PlainReading(reading), row.plain) << row.name; }
    }
}

TEST(KanaReader, BracketsAndSignsCarryAcrossLinesNotLabels)
{
    KanaReader reader;
    reader.ResetForLabel();
    const auto line = [&reader](std::string_view patterns, int cells) {
        return ReadLabelLine(reader, CellsOfPatterns(patterns), cells);
    };
    EXPECT_EQ(line("⠤⠁ ", 3), "「あ");
    EXPECT_EQ(line("⠃⠤ ", 3), "い」");
    EXPECT_EQ(line("⠐⠶⠁", 3), "【あ");
    EXPECT_EQ(line("⠃⠶⠂", 3), "い】");
    // A sign is never read across a line's end.
    EXPECT_EQ(line("⠁ ⠒⠒", 4), "あ ―");
    EXPECT_EQ(line("⠕", 1), "た");
    reader.ResetForLabel();
    EXPECT_EQ(line("⠃⠤ ", 3), "い「");
}

TEST(PlainReading, WritesTheNotationAsPlainJapanese)
{
    const struct { const char* name; const char* reading; const char* plain; } rows[] = {
        {"voiced kana", "か゛そ゛く やまた゛", "がぞく やまだ"},
        {"semi-voiced kana", "は°ん ほ°すと", "ぱん ぽすと"},
        {"voiced u", "う゛ぁいおりん", "ゔぁいおりん"},
        {"voiced katakana", "カ゛ス ハ°ン", "ガス パン"},
        {"a mark after a kana that takes none stays", "あ゛ま°", "あ゛ま°"},
        {"a mark at the start stays", "゛か", "゛か"},
        {"numbers lose the numeral sign", "⠼０３（⠼１２３４）", "03（1234）"},
        {"letters lose the letter and capital signs", "⠰⠠Ｈａｎａｋｏ ⠰⠠⠠ＪＲ", "Hanako JR"},
        {"the connecting sign goes", "⠼５_えん", "5えん"},
        {"other braille patterns stay", "⠿⠁ ⠀", "⠿⠁ ⠀"},
        {"line ends and headers stay", "[1]\nし゛\n\n", "[1]\nじ\n\n"},
        {"an invalid byte becomes a replacement character", "か\xFF", "か\uFFFD"},
    };
    for (const auto& row : rows) EXPECT_EQ(PlainReading(row.reading), row.plain) << row.name;
}

TEST(BrailleUnicode, CellsMapToTheirDots)
{
    std::string cells;
    for (int cell = 0x20; cell <= 0x5F; ++cell) cells += BrailleCellToUtf8(cell);
    EXPECT_EQ(cells, "⠀⠮⠐⠼⠫⠩⠯⠄⠷⠾⠡⠬⠠⠤⠨⠌⠴⠂⠆⠒⠲⠢⠖⠶⠦⠔⠱⠰⠣⠿⠜⠹"
                     "⠈⠁⠃⠉⠙⠑⠋⠛⠓⠊⠚⠅⠇⠍⠝⠕⠏⠟⠗⠎⠞⠥⠧⠺⠭⠽⠵⠪⠳⠻⠘⠸");
    EXPECT_EQ(BrailleCellToUtf8('`') + BrailleCellToUtf8('z') + BrailleCellToUtf8('~'), "⠈⠵⠘");
    for (int byte : {0x00, 0x1F, 0x7F, 0x80, 0xFF}) EXPECT_EQ(BrailleCodePoint(byte), 0xFFFDu);
}

}  // namespace
}  // namespace tessra
