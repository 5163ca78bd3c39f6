#include "settings/StartUp.h"

#include "settings/SettingsRecord.h"

namespace tessra {

void StartUpState(AppState& state, const std::string& settingsPath)
{
    state.settingsPath = settingsPath;
    ReadSettings(state);
    state.document.Close();
    state.frontEject = false;
    state.thickPaper = false;
    state.displayMode = mode::kBraille;
}

void InitialViewModes(AppState& state)
{
    state.viewMode = mode::kSheet;
    state.zoom = mode::kZoom1;
}

}  // namespace tessra
