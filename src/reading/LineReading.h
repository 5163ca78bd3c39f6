#pragma once

#include <string>
#include <vector>

namespace tessra {

// A place in a line that cannot be given a braille reading.
struct ReadingProblem {
    int column = 0;         // from 1, in characters of the written line
    std::string character;  // UTF-8, as the message shows it
    std::string reason;     // Japanese
};

// The braille reading of one written line: hiragana with word spaces, ready for the composer.
struct TranscribedLine {
    std::string text;                       // UTF-8
    std::vector<int> columns;               // for each character of `text`, its column in the line
    std::vector<ReadingProblem> problems;   // empty when every word has a reading

    // The written line's column for a column (from 1) of `text`.
    int SourceColumn(int readingColumn) const
    {
        if (readingColumn < 1 || columns.empty()) return readingColumn;
        const auto at = static_cast<std::size_t>(readingColumn - 1);
        return at < columns.size() ? columns[at] : columns.back();
    }
};

// What the composer calls for a line that holds a kanji. Implementations are thread-safe.
class LineTranscriber {
public:
    virtual ~LineTranscriber() = default;
    virtual TranscribedLine Reading(std::string_view line) const = 0;
};

}  // namespace tessra
