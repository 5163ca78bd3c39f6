#include "reading/PhraseSpacing.h"

#include "braille/SignMatch.h"
#include "text/Utf8Text.h"
#include "reading/KanaText.h"
#include "reading/ReadingExceptions.h"

#include <algorithm>

#include <map>
#include <optional>
#include <span>

namespace tessra {
namespace {

enum class Role {
    Blank,        // a blank written in the line
    Pause,        // 。、・！？: a blank follows
    Open,         // an opening parenthesis or quote
    Close,        // a closing one
    Sign,         // a hyphen, slash, arrow or the like: the composer gives it its blanks
    Prefix,       // joins what follows
    Attached,     // particle, auxiliary, suffix: stays with the word before
    Auxiliary,    // a verb or adjective that helps the one before (いる, ない)
    Noun,         // may join a compound
    Number,
    Content,      // starts a phrase
};

bool Is(const Morpheme& w, const char* pos, const char* pos1 = nullptr)
{
    return w.pos == pos && (!pos1 || w.pos1 == pos1);
}

// The role a sign of the sign table plays between words, by its print form.
std::optional<Role> SignRole(std::u32string_view surface)
{
    static const std::map<std::u32string, Role, std::less<>> roles = [] {
        std::map<std::u32string, Role, std::less<>> byForm;
        const auto add = [&byForm](std::span<const signs::SignRow> rows, std::optional<Role> role) {
            for (const signs::SignRow& row : rows) {
                const Role given = role ? *role : row.role == signs::Role::Opening ? Role::Open : Role::Close;
                for (std::u32string& form : signs::Forms(row.prints)) byForm.try_emplace(std::move(form), given);
            }
        };
        add(signs::kPauses, Role::Pause);
        add(signs::kEnclosures, std::nullopt);
        add(signs::kBetweenNumbers, Role::Sign);
        add(signs::kOtherSigns, Role::Sign);
        add(signs::kShapes, Role::Sign);
        return byForm;
    }();
    const auto found = roles.find(surface);
    if (found == roles.end()) return std::nullopt;
    return found->second;
}

Role RoleOf(const Morpheme& w)
{
    const std::u32string text = DecodeUtf8(w.surface);
    if (w.pos == "記号" || (w.reading.empty() && text.size() == 1 && !w.fixed)) {
        const char32_t c = text.empty() ? 0 : text[0];
        if (c == U' ' || c == U'　') return Role::Blank;
        if (const std::optional<Role> role = SignRole(text)) return *role;
        if (w.pos == "記号") return Role::Attached;
    }
    if (w.pos1 == "数") return Role::Number;
    if (w.pos == "接頭詞") return Role::Prefix;
    if (w.pos == "助詞" || w.pos == "助動詞" || w.pos1 == "接尾") return Role::Attached;
    if (w.pos == "名詞" && (w.pos2 == "助動詞語幹" || w.pos1 == "特殊")) return Role::Attached;
    if ((w.pos == "動詞" || w.pos == "形容詞") && w.pos1 == "非自立") return Role::Auxiliary;
    if (w.pos == "名詞" && w.pos1 != "代名詞" && w.pos1 != "非自立") return Role::Noun;
    return Role::Content;
}

bool AfterTe(const Morpheme& before)
{
    return before.pos == "助詞" && (before.surface == "て" || before.surface == "で");
}

// A verb that continues the one before into a compound (見送る, 読み始める) or する after a
// verbal noun (案内する).
bool JoinsVerb(const Morpheme& before, const Morpheme& w)
{
    if (w.pos != "動詞") return false;
    if (before.pos == "動詞" && before.form.starts_with("連用")) return true;
    // Only する joins its noun; できる, いたす, いただく stand apart (りよー できる).
    const std::u32string text = DecodeUtf8(w.surface);
    return before.pos == "名詞" && before.pos1 == "サ変接続" &&
           std::ranges::find(exceptions::kSuruForms, text) != std::ranges::end(exceptions::kSuruForms);
}

bool GivenNameAfterSurname(const std::vector<Morpheme>& words, std::size_t i)
{
    return words[i].pos2 == "人名" && words[i].pos3 == "名" && words[i - 1].pos2 == "人名" &&
           words[i - 1].pos3 == "姓";
}

// 下さい and ござる help the verb before and are written apart, as いる after て is.
bool SeparateHelper(const Morpheme& w)
{
    const std::u32string text = DecodeUtf8(w.surface);
    return std::ranges::any_of(exceptions::kSeparateHelpers,
                               [&](std::u32string_view start) { return text.starts_with(start); });
}

// ない and ある after an adjective's or だ's continuative form help it as words of their own
// (たかく ない, しずかで ない, たべたく ない, しずかじゃ ない, しずかで ある); after a verb ない
// is an ending (いかない).
bool Supplementary(const Morpheme& before, const Morpheme& w)
{
    if (w.pos != "助動詞") return false;
    const std::u32string text = DecodeUtf8(w.surface);
    if (std::ranges::find(exceptions::kSupplementaryForms, text) == std::ranges::end(exceptions::kSupplementaryForms))
        return false;
    if (before.surface == "じゃ") return true;
    return (before.pos == "形容詞" || before.pos == "助動詞") && before.form.starts_with("連用");
}

// After 県, 市, 区 and the like, the next place name is a word of its own however short (三重県 津市).
bool AfterPlaceName(const std::vector<Morpheme>& words, std::size_t i)
{
    return words[i - 1].pos1 == "接尾" && words[i - 1].pos2 == "地域" && words[i].pos1 == "固有名詞";
}

// A loan word; one that the analyser cut in two (ティー バッグ) counts its beats as one.
bool KatakanaWord(const Morpheme& w)
{
    const std::u32string text = DecodeUtf8(w.surface);
    for (const char32_t c : text)
        if (!IsKatakana(c)) return false;
    return !text.empty();
}

// A loan word the dictionary does not know may come in pieces of one beat (テ ッ スラ): they are
// one word.
bool KatakanaPieces(const std::vector<Morpheme>& words, const std::vector<std::u32string>& kana,
                    std::size_t i)
{
    return KatakanaWord(words[i - 1]) && KatakanaWord(words[i]) &&
           (MoraCount(kana[i - 1]) < 2 || MoraCount(kana[i]) < 2);
}

// The beats of word i and the suffixes that follow it.
int UnitBeats(const std::vector<Morpheme>& words, const std::vector<std::u32string>& kana,
              std::size_t i)
{
    int beats = MoraCount(kana[i]);
    const bool loanWord = KatakanaWord(words[i]);
    for (std::size_t j = i + 1; j < words.size() && words[j].blanksBefore == 0; ++j) {
        if (words[j].pos1 != "接尾" && !(loanWord && KatakanaWord(words[j]))) break;
        beats += MoraCount(kana[j]);
    }
    return beats;
}

}  // namespace

void SplitCompoundParticles(std::vector<Morpheme>& words)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i].fixed || words[i].pos != "助詞") continue;
        const std::u32string text = DecodeUtf8(words[i].surface);
        const auto row = std::ranges::find(exceptions::kCompoundParticles, text, &exceptions::Written::written);
        if (row == std::ranges::end(exceptions::kCompoundParticles)) continue;
        const std::size_t blank = row->reading.find(U' ');
        Morpheme verb = words[i];
        verb.surface = EncodeUtf8(text.substr(blank));
        verb.reading = EncodeUtf8(row->reading.substr(blank + 1));
        verb.pronunciation.clear();
        verb.pos = "動詞";
        verb.pos1 = "自立";
        verb.pos2.clear();
        verb.pos3.clear();
        verb.column += static_cast<int>(blank);
        verb.blanksBefore = 0;
        verb.fixed = true;
        Morpheme& particle = words[i];
        particle.surface = EncodeUtf8(text.substr(0, blank));
        particle.reading = particle.surface;  // kana already
        particle.pronunciation = particle.reading;
        particle.pos1 = "格助詞";
        particle.pos2 = "一般";
        words.insert(words.begin() + static_cast<std::ptrdiff_t>(i + 1), std::move(verb));
    }
}

