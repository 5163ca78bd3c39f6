#include "platform/SpoolerJobName.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

TEST(SpoolerJobNameTest, ReplacesBytesThatAreNotUtf8AndKeepsTheEndOfLongNames)
{
    const std::string bad = "\xEF\xBF\xBD";  // U+FFFD
    const std::string utf8 = "/\xE7\x82\xB9\xE5\xAD\x97/\xF0\x9F\x93\x84.BSE";  // 点字, U+1F4C4
    const std::pair<std::string, std::string> cases[] = {
        {utf8, utf8},
        {"/a/\x93\x5F\x8E\x9A.BSE", "/a/" + bad + "_" + bad + bad + ".BSE"},  // 点字 in CP932
        // Overlong '/', a surrogate, above U+10FFFF, a cut-off sequence: one U+FFFD for each byte.
        {"\xC0\xAF|\xED\xA0\x80|\xF4\x90\x80\x80|\xE7\x82",
         bad + bad + "|" + bad + bad + bad + "|" + bad + bad + bad + bad + "|" + bad + bad},
        // The last 255 bytes start inside the second あ: only whole characters remain.
        {"/\xE3\x81\x82\xE3\x81\x82" + std::string(253, 'y'), std::string(253, 'y')},
        {"/" + std::string(255, 'x'), std::string(255, 'x')},
    };
    for (const auto& [name, expected] : cases) EXPECT_EQ(SpoolerJobName(name), expected) << name.size();
}

}  // namespace
}  // namespace tessra
