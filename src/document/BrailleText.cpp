#include "document/BrailleText.h"

#include "braille/BrailleUnicode.h"
#include "document/PageCollector.h"
#include "document/ReadRefusals.h"
#include "text/Utf8Text.h"

namespace tessra {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

constexpr std::string_view kReason = "6 点の点字パターン（U+2800 … U+283F）でも空白でもありません";

std::string Refusal(TextPosition place, std::string_view text, const Utf8Char& character)
{
    if (character.valid)
        return CharacterRefusal(place, character.code, text.substr(0, character.length), kReason);
    return PlaceMessage(place) + ": UTF-8 として読めないバイト " +
           ByteText(static_cast<unsigned char>(text[0])) + " です";
}

}  // namespace

PagesRead ParseBrailleText(std::string_view text)
{
    const std::size_t start = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    PageCollector pages;
    TextPosition place;
    for (std::size_t at = start; at < text.size(); ++place.column) {
        const Utf8Char character = DecodeUtf8At(text, at);
        const std::string_view here = text.substr(at);
        at += character.length;
        std::optional<std::string> problem;
        if (!character.valid) {
            problem = Refusal(place, here, character);
        } else if (character.code == U'\n') {
            problem = pages.EndLine(place.line);
            ++place.line;
            place.column = 0;
        } else if (character.code == U'\r' && at < text.size() && text[at] == '\n') {
            continue;
        } else if (character.code == U'\f') {
            problem = pages.EndPage(place.line);
        } else if (character.code == U' ') {
            pages.Cell(' ');
        } else if (const std::optional<unsigned char> cell = CellOfPattern(character.code)) {
            pages.Cell(*cell);
        } else {
            problem = Refusal(place, here, character);
        }
        if (problem) return {{}, std::move(problem)};
    }
    return pages.Finish(place.line);
}

std::string BuildBrailleText(const BraillePages& pages)
{
    std::string text;
    for (const BraillePage& page : pages) {
        for (const std::string& line : page) {
            for (const char cell : line) text += BrailleCellToUtf8(static_cast<unsigned char>(cell));
            text += '\n';
        }
        text += '\f';
    }
    return text;
}

}  // namespace tessra
