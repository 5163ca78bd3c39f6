#include "reading/NumberWords.h"

#include "format/Utf8Text.h"
#include "reading/KanaText.h"

#include <array>

namespace tessra {
namespace {

constexpr std::u32string_view kDigitNumerals = U"〇一二三四五六七八九";

int DigitValue(char32_t c)
{
    if (c >= U'０' && c <= U'９') return static_cast<int>(c - U'０');
    if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
    const std::size_t at = kDigitNumerals.find(c);
    return at == std::u32string_view::npos ? -1 : static_cast<int>(at);
}

bool IsDigitOrNumeral(char32_t c) { return DigitValue(c) >= 0 || IsKanjiNumeral(c); }

bool IsNumberWord(const Morpheme& word)
{
    if (word.pos1 != "数" && word.reading.empty() == false) return false;
    const std::u32string text = DecodeUtf8(word.surface);
    if (text.empty()) return false;
    for (const char32_t c : text)
        if (!IsDigitOrNumeral(c)) return false;
    return true;
}

bool IsSeparator(const Morpheme& word)
{
    return word.surface == "," || word.surface == "." || word.surface == "，" || word.surface == "．";
}

// A section below 万: 三千五百, 二十, 十; nothing when it is not one.
std::optional<long long> SectionValue(std::u32string_view text)
{
    long long total = 0;
    long long digits = -1;
    for (const char32_t c : text) {
        const int value = DigitValue(c);
        if (value >= 0) {
            digits = digits < 0 ? value : digits * 10 + value;
            if (digits > 9999) return std::nullopt;
            continue;
        }
        const long long unit = c == U'十' ? 10 : c == U'百' ? 100 : c == U'千' ? 1000 : 0;
        if (unit == 0) return std::nullopt;
        total += (digits < 0 ? 1 : digits) * unit;
        digits = -1;
    }
    return total + (digits < 0 ? 0 : digits);
}

Morpheme Word(std::string surface, std::string reading, int column)
{
    Morpheme word;
    word.surface = std::move(surface);
    word.reading = std::move(reading);
    word.pos = "名詞";
    word.pos1 = "接尾";
    word.pos2 = "助数詞";
    word.column = column;
    word.fixed = true;
    return word;
}

// 一つ, 二人, 三日: one numeral and its counter written as one word.
constexpr std::array<std::pair<char32_t, std::u32string_view>, 10> kNumeralReadings{{
    {U'一', U"ひと|いっ|いち"},
    {U'二', U"ふた|ふつ|に"},
    {U'三', U"みっ|み|さん"},
    {U'四', U"よっ|よん|よ|し"},
    {U'五', U"いつ|ご"},
    {U'六', U"むっ|む|ろっ|ろく"},
    {U'七', U"なな|なの|しち"},
    {U'八', U"やっ|よう|はっ|はち"},
    {U'九', U"ここの|きゅう|く"},
    {U'十', U"とお|じゅっ|じっ|じゅう"},
}};

bool RewriteCountedNumeral(Morpheme& word)
{
    const std::u32string text = DecodeUtf8(word.surface);
    if (text.size() != 2 || std::u32string_view(U"つ人日").find(text[1]) == std::u32string_view::npos)
        return false;
    const std::u32string reading = ToHiragana(DecodeUtf8(word.reading));
    for (const auto& [numeral, readings] : kNumeralReadings) {
        if (numeral != text[0]) continue;
        const int value = numeral == U'十' ? 10 : DigitValue(numeral);
        for (std::size_t start = 0; start <= readings.size();) {
            const std::size_t end = std::min(readings.find(U'|', start), readings.size());
            const std::u32string_view prefix = readings.substr(start, end - start);
            if (reading.size() > prefix.size() && reading.starts_with(prefix)) {
                word.reading = std::to_string(value) + EncodeUtf8(reading.substr(prefix.size()));
                word.fixed = true;
                return true;
            }
            start = end + 1;
        }
    }
    return false;
}

// Joins the run of number words from `first` into one word; returns the index after it.
std::size_t JoinNumber(std::vector<Morpheme>& words, std::size_t first)
{
    std::size_t end = first + 1;
    while (end < words.size() && words[end].blanksBefore == 0) {
        if (IsNumberWord(words[end])) {
            ++end;
        } else if (IsSeparator(words[end]) && end + 1 < words.size() && IsNumberWord(words[end + 1]) &&
                   words[end + 1].blanksBefore == 0) {
            end += 2;
        } else {
            break;
        }
    }
    Morpheme& number = words[first];
    for (std::size_t i = first + 1; i < end; ++i) number.surface += words[i].surface;
    number.pos = "名詞";
    number.pos1 = "数";
    number.reading.clear();
    number.pronunciation.clear();
    const std::u32string text = DecodeUtf8(number.surface);
    bool kanji = false;
    for (const char32_t c : text) kanji = kanji || IsKanjiNumeral(c);
    if (kanji) {
        if (const auto digits = KanjiNumberDigits(text)) {
            number.reading = *digits;
            number.fixed = true;
        }
    }
    words.erase(words.begin() + static_cast<std::ptrdiff_t>(first + 1),
                words.begin() + static_cast<std::ptrdiff_t>(end));
    return first + 1;
}

bool IsYenSign(const Morpheme& word) { return word.surface == "￥" || word.surface == "¥"; }
bool IsPercentSign(const Morpheme& word) { return word.surface == "％" || word.surface == "%"; }

}  // namespace

std::optional<std::string> KanjiNumberDigits(std::u32string_view numerals)
{
    if (numerals.empty()) return std::nullopt;
    struct Big {
        char32_t sign;
        const char* kana;
    };
    static constexpr Big kBig[] = {{U'兆', "ちょー"}, {U'億', "おく"}, {U'万', "まん"}};
    std::string out;
    std::u32string_view rest = numerals;
    for (const Big& big : kBig) {
        const std::size_t at = rest.find(big.sign);
        if (at == std::u32string_view::npos) continue;
        const auto section = at == 0 ? std::optional<long long>(1) : SectionValue(rest.substr(0, at));
        if (!section || *section == 0) return std::nullopt;
        out += std::to_string(*section) + big.kana;
        rest.remove_prefix(at + 1);
    }
    if (rest.empty()) return out;
    const auto section = SectionValue(rest);
    if (!section) return std::nullopt;
    // Without 十, 百 or 千 the numerals are digits one by one: 二〇二四 is 2024, 〇三 is 03.
    bool positional = false;
    for (const char32_t c : rest) positional = positional || DigitValue(c) < 0;
    if (positional) return out + std::to_string(*section);
    std::string digits;
    for (const char32_t c : rest) digits += static_cast<char>('0' + DigitValue(c));
    return out + digits;
}

void WriteNumbers(std::vector<Morpheme>& words)
{
    for (std::size_t i = 0; i < words.size();) {
        Morpheme& word = words[i];
        if (word.fixed) {
            ++i;
        } else if (IsNumberWord(word)) {
            i = JoinNumber(words, i);
            Morpheme& number = words[i - 1];
            if (i < words.size() && words[i].surface == "人" && !words[i].fixed &&
                (number.reading == "1" || number.reading == "2")) {
                words[i].reading = "リ";
                words[i].pronunciation.clear();
            }
            if (i >= 2 && IsYenSign(words[i - 2]) && number.blanksBefore == 0) {
                const int column = words[i - 2].column;
                number.blanksBefore = words[i - 2].blanksBefore;
                words[i - 2] = Word("￥", "えん", column);
                std::swap(words[i - 2], words[i - 1]);
            }
        } else if (IsPercentSign(word)) {
            word = Word(word.surface, "ぱーせんと", word.column);
            ++i;
        } else {
            RewriteCountedNumeral(word);
            ++i;
        }
    }
}

}  // namespace tessra
