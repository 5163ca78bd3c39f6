#include "document/ReadRefusals.h"

#include "document/BraillePages.h"
#include "text/Utf8Text.h"

#include <algorithm>
#include <cstdio>

namespace tessra {
namespace {

std::string Decimal(long long number) { return std::to_string(number); }

}  // namespace

TextPosition PositionInText(std::string_view text, std::size_t offset)
{
    offset = std::min(offset, text.size());
    const std::size_t lineEnd = text.rfind('\n', offset == 0 ? 0 : offset - 1);
    const std::size_t lineStart = offset == 0 || lineEnd == std::string_view::npos ? 0 : lineEnd + 1;
    TextPosition place;
    place.line = 1 + std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(lineStart), '\n');
    for (std::size_t at = lineStart; at < offset; at += DecodeUtf8At(text, at).length) ++place.column;
    return place;
}

std::string PlaceMessage(TextPosition place, std::string_view character)
{
    std::string message = Decimal(place.line) + " 行 " + Decimal(place.column) + " 文字目";
    if (!character.empty()) message += "「" + std::string(character) + "」";
    return message;
}

std::string CharacterRefusal(TextPosition place, char32_t code, std::string_view utf8,
                             std::string_view reason)
{
    char codeText[16];
    std::snprintf(codeText, sizeof codeText, "U+%04X", static_cast<unsigned>(code));
    const bool visible = code > 0x20 && (code < 0x7F || code > 0x9F);
    return PlaceMessage(place, visible ? utf8 : std::string_view()) + ": " + codeText + " は " +
           std::string(reason);
}

std::string TooManyPageLines(long long fileLine)
{
    return Decimal(fileLine) + " 行目: 1 ページに入る点字は " +
           Decimal(static_cast<long long>(kPageLineLimit)) + " 行までです";
}

}  // namespace tessra
