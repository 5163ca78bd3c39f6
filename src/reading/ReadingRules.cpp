#include "reading/ReadingRules.h"

#include "text/Utf8Text.h"
#include "reading/KanaText.h"
#include "reading/NumberWords.h"
#include "reading/PhraseSpacing.h"
#include "reading/WordReading.h"

#include <algorithm>

namespace tessra {
namespace {

constexpr const char* kNoReading = "この漢字の読みがわかりません。読みをユーザー辞書（readings.tsv）に書いてください";

bool IsBlankWord(const Morpheme& word) { return word.surface == " " || word.surface == "　"; }

}  // namespace

TranscribedLine ReadWords(std::vector<Morpheme> words)
{
    SplitCompoundParticles(words);
    WriteNumbers(words);
    std::vector<std::u32string> kana;
    kana.reserve(words.size());
    std::u32string text;
    for (const Morpheme& word : words) {
        kana.push_back(IsBlankWord(word) ? std::u32string(U" ") : WordKana(word, text));
        text += kana.back();
    }
    const std::vector<bool> blanks = PhraseBlanks(words, kana);

    TranscribedLine line;
    std::u32string out;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const Morpheme& word = words[i];
        if (blanks[i]) {
            out += U' ';
            line.columns.push_back(word.column);
        }
        const std::u32string surface = DecodeUtf8(word.surface);
        for (std::size_t k = 0; k < kana[i].size(); ++k) {
            out += kana[i][k];
            // Kana that line up with the written word point at their own character, so a refusal
            // names the right one; others point at the word.
            const bool asWritten = kana[i].size() == surface.size();
            line.columns.push_back(word.column + (asWritten ? static_cast<int>(k) : 0));
        }
        // Kanji left in the kana are those nothing could read: each is named at its place.
        std::size_t from = 0;
        for (const char32_t c : kana[i]) {
            if (!IsKanji(c)) continue;
            const std::size_t k = std::min(surface.find(c, from), surface.size());
            from = k + 1;
            const std::size_t at = surface.empty() ? 0 : std::min(k, surface.size() - 1);
            line.problems.push_back({word.column + static_cast<int>(at),
                                     EncodeUtf8(std::u32string_view(&c, 1)), kNoReading});
        }
    }
    line.text = EncodeUtf8(out);
    return line;
}

}  // namespace tessra
