#pragma once

#include "braille/Signs.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessra::signs {

// A row of a sign table found at the start of a text.
template <class Row>
struct Match {
    const Row* row = nullptr;
    std::size_t length = 0;  // characters of text it takes
    std::size_t form = 0;    // which of the row's print forms, from 0
    std::string_view cells;  // in the cell code (ReadSign rows: empty)
};

// One table's print forms, decoded once, longest first, with their cells in the cell code.
template <class Row>
class Index {
public:
    explicit Index(std::span<const Row> table);
    // The longest print form that starts text.
    std::optional<Match<Row>> Find(std::u32string_view text) const;

private:
    struct Form {
        std::u32string print;
        const Row* row;
        std::size_t form;
        std::string cells;
    };
    std::vector<Form> forms_;
};

extern template class Index<SignRow>;
extern template class Index<ReadSign>;

// A sign's cells in the cell code.
std::string Cells(std::string_view patterns);

// Print forms separated by blanks, decoded.
std::vector<std::u32string> Forms(std::string_view prints);

// Every table the composer reads, indexed once.
struct ComposerTables {
    Index<SignRow> pauses{kPauses};
    Index<SignRow> enclosures{kEnclosures};
    Index<SignRow> betweenNumbers{kBetweenNumbers};
    Index<SignRow> minus{std::span(&kMinus, 1)};
    Index<SignRow> digitComma{std::span(&kDigitCommaRow, 1)};
    Index<SignRow> decimalPoint{std::span(&kDecimalPointRow, 1)};
    Index<SignRow> numbersApart{std::span(&kNumbersApartRow, 1)};
    Index<SignRow> shortenedYear{std::span(&kShortenedYear, 1)};
    Index<SignRow> others{kOtherSigns};
    Index<SignRow> shapes{kShapes};
    Index<SignRow> inLetters{kInLetters};
    Index<SignRow> inForeignPhrase{kInForeignPhrase};
    Index<SignRow> inComputerText{kInComputerText};
    Index<ReadSign> readSigns{kReadSigns};
    Index<ReadSign> currencies{kCurrencies};
    std::vector<std::u32string> equals = Forms(kEquals.prints);
    std::vector<std::u32string> headingColons = Forms(kHeadingColons);
    std::vector<std::u32string> emailAt = Forms(kEmailAt);
    std::vector<std::u32string> emailNameSigns = Forms(kEmailNameSigns);
    std::vector<std::u32string> urlStarts = Forms(kUrlStarts);
    std::vector<std::u32string> computerTextEnds = Forms(kComputerTextEnds);
    std::string numeral = Cells(kNumeralSign);
    std::string foreignLetter = Cells(kForeignLetterSign);
    std::string capital = Cells(kCapitalSign);
    std::string doubleCapital = Cells(kDoubleCapitalSign);
    std::string connecting = Cells(kConnectingSign);
    std::string digitCommaCells = Cells(kDigitComma);
    std::string foreignOpen = Cells(kForeignQuoteOpen);
    std::string foreignClose = Cells(kForeignQuoteClose);
    std::string computerOpen = Cells(kComputerOpen);
    std::string computerClose = Cells(kComputerClose);
    std::string letters = Cells(kLetters);
    std::string digits = Cells(kDigits);
};
const ComposerTables& Composing();

// Whether one of the forms starts text; its length, or 0.
std::size_t StartsWithForm(std::u32string_view text, const std::vector<std::u32string>& forms);

}  // namespace tessra::signs
