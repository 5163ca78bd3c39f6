#include "platform/SpoolerJobName.h"

namespace tessra {
namespace {

constexpr std::size_t kMaxNameBytes = 255;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0u) == 0x80u;
}

struct LeadByte {
    unsigned char low;
    unsigned char high;
    std::size_t length;
    char32_t minimum;  // smaller code points are overlong forms
    unsigned char payloadMask;
};

constexpr LeadByte kLeadBytes[] = {
    {0xC2, 0xDF, 2, 0x80, 0x1F},
    {0xE0, 0xEF, 3, 0x800, 0x0F},
    {0xF0, 0xF4, 4, 0x10000, 0x07},
};

// Length of the well-formed UTF-8 sequence that text starts with; 0 when it starts with none.
std::size_t Utf8SequenceLength(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text.front());
    if (lead < 0x80) return 1;
    for (const LeadByte& form : kLeadBytes) {
        if (lead < form.low || lead > form.high) continue;
        if (text.size() < form.length) return 0;
        char32_t codePoint = lead & form.payloadMask;
        for (std::size_t i = 1; i < form.length; ++i) {
            const auto next = static_cast<unsigned char>(text[i]);
            if (!IsContinuation(next)) return 0;
            codePoint = (codePoint << 6) | (next & 0x3Fu);
        }
        const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
        return codePoint >= form.minimum && codePoint <= 0x10FFFF && !surrogate ? form.length : 0;
    }
    return 0;
}

}  // namespace

std::string SpoolerJobName(std::string_view documentName)
{
    std::string name;
    while (!documentName.empty()) {
        const std::size_t length = Utf8SequenceLength(documentName);
        name.append(length ? documentName.substr(0, length) : kReplacement);
        documentName.remove_prefix(length ? length : 1);
    }
    if (name.size() <= kMaxNameBytes) return name;
    std::size_t start = name.size() - kMaxNameBytes;
    while (IsContinuation(static_cast<unsigned char>(name[start]))) ++start;
    return name.substr(start);
}

}  // namespace tessra
