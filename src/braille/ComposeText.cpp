#include "braille/ComposeText.h"

#include "braille/KanaTables.h"
#include "braille/Signs.h"
#include "text/Utf8Text.h"

#include <array>
#include <cstdio>

namespace tessra {
namespace {

using namespace kana;

// How a refusal names the character: itself, or its code when it cannot be seen.
std::string Shown(std::string_view text, const Utf8Char& c)
{
    if (!c.valid) return ByteText(static_cast<unsigned char>(c.code));
    std::array<char, 16> code{};
    if (c.code < 0x20 || (c.code >= 0x7F && c.code < 0xA0)) {
        std::snprintf(code.data(), code.size(), "U+%04X", unsigned(c.code));
    } else {
        return std::string(text);
    }
    return code.data();
}

char32_t Narrowed(char32_t c)
{
    if (c >= U'！' && c <= U'～') return c - (U'！' - U'!');
    if (c == U'\u3000') return U' ';
    if (c >= kFirstHalfWidth && c < kFirstHalfWidth + kHalfWidthAsFullWidth.size())
        return kHalfWidthAsFullWidth[c - kFirstHalfWidth];
    return c;
}

void AppendUnits(char32_t c, std::u32string& units)
{
    c = Narrowed(c);
    if (c >= U'ァ' && c <= U'ヶ') c -= U'ァ' - U'ぁ';
    if (c == U'\u3099' || c == U'\u309B') c = kVoicedMark;
    // A semi-voiced mark with no kana to take it stays itself: as ° it would be the degree sign.
    const bool takesMark = !units.empty() && kSemiVoicedBase.find(units.back()) != std::u32string_view::npos;
    if ((c == U'\u309A' || c == U'\u309C') && takesMark) c = kSemiVoicedMark;
    if (const auto voiced = kVoicedKana.find(c); voiced != std::u32string_view::npos) {
        units += kVoicedBase[voiced];
        units += kVoicedMark;
    } else if (const auto semi = kSemiVoicedKana.find(c); semi != std::u32string_view::npos) {
        units += kSemiVoicedBase[semi];
        units += kSemiVoicedMark;
    } else {
        units += c;
    }
}

// The substitution that starts at `at`, if any.
const signs::Substitution* SubstitutionAt(std::string_view text, std::size_t at)
{
    for (const signs::Substitution& s : signs::kSubstitutions)
        if (text.substr(at).starts_with(s.from)) return &s;
    return nullptr;
}

}  // namespace

ComposeText ReadComposeText(std::string_view line)
{
    ComposeText text;
    text.codes.reserve(line.size());
    text.columns.reserve(line.size());
    for (std::size_t at = 0; at < line.size();) {
        const Utf8Char c = DecodeUtf8At(line, at);
        text.shown.push_back(Shown(line.substr(at, c.length), c));
        const auto column = static_cast<int>(text.shown.size());
        if (!c.valid) {
            text.codes += kInvalidByte + c.code;
        } else if (const signs::Substitution* s = SubstitutionAt(line, at)) {
            for (const char32_t code : DecodeUtf8(s->to)) AppendUnits(code, text.codes);
        } else {
            AppendUnits(c.code, text.codes);
        }
        text.columns.resize(text.codes.size(), column);
        at += c.length;
    }
    return text;
}

std::u32string KanaUnits(std::u32string_view text)
{
    std::u32string units;
    for (const char32_t c : text) AppendUnits(c, units);
    return units;
}

}  // namespace tessra
