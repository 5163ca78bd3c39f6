#include "platform/SettingsLocation.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tessra {
namespace {

TEST(SettingsLocation, BesideAWritableCopyElsePerUserAndNeverInAnInstalledBinDirectory)
{
    test::TempDir dir;
    const std::string copy = dir.Path().string();
    const std::string perUser = dir.File("config/tessra/Tessra.ini");
    ::setenv("XDG_CONFIG_HOME", dir.File("config").c_str(), 1);
    EXPECT_EQ(SettingsPathFor(copy, {"/usr/bin"}), dir.File("Tessra.ini"));
    EXPECT_EQ(SettingsPathFor(copy, {"/usr/bin", copy.c_str()}), perUser);
    EXPECT_EQ(SettingsPathFor(copy + "/missing", {}), perUser);
    EXPECT_EQ(SettingsPathFor("", {}), perUser);

    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", copy.c_str(), 1);
    EXPECT_EQ(SettingsPathFor("", {}), dir.File(".config/tessra/Tessra.ini"));
    ::setenv("HOME", home.c_str(), 1);
}

}  // namespace
}  // namespace tessra
