#include "platform/SpoolerJobName.h"

#include <gtest/gtest.h>

#include <string>

namespace tessra {
namespace {

const std::string kReplacement = "\xEF\xBF\xBD";

std::string Repeat(const std::string& text, int count)
{
    std::string result;
    for (int i = 0; i < count; ++i) result += text;
    return result;
}

TEST(SpoolerJobNameTest, ValidUtf8StaysAsItIs)
{
    const std::string path = "/home/user/\xE7\x82\xB9\xE5\xAD\x97/label \xF0\x9F\x93\x84.BSE";  // 点字, U+1F4C4
    EXPECT_EQ(SpoolerJobName(path), path);
    EXPECT_EQ(SpoolerJobName(""), "");
}

TEST(SpoolerJobNameTest, BytesThatAreNotUtf8BecomeReplacementCharacters)
{
    const struct {
        std::string name;
        std::string expected;
    } cases[] = {
        {"/a/\x93\x5F\x8E\x9A.BSE", "/a/" + kReplacement + "_" + kReplacement + kReplacement + ".BSE"},  // CP932 点字
        {"\xC0\xAF", kReplacement + kReplacement},                                // overlong '/'
        {"\xED\xA0\x80", Repeat(kReplacement, 3)},                               // surrogate
        {"\xF4\x90\x80\x80", Repeat(kReplacement, 4)},                           // above U+10FFFF
        {"a\xE7\x82", "a" + kReplacement + kReplacement},                        // cut-off sequence
        {"\xFF", kReplacement},
    };
    for (const auto& c : cases) EXPECT_EQ(SpoolerJobName(c.name), c.expected);
}

TEST(SpoolerJobNameTest, LongNameKeepsItsEndOnACharacterBoundary)
{
    const std::string a = "\xE3\x81\x82";  // あ, three bytes
    const std::string longName = "/start/" + Repeat(a, 400) + "y.BSE";
    // 255 bytes from the end cut into an あ: the whole characters after the cut remain.
    EXPECT_EQ(SpoolerJobName(longName), Repeat(a, 83) + "y.BSE");
    EXPECT_EQ(SpoolerJobName(Repeat("x", 255)), Repeat("x", 255));
    EXPECT_EQ(SpoolerJobName(Repeat("x", 256)), Repeat("x", 255));
}

}  // namespace
}  // namespace tessra
