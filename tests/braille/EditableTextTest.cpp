#include "braille/EditableText.h"
#include "document/BseFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace tessra {
namespace {

// Composes editor lines as one label, as the editor and `tessra compose` do.
std::vector<std::string> ComposeLabel(const std::vector<std::string>& texts)
{
    KanaComposer composer;
    composer.ResetForLabel();
    std::vector<std::string> cells;
    for (const std::string& text : texts) {
        const ComposedLine line = composer.ComposeLine(text);
        cells.push_back(line.refusals.empty() ? line.cells : "✗" + text);
    }
    return cells;
}

TEST(EditableText, ShowsWordsAsTypedKanaAndTheRestAsPatterns)
{
    const struct { const char* name; std::vector<std::string> cells, expected; } rows[] = {
        {"kana", {":TC", "ZD"}, {"さとう", "まる"}},
        {"voiced, semi-voiced and contracted kana whole", {"\"*,U", "@*^W"}, {"がぱ", "きゃじょ"}},
        {"numbers and letters without their signs", {"#AB", ";,AB", ";,,ABC"}, {"12", "Ab", "ABC"}},
        {"a connecting sign the composer adds again", {"#A-A"}, {"1あ"}},
        {"punctuation and blanks, trailing ones kept", {"A4  B", "A  B ", "  "}, {"あ。  い", "あ  い ", "  "}},
        {"parentheses across lines", {"7A", "B7"}, {"（あ", "い）"}},
        {"signs that alone read as nothing, a lone ⠤ as the bracket it opens", {"#", "-", ",A"}, {"⠼", "「", "⠠あ"}},
        {"a parenthesis out of the composer's turn", {"7", "7", "7"}, {"（", "）", "（"}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(EditableLines(row.cells), row.expected) << row.name;
        EXPECT_EQ(ComposeLabel(row.expected), row.cells) << row.name;
    }
}

TEST(EditableText, TypedSpellingLeavesOutTheSignsTheComposerWrites)
{
    const struct { const char* name; const char* reading; const char* typed; } rows[] = {
        {"numeral, letter and capital signs", "⠼１２ ⠰⠠Ａｂ", "12 Ab"},
        {"つなぎ符 before kana", "⠼２_えん ⠰⠠Ｕ_たーん", "2えん Uたーん"},
        {"foreign phrase marks", "⠦⠠Ｇｏ ⠠Ｏｎ⠴", "Go On"},
        {"computer text enclosure, its underline kept", "⠠⠦ｓａｔｏ_ｋ@ｍａｉｌ.ｊｐ⠠⠴", "sato_k@mail.jp"},
        {"signs as printed", "「みせ」 → ★", "「みせ」 → ★"},
    };
    for (const auto& row : rows) EXPECT_EQ(TypedSpelling(row.reading), row.typed) << row.name;
}

// The lines of corpus bytes in the cell code only: the fuzz inputs hold other bytes too.
std::vector<std::string> CellLines(std::string_view bytes)
{
    std::vector<std::string> lines(1);
    for (const char c : bytes) {
        if (c == '\n') {
            lines.emplace_back();
        } else if (static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x60) {
            lines.back() += c;
        }
    }
    return lines;
}

// Every line of every page of `image`, one page a label.
std::vector<std::vector<std::string>> Pages(std::string_view image)
{
    DocumentContent state;
    ParseBseImage(image, state);
    const std::size_t perPage = state.linesPerPage > 1 ? static_cast<std::size_t>(state.linesPerPage) : 1;
    std::vector<std::vector<std::string>> pages;
    for (std::size_t i = 0; i < state.lines.size(); ++i) {
        if (i % perPage == 0) pages.emplace_back();
        pages.back().push_back(CellLines(state.lines[i]).front());
    }
    return pages;
}

void ExpectLossless(const std::vector<std::string>& page, const std::string& where)
{
    EXPECT_EQ(ComposeLabel(EditableLines(page)), page) << where;
}

TEST(EditableText, EveryCorpusPageComposesBackToItsCells)
{
    const std::filesystem::path root = TESSRA_SOURCE_DIR;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(root / "examples"))
        if (entry.path().extension() == ".BSE") files.push_back(entry.path());
    for (const auto& dir : {"fuzz/corpus/fuzz_bse_reader", "fuzz/corpus/fuzz_sheet_walk",
                            "fuzz/corpus/fuzz_job_encoder", "fuzz/corpus/fuzz_kana_reader"})
        for (const auto& entry : std::filesystem::directory_iterator(root / dir)) files.push_back(entry.path());
    int pagesChecked = 0;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        // The reader's corpus holds bare cells; the others are documents.
        const bool document = bytes.size() > kBseHeaderSize && file.parent_path().filename() != "fuzz_kana_reader";
        const auto pages = document ? Pages(bytes) : std::vector<std::vector<std::string>>{CellLines(bytes)};
        for (const auto& page : pages) {
            ExpectLossless(page, file.filename().string());
            ++pagesChecked;
        }
    }
    EXPECT_GT(pagesChecked, 10);
}

TEST(EditableText, RandomCellsComposeBackToThemselves)
{
    std::mt19937 random(17);
    // Blanks often, so that words of every length occur.
    const auto cell = [&random] {
        return random() % 4 == 0 ? ' ' : static_cast<char>(0x21 + random() % 0x3F);
    };
    for (int label = 0; label < 3000; ++label) {
        std::vector<std::string> page(1 + random() % 4);
        for (std::string& line : page)
            for (std::size_t n = random() % 24; n > 0; --n) line += cell();
        ExpectLossless(page, "seed 17 label " + std::to_string(label));
        if (HasFailure()) return;
    }
}

}  // namespace
}  // namespace tessra
