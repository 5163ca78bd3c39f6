#pragma once

#include <string_view>

namespace tessra {

// The embosser's four fixed line pitches. Each row holds everything that belongs to one pitch,
// so the format string, the format bar, the print dialog and the encoder cannot drift apart.

enum class FixedPitch { LP35, LP24, LP22, LP18 };

struct LinePitch {
    FixedPitch pitch;
    std::string_view code;           // lineCode and field 13 of the format string
    std::string_view tenths;         // the pitch a format string reads back, in tenths of a mm
    std::string_view rounded;        // the pitch field's text after a click on the button
    double exact;                    // the pitch a click on the button sets, in millimetres
    std::string_view selection;      // the escape sequence sent before the line feeds
    std::string_view buttonText;     // the format bar's button
    std::string_view switchSetting;  // the line-spacing switch to set, empty where none is needed
};

// Separate literals keep "\x1B" from swallowing the letters that follow it. LP22's selection is
// also what any other non-empty code selects.
inline constexpr std::string_view kPitchSelectionOther = "\x1B\x1B" "F00";

// In the order the format string compares the codes.
inline constexpr LinePitch kLinePitches[] = {
    {FixedPitch::LP35, "LP35", "64", "6.4", 6.408849013, "\x1B\x1B" "F07", "35", "( 0 )"},
    {FixedPitch::LP24, "LP24", "95", "9.5", 9.487609814, "\x1B\x1B" "P6", "24", ""},
    {FixedPitch::LP22, "LP22", "102", "10.2", 10.24159205, kPitchSelectionOther, "22", "( 1 )"},
    {FixedPitch::LP18, "LP18", "128", "12.8", 12.81769803, "\x1B\x1B" "F14", "18", "( 2 )"},
};

const LinePitch& LinePitchOf(FixedPitch pitch);

// The row of a line code, or nothing when the pitch is free (an empty or unknown code).
const LinePitch* FindLinePitch(std::string_view code);

}  // namespace tessra
