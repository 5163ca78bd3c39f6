#include "format/FormatString.h"

#include "text/Cp932Text.h"
#include "format/LinePitch.h"
#include "format/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tessra {
namespace {

// Removes every '_' and '.', stepping over double-byte characters whose trail byte may be either.
std::string WithoutSeparators(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char byte = text[i];
        if (IsCp932LeadByte(static_cast<unsigned char>(byte)) && i + 1 < text.size()) {
            out += byte;
            out += text[++i];
        } else if (byte != '_' && byte != '.') {
            out += byte;
        }
    }
    return out;
}

// Fixed-width fields read in order; bytes past the end read as blanks.
class FieldReader {
public:
    FieldReader(std::string_view text, std::size_t start) : text_(text), at_(start) {}

    std::string Next(std::size_t width)
    {
        std::string field = FixedField(text_, at_, width);
        at_ += width;
        return field;
    }

    double Tenths(std::size_t width) { return TextToDouble(Next(width)) * 0.1; }
    int Whole(std::size_t width) { return TextToInt(Next(width)); }

private:
    std::string_view text_;
    std::size_t at_;
};

// Tenths of a millimetre in a 4-digit field; a value beyond the field is held at its limit.
std::string LengthField(double millimetres)
{
    return ZeroPadded(std::clamp(TruncToInt(millimetres * 10), -999, 9999), 4);
}

std::string CountField(int count)
{
    return ZeroPadded(std::clamp(count, -9, 99), 2);
}

}  // namespace

std::string FixedField(std::string_view text, std::size_t at, std::size_t width)
{
    std::string field(width, ' ');
    if (at < text.size()) {
        const std::size_t n = std::min(width, text.size() - at);
        field.replace(0, n, text.substr(at, n));
    }
    return field;
}

// The pitch is formed from its tenths times 0.1, exactly as any other field is read.
double LinePitchOfCode(std::string_view code)
{
    const LinePitch* row = FindLinePitch(code);
    return row ? TextToDouble(row->tenths) * 0.1 : 0;
}

void ParseFormatString(std::string_view text, SheetFormat& f)
{
    const std::string t = WithoutSeparators(text);
    const std::size_t hash = t.find('#');
    FieldReader fields(t, hash == std::string::npos ? 0 : hash + 1);

    f.sheetWidth = fields.Tenths(4);
    f.sheetHeight = fields.Tenths(4);
    f.rows = fields.Whole(2);
    f.columns = fields.Whole(2);
    f.x1 = fields.Tenths(4);
    f.x2 = fields.Tenths(4);
    f.y1 = fields.Tenths(4);
    f.y2 = fields.Tenths(4);
    f.labelWidth = fields.Tenths(4);
    f.labelHeight = fields.Tenths(4);
    f.x3 = fields.Tenths(4);
    f.y3 = fields.Tenths(4);

    const std::string pitch = fields.Next(4);
    if (const LinePitch* code = FindLinePitch(pitch)) {
        f.lineCode = std::string(code->code);
        f.linePitch = LinePitchOfCode(code->code);
    } else {
        f.lineCode.clear();
        f.linePitch = TextToDouble(pitch) * 0.1;
    }

    f.formatDataMode = fields.Whole(1);
    f.formatReserved = fields.Whole(1);
}

std::string BuildFormatString(const SheetFormat& f, bool sameDataForAllLabels)
{
    std::string s;
    s.reserve(kStoredFormatLength);
    s += LengthField(f.sheetWidth);
    s += LengthField(f.sheetHeight);
    s += CountField(f.rows);
    s += CountField(f.columns);
    for (double length : {f.x1, f.x2, f.y1, f.y2, f.labelWidth, f.labelHeight, f.x3, f.y3})
        s += LengthField(length);
    s += f.lineCode.empty() ? LengthField(f.linePitch) : f.lineCode;
    s += sameDataForAllLabels ? '0' : '1';
    s += '0';
    return s;
}

std::string PadPresetKey(std::string_view presetKey)
{
    std::string key(presetKey);
    if (key.size() < kPresetKeyLength) key.resize(kPresetKeyLength, ' ');
    return key;
}

std::string LengthText(double millimetres)
{
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.1f", std::isfinite(millimetres) ? millimetres : 0.0);
    std::string digits;
    for (const char* p = buffer; *p; ++p)
        if (*p >= '0' && *p <= '9' && !(digits.empty() && *p == '0')) digits += *p;
    if (digits.empty()) return "0.0";
    digits.insert(digits.size() - 1, 1, '.');
    return digits;
}

}  // namespace tessra
