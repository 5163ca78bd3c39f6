#include "format/NumberText.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace tessra {
namespace {

locale_t CLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

}  // namespace

std::optional<double> TextToFiniteDouble(std::string_view text)
{
    const std::string terminated(text.substr(0, text.find('\0')));
    const double value = strtod_l(terminated.c_str(), nullptr, CLocale());
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

double TextToDouble(std::string_view text)
{
    return TextToFiniteDouble(text).value_or(0.0);
}

int TextToInt(std::string_view text)
{
    const std::string terminated(text.substr(0, text.find('\0')));
    const long value = strtol_l(terminated.c_str(), nullptr, 10, CLocale());
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

int TruncToInt(double value)
{
    return TruncClamped(value, INT_MAX);
}

int TruncClamped(double value, int limit)
{
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(limit)) return limit;
    if (value <= -static_cast<double>(limit)) return -limit;
    return static_cast<int>(value);
}

std::string ZeroPadded(long long value, int width)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*lld", width, value);
    return buffer;
}

}  // namespace tessra
