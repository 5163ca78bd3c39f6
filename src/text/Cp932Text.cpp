#include "text/Cp932Text.h"

namespace tessra {

bool IsCp932LeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t Cp932Find(std::string_view text, std::string_view needle)
{
    for (std::size_t at = 0; at + needle.size() <= text.size();) {
        if (text.compare(at, needle.size(), needle) == 0) return at;
        const bool doubleByte = IsCp932LeadByte(static_cast<unsigned char>(text[at])) &&
                                at + 1 < text.size();
        at += doubleByte ? 2 : 1;
    }
    return std::string_view::npos;
}

}  // namespace tessra
