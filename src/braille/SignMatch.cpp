#include "braille/SignMatch.h"

#include "braille/BrailleUnicode.h"
#include "text/Utf8Text.h"

#include <algorithm>

namespace tessra::signs {
namespace {

std::string_view CellsOf(const SignRow& row) { return row.cells; }
std::string_view CellsOf(const ReadSign&) { return {}; }

}  // namespace

std::string Cells(std::string_view patterns)
{
    return CellsOfPatterns(patterns);
}

std::vector<std::u32string> Forms(std::string_view prints)
{
    std::vector<std::u32string> forms;
    for (std::size_t at = 0; at < prints.size();) {
        const std::size_t end = std::min(prints.find(' ', at), prints.size());
        if (end > at) forms.push_back(DecodeUtf8(prints.substr(at, end - at)));
        at = end + 1;
    }
    return forms;
}

std::size_t StartsWithForm(std::u32string_view text, const std::vector<std::u32string>& forms)
{
    for (const std::u32string& form : forms)
        if (text.starts_with(form)) return form.size();
    return 0;
}

template <class Row>
Index<Row>::Index(std::span<const Row> table)
{
    for (const Row& row : table) {
        std::size_t form = 0;
        for (std::u32string& print : Forms(row.prints))
            forms_.push_back({std::move(print), &row, form++, Cells(CellsOf(row))});
    }
    std::ranges::stable_sort(forms_, [](const Form& a, const Form& b) { return a.print.size() > b.print.size(); });
}

template <class Row>
std::optional<Match<Row>> Index<Row>::Find(std::u32string_view text) const
{
    for (const Form& f : forms_)
        if (!f.print.empty() && text.starts_with(f.print)) return Match<Row>{f.row, f.print.size(), f.form, f.cells};
    return std::nullopt;
}

template class Index<SignRow>;
template class Index<ReadSign>;

const ComposerTables& Composing()
{
    static const ComposerTables tables;
    return tables;
}

}  // namespace tessra::signs
