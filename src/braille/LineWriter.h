#pragma once

// The composer's writer of one line, shared by the files that write its runs: kana and signs
// (KanaComposer.cpp), numbers (ComposeNumbers.cpp), letters and foreign phrases
// (ComposeLetters.cpp), emails and URLs (ComposeComputerText.cpp).

#include "braille/ComposeText.h"
#include "braille/KanaComposer.h"
#include "braille/SignMatch.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace tessra {

// What was written last: it decides how the next run joins.
enum class Last {
    Start,     // nothing yet on the line
    Blank,
    Kana,
    Number,
    Letters,
    LettersDot,  // a letter run ending in "." (an abbreviation)
    Enclosed,    // a foreign phrase or computer text: a blank before what follows
    Opening,
    Closing,
    Literal,   // a braille pattern written as its cell: nothing is added after it
    Shape,
    Sign,      // anything else: what follows joins directly
};

// What the next run is, as far as joining goes.
enum class Next {
    Kana,
    Number,
    Letters,
    Closing,  // a closing enclosure or a pause: joins what comes before
    Other,
};

class LineWriter {
public:
    LineWriter(std::string_view text, KanaComposer::Enclosures& open);
    ComposedLine Write() &&;

private:
    // KanaComposer.cpp
    void WriteNext();
    void Join(Next next, bool digitCellKana = false);
    bool WriteKana();
    void WriteKanaReading(std::u32string_view reading);
    void PutKana(std::string_view cells, std::u32string_view after);
    bool WriteSign();
    void WritePause(const signs::Match<signs::SignRow>& pause);
    void WriteHeadingColon();
    void WriteEnclosure(const signs::Match<signs::SignRow>& sign);
    void WriteOtherSign(const signs::Match<signs::SignRow>& sign);
    void WriteReadSign(const signs::Match<signs::ReadSign>& sign);
    bool IsClosingAt(std::size_t i) const;
    bool IsPauseAt(std::size_t i) const;
    bool IsRelationAt(std::size_t i) const;
    void Refuse(std::string_view reason);
    void Put(std::string_view cells) { line_.cells += cells; }
    void PutBlank() { line_.cells += ' '; }
    bool EndsInBlank() const { return !line_.cells.empty() && line_.cells.back() == ' '; }

    // ComposeNumbers.cpp
    bool WriteNumberOrSign();
    void WriteNumber(std::size_t yearSign);

    // ComposeLetters.cpp
    void WriteLetters();
    std::size_t ForeignPhraseEnd() const;
    void WriteForeignPhrase(std::size_t end);
    void WriteLetterGroup(std::size_t end);

    // ComposeComputerText.cpp
    std::size_t ComputerTextEnd() const;
    void WriteComputerText(std::size_t end);

    char32_t At(std::size_t i) const { return i < text_.codes.size() ? text_.codes[i] : 0; }
    bool IsDigitAt(std::size_t i) const { return At(i) >= U'0' && At(i) <= U'9'; }
    bool IsLetterAt(std::size_t i) const;
    bool IsBlankAt(std::size_t i) const;
    std::size_t End() const { return text_.codes.size(); }
    std::u32string_view Rest(std::size_t i) const
    {
        return std::u32string_view(text_.codes).substr(std::min(i, End()));
    }
    // The cell of the digit at i, and of the letter (either case) at i.
    std::string_view DigitCell(std::size_t i) const
    {
        return std::string_view(signs::Composing().digits).substr((At(i) - U'0' + 9) % 10, 1);
    }
    std::string_view LetterCell(std::size_t i) const
    {
        const char32_t c = At(i) >= U'a' ? At(i) - U'a' : At(i) - U'A';
        return std::string_view(signs::Composing().letters).substr(c, 1);
    }

    ComposeText text_;
    KanaComposer::Enclosures& open_;
    bool formula_ = false;  // the line holds "=": a hyphen between digits is the minus
    std::size_t at_ = 0;
    Last last_ = Last::Start;
    ComposedLine line_;
};

}  // namespace tessra
