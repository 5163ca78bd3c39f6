#include "display/KanaReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessra {
namespace {

// What finally stands on each cell of a line, cells joined by '|'; braille texts in braces.
std::string ReadLine(KanaReader& reader, const std::string& cells, bool lastMarked)
{
    reader.ResetForLine();
    std::vector<std::string> drawn(cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const KanaReading r = reader.ReadCell(cells[i], lastMarked && i + 1 == cells.size());
        const auto shown = [](std::string_view text, bool braille) {
            return braille ? "{" + std::string(text) + "}" : std::string(text);
        };
        if (!r.prevCellOut.empty()) {
            EXPECT_GT(i, 0u) << "the first cell of a line has no previous cell to rewrite";
            if (i > 0) drawn[i - 1] = shown(r.prevCellOut, r.prevCellOutBraille);
        }
        drawn[i] = shown(r.cellOut, r.cellOutBraille);
    }
    std::string joined;
    for (std::size_t i = 0; i < drawn.size(); ++i) joined += (i > 0 ? "|" : "") + drawn[i];
    return joined;
}

struct ReadingRow {
    const char* name;
    std::vector<std::string> lines;  // one label
    std::vector<std::string> expected;
    bool lastMarked = true;  // false: the label holds fewer cells than the line is wide
};

class KanaReaderRows : public testing::TestWithParam<ReadingRow> {};

TEST_P(KanaReaderRows, ReadsLabel)
{
    const ReadingRow& row = GetParam();
    KanaReader reader;
    reader.ResetForLabel();
    std::vector<std::string> read;
    for (const std::string& line : row.lines) read.push_back(ReadLine(reader, line, row.lastMarked));
    EXPECT_EQ(read, row.expected);
}

const ReadingRow kRows[] = {
    {"NumeralSignThenDigits", {"#AB"}, {"{#}|１|２"}},
    {"DigitGroupComma", {"#A'BC"}, {"{#}|１|，|２|３"}},
    {"DecimalPoint", {"#A1B"}, {"{#}|１|．|２"}},
    {"KanaEndsNumber", {"#AK"}, {"{#}|１|な"}},
    {"WaAfterNumber", {"#A'1"}, {"{#}|１|わ|っ"}},
    {"ApostropheAfterNumeralSign", {"#'A"}, {"{#}|’|１"}},
    {"LowerRowDigitsAsBraille", {"#12 "}, {"{#}|{1}|{2}|{ }"}},
    {"CommaBetweenLowerRowDigits", {"#1'2"}, {"{#}|{1}|，|{2}"}},
    {"UpperRowCellEndsLowerRowNumber", {"#1A"}, {"{#}|{1}|あ"}},
    {"ParenthesisEndsNumber", {"#A7"}, {"{#}|１|（"}},
    {"NumberEndsWithLine", {"#A", "B"}, {"{#}|１", "い"}},
    {"NumberGoesOnInNarrowLabel", {"#A", "B"}, {"{#}|１", "２"}, false},
    {"ParenthesesAlternateAcrossLines", {"7A", "B7"}, {"（|あ", "い|）"}},
    {"Voiced", {"\"*"}, {"か|゛"}},
    {"VoicedSignBeforeBlank", {"\" "}, {"・|{ }"}},
    {"VoicedSymbol", {"\"Z"}, {" ○|"}},
    {"VoicedSignBeforeUnknownCell", {"\"A"}, {"{\"}|{A}"}},
    {"Contracted", {"@*"}, {"き|ゃ"}},
    {"ContractedBeforeUnknownCell", {"@A"}, {"{@}|{A}"}},
    {"SemiVoiced", {",U"}, {"は|°"}},
    {"ContractedVoiced", {"^W"}, {"じ|ょ"}},
    {"SpecialContractedVoiced", {"_+"}, {"う゛|ゅ"}},
    {"ContractedSemiVoiced", {".U.N"}, {"ぴ|ゃ|て|ゅ"}},
    {"Special", {"5Q"}, {"つ|ぇ"}},
    {"SpecialSignBeforeBlank", {"5 "}, {"？|{ }"}},
    {"SpecialVoiced", {"4U"}, {"う゛|ぁ"}},
    {"SpecialVoicedSignBeforeBlank", {"4 "}, {"。|{ }"}},
    {"PrefixesEndingLines", {"A4", "A5", "A6", "A;", "A\"", "A.", "A@"},
     {"あ|。", "あ|？", "あ|！", "あ|、", "あ|・", "あ|．", "あ|"}},
    {"PrefixInNarrowLabelReadsNothing", {"A4"}, {"あ|"}, false},
    {"NoSignAcrossLines", {"@", "*"}, {"", "か"}},
    {"ExclamationBeforeBlank", {"6 "}, {"！|{ }"}},
    {"WeBeforeKana", {"6K"}, {"ゑ|な"}},
    {"WeThenNumeralSign", {"6#A"}, {"ゑ|{#}|１"}},
    {"SmallLetter", {";A"}, {"{;}|ａ"}},
    {"OneCapitalSignOneCapital", {";,AB"}, {"{;}|{,}|Ａ|ｂ"}},
    {"TwoCapitalSignsCapitalWord", {";,,AB"}, {"{;}|{,}|{,}|Ａ|Ｂ"}},
    {"ForeignSignSymbols", {";&", ";%", ";*"}, {" ＆|", " ＃|", " ＊|"}},
    {"ForeignSignBeforeBlank", {"; "}, {"、|{ }"}},
    {"BlankEndsLetters", {";A B"}, {"{;}|ａ|{ }|い"}},
    {"LettersEndWithLine", {";A", "B"}, {"{;}|ａ", "い"}},
    {"LettersGoOnInNarrowLabel", {";A", "B"}, {"{;}|ａ", "ｂ"}, false},
    {"LetterSymbols", {";A-[4/@'3"}, {"{;}|ａ|-|＠|．|/|´|’|："}},
    {"ColonAfterDotFiveInLetters", {";A\"1"}, {"{;}|ａ| ：|"}},
    {"NumeralSignInLetters", {";A#B"}, {"{;}|ａ|{#}|２"}},
    {"NumeralSignInLettersStartsNoNumber", {"# ;A#1"}, {"{#}|{ }|{;}|ａ|{#}|．"}},
    {"ForeignQuotation", {"8AB0C"}, {"{8}|ａ|ｂ|{0}|う"}},
    {"QuotationKeepsOnOverBlanksAndLines", {"8A B", "C0"}, {"{8}|ａ|{ }|ｂ", "ｃ|{0}"}},
    {"BlankEndsCapitals", {"8,,A B0"}, {"{8}|{,}|{,}|Ａ|{ }|ｂ|{0}"}},
    {"CellOutsideTables", {"a\x7f"}, {"{a}|{\x7f}"}},
    {"DotFourSixBeforeBlank", {". "}, {"．|{ }"}},
    {"DotFourSixBeforeLineEnd", {".K", ".4"}, {"．|な", "．|。"}},
    {"DotFourSixTableAtLineEnd", {".X"}, {"ぴ|ゅ"}},
    {"DotFourSixBeforeUnknownCell", {".K "}, {"{.}|{K}|{ }"}},
};

INSTANTIATE_TEST_SUITE_P(Rows, KanaReaderRows, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<ReadingRow>& info) {
                             return std::string(info.param.name);
                         });

TEST(KanaReader, LabelResetEndsModes)
{
    KanaReader reader;
    reader.ResetForLabel();
    EXPECT_EQ(ReadLine(reader, "7#A", false), "（|{#}|１");
    reader.ResetForLabel();
    EXPECT_EQ(ReadLine(reader, "A7", false), "あ|（");
    reader.ResetForLabel();
    EXPECT_EQ(ReadLine(reader, "8;,", false), "{8}|{;}|{,}");
    reader.ResetForLabel();
    EXPECT_EQ(ReadLine(reader, "A0", false), "あ|ん");
}

TEST(KanaReader, ReadingsOutliveLaterCells)
{
    KanaReader reader;
    reader.ResetForLabel();
    reader.ResetForLine();
    const KanaReading first = reader.ReadCell('Q', false);
    const KanaReading braille = reader.ReadCell('a', false);
    for (char c : std::string("#ABC;,XYZ")) reader.ReadCell(c, false);
    EXPECT_EQ(first.cellOut, "て");
    EXPECT_EQ(braille.cellOut, "a");
}

}  // namespace
}  // namespace tessra
