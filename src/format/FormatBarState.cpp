#include "format/FormatBarState.h"

#include "format/FormatString.h"
#include "format/Presets.h"

namespace tessra {

void FormatBarShown(FormatChoice& choice)
{
    const PresetPosition position = SelectPresetInBar(choice.selectedPresetKey);
    const auto kind = static_cast<SheetKind>(position.kindIndex);
    const SizeList sizes = FillSizeList(position.kindIndex, choice);
    ApplyPresetSelection(choice, KindName(kind), sizes.rows.at(position.sizeIndex));
}

void FormatBarHidden(FormatChoice& choice)
{
    choice.formatString = BuildFormatString(choice.format, choice.sameDataForAllLabels);
}

}  // namespace tessra
