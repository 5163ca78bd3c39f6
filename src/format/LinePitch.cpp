#include "format/LinePitch.h"

namespace tessra {

const LinePitch& LinePitchOf(FixedPitch pitch)
{
    for (const LinePitch& row : kLinePitches)
        if (row.pitch == pitch) return row;
    return kLinePitches[2];
}

const LinePitch* FindLinePitch(std::string_view code)
{
    for (const LinePitch& row : kLinePitches)
        if (row.code == code) return &row;
    return nullptr;
}

}  // namespace tessra
