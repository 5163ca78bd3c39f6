#include "print/PrintPosition.h"

#include "format/NumberText.h"

#include <cstdlib>

namespace tessra {
namespace {

struct FieldRule {
    std::string AppState::*text;
    double AppState::*value;
    double low;
    double high;
    std::string_view message;
};

constexpr std::array<FieldRule, kPositionFieldCount> kRules = {{
    {&AppState::leftMarginText, &AppState::leftMargin, 8.0, 12.0,
     "左余白は 8.0 ～ 12.0 ㎜に してください"},
    {&AppState::topMarginText, &AppState::topMargin, 12.0, 18.0,
     "上余白は 12.0 ～ 18.0 ㎜ の範囲内にしてください"},
    {&AppState::bottomMarginText, &AppState::bottomMargin, 12.0, 18.0,
     "下余白は 12.0 ～ 18.0 ㎜ の範囲内にしてください"},
    {&AppState::horizontalCorrectionText, &AppState::horizontalCorrection, -3.0, 3.0,
     "横軸の補正値は -3.0 ～ +3.0 ％ の範囲内にしてください"},
    {&AppState::verticalCorrectionText, &AppState::verticalCorrection, -3.0, 3.0,
     "縦軸の補正値は -3.0 ～ +3.0 ％ の範囲内にしてください"},
}};

const FieldRule& RuleOf(PositionField field)
{
    return kRules[static_cast<std::size_t>(field)];
}

bool IsCorrection(PositionField field)
{
    return field == PositionField::HorizontalCorrection ||
           field == PositionField::VerticalCorrection;
}

// The digits of tenths with a point before the last one: 100 -> "10.0", 5 -> ".5", -5 -> "-.5".
std::string TenthsText(int tenths)
{
    std::string text = std::to_string(tenths);
    text.insert(text.size() - 1, 1, '.');
    return text;
}

// Always signed, with a 0 before the point: 15 -> "+1.5", -3 -> "-0.3"; 0 alone is "0.0".
std::string CorrectionText(int tenths)
{
    if (tenths == 0) return "0.0";
    const int magnitude = std::abs(tenths);  // TruncToInt never gives INT_MIN
    const std::string digits = magnitude <= 9 ? "0." + std::to_string(magnitude)
                                              : TenthsText(magnitude);
    return (tenths > 0 ? "+" : "-") + digits;
}

}  // namespace

std::string NormalizePositionText(PositionField field, std::string_view typed)
{
    const int tenths = TruncToInt(TextToDouble(typed) * 10);
    return IsCorrection(field) ? CorrectionText(tenths) : TenthsText(tenths);
}

bool PositionInRange(PositionField field, double value)
{
    const FieldRule& rule = RuleOf(field);
    return value >= rule.low && value <= rule.high;
}

std::string_view PositionRangeMessage(PositionField field)
{
    return RuleOf(field).message;
}

PositionTexts PositionTextsOf(const AppState& state)
{
    PositionTexts texts;
    for (std::size_t index = 0; index < kPositionFieldCount; ++index) {
        texts[index] = state.*kRules[index].text;
    }
    return texts;
}

PositionOutcome ApplyPositionTexts(AppState& state, const PositionTexts& typed)
{
    PositionOutcome outcome{typed, std::nullopt};
    for (std::size_t index = 0; index < kPositionFieldCount; ++index) {
        const auto field = static_cast<PositionField>(index);
        std::string& shown = outcome.shown[index];
        // "inf", "nan" or 1e999 name no position; read as 0 they would pass for a correction.
        const bool finite = TextToFiniteDouble(shown).has_value();
        shown = NormalizePositionText(field, shown);
        const double value = TextToDouble(shown);
        if (!finite || !PositionInRange(field, value)) {
            outcome.refused = field;
            break;
        }
        state.*kRules[index].text = shown;
        state.*kRules[index].value = value;
    }
    return outcome;
}

}  // namespace tessra
