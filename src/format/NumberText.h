#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessra {

// The C library's number conversions, wrapped once so that every reader of outside text gets
// the same, always-defined results: leading white space skipped, an optional sign, digits up to
// the first other byte, 0 when there is none. Conversions ignore the process locale.

// strtod semantics; a result that is NaN or infinite ("nan", "inf", "1e999") reads as 0.
double TextToDouble(std::string_view text);

// The same reading, but nothing where strtod gives NaN or infinity: for fields where such a text
// must be refused rather than read as 0.
std::optional<double> TextToFiniteDouble(std::string_view text);

// strtol semantics (base 10), clamped to the range of int.
int TextToInt(std::string_view text);

// Truncation toward zero, clamped to the range of int; NaN gives 0.
int TruncToInt(double value);

// Truncation toward zero, clamped to +-limit; NaN gives 0. For values that later take part in
// int arithmetic (pixels, offsets), so that sums of a few of them cannot overflow.
int TruncClamped(double value, int limit);

// printf("%0*d") of value: zero-padded to width digits, a longer number written whole.
std::string ZeroPadded(long long value, int width);

}  // namespace tessra
