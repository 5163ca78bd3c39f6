#include "merge/ListReader.h"

#include "document/BseFile.h"
#include "text/Utf8Text.h"

#include <algorithm>

namespace tessra {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            ++at;
            continue;
        }
        const Utf8Char c = DecodeUtf8At(text, at);
        if (!c.valid) return false;
        at += c.length;
    }
    return true;
}

// A spreadsheet's "Unicode text": UTF-16 after its byte-order mark, either byte order. A lone
// surrogate or a last odd byte becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool littleEndian)
{
    std::u32string codes;
    codes.reserve(bytes.size() / 2);
    auto unit = [&](std::size_t at) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return littleEndian ? first | (second << 8) : (first << 8) | second;
    };
    std::size_t at = 0;
    for (; at + 1 < bytes.size(); at += 2) {
        const char32_t code = unit(at);
        if (code >= 0xD800 && code <= 0xDBFF && at + 3 < bytes.size()) {
            const char32_t low = unit(at + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                codes += 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                at += 2;
                continue;
            }
        }
        codes += code >= 0xD800 && code <= 0xDFFF ? U'\uFFFD' : code;
    }
    if (at < bytes.size()) codes += U'\uFFFD';
    return EncodeUtf8(codes);
}

// The list's text as UTF-8, whatever its encoding.
std::string ListText(std::string_view bytes, Cp932Decoder cp932ToUtf8)
{
    if (bytes.starts_with(kUtf8ByteOrderMark)) return std::string(bytes.substr(kUtf8ByteOrderMark.size()));
    if (bytes.starts_with("\xFF\xFE")) return Utf16ToUtf8(bytes.substr(2), true);
    if (bytes.starts_with("\xFE\xFF")) return Utf16ToUtf8(bytes.substr(2), false);
    if (IsUtf8(bytes) || !cp932ToUtf8) return std::string(bytes);
    return cp932ToUtf8(bytes);
}

// TSV when the first line that holds anything has a tab and no comma outside quotes.
char Separator(std::string_view text)
{
    bool quoted = false, tab = false, comma = false;
    const std::size_t start = std::min(text.find_first_not_of("\r\n"), text.size());
    for (std::size_t at = start; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '"') quoted = !quoted;
        else if (!quoted && (c == '\r' || c == '\n')) break;
        else if (!quoted && c == '\t') tab = true;
        else if (!quoted && c == ',') comma = true;
    }
    return tab && !comma ? '\t' : ',';
}

// A line break inside a value is one LF, whichever the file used.
void UnifyLineBreaks(std::string& value)
{
    if (value.find('\r') == std::string::npos) return;
    std::string unified;
    for (std::size_t at = 0; at < value.size(); ++at) {
        if (value[at] != '\r') unified += value[at];
        else if (at + 1 >= value.size() || value[at + 1] != '\n') unified += '\n';
    }
    value = std::move(unified);
}

// Reads the records of the text one by one.
class RecordReader {
public:
    RecordReader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    bool AtEnd() const { return at_ >= text_.size(); }

    // The next record's fields; false when a quote is never closed.
    bool Next(std::vector<std::string>& fields)
    {
        fields.clear();
        for (;;) {
            std::string& field = fields.emplace_back();
            if (!ReadField(field)) return false;
            if (AtEnd()) return true;
            const char end = text_[at_++];
            if (end == separator_) continue;
            if (end == '\r' && !AtEnd() && text_[at_] == '\n') ++at_;
            return true;
        }
    }

private:
    bool IsEnd(char c) const { return c == separator_ || c == '\r' || c == '\n'; }

    // Up to the separator or line break that ends the field, which is left for the caller. Text
    // after a closing quote belongs to the value, as spreadsheets read it.
    bool ReadField(std::string& field)
    {
        if (!AtEnd() && text_[at_] == '"') {
            ++at_;
            for (;;) {
                const std::size_t quote = text_.find('"', at_);
                if (quote == std::string_view::npos) return false;
                field.append(text_.substr(at_, quote - at_));
                at_ = quote + 1;
                if (AtEnd() || text_[at_] != '"') break;
                field += '"';
                ++at_;
            }
            UnifyLineBreaks(field);
        }
        const std::size_t start = at_;
        while (!AtEnd() && !IsEnd(text_[at_])) ++at_;
        field.append(text_.substr(start, at_ - start));
        return true;
    }

    std::string_view text_;
    char separator_;
    std::size_t at_ = 0;
};

ListResult Refused(std::string error)
{
    ListResult list;
    list.error = std::move(error);
    return list;
}

}  // namespace

ListResult ReadList(std::string_view bytes, bool hasHeader, Cp932Decoder cp932ToUtf8)
{
    ListResult list;
    if (bytes.size() >= kListSizeLimit) return Refused(TooLargeToOpenMessage(kListSizeLimit));
    const std::string text = ListText(bytes, cp932ToUtf8);
    list.separator = Separator(text);
    RecordReader records(text, list.separator);
    std::vector<std::string> fields;
    std::size_t values = 0;
    for (int number = 1; !records.AtEnd(); ++number) {
        if (!records.Next(fields)) return Refused(RowPlace(number) + ": 「\"」で始まる値が「\"」で閉じられていません");
        if (std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return f.empty(); }))
            continue;
        values += fields.size();
        if (values > kListValueLimit) {
            return Refused(RowPlace(number) + ": リストの値が多すぎます。読めるのは " +
                           std::to_string(kListValueLimit) + " 個までです");
        }
        if (hasHeader && list.headerRow == 0) {
            list.headerRow = number;
            list.columns = std::move(fields);
        } else {
            list.rows.push_back({number, std::move(fields)});
        }
        fields = {};
    }
    return list;
}

std::string RowPlace(int row) { return std::to_string(row) + " 行目"; }

}  // namespace tessra
