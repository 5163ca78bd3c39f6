#include "platform/TextCodec.h"

#include <cerrno>
#include <iconv.h>

namespace tessra {
namespace {

std::string Convert(std::string_view input, const char* to, const char* from,
                    std::string_view replacement)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(input);

    std::string output;
    output.reserve(input.size() * 3 / 2 + 4);
    char buffer[256];
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<size_t>(out - buffer));
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            // Invalid or incomplete sequence: replace one byte and go on.
            output.append(replacement);
            ++in;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return output;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932)
{
    return Convert(cp932, "UTF-8", "CP932", "\xEF\xBF\xBD");
}

std::string Utf8ToCp932(std::string_view utf8)
{
    return Convert(utf8, "CP932", "UTF-8", "?");
}

}  // namespace tessra
