#include "braille/KanaComposer.h"
#include "braille/KanaReader.h"
#include "braille/KanaTables.h"
#include "braille/LineReading.h"
#include "document/ComposeDocument.h"
#include "support/ReadingSpelling.h"

#include <gtest/gtest.h>

#include <random>

namespace tessra {
namespace {

// The cells of each line of one label, or "✗" and the refused columns.
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
        written.push_back(composed.refusals.empty() ? composed.cells : columns);
    }
    return written;
}

TEST(KanaComposer, WritesEachKindOfTextAndRefusesWhatCannotReadBack)
{
    const struct { const char* name; std::vector<std::string> lines, expected; } rows[] = {
        {"single-cell kana, hiragana or katakana", {"さとう", "サトウ", "ゐをんっー"}, {":TC", ":TC", "29013"}},
        {"voiced and semi-voiced kana", {"がぱゔ", "ガパヴ", "か゛は゜"}, {"\"*,U\"C", "\"*,U\"C", "\"*,U"}},
        {"contracted and special sounds", {"きゃじょぴゅ", "てぃふぁうぃ", "でゅゔぁヴュ"}, {"@*^W.X", "@R5U5B", "_N4U_+"}},
        {"numbers with comma and point", {"1,234.5", "１２", "1 2"}, {"#A'BCD1E", "#AB", "#A #B"}},
        {"connecting sign where the kana could go on with the number",
         {"1あ2ら3わ4っ5ー", "1か2きゃ3が"}, {"#A-A#B-E#C-'#D-1#E-3", "#A*#B@*#C\"*"}},
        {"letter runs and capitals", {"Ab", "ABC", "ABc", "ａＢ", "a1b"},
         {";,AB", ";,,ABC", ";,,AB ;C", ";A,B", ";A#A;B"}},
        {"blank after a letter run", {"aか", "a。", "a(", "b)"}, {";A *", ";A 4", ";A 7", ";B 7"}},
        {"punctuation gets a blank unless one follows", {"あ。い、う", "？！・", "あ。 い", "?!"},
         {"A4 B; C", "5 6 \"", "A4 B", "5 6"}},
        {"parentheses alternate across lines", {"（あ", "い）(1)"}, {"7A", "B77#A7"}},
        {"blanks", {"あ　い "}, {"A B "}},
        {"ゑ before a non-blank", {"ゑい", "ヱ。"}, {"6B", "64"}},
        {"kanji and other characters", {"かん字", "a@b", "\t"}, {"✗3", "✗2", "✗1"}},
        {"small kana that no table combines", {"ぁ", "きぃ", "がゃ"}, {"✗1", "✗2", "✗2"}},
        {"ゑ before a blank or at the line's end", {"ゑ い", "あゑ"}, {"✗1", "✗2"}},
        {"comma and point only between digits", {"1,", ".5", "あ、1，"}, {"✗2", "✗1", "✗4"}},
        {"parenthesis out of turn", {"）", "（（"}, {"✗1", "✗2"}},
        {"bytes that are not UTF-8", {"あ\xff", "\xe3\x81"}, {"✗2", "✗1,2"}},
        {"braille patterns as their own cells, nothing added around them",
         {"⠁⠿⠼", "1⠁", "a⠂", "。⠁", "⠶）", "⠀あ", "⣿"}, {"A=#", "#AA", ";A1", "4 A", "✗2", " A", "✗1"}},
    };
    for (const auto& row : rows) EXPECT_EQ(Compose(row.lines), row.expected) << row.name;
}

// Texts drawn from the composable alphabet: every kana sound of the reader's tables, hiragana
// or katakana, precomposed or with its mark; numbers; letter runs; punctuation; parentheses and
// blanks, in any order.
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
        for (std::size_t n = Below(7); n > 0; --n) line += Token(parenOpen);
        return EncodeUtf8(line);
    }

    std::size_t Below(std::size_t n) { return random_() % n; }

private:
    char32_t Pick(std::u32string_view choices) { return choices[Below(choices.size())]; }

    std::u32string Token(bool& parenOpen)
    {
        std::u32string token;
        switch (Below(8)) {
        case 0:  // a number, its digits ASCII or full-width, with commas and points
            for (std::size_t n = 1 + Below(6); n > 0; --n) {
                token += Pick(U"0123456789") + (Below(2) ? 0 : 0xFEE0);
                if (n > 1 && Below(4) == 0) token += Pick(U",.，．");
            }
            return token;
        case 1:
            for (std::size_t n = 1 + Below(5); n > 0; --n)
                token += Pick(U"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") + (Below(3) ? 0 : 0xFEE0);
            return token;
        case 2: return {Pick(U"。、？！・?!")};
        case 3: parenOpen = !parenOpen; return {Pick(parenOpen ? U"（(" : U"）)")};
        case 4: return {Pick(U" 　")};
        case 5: return Pick(U"ゑヱ") + Sound();
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
    EXPECT_EQ(state.lines, (std::vector<std::string>{"", "A", "", "", "", "", "", "B"}));
    EXPECT_EQ(std::tuple(state.sameDataForAllLabels, state.cellsPerLine, state.linesPerPage),
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
        EXPECT_TRUE(untouched.lines.empty()) << row.name;
    }
}

}  // namespace
}  // namespace tessra
