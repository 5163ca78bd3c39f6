#include "document/ComposeDocument.h"
#include "document/ComposeList.h"
#include "format/Presets.h"
#include "merge/ListReader.h"
#include "merge/TemplateFields.h"
#include "platform/TextCodec.h"
#include "text/Utf8Text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

// Input: a byte whose low bit says whether the list has a header, the template up to the first
// NUL, then the list's bytes. The list is read or refused with a message; its rows come in file
// order with a value each; every row's text traces each character to a piece of the template,
// and its label composes as the same text between `---` lines does, with the same messages.

namespace {

void Require(bool condition)
{
    if (!condition) std::abort();
}

bool IsUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const tessra::Utf8Char c = tessra::DecodeUtf8At(text, at);
        if (!c.valid) return false;
        at += c.length;
    }
    return true;
}

int Characters(std::string_view text) { return static_cast<int>(tessra::DecodeUtf8(text).size()); }

void CheckRows(const tessra::ListResult& list, bool utf8)
{
    int last = list.headerRow;
    for (const tessra::ListRow& row : list.rows) {
        Require(row.number > last && !row.fields.empty());
        last = row.number;
        bool value = false;
        for (const std::string& field : row.fields) {
            Require(field.find('\r') == std::string::npos);
            Require(!utf8 || IsUtf8(field));
            value = value || !field.empty();
        }
        Require(value);
    }
}

// `utf8`: the template is UTF-8, so the messages are too.
void CheckExpansion(const tessra::LabelTemplate& labelTemplate, const tessra::Expansion& expansion, int row, bool utf8)
{
    for (const tessra::ExpandedLine& line : expansion.lines) {
        int next = 0;
        for (const tessra::ExpandedSpan& span : line.spans) {
            Require(span.start == next && span.length > 0);
            Require(static_cast<std::size_t>(span.line) < labelTemplate.lines.size());
            Require(static_cast<std::size_t>(span.piece) < labelTemplate.lines[span.line].size());
            next += span.length;
        }
        Require(next == Characters(line.text));
        for (int column = 1; column <= next; ++column)
            Require(IsUtf8(tessra::RowRefusalMessage(labelTemplate, line, row, {column, "x", "y"})) || !utf8);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const bool header = (data[0] & 1) != 0;
    std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t end = input.find('\0');
    const std::string_view text = input.substr(0, end);
    const std::string_view bytes = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);

    const tessra::ListResult list = tessra::ReadList(bytes, header, tessra::Cp932ToUtf8);
    if (!list.error.empty()) {
        Require(list.rows.empty() && list.columns.empty() && IsUtf8(list.error));
        return 0;
    }
    Require(header == (list.headerRow > 0) || list.rows.empty());
    CheckRows(list, !bytes.starts_with("\xEF\xBB\xBF"));

    const tessra::LabelTemplate labelTemplate = tessra::ParseTemplate(text, list);
    if (!labelTemplate.problems.empty()) return 0;
    std::string separated;
    for (std::size_t k = 0; k < list.rows.size() && k < 10; ++k) {
        const tessra::Expansion expansion = tessra::ExpandTemplate(labelTemplate, list, k);
        CheckExpansion(labelTemplate, expansion, list.rows[k].number, IsUtf8(text));
        if (!expansion.problems.empty()) return 0;
        // A value that reads as a separator, or a line ending in CR, is text only in a list.
        for (const tessra::ExpandedLine& line : expansion.lines)
            if (line.text == tessra::kLabelSeparator || line.text.ends_with('\r')) return 0;
        separated += (k == 0 ? "" : "---\n") + expansion.Text();
    }
    if (list.rows.empty() || list.rows.size() > 10 || separated.starts_with("\xEF\xBB\xBF")) return 0;

    // One sheet's rows: the pages and whether they can be written are those of the separated text.
    const tessra::Preset& cards = tessra::Catalogue()[9];
    tessra::AppState merged, composed;
    const auto mergeProblems = tessra::ComposeListDocument(labelTemplate, list, cards, merged);
    const auto composeProblems = tessra::ComposeDocument(separated + "---\n", cards, composed);
    Require(mergeProblems.size() == composeProblems.size());
    Require(merged.document.lines() == composed.document.lines());
    return 0;
}
