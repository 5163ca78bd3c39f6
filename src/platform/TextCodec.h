#pragma once

#include <string>
#include <string_view>

namespace tessra {

// CP932 (Windows Shift-JIS) <-> UTF-8. The core keeps stored and compared texts as CP932 bytes;
// everything shown to the user or the terminal is UTF-8. Bytes that do not convert become U+FFFD
// one way and '?' the other, so a conversion never fails.
std::string Cp932ToUtf8(std::string_view cp932);
std::string Utf8ToCp932(std::string_view utf8);

}  // namespace tessra
