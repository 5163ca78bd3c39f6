#include "braille/BrailleUnicode.h"
#include "braille/KanaReader.h"
#include "braille/LineReading.h"
#include "braille/PlainReading.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

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

TEST(PlainReading, ShowsTheSignsAsPrinted)
{
    // Cells as Unicode patterns, a blank as "⠀".
    const struct { const char* name; const char* cells; const char* plain; } rows[] = {
        {"第1カギ", "⠤⠷⠻⠤", "「みせ」"},
        {"arrow", "⠐⠟⠐⠩⠗⠀⠒⠒⠕", "でぐち →"},
        {"phone number", "⠼⠚⠙⠑⠤⠼⠋⠛⠁⠤⠼⠃⠃⠚⠚", "045-671-2200"},
        {"つなぎ符 left out", "⠼⠃⠤⠋⠴", "2えん"},
        {"percent", "⠼⠉⠚⠰⠏⠊⠭", "30%おふ"},
        {"email with an underline, its enclosure left out", "⠠⠦⠎⠁⠞⠕⠐⠤⠅⠪⠍⠁⠊⠇⠲⠚⠏⠠⠴", "sato_k@mail.jp"},
        {"a foreign phrase without its quotes", "⠦⠠⠛⠕⠀⠠⠕⠝⠴", "Go On"},
        {"shapes", "⠰⠮⠆⠰⠮⠆⠰⠮⠂", "★★☆"},
    };
    for (const auto& row : rows) {
        KanaReader reader;
        reader.ResetForLabel();
        const std::string cells = CellsOfPatterns(row.cells);
        EXPECT_EQ(PlainReading(ReadLabelLine(reader, cells, static_cast<int>(cells.size()))), row.plain) << row.name;
    }
}

}  // namespace
}  // namespace tessra
