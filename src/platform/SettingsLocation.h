#pragma once

#include <initializer_list>
#include <string>

namespace tessra {

// Tessra.ini beside the running executable; where that directory cannot be written to (an
// installed copy), $XDG_CONFIG_HOME/tessra/Tessra.ini, by default ~/.config/tessra/Tessra.ini.
std::string DefaultSettingsPath();

// The user's own readings of written words: $XDG_CONFIG_HOME/tessra/readings.tsv, by default
// ~/.config/tessra/readings.tsv (whether or not it exists).
std::string UserReadingsPath();

// The rule for an executable in `executableDir`. A directory in `installedBinDirs` counts as
// unwritable whatever its permissions: root may write there, but an installed copy must not
// keep settings among the system's programs.
std::string SettingsPathFor(const std::string& executableDir,
                            std::initializer_list<const char*> installedBinDirs);

}  // namespace tessra
