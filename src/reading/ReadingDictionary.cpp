#include "reading/ReadingDictionary.h"

#include "document/FileIo.h"
#include "text/Utf8Text.h"
#include "reading/KanaText.h"

#include <algorithm>
#include <filesystem>
#include <map>

namespace tessra {
namespace {

bool IsReadingCharacter(char32_t c)
{
    return IsHiragana(c) || IsKatakana(c) || c == U' ' || c == U'　';
}

std::u32string Trimmed(std::u32string text)
{
    const auto blank = [](char32_t c) { return c == U' ' || c == U'　' || c == U'\r'; };
    while (!text.empty() && blank(text.back())) text.pop_back();
    std::size_t start = 0;
    while (start < text.size() && blank(text[start])) ++start;
    return text.substr(start);
}

// The reading with every run of blanks as one ASCII blank.
std::string ReadingText(std::u32string_view reading)
{
    std::u32string out;
    for (const char32_t c : ToHiragana(reading)) {
        const bool blank = c == U' ' || c == U'　';
        if (blank && !out.empty() && out.back() == U' ') continue;
        out += blank ? U' ' : c;
    }
    return EncodeUtf8(out);
}

}  // namespace

std::optional<ReadingDictionary> ReadingDictionary::Parse(std::string_view text, std::string_view name,
                                                          std::vector<std::string>& errors)
{
    ReadingDictionary dictionary;
    std::map<std::u32string, int> lines;
    const std::size_t errorsBefore = errors.size();
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    for (int number = 1; !text.empty(); ++number) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const auto fail = [&](const std::string& why) {
            errors.push_back(std::string(name) + " " + std::to_string(number) + " 行目: " + why);
        };
        const std::u32string codes = DecodeUtf8(line);
        if (codes.find(U'\uFFFD') != std::u32string::npos && EncodeUtf8(codes) != line) {
            fail("UTF-8 で書いてください");
            continue;
        }
        const std::u32string content = Trimmed(codes.substr(0, codes.find(U'#')));
        if (content.empty()) continue;
        const std::size_t tab = content.find(U'\t');
        if (tab == std::u32string::npos) {
            fail("書き方と読みの間にタブがありません");
            continue;
        }
        const std::u32string written = Trimmed(content.substr(0, tab));
        const std::u32string reading = Trimmed(content.substr(tab + 1));
        if (written.empty()) {
            fail("書き方がありません");
        } else if (reading.empty()) {
            fail("読みがありません");
        } else if (reading.find(U'\t') != std::u32string::npos) {
            fail("タブが多すぎます。1 行に書き方と読みを 1 つずつ書いてください");
        } else if (!std::all_of(reading.begin(), reading.end(), IsReadingCharacter)) {
            fail("読みはかなで書いてください");
        } else if (const auto seen = lines.find(written); seen != lines.end()) {
            fail("「" + EncodeUtf8(written) + "」は " + std::to_string(seen->second) + " 行目にもあります");
        } else {
            lines.emplace(written, number);
            dictionary.Add({written, ReadingText(reading)});
        }
    }
    if (errors.size() != errorsBefore) return std::nullopt;
    return dictionary;
}

void ReadingDictionary::Add(Entry entry)
{
    std::uint32_t node = 0;
    for (const char32_t c : entry.written) {
        const auto [edge, added] = edges_.try_emplace(std::uint64_t{node} << 32 | c, static_cast<std::uint32_t>(ends_.size()));
        if (added) ends_.push_back(0);
        node = edge->second;
    }
    ends_[node] = static_cast<std::uint32_t>(entries_.size() + 1);
    entries_.push_back(std::move(entry));
}

const ReadingDictionary::Entry* ReadingDictionary::Match(std::u32string_view text, std::size_t at) const
{
    const Entry* longest = nullptr;
    std::uint32_t node = 0;
    for (; at < text.size(); ++at) {
        const auto edge = edges_.find(std::uint64_t{node} << 32 | text[at]);
        if (edge == edges_.end()) break;
        node = edge->second;
        if (ends_[node]) longest = &entries_[ends_[node] - 1];
    }
    return longest;
}

Morpheme DictionaryWord(const ReadingDictionary::Entry& entry, int column)
{
    Morpheme word;
    word.surface = EncodeUtf8(entry.written);
    word.reading = entry.reading;
    word.pos = "名詞";
    word.pos1 = "固有名詞";
    word.column = column;
    word.fixed = true;
    return word;
}

std::optional<std::string> AddUserReading(const std::string& path, std::string_view written,
                                          std::string_view reading)
{
    constexpr std::string_view kBreaks = "\t\r\n";
    if (written.empty() || reading.empty() || written.find_first_of(kBreaks) != std::string_view::npos ||
        reading.find_first_of(kBreaks) != std::string_view::npos || written.front() == '#')
        return std::string("この読みは辞書に登録できません");
    std::string text = ReadFileHead(path, kUserReadingsSizeLimit).value_or(std::string());
    if (!text.empty() && text.back() != '\n') text += '\n';
    text.append(written).append("\t").append(reading).append("\n");
    if (text.size() >= kUserReadingsSizeLimit) return std::string("辞書が大きすぎます: ") + path;
    // A line the dictionary would refuse on reading must not get into it.
    std::vector<std::string> errors;
    if (!ReadingDictionary::Parse(text, path, errors))
        return errors.empty() ? std::string("この読みは辞書に登録できません") : errors.back();
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    if (!WriteFileAtomically(path, text)) return std::string("辞書を保存できません: ") + path;
    return std::nullopt;
}

}  // namespace tessra
