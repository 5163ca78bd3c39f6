#include "reading/Transcriber.h"

#include "text/Utf8Text.h"
#include "reading/CompoundSplit.h"
#include "reading/KanaText.h"
#include "reading/MecabAnalyser.h"
#include "reading/ReadingRules.h"

#include <cstdlib>

namespace tessra {
namespace {

// The line as written, with a problem for each byte that is no UTF-8.
TranscribedLine AsWritten(std::string_view line)
{
    TranscribedLine out{std::string(line), {}, {}};
    int column = 1;
    for (std::size_t at = 0; at < line.size(); ++column) {
        const Utf8Char c = DecodeUtf8At(line, at);
        if (!c.valid) out.problems.push_back({column, ByteText(static_cast<unsigned char>(c.code)), std::string(kNotUtf8)});
        at += c.length;
    }
    return out;
}

}  // namespace

std::string MecabDictionaryFolder()
{
    const char* folder = std::getenv("TESSRA_MECAB_DICTIONARY");
    return folder && *folder ? folder : kDefaultMecabDictionary;
}

Transcriber::Transcriber(std::string dictionaryFolder, ReadingDictionary user)
    : folder_(std::move(dictionaryFolder)), user_(std::move(user))
{
}

Transcriber::Transcriber(std::unique_ptr<Analyser> analyser, ReadingDictionary user)
    : user_(std::move(user))
{
    std::call_once(once_, [&] {
        analyser_ = std::move(analyser);
        if (!analyser_) error_ = "漢字の読みに使う解析器がありません";
    });
}

Transcriber::~Transcriber() = default;

const Analyser* Transcriber::Loaded() const
{
    std::call_once(once_, [this] { analyser_ = MecabAnalyser::Open(folder_, error_); });
    return analyser_.get();
}

std::string Transcriber::LoadError() const
{
    Loaded();
    return error_;
}

TranscribedLine Transcriber::Reading(std::string_view line) const
{
    if (!HasKanji(line)) return {std::string(line), {}, {}};
    TranscribedLine written = AsWritten(line);
    if (!written.problems.empty()) return written;
    const Analyser* analyser = Loaded();
    if (!analyser) {
        const std::u32string codes = DecodeUtf8(line);
        std::size_t at = 0;
        while (at < codes.size() && !IsKanji(codes[at])) ++at;
        written.problems.push_back({static_cast<int>(at) + 1,
                                    EncodeUtf8(std::u32string_view(&codes[at], 1)), error_});
        return written;
    }

    // The user's entries first; the analyser reads the stretches between them.
    const std::u32string codes = DecodeUtf8(line);
    std::vector<Morpheme> words;
    std::size_t start = 0;
    const auto analyse = [&](std::size_t end) {
        if (end <= start) return;
        const std::string piece = EncodeUtf8(std::u32string_view(codes).substr(start, end - start));
        std::vector<Morpheme> found = analyser->Analyse(piece, static_cast<int>(start) + 1);
        if (!words.empty() && !found.empty() && codes[start] == U' ') found.front().blanksBefore = 1;
        words.insert(words.end(), std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
    };
    for (std::size_t at = 0; at < codes.size();) {
        const ReadingDictionary::Entry* entry = user_.Empty() ? nullptr : user_.Match(codes, at);
        if (!entry) {
            ++at;
            continue;
        }
        analyse(at);
        words.push_back(DictionaryWord(*entry, static_cast<int>(at) + 1));
        if (at > 0 && codes[at - 1] == U' ') words.back().blanksBefore = 1;
        at += entry->written.size();
        start = at;
    }
    analyse(codes.size());
    ReadUnknownWords(words, *analyser);
    SplitCompounds(words, *analyser);
    return ReadWords(std::move(words));
}

}  // namespace tessra
