#pragma once

#include <string>

namespace tessra {

// Tessra.ini beside the running executable; where that directory cannot be written to (an
// installed copy), $XDG_CONFIG_HOME/tessra/Tessra.ini, by default ~/.config/tessra/Tessra.ini.
std::string DefaultSettingsPath();

}  // namespace tessra
