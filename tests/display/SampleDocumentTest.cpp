#include "display/LineReading.h"
#include "display/SheetGeometry.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tessra {
namespace {

constexpr std::size_t kHeaderSize = 514;

std::string SampleBytes()
{
    std::ifstream file(TESSRA_SOURCE_DIR "/examples/sample.BSE", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The body's lines: CR dropped, LF ends a line, bytes after the last LF are no line.
std::vector<std::string> BodyLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = kHeaderSize; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (bytes[i] != '\r') {
            line += bytes[i];
        }
    }
    return lines;
}

const std::vector<std::vector<std::string>> kLabelReadings = {
    {"さくら しょてん", "やまた゛ はなこ", "⠼０３（⠼１２３４）⠼５６７８", "⠰⠠Ｈａｎａｋｏ", ""},
    {"しょーゆ", "こいくち", "⠼５００⠰ｍｌ", "", ""},
    {"さとー", "⠼１⠰ｋｇ", "", "", ""},
    {"しお", "⠼３００⠰ｇ", "", "", ""},
    {"みそ", "あかみそ", "", "", ""},
    {"おちゃ", "せんちゃ", "", "", ""},
    {"こーひー", "⠼２００⠰ｇ", "", "", ""},
    {"ぎゅーにゅー", "⠼１０００⠰ｍｌ", "", "", ""},
    {"ほそ゛んしょく", "きけ゛ん", "⠼２０２６ねん ⠼３か゛つ", "⠼３１にち", ""},
    {"しょくは°ん", "⠼６まい", "おいしい！", "", ""},
};

TEST(SampleDocument, HeaderDescribesTenBusinessCards)
{
    const std::string bytes = SampleBytes();
    ASSERT_GT(bytes.size(), kHeaderSize);
    // マルチラベル@名刺(1) 10面 ｾﾝﾀｰ 0㎜
    std::string presetKey("\x83}\x83\x8B\x83`\x83\x89\x83x\x83\x8B@\x96\xBC\x8Eh(1) 10\x96\xCA "
                          "\xBE\xDD\xC0\xB0 0\x87o");
    presetKey.resize(50, ' ');
    EXPECT_EQ(bytes.substr(358, 50), presetKey);
    EXPECT_EQ(bytes.substr(408, 50), "21002970050201400000011000000910055000600040LP2210");
    EXPECT_EQ(bytes.substr(504, 10), "000116" "06\r\n");
    EXPECT_EQ(bytes.back(), '\x1A');
    EXPECT_EQ(BodyLines(bytes).size(), 60u);
}

TEST(SampleDocument, EveryLabelReadsAsIntended)
{
    const std::vector<std::string> lines = BodyLines(SampleBytes());
    const int linesPerPage = 6;
    const std::size_t cellsPerLine = 16;
    SheetFormat card;
    card.labelWidth = 91;
    card.x3 = 6;
    const int cellsPerLabelLine = CellsPerLabelLine(card);
    ASSERT_EQ(cellsPerLabelLine, 16);
    ASSERT_EQ(lines.size(), kLabelReadings.size() * linesPerPage);

    KanaReader reader;
    for (std::size_t label = 0; label < kLabelReadings.size(); ++label) {
        reader.ResetForLabel();
        std::vector<std::string> read;
        for (int j = 1; j < linesPerPage; ++j) {
            std::string padded = lines[label * linesPerPage + j];
            ASSERT_LE(padded.size(), cellsPerLine);
            padded.resize(cellsPerLine, ' ');
            read.push_back(ReadLabelLine(reader, padded, cellsPerLabelLine));
        }
        EXPECT_EQ(read, kLabelReadings[label]) << "label " << label + 1;
    }
}

}  // namespace
}  // namespace tessra
