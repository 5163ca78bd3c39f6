#include "platform/TextCodec.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

TEST(TextCodec, UsesTheWindowsCodePageAndReplacesWhatDoesNotConvert)
{
    EXPECT_EQ(Utf8ToCp932("㎜"), "\x87\x6F");
    EXPECT_EQ(Utf8ToCp932("～"), "\x81\x60");
    EXPECT_EQ(Utf8ToCp932("Ａ４（縦）"), "\x82\x60\x82\x53\x81\x69\x8F\x63\x81\x6A");
    EXPECT_EQ(Cp932ToUtf8(Utf8ToCp932("名刺(5)  8面ｾﾝﾀｰ")), "名刺(5)  8面ｾﾝﾀｰ");
    EXPECT_EQ(Cp932ToUtf8("A\x82"), "A\xEF\xBF\xBD");  // a lead byte without its trail byte
    EXPECT_EQ(Utf8ToCp932("a\xFF" "b"), "a?b");
}

}  // namespace
}  // namespace tessra
