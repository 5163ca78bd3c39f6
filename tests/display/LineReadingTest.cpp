#include "display/BrailleUnicode.h"
#include "display/LineReading.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tessra {
namespace {

struct LineRow {
    const char* name;
    std::string paddedLine;
    int cellsPerLabelLine;
    std::string expected;
};

TEST(LineReading, ReadsLabelLine)
{
    const LineRow rows[] = {
        {"later rewrite replaces a cell's own text", "\"*  ", 4, "か゛"},
        {"braille-flagged texts as patterns", "#AB ", 4, "⠼１２"},
        {"rewrite in braille", "@A", 2, "⠈⠁"},
        {"inner blanks kept, trailing removed", "A B   ", 6, "あ い"},
        {"kana with a leading blank kept", ";&", 2, " ＆"},
        {"cell without text adds nothing", ";A\"B", 4, "⠰ａｂ"},
        {"byte outside the cell code", "\x01", 1, "\xEF\xBF\xBD"},
        {"label narrower than the line", "ABCD", 2, "あい"},
        {"last cell of the padded line is placed", "K4", 2, "な。"},
        {"last cell of the padded line is not placed", "K4 ", 2, "な"},
        {"no cells placed", "ABC", 0, ""},
        {"negative capacity", "ABC", -3, ""},
        {"capacity beyond the line", "AB", 99, "あい"},
    };
    for (const LineRow& row : rows) {
        KanaReader reader;
        reader.ResetForLabel();
        EXPECT_EQ(ReadLabelLine(reader, row.paddedLine, row.cellsPerLabelLine), row.expected)
            << row.name;
    }
}

TEST(LineReading, EveryLineStartsWithoutPreviousCell)
{
    KanaReader reader;
    reader.ResetForLabel();
    EXPECT_EQ(ReadLabelLine(reader, "K@ ", 2), "な");
    EXPECT_EQ(ReadLabelLine(reader, "* ", 2), "か");
}

TEST(LineReading, ModesCarryFromLineToLine)
{
    KanaReader reader;
    reader.ResetForLabel();
    EXPECT_EQ(ReadLabelLine(reader, "7A ", 3), "（あ");
    EXPECT_EQ(ReadLabelLine(reader, "7 ", 2), "）");
}

TEST(LineReading, BrailleForm)
{
    EXPECT_EQ(BrailleLabelLine("AB ; ", 16), "⠁⠃ ⠰");
    EXPECT_EQ(BrailleLabelLine("ab\"=", 3), "⠁⠃⠐");
    EXPECT_EQ(BrailleLabelLine("   ", 3), "");
    EXPECT_EQ(BrailleLabelLine("A", -1), "");
}

// Dots as the cell table names them; the pattern's bits are derived here from the dot numbers.
char32_t PatternOfDots(const std::string& dots)
{
    char32_t code = 0x2800;
    for (char dot : dots) code |= 1u << (dot - '1');
    return code;
}

TEST(BrailleUnicode, CellsMapToTheirDots)
{
    const std::pair<char, const char*> cells[] = {
        {' ', ""},      {'A', "1"},     {'B', "12"},    {'*', "16"},    {'#', "3456"},
        {'6', "235"},   {'7', "2356"},  {'8', "236"},   {'0', "356"},   {'1', "2"},
        {'3', "25"},    {'4', "256"},   {'5', "26"},    {'9', "35"},    {'\'', "3"},
        {'-', "36"},    {'/', "34"},    {'+', "346"},   {'>', "345"},   {'_', "456"},
        {'@', "4"},     {'^', "45"},    {'.', "46"},    {';', "56"},    {',', "6"},
        {'"', "5"},     {'<', "126"},   {'%', "146"},   {'$', "1246"},  {'[', "246"},
        {':', "156"},   {'\\', "1256"}, {'?', "1456"},  {']', "12456"}, {'W', "2456"},
        {'&', "12346"}, {'!', "2346"},  {'(', "12356"}, {'=', "123456"}, {')', "23456"},
        {'Q', "12345"}, {'Z', "1356"},  {'`', "4"},     {'~', "45"},    {'z', "1356"},
    };
    for (const auto& [cell, dots] : cells) {
        EXPECT_EQ(BrailleCodePoint(static_cast<unsigned char>(cell)), PatternOfDots(dots))
            << "cell " << cell;
    }
}

TEST(BrailleUnicode, CellCodeIsOneToOneAndNothingElseMaps)
{
    std::set<char32_t> patterns;
    for (int cell = 0x20; cell <= 0x5F; ++cell) patterns.insert(BrailleCodePoint(cell));
    EXPECT_EQ(patterns.size(), 64u);
    EXPECT_EQ(*patterns.begin(), 0x2800u);
    EXPECT_EQ(*patterns.rbegin(), 0x283Fu);
    for (int byte : {0x00, 0x1F, 0x7F, 0x80, 0xFF}) EXPECT_EQ(BrailleCodePoint(byte), 0xFFFDu);
    EXPECT_EQ(BrailleCellToUtf8('='), "⠿");
    EXPECT_EQ(BrailleCellToUtf8(0x80), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace tessra
