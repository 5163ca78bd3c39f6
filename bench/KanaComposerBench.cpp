#include "braille/KanaComposer.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// A name card's lines: kana, a phone number, an email, a postal code and an address, signs.
const std::vector<std::string> kCard = {
    "やまだ たろー", "090-1234-5678", "taro.yamada@example.co.jp", "〒231-0023",
    "よこはまし なかく 1-7-3", "「セール」 30%オフ ※よやく → ☆", "Good Morning 12,800えん",
};

// The editor composes a line on every keystroke and a merge composes every row of a list:
// 10,000 rows of this card must take well under a second.
void BM_ComposeNameCard(benchmark::State& state)
{
    std::size_t lines = 0;
    for (auto _ : state) {
        tessra::KanaComposer composer;
        composer.ResetForLabel();
        for (const std::string& line : kCard) benchmark::DoNotOptimize(composer.ComposeLine(line));
        lines += kCard.size();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(lines));
}
BENCHMARK(BM_ComposeNameCard);

}  // namespace
