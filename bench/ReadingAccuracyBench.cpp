// The transcriber on the label test sets: for each set the share of lines read exactly as
// expected, word spaces included and with the blanks left out, then the speed over 10,000 lines of
// the first set once the analyser is loaded, without and with a user dictionary of 100,000
// entries made of that set's own kanji.
//
//   tessra_reading_bench [SET.tsv ...] [--dictionary FOLDER] [--show]
//
// Without a SET, the development set and the held-out set. SET.tsv: a written line, a tab, its
// expected reading; `#` lines are comments. --show lists every line read otherwise.

#include "reading/KanaText.h"
#include "reading/MecabAnalyser.h"
#include "reading/Transcriber.h"
#include "text/Utf8Text.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Case {
    std::string text;
    std::string expected;
};

std::vector<Case> ReadSet(const std::string& path)
{
    std::ifstream in(path);
    std::vector<Case> cases;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos) continue;
        cases.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
    return cases;
}

std::string WithoutBlanks(std::string text)
{
    std::erase(text, ' ');
    return text;
}

// Prints the set's exact rates, with and without word spaces; --show lists its misses.
void Measure(const tessra::Transcriber& transcriber, const std::string& path, const std::vector<Case>& cases,
             bool show)
{
    std::size_t exact = 0;
    std::size_t unspaced = 0;
    for (const Case& c : cases) {
        const std::string reading = transcriber.Reading(c.text).text;
        if (reading == c.expected)
            ++exact;
        else if (show)
            std::cout << c.text << "\n  expected " << c.expected << "\n  read     " << reading << '\n';
        if (WithoutBlanks(reading) == WithoutBlanks(c.expected)) ++unspaced;
    }
    const double n = static_cast<double>(cases.size());
    std::printf("%s: exact %zu of %zu lines: %.1f%%; without word spaces %zu: %.1f%%\n", path.c_str(), exact,
                cases.size(), 100.0 * exact / n, unspaced, 100.0 * unspaced / n);
}

constexpr int kLines = 10000;

// Seconds to read kLines lines of the set, and the bytes read.
std::pair<double, std::size_t> TimeLines(const tessra::Transcriber& transcriber, const std::vector<Case>& cases)
{
    std::size_t bytes = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kLines; ++i) bytes += transcriber.Reading(cases[i % cases.size()].text).text.size();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), bytes};
}

// `count` entries, each three kanji of the set (so that the lines' kanji start many of them),
// read ほか.
std::string UserEntries(const std::vector<Case>& cases, int count)
{
    std::set<char32_t> seen;
    for (const Case& c : cases)
        for (const char32_t code : tessra::DecodeUtf8(c.text))
            if (tessra::IsKanji(code)) seen.insert(code);
    const std::u32string kanji(seen.begin(), seen.end());
    std::string text;
    for (int i = 0; i < count; ++i) {
        const std::size_t n = kanji.size();
        const std::u32string written = {kanji[i % n], kanji[i / n % n], kanji[i / n / n % n]};
        text += tessra::EncodeUtf8(written) + "\tほか\n";
    }
    return text;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> sets;
    std::string folder = tessra::MecabDictionaryFolder();
    bool show = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--dictionary" && i + 1 < argc)
            folder = argv[++i];
        else if (arg == "--show")
            show = true;
        else
            sets.push_back(arg);
    }
    if (sets.empty()) sets = {TESSRA_READING_DEVELOPMENT, TESSRA_READING_HELD_OUT};
    std::vector<std::vector<Case>> caseSets;
    for (const std::string& set : sets) {
        caseSets.push_back(ReadSet(set));
        if (caseSets.back().empty()) {
            std::cerr << "no test lines in " << set << '\n';
            return 1;
        }
    }
    const auto loadStart = std::chrono::steady_clock::now();
    const tessra::Transcriber transcriber(folder);
    if (const std::string error = transcriber.LoadError(); !error.empty()) {
        std::cerr << error << '\n';
        return 1;
    }
    const std::chrono::duration<double> load = std::chrono::steady_clock::now() - loadStart;

    std::printf("dictionary %s\n", folder.c_str());
    for (std::size_t i = 0; i < sets.size(); ++i) Measure(transcriber, sets[i], caseSets[i], show);

    const std::vector<Case>& cases = caseSets.front();
    const auto [took, bytes] = TimeLines(transcriber, cases);
    std::printf("load %.3f s; %d lines in %.3f s: %.0f lines/s (%zu bytes)\n", load.count(), kLines, took,
                kLines / took, bytes);

    constexpr int kEntries = 100000;
    const std::string entries = UserEntries(cases, kEntries);
    std::vector<std::string> errors;
    std::optional<tessra::ReadingDictionary> user = tessra::ReadingDictionary::Parse(entries, "bench", errors);
    if (!user) {
        std::cerr << (errors.empty() ? "the generated dictionary is refused" : errors.front()) << '\n';
        return 1;
    }
    const tessra::Transcriber withUser(folder, std::move(*user));
    const auto [tookUser, bytesUser] = TimeLines(withUser, cases);
    std::printf("user dictionary of %d entries (%zu KB): %d lines in %.3f s: %.0f lines/s (%zu bytes)\n",
                kEntries, entries.size() / 1024, kLines, tookUser, kLines / tookUser, bytesUser);
    return 0;
}
