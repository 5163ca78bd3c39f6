#include "reading/NumberWords.h"

#include "text/Utf8Text.h"
#include "reading/KanaText.h"
#include "reading/ReadingExceptions.h"

#include <algorithm>

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
    if (word.pos1 != "数" && !word.reading.empty()) return false;  // digits come unread
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

std::optional<std::u32string_view> NativeReading(long long value, std::u32string_view counter, bool afterMonth);

// A numeral with its counter written as one word (一つ, 二人, 三日, 十二月): the digits, then
// the counter as the word's reading ends.
constexpr std::pair<char32_t, std::u32string_view> kCounterEndings[] = {
    {U'つ', U"つ"}, {U'人', U"り|にん"}, {U'日', U"か|にち"}, {U'月', U"がつ"},
};

bool RewriteCountedNumeral(Morpheme& word, bool afterMonth)
{
    const std::u32string text = DecodeUtf8(word.surface);
    if (text.size() < 2) return false;
    const std::u32string_view numerals = std::u32string_view(text).substr(0, text.size() - 1);
    for (const char32_t c : numerals)
        if (!IsKanjiNumeral(c)) return false;
    const std::optional<std::string> digits = KanjiNumberDigits(numerals);
    if (!digits) return false;
    const std::u32string reading = ToHiragana(DecodeUtf8(word.reading));
    for (const auto& [counter, endings] : kCounterEndings) {
        if (counter != text.back()) continue;
        for (std::size_t start = 0; start <= endings.size();) {
            const std::size_t end = std::min(endings.find(U'|', start), endings.size());
            const std::u32string_view ending = endings.substr(start, end - start);
            if (reading.size() > ending.size() && reading.ends_with(ending)) {
                const auto native = digits->size() <= 2 && digits->find_first_not_of("0123456789") == std::string::npos
                                        ? NativeReading(std::stoll(*digits), std::u32string_view(&text.back(), 1), afterMonth)
                                        : std::nullopt;
                word.reading = native ? EncodeUtf8(*native) : *digits + EncodeUtf8(ending);
                word.fixed = true;
                word.pos1 = "数";
                return true;
            }
            start = end + 1;
        }
    }
    return false;
}

// A counter's sound after a number: 1ぽん, 3ぼん, 6ぽん, 10ぽん, 3がい, 20ぷん.
struct CounterSounds {
    std::u32string_view counter;
    std::u32string_view plain, popped, afterThree, afterFour, thousands;
};
constexpr CounterSounds kCounterSounds[] = {
    {U"本", U"ほん", U"ぽん", U"ぼん", U"ほん", U"ぼん"},
    {U"匹", U"ひき", U"ぴき", U"びき", U"ひき", U"びき"},
    {U"杯", U"はい", U"ぱい", U"ばい", U"はい", U"ばい"},
    {U"分", U"ふん", U"ぷん", U"ぷん", U"ぷん", U"ぷん"},
    {U"泊", U"はく", U"ぱく", U"ぱく", U"はく", U"ぱく"},
    {U"包", U"ほー", U"ぽー", U"ぽー", U"ほー", U"ぽー"},
    {U"階", U"かい", U"かい", U"がい", U"かい", U"かい"},
    {U"軒", U"けん", U"けん", U"げん", U"けん", U"けん"},
};

// The number a number word stands for (its last group for 1まん2000), or -1.
long long NumberValue(const Morpheme& number)
{
    const std::u32string text = DecodeUtf8(number.fixed ? number.reading : number.surface);
    long long value = -1;
    for (const char32_t c : text) {
        const int digit = DigitValue(c);
        if (digit >= 0 && !IsKanjiNumeral(c)) {
            value = (value < 0 ? 0 : value) * 10 + digit;
            if (value > 1'000'000'000'000LL) return -1;
        } else if (c != U',' && c != U'，') {
            value = -1;
        }
    }
    return value;
}

std::optional<std::u32string> CounterAfter(long long value, std::u32string_view counter)
{
    for (const CounterSounds& sounds : kCounterSounds) {
        if (sounds.counter != counter) continue;
        const long long last = value % 10;
        if (value > 0 && value % 1000 == 0) return std::u32string(sounds.thousands);
        if (last == 1 || last == 6 || last == 8 || (value > 0 && last == 0)) return std::u32string(sounds.popped);
        if (last == 3) return std::u32string(sounds.afterThree);
        if (last == 4) return std::u32string(sounds.afterFour);
        return std::u32string(sounds.plain);
    }
    return std::nullopt;
}

// A count said in native numbers (ふたり, みっつ) or a day of a date after its month (なのか),
// written as said; nothing when the number is written in digits.
std::optional<std::u32string_view> NativeReading(long long value, std::u32string_view counter, bool afterMonth)
{
    if (counter == U"日") {
        if (!afterMonth) return std::nullopt;
        const auto day = std::ranges::find(exceptions::kNativeDays, value, &exceptions::Day::day);
        if (day == std::ranges::end(exceptions::kNativeDays)) return std::nullopt;
        return day->reading;
    }
    for (const exceptions::NativeCount& count : exceptions::kNativeCounts)
        if (counter.size() == 1 && count.counter == counter[0] && count.number == value) return count.reading;
    return std::nullopt;
}

bool AfterMonth(const std::vector<Morpheme>& words, std::size_t at)
{
    return at > 0 && words[at - 1].surface.ends_with("月");
}

