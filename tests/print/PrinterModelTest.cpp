#include "print/PrinterModel.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

TEST(PrinterModel, DerivedFromTheDeviceName)
{
    struct Row {
        const char* name;  // CP932
        const char* model;
    };
    const Row rows[] = {
        {"ZEN-10", "ZEN10"},
        {"ZEN10", "ZEN10"},
        {"zen-10", "ZEN10"},
        {"\x82\x79\x82\x64\x82\x6D\x81\x7C\x82\x50\x82\x4F", "ZEN10"},  // ＺＥＮ－１０
        {"ZEN-\x82\x50\x82\x4F", "ZEN10"},                              // ZEN-１０
        {"Frozen Printer 2010", "ZEN10"},
        {"ZEN-10R", "ZEN10R"},
        {"ZEN10r", "ZEN10R"},
        {"\x82\x79\x82\x64\x82\x6D\x81\x7C\x82\x50\x82\x4F\x82\x71", "ZEN10R"},  // ＺＥＮ－１０Ｒ
        {"\x82\x9A\x82\x85\x82\x8E 10 \x82\x50\x82\x4F\x82\x92", "ZEN10R"},      // ｚｅｎ 10 １０ｒ
        {"Zen-10", ""},
        {"ZEN-20", ""},
        {"Laser-10", ""},
        {"", ""},
        {"ZEN-1O", ""},
        // ホ is 83 7A: its trail byte reads as 'z' only to a byte search.
        {"\x83\x7A" "en10", ""},
        // モ is 83 82: 82 79 82 64 82 6D (ＺＥＮ) starts on its trail byte.
        {"\x83\x82\x79\x82\x64\x82\x6D\x82\x50\x82\x4F", ""},
    };
    for (const Row& row : rows) EXPECT_EQ(DerivePrinterModel(row.name), row.model) << row.name;
}

TEST(PrinterModel, NoticeForFixedPitchWithoutTheRModel)
{
    EXPECT_TRUE(PrintNoticeApplies("ZEN10", "LP22"));
    EXPECT_TRUE(PrintNoticeApplies("", "LP35"));
    EXPECT_FALSE(PrintNoticeApplies("ZEN10R", "LP22"));
    EXPECT_FALSE(PrintNoticeApplies("ZEN10", ""));
}

}  // namespace
}  // namespace tessra
