#pragma once

#include "braille/KanaComposer.h"
#include "merge/ListReader.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tessra {

// A label's text with fields that each row of a list fills in: `${NAME}` is the value of the
// column named NAME, `${1}`, `${2}` … the value of the first, second … column, and `$${` writes
// `${` itself.

struct TemplatePiece {
    bool field = false;
    std::string text;  // literal text, or the field as written between ${ and }
    int column = 1;    // where the piece starts in its template line, in characters from 1
    int index = -1;    // a field's column in the list, from 0; -1 when no column has its name
};

struct LabelTemplate {
    std::vector<std::vector<TemplatePiece>> lines;  // one text line per braille line
    // What is wrong with the template itself or with its fields for the list: a `---` line, a
    // `${` never closed, an empty `${}`, a name no column has. The rows are not expanded then.
    std::vector<std::string> problems;
};

// The template text (UTF-8; LF or CR LF ends a line), its fields looked up once in the header of
// `list`; names match with blanks around them ignored, and the first of two equal ones wins.
LabelTemplate ParseTemplate(std::string_view text, const ListResult& list);

// Where a run of an expanded line's characters came from.
struct ExpandedSpan {
    int start = 0;   // in the expanded line, characters from 0
    int length = 0;  // characters
    int line = 0;    // the template line, from 0
    int piece = 0;   // the piece of that line
    int offset = 0;  // where the run starts in the piece's text or the field's value, characters from 0
};

struct ExpandedLine {
    std::string text;
    std::vector<ExpandedSpan> spans;
};

// One row's label text. A value with line breaks gives several lines.
struct Expansion {
    std::vector<ExpandedLine> lines;
    std::vector<std::string> problems;  // naming the row: a column number past the row's last column

    std::string Text() const;  // the lines, each ended by an LF
};

// The label text of `list.rows[row]`. A row with fewer values than the header has the missing
// ones empty; a field with no column (a problem of the template) is left empty.
Expansion ExpandTemplate(const LabelTemplate& labelTemplate, const ListResult& list, std::size_t row);

// How a character of an expanded line that cannot be written is named: the list's row and the
// field and character it came from, or the template line and column of literal text.
std::string RowRefusalMessage(const LabelTemplate& labelTemplate, const ExpandedLine& line, int row,
                              const ComposeRefusal& refusal);

}  // namespace tessra
