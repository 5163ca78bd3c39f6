#include "reading/CompoundSplit.h"

#include "text/Utf8Text.h"
#include "reading/KanaText.h"

#include <algorithm>
#include <optional>

namespace tessra {
namespace {

constexpr std::size_t kShortestCompound = 4;  // kanji
constexpr int kShortestPart = 3;              // beats

bool Splittable(const Morpheme& word, const std::u32string& text)
{
    if (word.fixed || word.reading.empty() || word.pos != "名詞" || word.pos1 == "数" ||
        word.pos1 == "接尾" || text.size() < kShortestCompound)
        return false;
    if (word.pos1 == "固有名詞" && word.pos2 == "人名") return false;
    return std::all_of(text.begin(), text.end(), [](char32_t c) { return IsKanji(c); });
}

// The part as one word of the analyser's, or nothing when it reads as more than one.
std::optional<Morpheme> OneWord(const Analyser& analyser, std::u32string_view part, int column)
{
    std::vector<Morpheme> found = analyser.Analyse(EncodeUtf8(part), column);
    if (found.size() != 1 || found[0].reading.empty() || found[0].pos != "名詞") return std::nullopt;
    return std::move(found[0]);
}

// Word cut in two, or nothing. Cuts nearest the middle are tried first.
std::optional<std::pair<Morpheme, Morpheme>> Cut(const Morpheme& word, const std::u32string& text,
                                                 const Analyser& analyser)
{
    const std::u32string reading = DecodeUtf8(word.reading);
    const std::size_t middle = text.size() / 2;
    for (std::size_t step = 0; step + 2 <= middle; ++step) {
        for (const std::size_t at : {middle - step, middle + step}) {
            if (at < 2 || at + 2 > text.size()) continue;
            auto left = OneWord(analyser, std::u32string_view(text).substr(0, at), word.column);
            auto right = OneWord(analyser, std::u32string_view(text).substr(at),
                                 word.column + static_cast<int>(at));
            if (!left || !right || DecodeUtf8(left->reading) + DecodeUtf8(right->reading) != reading) continue;
            if (MoraCount(DecodeUtf8(left->reading)) < kShortestPart ||
                MoraCount(DecodeUtf8(right->reading)) < kShortestPart)
                continue;
            left->blanksBefore = word.blanksBefore;
            // Both parts keep the compound's category, so the spacing treats them as its nouns.
            for (Morpheme* part : {&*left, &*right}) {
                part->pos1 = word.pos1 == "固有名詞" ? "一般" : word.pos1;
                part->pos2.clear();
                part->pos3.clear();
            }
            return std::make_pair(std::move(*left), std::move(*right));
        }
    }
    return std::nullopt;
}

}  // namespace

void SplitCompounds(std::vector<Morpheme>& words, const Analyser& analyser)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::u32string text = DecodeUtf8(words[i].surface);
        if (!Splittable(words[i], text)) continue;
        auto parts = Cut(words[i], text, analyser);
        if (!parts) continue;
        words[i] = std::move(parts->first);
        words.insert(words.begin() + static_cast<std::ptrdiff_t>(i + 1), std::move(parts->second));
        --i;  // a part may be long enough to cut again
    }
}

void ReadUnknownWords(std::vector<Morpheme>& words, const Analyser& analyser)
{
    for (Morpheme& word : words) {
        if (word.fixed || !word.reading.empty()) continue;
        const std::u32string text = DecodeUtf8(word.surface);
        if (std::none_of(text.begin(), text.end(), [](char32_t c) { return IsKanji(c); })) continue;
        std::string reading, last;  // `last`: the reading of the kanji before, for 々
        for (std::size_t at = 0; at < text.size(); ++at) {
            const std::u32string_view character(&text[at], 1);
            if (text[at] == U'々' && !last.empty()) {
                reading += last;
                continue;
            }
            last.clear();
            if (IsKanji(text[at]) && text[at] != U'々') {
                const std::vector<Morpheme> alone = analyser.Analyse(EncodeUtf8(character), word.column);
                if (alone.size() == 1 && !alone[0].reading.empty()) {
                    last = alone[0].reading;
                    reading += last;
                    continue;
                }
            }
            reading += EncodeUtf8(character);
        }
        word.reading = reading;
        word.pronunciation.clear();
    }
}

}  // namespace tessra
