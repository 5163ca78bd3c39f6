#include "merge/TemplateFields.h"

#include "document/ComposeDocument.h"
#include "text/Utf8Text.h"

#include <algorithm>
#include <map>
#include <set>

namespace tessra {
namespace {

constexpr std::string_view kFieldStart = "${";
constexpr std::string_view kEscapedFieldStart = "$${";
// Past any row's last column: a list holds fewer values than this.
constexpr int kColumnNumberCap = 10'000'000;

int CharacterCount(std::string_view text)
{
    int count = 0;
    for (std::size_t at = 0; at < text.size(); at += DecodeUtf8At(text, at).length) ++count;
    return count;
}

// Names are compared without the blanks that a spreadsheet's cell may keep around them.
std::string_view Trimmed(std::string_view name)
{
    constexpr std::string_view kIdeographicBlank = "\xE3\x80\x80";
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        if (name.starts_with(' ') || name.starts_with('\t')) name.remove_prefix(1), trimmed = true;
        if (name.ends_with(' ') || name.ends_with('\t')) name.remove_suffix(1), trimmed = true;
        if (name.starts_with(kIdeographicBlank)) name.remove_prefix(3), trimmed = true;
        if (name.ends_with(kIdeographicBlank)) name.remove_suffix(3), trimmed = true;
    }
    return name;
}

// The column that `${digits}` names, from 1; 0 when the name is not a number.
int ColumnNumber(std::string_view name)
{
    if (name.empty() || !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    long long number = 0;
    for (const char digit : name) number = std::min<long long>(number * 10 + (digit - '0'), kColumnNumberCap);
    return static_cast<int>(number);
}

std::string TemplatePlace(int line) { return "テンプレート " + std::to_string(line) + " 行目: "; }
std::string TemplatePlace(int line, int column)
{
    return "テンプレート " + std::to_string(line) + " 行 " + std::to_string(column) + " 文字目: ";
}

std::string FieldText(const TemplatePiece& piece) { return std::string(kFieldStart) + piece.text + "}"; }

// One template line's literal text and fields.
void ParseLine(std::string_view line, int number, std::vector<TemplatePiece>& pieces,
               std::vector<std::string>& problems)
{
    TemplatePiece literal;
    int column = 1;
    auto flush = [&] {
        if (!literal.text.empty()) pieces.push_back(std::move(literal));
        literal = {};
        literal.column = column;
    };
    for (std::size_t at = 0; at < line.size();) {
        if (line.substr(at).starts_with(kEscapedFieldStart)) {
            // A piece of its own, so that its characters are named where they are written.
            flush();
            pieces.push_back({false, std::string(kFieldStart), column + 1});
            at += kEscapedFieldStart.size();
            column += static_cast<int>(kEscapedFieldStart.size());
            literal.column = column;
        } else if (line.substr(at).starts_with(kFieldStart)) {
            const std::size_t close = line.find('}', at + kFieldStart.size());
            if (close == std::string_view::npos) {
                problems.push_back(TemplatePlace(number, column) + "「${」が「}」で閉じられていません");
                return;
            }
            const std::string_view name = line.substr(at + kFieldStart.size(), close - at - kFieldStart.size());
            if (Trimmed(name).empty())
                problems.push_back(TemplatePlace(number, column) + "「${}」に列の名前か番号を書いてください");
            flush();
            pieces.push_back({true, std::string(name), column});
            column += CharacterCount(line.substr(at, close + 1 - at));
            at = close + 1;
            literal.column = column;
        } else {
            const std::size_t length = DecodeUtf8At(line, at).length;
            literal.text += line.substr(at, length);
            at += length;
            ++column;
        }
    }
    flush();
}

// Each field's column in the list: by its number, else by the header's name for it.
void FindColumns(LabelTemplate& labelTemplate, const ListResult& list)
{
    std::map<std::string_view, int> named;
    for (std::size_t k = list.columns.size(); k-- > 0;) named[Trimmed(list.columns[k])] = static_cast<int>(k);
    std::set<std::string_view> unknown;
    for (auto& line : labelTemplate.lines) {
        for (TemplatePiece& piece : line) {
            if (!piece.field) continue;
            const std::string_view name = Trimmed(piece.text);
            if (const int number = ColumnNumber(name); number > 0) {
                piece.index = number - 1;
            } else if (const auto found = named.find(name); found != named.end()) {
                piece.index = found->second;
            } else if (!name.empty() && unknown.insert(name).second) {
                labelTemplate.problems.push_back(
                    list.headerRow == 0
                        ? FieldText(piece) + ": 見出しの行がないので、列は ${1} のように番号で書いてください"
                        : RowPlace(list.headerRow) + " " + FieldText(piece) + ": その列はありません");
            }
        }
    }
}

// A line's spans are gathered in bytes and then counted in characters: a character belongs to the
// span of its first byte, as bytes that are not UTF-8 may run on from one piece into the next.
void CountInCharacters(ExpandedLine& line)
{
    std::vector<ExpandedSpan> spans;
    std::size_t span = 0, current = line.spans.size();
    int index = 0;
    for (std::size_t at = 0; at < line.text.size(); ++index) {
        while (at >= static_cast<std::size_t>(line.spans[span].start + line.spans[span].length)) ++span;
        if (span != current) {
            current = span;
            const ExpandedSpan& bytes = line.spans[span];
            const std::string_view skipped = std::string_view(line.text).substr(static_cast<std::size_t>(bytes.start), at - static_cast<std::size_t>(bytes.start));
            spans.push_back({index, 0, bytes.line, bytes.piece, bytes.offset + CharacterCount(skipped)});
        }
        ++spans.back().length;
        at += DecodeUtf8At(line.text, at).length;
    }
    line.spans = std::move(spans);
}

}  // namespace

LabelTemplate ParseTemplate(std::string_view text, const ListResult& list)
{
    LabelTemplate labelTemplate;
    int number = 0;
    for (const std::string_view line : TextLines(text)) {
        ++number;
        std::vector<TemplatePiece>& pieces = labelTemplate.lines.emplace_back();
        if (line == kLabelSeparator) {
            labelTemplate.problems.push_back(TemplatePlace(number) +
                                             "「---」の行は使えません。リストの 1 行が 1 枚のラベルになります");
            continue;
        }
        ParseLine(line, number, pieces, labelTemplate.problems);
    }
    FindColumns(labelTemplate, list);
    return labelTemplate;
}

std::string Expansion::Text() const
{
    std::string text;
    for (const ExpandedLine& line : lines) text.append(line.text) += '\n';
    return text;
}

Expansion ExpandTemplate(const LabelTemplate& labelTemplate, const ListResult& list, std::size_t row)
{
    const ListRow& values = list.rows[row];
    const std::size_t last = std::max(list.columns.size(), values.fields.size());
    Expansion expansion;
    for (std::size_t l = 0; l < labelTemplate.lines.size(); ++l) {
        expansion.lines.emplace_back();
        const std::vector<TemplatePiece>& pieces = labelTemplate.lines[l];
        for (std::size_t p = 0; p < pieces.size(); ++p) {
            const TemplatePiece& piece = pieces[p];
            std::string_view value = piece.text;
            if (piece.field) {
                if (piece.index < 0) continue;
                if (static_cast<std::size_t>(piece.index) >= last) {
                    expansion.problems.push_back(RowPlace(values.number) + " " + FieldText(piece) + ": この行の値は " +
                                                 std::to_string(last) + " 列目までです");
                    continue;
                }
                const auto index = static_cast<std::size_t>(piece.index);
                value = index < values.fields.size() ? std::string_view(values.fields[index]) : std::string_view();
            }
            // A value's line break starts the label's next line.
            for (int offset = 0;;) {
                const std::size_t lineBreak = value.find('\n');
                const std::string_view part = value.substr(0, lineBreak);
                ExpandedLine& line = expansion.lines.back();
                if (!part.empty()) {
                    line.spans.push_back({static_cast<int>(line.text.size()), static_cast<int>(part.size()),
                                          static_cast<int>(l), static_cast<int>(p), offset});
                    line.text += part;
                }
                if (lineBreak == std::string_view::npos) break;
                offset += CharacterCount(part) + 1;
                value.remove_prefix(lineBreak + 1);
                CountInCharacters(line);
                expansion.lines.emplace_back();
            }
        }
        CountInCharacters(expansion.lines.back());
    }
    return expansion;
}

std::string RowRefusalMessage(const LabelTemplate& labelTemplate, const ExpandedLine& line, int row,
                              const ComposeRefusal& refusal)
{
    const std::string what = "「" + refusal.character + "」: " + refusal.reason;
    const int at = refusal.column - 1;
    const auto span = std::find_if(line.spans.begin(), line.spans.end(), [&](const ExpandedSpan& s) {
        return at >= s.start && at < s.start + s.length;
    });
    if (span == line.spans.end()) return RowPlace(row) + " " + what;
    const TemplatePiece& piece = labelTemplate.lines[static_cast<std::size_t>(span->line)]
                                                   [static_cast<std::size_t>(span->piece)];
    const int inPiece = span->offset + at - span->start;
    if (piece.field)
        return RowPlace(row) + " " + FieldText(piece) + " " + std::to_string(inPiece + 1) + " 文字目" + what;
    return RowPlace(row) + " テンプレート " + std::to_string(span->line + 1) + " 行 " +
           std::to_string(piece.column + inPiece) + " 文字目" + what;
}

}  // namespace tessra
