#pragma once

// Sheet formats drawn from fuzz input, shared by the targets that lay out or encode a sheet.

#include "format/SheetFormat.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <climits>
#include <cstdint>
#include <cstring>

namespace tessra::fuzz {

// Mostly sheet-like millimetres, sometimes any double at all (NaN, infinities, huge).
inline double Length(FuzzedDataProvider& data)
{
    if (data.ConsumeIntegralInRange(0, 7) == 0) {
        const auto bits = data.ConsumeIntegral<std::uint64_t>();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    return data.ConsumeIntegralInRange(-1000, 10000) / 10.0;
}

// Small grids; now and then a side no format can hold.
inline int GridSide(FuzzedDataProvider& data, int largest)
{
    switch (data.ConsumeIntegralInRange(0, 15)) {
    case 0: return INT_MAX;
    case 1: return INT_MIN;
    default: return data.ConsumeIntegralInRange(-1, largest);
    }
}

inline SheetFormat Format(FuzzedDataProvider& data)
{
    static constexpr std::array<const char*, 6> kLineCodes = {"", "LP35", "LP24", "LP22", "LP18",
                                                              "LP99"};
    SheetFormat f;
    f.rows = GridSide(data, 26);
    f.columns = GridSide(data, 6);
    for (double* length : {&f.sheetWidth, &f.sheetHeight, &f.x1, &f.x2, &f.y1, &f.y2,
                           &f.labelWidth, &f.labelHeight, &f.x3, &f.y3, &f.linePitch}) {
        *length = Length(data);
    }
    f.lineCode = data.PickValueInArray(kLineCodes);
    return f;
}

}  // namespace tessra::fuzz
