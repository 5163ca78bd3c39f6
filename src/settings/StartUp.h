#pragma once

#include "document/AppState.h"

#include <string>

namespace tessra {

// The state side of start-up, before any document: the settings record read (and created when
// missing), no document open, braille display, shared data for all labels, options off.
void StartUpState(AppState& state, const std::string& settingsPath);

// What the view sets when it is first shown.
void InitialViewModes(AppState& state);

}  // namespace tessra
