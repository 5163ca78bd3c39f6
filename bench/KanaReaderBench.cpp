#include "braille/KanaReader.h"
#include "braille/LineReading.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// Label lines of the kinds people write: names, youon and voiced sounds, numbers, units, dates,
// signs.
std::vector<std::string> RealisticLines()
{
    std::vector<std::string> lines = {
        ":%E @WQ0", "/Z\"O UK[", "#JC7#ABCD7#EFGH", ";,HANAKO", "@W3+ [B%R #EJJ;ML",
        "!\"W0@W% <\"$0", "#BJBFP0 #C\"*N #CALR", "^%3@M3 #AJJJ;ML", "@W%,U0 #FZB IB\\B6",
        "5Q 4U _+ .U ^W 8,,ABC0",
        // Signs: a phone number, an email, a 位取り点 and わ, brackets, an arrow, shapes.
        "#JDE-#FGA-#BBJJ #C'H \"V<", ",8:AOI\"-K[ZAIL4JP,0", "-(]- \"7]3D71 33O ;!2;!1",
    };
    for (std::string& line : lines) line.resize(32, ' ');
    return lines;
}

void BM_KanaReaderReadCell(benchmark::State& state)
{
    const std::vector<std::string> lines = RealisticLines();
    tessra::KanaReader reader;
    std::size_t cells = 0;
    for (auto _ : state) {
        reader.ResetForLabel();
        for (const std::string& line : lines) {
            reader.ResetForLine();
            for (std::size_t i = 0; i < line.size(); ++i) {
                benchmark::DoNotOptimize(reader.ReadCell(line[i], i + 1 == line.size()));
            }
            cells += line.size();
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(cells));
}
BENCHMARK(BM_KanaReaderReadCell);

void BM_ReadLabelLine(benchmark::State& state)
{
    const std::vector<std::string> lines = RealisticLines();
    tessra::KanaReader reader;
    std::size_t cells = 0;
    for (auto _ : state) {
        reader.ResetForLabel();
        for (const std::string& line : lines) {
            benchmark::DoNotOptimize(tessra::ReadLabelLine(reader, line, 32));
            cells += line.size();
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(cells));
}
BENCHMARK(BM_ReadLabelLine);

}  // namespace
