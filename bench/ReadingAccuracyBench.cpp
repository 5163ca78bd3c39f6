// The transcriber on the label test set: the share of lines read exactly as expected (word
// spaces included), then the speed over 10,000 label lines once the analyser is loaded.
//
//   tessra_reading_bench [SET.tsv] [--dictionary FOLDER] [--show]
//
// SET.tsv: a written line, a tab, its expected reading; `#` lines are comments. --show lists
// every line read otherwise.

#include "reading/MecabAnalyser.h"
#include "reading/Transcriber.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
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

}  // namespace

int main(int argc, char** argv)
{
    std::string set = TESSRA_READING_SET;
    std::string folder = tessra::MecabDictionaryFolder();
    bool show = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--dictionary" && i + 1 < argc)
            folder = argv[++i];
        else if (arg == "--show")
            show = true;
        else
            set = arg;
    }
    const std::vector<Case> cases = ReadSet(set);
    if (cases.empty()) {
        std::cerr << "no test lines in " << set << '\n';
        return 1;
    }
    const auto loadStart = std::chrono::steady_clock::now();
    const tessra::Transcriber transcriber(folder);
    if (const std::string error = transcriber.LoadError(); !error.empty()) {
        std::cerr << error << '\n';
        return 1;
    }
    const std::chrono::duration<double> load = std::chrono::steady_clock::now() - loadStart;

    std::size_t exact = 0;
    for (const Case& c : cases) {
        const std::string reading = transcriber.Reading(c.text).text;
        if (reading == c.expected)
            ++exact;
        else if (show)
            std::cout << c.text << "\n  expected " << c.expected << "\n  read     " << reading << '\n';
    }
    std::printf("dictionary %s\n", folder.c_str());
    std::printf("exact %zu of %zu lines: %.1f%%\n", exact, cases.size(), 100.0 * exact / cases.size());

    constexpr int kLines = 10000;
    std::size_t cells = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kLines; ++i) cells += transcriber.Reading(cases[i % cases.size()].text).text.size();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("load %.3f s; %d lines in %.3f s: %.0f lines/s (%zu bytes)\n", load.count(), kLines,
                took.count(), kLines / took.count(), cells);
    return 0;
}
