#include "format/FormatBarState.h"

#include "format/FormatString.h"
#include "format/Presets.h"

namespace tessra {

void FormatBarShown(AppState& state)
{
    const PresetPosition position = SelectPresetInBar(state.selectedPresetKey);
    const auto kind = static_cast<SheetKind>(position.kindIndex);
    const SizeList sizes = FillSizeList(position.kindIndex, state);
    ApplyPresetSelection(state, KindName(kind), sizes.rows.at(position.sizeIndex));
}

void FormatBarHidden(AppState& state)
{
    state.formatString = BuildFormatString(state.format, state.sameDataForAllLabels);
}

}  // namespace tessra