std::vector<bool> PhraseBlanks(const std::vector<Morpheme>& words,
                               const std::vector<std::u32string>& kana)
{
    std::vector<bool> blanks(words.size(), false);
    std::u32string sinceBlank;  // the reading since the last blank
    for (std::size_t i = 0; i < words.size(); ++i) {
        const Role role = RoleOf(words[i]);
        bool blank = false;
        if (i > 0 && role != Role::Blank) {
            const Morpheme& before = words[i - 1];
            const Role previous = RoleOf(before);
            if (words[i].blanksBefore > 0) {
                blank = previous != Role::Blank;
            } else if (previous == Role::Blank || previous == Role::Prefix || previous == Role::Open ||
                       previous == Role::Sign || role == Role::Sign) {
                // Signs join what the text joins them to; the composer adds the blanks a sign takes.
                blank = false;
            } else if (KatakanaPieces(words, kana, i)) {
                blank = false;
            } else if (previous == Role::Pause) {
                blank = role != Role::Pause && role != Role::Close;
            } else {
                switch (role) {
                case Role::Pause:
                case Role::Close:
                case Role::Attached: blank = SeparateHelper(words[i]) || Supplementary(before, words[i]); break;
                case Role::Auxiliary:
                    blank = AfterTe(before) || SeparateHelper(words[i]) ||
                            (before.pos != "動詞" && before.pos != "助動詞");
                    break;
                case Role::Noun:
                    if (previous == Role::Noun || previous == Role::Attached || previous == Role::Number) {
                        blank = GivenNameAfterSurname(words, i) || AfterPlaceName(words, i) ||
                                (MoraCount(sinceBlank) >= 3 && UnitBeats(words, kana, i) >= 3);
                        if (previous == Role::Attached && !Is(before, "名詞")) blank = true;
                    } else {
                        blank = true;
                    }
                    break;
                case Role::Content: blank = !JoinsVerb(before, words[i]); break;
                default: blank = true; break;
                }
            }
        }
        blanks[i] = blank;
        if (blank || role == Role::Blank) sinceBlank.clear();
        if (role != Role::Blank) sinceBlank += kana[i];
    }
    return blanks;
}

}  // namespace tessra
