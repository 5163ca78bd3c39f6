#pragma once

#include <string_view>

namespace tessra {

// What to draw for one cell read. Texts are UTF-8. A text flagged braille holds cell characters
// to be drawn as braille glyphs, not kana. The views point into static tables and stay valid for
// the whole run, so callers may keep them past the next ReadCell().
struct KanaReading {
    std::string_view cellOut;      // drawn on the current cell
    bool cellOutBraille = false;
    std::string_view prevCellOut;  // when not empty, redrawn on the previous cell of the line
    bool prevCellOutBraille = false;
};

// Reads braille cells as Japanese kana (墨字), one cell at a time in reading order. Two-cell signs
// (voiced, contracted and special sounds, the foreign-letter sign, punctuation) are resolved by
// their second cell, which then rewrites the first through prevCellOut. Numbers, Latin letters,
// foreign quotations and parentheses are modes that carry from line to line within a label.
// Reading never allocates.
class KanaReader {
public:
    // Before the first line of every label: no mode carries from one label to the next.
    void ResetForLabel();
    // Before every line: no two-cell sign spans two lines.
    void ResetForLine();
    // `lastInLine` marks the last cell of the line padded to the document's cells per line.
    KanaReading ReadCell(char cellIn, bool lastInLine);

private:
    static constexpr int kNoCell = -1;

    void ReadAfterExclamation(int p, char c, KanaReading& out) const;
    void CheckNumberContinues(int p, char c, KanaReading& out);
    void ReadDigit(char c, bool lastInLine, KanaReading& out);
    void ReadLetter(int p, char c, bool lastInLine, KanaReading& out);
    bool ReadTwoCellSign(int p, char c, bool lastInLine, KanaReading& out);
    void ReadBlank(KanaReading& out);
    void ReadSingleCell(char c, bool lastInLine, KanaReading& out);
    void LeaveNumberMode();

    int prevChar_ = kNoCell;
    int curChar_ = kNoCell;
    bool numberMode_ = false;
    bool numberStart_ = false;
    bool rawDigits_ = false;
    bool letterMode_ = false;
    bool quoteMode_ = false;
    int capitalCount_ = 0;
    bool parenOpen_ = false;
};

}  // namespace tessra
