#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tessra {

// Lists that people keep in a spreadsheet and save as CSV or TSV: one label per row.

// Lists this large are refused, as are lists with more values than kListValueLimit: no document
// could hold a label for each of their rows anyway.
inline constexpr std::size_t kListSizeLimit = 16'000'000;
inline constexpr std::size_t kListValueLimit = 2'000'000;

struct ListRow {
    int number = 0;                   // the row as a spreadsheet counts it, header included, from 1
    std::vector<std::string> fields;  // UTF-8; a line break inside a value is an LF
};

struct ListResult {
    std::vector<std::string> columns;  // the header's names; empty for a list without one
    int headerRow = 0;                 // the header's row number; 0 without one
    std::vector<ListRow> rows;         // in the list's order; rows with no value left out
    char separator = ',';              // ',' for CSV, '\t' for TSV
    std::string error;                 // why the list cannot be read; then nothing else is set
};

// Turns text that is not UTF-8 into UTF-8: the program's CP932 codec.
using Cp932Decoder = std::string (*)(std::string_view cp932);

// The rows of a list file's bytes. Fields as RFC 4180 has them: a value in double quotes may
// hold separators, line breaks (LF or CR LF) and doubled quotes. TSV when the first line holds a
// tab and no comma outside quotes, else CSV. UTF-8 with or without a byte-order mark; UTF-16
// with one; any other text that is not UTF-8 goes through `cp932ToUtf8` (kept as it is without
// one). With `hasHeader` the first row that holds a value names the columns. A row is counted
// where it starts, so a line break inside quotes does not count, and empty rows do.
ListResult ReadList(std::string_view bytes, bool hasHeader, Cp932Decoder cp932ToUtf8 = nullptr);

// How messages name a row of a list: "5 行目".
std::string RowPlace(int row);

}  // namespace tessra
