#include "sheet/LabelChoice.h"

#include "sheet/SheetGeometry.h"

#include <algorithm>

namespace tessra {

long long LabelCount(const SheetFormat& format)
{
    return static_cast<long long>(GridRows(format)) * GridColumns(format);
}

long long SteppedLabel(const SheetFormat& format, long long label, LabelStep step)
{
    const long long count = LabelCount(format);
    if (count == 0) return 0;
    label = ClampedLabel(format, label);
    const long long columns = GridColumns(format);
    long long wanted = label;
    switch (step) {
    case LabelStep::Next: wanted = label + 1; break;
    case LabelStep::Previous: wanted = label - 1; break;
    case LabelStep::RowDown: wanted = label + columns; break;
    case LabelStep::RowUp: wanted = label - columns; break;
    case LabelStep::First: return 0;
    case LabelStep::Last: return count - 1;
    }
    return wanted >= 0 && wanted < count ? wanted : label;
}

long long ClampedLabel(const SheetFormat& format, long long label)
{
    return std::clamp(label, 0LL, std::max(0LL, LabelCount(format) - 1));
}

}  // namespace tessra
