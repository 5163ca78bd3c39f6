#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace tessra {

// A text drawn on one cell. A text flagged braille holds cell characters to be drawn as braille
// glyphs, not kana.
struct CellDrawing {
    std::string_view text;
    bool braille = false;
};

// What to draw for one cell read. Texts are UTF-8. The views point into static tables and stay
// valid for the whole run, so callers may keep them past the next ReadCell().
struct KanaReading {
    static constexpr int kMostRedrawn = 3;

    std::string_view cellOut;      // drawn on the current cell
    bool cellOutBraille = false;
    std::string_view prevCellOut;  // when not empty, redrawn on the previous cell of the line
    bool prevCellOutBraille = false;
    // Signs of three or four cells, and a number's 位取り点 that only the third digit after it
    // confirms, are decided further on: then as many cells before the current one as `redrawn`
    // holds texts are redrawn, redrawn[0] on the previous cell, an empty text clearing its cell;
    // prevCellOut is empty then. At most kMostRedrawn; the list itself (not its texts) lives in
    // the reader and holds until its next ReadCell().
    std::span<const CellDrawing> redrawn;
};

// Puts one reading into the texts of a line's cells: `line[at]` is the cell just read, the cells
// before it hold what was drawn on them so far. A rewrite never reaches before the line's start.
void PlaceReading(std::span<CellDrawing> line, std::size_t at, const KanaReading& reading);

// Reads braille cells as Japanese kana (墨字), one cell at a time in reading order. Two-cell signs
// (voiced, contracted and special sounds, the foreign-letter sign, punctuation) are resolved by
// their second cell, which then rewrites the first through prevCellOut; longer signs and the
// signs between numbers rewrite further back. Numbers, Latin letters, foreign quotations, computer
// text and brackets are modes that carry from line to line within a label. Reading never
// allocates.
class KanaReader {
public:
    // Before the first line of every label: no mode carries from one label to the next.
    void ResetForLabel();
    // Before every line: no sign spans two lines.
    void ResetForLine();
    // `lastInLine` marks the last cell of the line padded to the document's cells per line.
    KanaReading ReadCell(char cellIn, bool lastInLine);

private:
    static constexpr int kNoCell = -1;
    static constexpr int kRecentCells = 5;

    // What a ⠤ read last may still turn out to be.
    enum class Dash { None, AfterNumber, AfterLetters, Bracket };

    void ReadAfterExclamation(int p, char c, KanaReading& out) const;
    bool ReadDash(int p, char c, KanaReading& out);
    void CheckNumberContinues(int p, char c, bool lastInLine, KanaReading& out);
    void ResolveDigitComma(bool asComma, KanaReading& out);
    void ReadDigit(char c, bool lastInLine, KanaReading& out);
    void ReadLetter(int p, char c, bool lastInLine, KanaReading& out);
    void ReadComputerText(int p, char c, KanaReading& out);
    bool ReadTwoCellSign(int p, char c, bool lastInLine, KanaReading& out);
    void ReadBlank(KanaReading& out);
    void ReadSingleCell(char c, bool lastInLine, KanaReading& out);
    void ReadDashCell(bool lastInLine, KanaReading& out);
    void MatchSign(bool inLetters, KanaReading& out);
    int FindLongSign(int length, bool inLetters) const;
    bool EndsInPercent() const;
    void LeaveNumberMode();
    bool WordStartsAt(int back) const;

    // The line's latest cells, recent_[0] the current one.
    std::array<int, kRecentCells> recent_{kNoCell, kNoCell, kNoCell, kNoCell, kNoCell};
    // Cells since the last sign of several cells ended (0: it ends on the current cell), and its
    // length: its cells are read and no prefix of another sign.
    int signAge_ = kRecentCells;
    int signLength_ = 0;
    bool numberMode_ = false;
    bool numberStart_ = false;
    bool rawDigits_ = false;
    // After a number's ⠄: the digits read since (位取り点 at three), or -1.
    int commaDigits_ = -1;
    bool decimalPending_ = false;
    // The current and the previous cell directly follow a number.
    bool afterNumber_ = false;
    bool prevAfterNumber_ = false;
    // The word before the latest blank was a number (＝ and ＜ stand between numbers).
    bool numberWord_ = false;
    // The previous cell reads as this sign when a number follows it (× ÷ −).
    std::string_view signBeforeNumber_;
    Dash dash_ = Dash::None;
    bool letterMode_ = false;
    bool quoteMode_ = false;
    bool computerMode_ = false;
    bool computerNumber_ = false;
    int capitalCount_ = 0;
    bool parenOpen_ = false;
    bool kagiOpen_ = false;
    bool doubleKagiOpen_ = false;
    bool secondOpen_ = false;
    std::array<CellDrawing, KanaReading::kMostRedrawn> redrawn_{};
};

}  // namespace tessra
