#pragma once

#include "reading/Analyser.h"
#include "reading/LineReading.h"
#include "reading/ReadingDictionary.h"

#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace tessra {

// The analyser's dictionary folder: $TESSRA_MECAB_DICTIONARY when set, else the Debian IPADIC.
std::string MecabDictionaryFolder();

// Ordinary Japanese to braille reading, for the composer, `tessra reading` and the label editor.
// A line without kanji is its own reading. The analyser is loaded on the first line that needs
// it, once; Reading may be called from several threads at once.
class Transcriber final : public LineTranscriber {
public:
    explicit Transcriber(std::string dictionaryFolder = MecabDictionaryFolder(),
                         ReadingDictionary user = {});
    // With an analyser of the caller's (tests, other dictionaries).
    Transcriber(std::unique_ptr<Analyser> analyser, ReadingDictionary user);
    ~Transcriber() override;

    // The reading of one line (UTF-8, no line break). When the dictionary cannot be loaded, a
    // line with kanji gets the load message as its problem and its text unchanged.
    TranscribedLine Reading(std::string_view line) const override;

    // Loads the analyser now; the message when it cannot be, else empty.
    std::string LoadError() const;

private:
    const Analyser* Loaded() const;

    std::string folder_;
    ReadingDictionary user_;
    mutable std::once_flag once_;
    mutable std::unique_ptr<Analyser> analyser_;
    mutable std::string error_;
};

}  // namespace tessra
