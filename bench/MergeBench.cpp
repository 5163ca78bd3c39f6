#include "document/ComposeList.h"
#include "format/Presets.h"
#include "merge/ListReader.h"
#include "merge/TemplateFields.h"
#include "platform/TextCodec.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// 10,000 people in kana with their phone numbers, as a spreadsheet saves them: quoted where a
// value holds a comma, CR LF.
std::string KanaList()
{
    const char* surnames[] = {"やまだ", "すずき", "さとう", "たなか", "たかはし", "いとう", "わたなべ", "なかむら"};
    const char* givenNames[] = {"たろう", "はなこ", "いちろう", "みさき", "けん", "なおみ", "まこと"};
    std::string csv = "名前,よみ,電話,メモ\r\n";
    for (int k = 0; k < 10'000; ++k) {
        const std::string name = std::string(surnames[k % 8]) + " " + givenNames[k % 7];
        csv += name + "," + name + "さま,0" + std::to_string(45 + k % 50) + "-671-" + std::to_string(1000 + k) +
               ",\"かい, " + std::to_string(k % 12 + 1) + "\"\r\n";
    }
    return csv;
}

constexpr std::string_view kTemplate = "${名前}\n${よみ}\nでんわ\n${電話}\n${メモ}\n";

// A merge of 10,000 rows of kana, list to document: read, expand and compose, under a second.
void Merge(benchmark::State& state, const std::string& bytes)
{
    const tessra::Preset& cards = tessra::Catalogue()[9];  // 5 x 2 cards of 16 cells and 5 lines
    for (auto _ : state) {
        const tessra::ListResult list = tessra::ReadList(bytes, true, tessra::Cp932ToUtf8);
        tessra::AppState document;
        const auto problems = tessra::ComposeListDocument(tessra::ParseTemplate(kTemplate, list), list, cards, document);
        if (!problems.empty() || document.document.lines().size() < 10'000 * 6) state.SkipWithError(problems.empty() ? "pages" : problems[0].c_str());
        benchmark::DoNotOptimize(document.document.lines().data());
    }
    state.SetItemsProcessed(state.iterations() * 10'000);
}

void BM_MergeTenThousandKanaRows(benchmark::State& state) { Merge(state, KanaList()); }
BENCHMARK(BM_MergeTenThousandKanaRows)->Unit(benchmark::kMillisecond);

// The same list as a Japanese spreadsheet saves it, in CP932: the codec's time on top.
void BM_MergeTenThousandKanaRowsFromCp932(benchmark::State& state) { Merge(state, tessra::Utf8ToCp932(KanaList())); }
BENCHMARK(BM_MergeTenThousandKanaRowsFromCp932)->Unit(benchmark::kMillisecond);

}  // namespace
