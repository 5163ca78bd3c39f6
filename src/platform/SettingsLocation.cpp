#include "platform/SettingsLocation.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace tessra {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSettingsFileName = "Tessra.ini";

fs::path ExecutableDirectory()
{
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : executable.parent_path();
}

fs::path ConfigDirectory()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg) return fs::path(xdg);
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : ".") / ".config";
}

bool IsAnyOf(const fs::path& directory, std::initializer_list<const char*> candidates)
{
    for (const char* candidate : candidates) {
        std::error_code error;
        if (fs::equivalent(directory, candidate, error)) return true;
    }
    return false;
}

}  // namespace

std::string UserReadingsPath() { return (ConfigDirectory() / "tessra" / "readings.tsv").string(); }

std::string DefaultSettingsPath()
{
    return SettingsPathFor(ExecutableDirectory(), {TESSRA_INSTALL_BINDIR, TESSRA_PACKAGE_BINDIR});
}

std::string SettingsPathFor(const std::string& executableDir,
                            std::initializer_list<const char*> installedBinDirs)
{
    const fs::path beside(executableDir);
    if (!beside.empty() && !IsAnyOf(beside, installedBinDirs) &&
        ::access(beside.c_str(), W_OK) == 0)
        return (beside / kSettingsFileName).string();
    return (ConfigDirectory() / "tessra" / kSettingsFileName).string();
}

}  // namespace tessra