// The word after a number, read as that number's counter.
void ReadCounter(const std::vector<Morpheme>& words, std::size_t number, Morpheme& counter)
{
    if (counter.fixed || counter.blanksBefore > 0) return;
    const long long value = NumberValue(words[number]);
    if (value < 0) return;
    const std::u32string text = DecodeUtf8(counter.surface);
    std::optional<std::u32string> reading = CounterAfter(value, text);
    if (text == U"月") reading = U"がつ";
    if (text == U"日") reading = U"にち";
    if (!reading) return;
    counter.reading = EncodeUtf8(*reading);
    counter.fixed = true;
    counter.pos = "名詞";
    counter.pos1 = "接尾";
}

// Words whose numeral is no number (一緒, 十分) and the vague numbers (数千, 何十), as the
// analyser may cut them: each becomes one word read as listed. A match may not start inside a
// number (三十分 is not 3 じゅーぶん).
void ReadNumeralsRead(std::vector<Morpheme>& words)
{
    constexpr std::size_t kLongestCut = 4;  // words
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i].fixed || (i > 0 && IsNumberWord(words[i]) && IsNumberWord(words[i - 1]) &&
                               words[i].blanksBefore == 0))
            continue;
        // The longest entry: 一生懸命 before 一生.
        std::u32string written, matched;
        const exceptions::Written* found = nullptr;
        std::size_t last = i;
        for (std::size_t end = i; end < words.size() && end < i + kLongestCut; ++end) {
            if (end > i && (words[end].blanksBefore > 0 || words[end].fixed)) break;
            written += DecodeUtf8(words[end].surface);
            const auto row = std::ranges::find(exceptions::kNumeralsRead, written, &exceptions::Written::written);
            if (row == std::ranges::end(exceptions::kNumeralsRead)) continue;
            found = &*row;
            matched = written;
            last = end;
        }
        if (!found) continue;
        Morpheme& word = words[i];
        word.surface = EncodeUtf8(matched);
        word.reading = EncodeUtf8(found->reading);
        word.fixed = true;
        if (word.pos != "名詞" || word.pos1 == "数") {
            word.pos = "名詞";
            word.pos1 = "一般";
        }
        words.erase(words.begin() + static_cast<std::ptrdiff_t>(i + 1),
                    words.begin() + static_cast<std::ptrdiff_t>(last + 1));
    }
}

// A word that begins with a kanji numeral said as a number (三角 サンカク, 一番 イチバン) keeps
// the number sense: the numeral is written as its digit and the rest as read (3かく, 1ばん).
// Numerals read in native sounds (一言 ひとこと), idioms with more numerals, names and adverbs
// are left as read.
bool RewriteNumeralPrefix(Morpheme& word)
{
    if (word.fixed || word.pos != "名詞" || word.pos1 == "固有名詞" || word.pos1 == "数") return false;
    const std::u32string text = DecodeUtf8(word.surface);
    if (text.size() < 2) return false;
    // Another numeral further on makes a longer number or an idiom (一石二鳥, 四捨五入): read.
    if (std::any_of(text.begin() + 1, text.end(), [](char32_t c) { return IsKanjiNumeral(c); })) return false;
    const auto row = std::ranges::find(exceptions::kNumeralSounds, text[0], &exceptions::NumeralSound::numeral);
    if (row == std::ranges::end(exceptions::kNumeralSounds)) return false;
    const std::u32string reading = DecodeUtf8(word.reading);
    for (std::size_t start = 0; start <= row->sounds.size();) {
        const std::size_t end = std::min(row->sounds.find(U'|', start), row->sounds.size());
        const std::u32string_view sound = row->sounds.substr(start, end - start);
        start = end + 1;
        if (reading.size() <= sound.size() || !reading.starts_with(sound)) continue;
        const std::string digits = std::to_string(row->value);
        word.reading = digits + EncodeUtf8(std::u32string_view(reading).substr(sound.size()));
        const std::u32string spoken = DecodeUtf8(word.pronunciation);
        std::u32string spokenSound(sound);
        if (spokenSound.ends_with(U'ウ')) spokenSound.back() = U'ー';
        word.pronunciation = spoken.starts_with(spokenSound)
                                 ? digits + EncodeUtf8(std::u32string_view(spoken).substr(spokenSound.size()))
                                 : std::string();
        return true;
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
    ReadNumeralsRead(words);
    for (std::size_t i = 0; i < words.size();) {
        Morpheme& word = words[i];
        if (word.fixed) {
            ++i;
        } else if (IsNumberWord(word)) {
            i = JoinNumber(words, i);
            if (i < words.size()) {
                Morpheme& counter = words[i];
                const long long value = NumberValue(words[i - 1]);
                const auto native = counter.blanksBefore == 0 && value > 0
                                        ? NativeReading(value, DecodeUtf8(counter.surface), AfterMonth(words, i - 1))
                                        : std::nullopt;
                if (native) {
                    words[i - 1].surface += counter.surface;
                    words[i - 1].reading = EncodeUtf8(*native);
                    words[i - 1].fixed = true;
                    words.erase(words.begin() + static_cast<std::ptrdiff_t>(i));
                } else {
                    ReadCounter(words, i - 1, counter);
                }
            }
            Morpheme& number = words[i - 1];
            if (i >= 2 && IsYenSign(words[i - 2]) && number.blanksBefore == 0) {
                const int column = words[i - 2].column;
                number.blanksBefore = words[i - 2].blanksBefore;
                words[i - 2] = Word("￥", "えん", column);
                std::swap(words[i - 2], words[i - 1]);
            }
        } else {
            if (!RewriteCountedNumeral(word, AfterMonth(words, i))) RewriteNumeralPrefix(word);
            ++i;
        }
    }
}

}  // namespace tessra
