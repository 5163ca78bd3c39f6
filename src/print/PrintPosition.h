#pragma once

#include "document/AppState.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessra {

// The five print-position settings, in the order they are checked.
enum class PositionField {
    LeftMargin,
    TopMargin,
    BottomMargin,
    HorizontalCorrection,
    VerticalCorrection,
};
inline constexpr std::size_t kPositionFieldCount = 5;

// One text per field, indexed by PositionField.
using PositionTexts = std::array<std::string, kPositionFieldCount>;

// The typed text reduced to one decimal (truncated): margins as "10.0", ".5"; corrections with
// a sign, as "+1.5", "-0.3", "0.0".
std::string NormalizePositionText(PositionField field, std::string_view typed);

// Both ends included.
bool PositionInRange(PositionField field, double value);

// UTF-8.
std::string_view PositionRangeMessage(PositionField field);

PositionTexts PositionTextsOf(const AppState& state);

struct PositionOutcome {
    // What each field shows afterwards: the normalised text of every field that was checked, the
    // typed text of those after a refused one.
    PositionTexts shown;
    std::optional<PositionField> refused;

    bool AllStored() const { return !refused.has_value(); }
};

// Normalises and checks the fields in order and stores each valid one (text and value) in
// `state`; a text that reads as no finite number is refused like one out of range. Stops at the
// first refused one, which keeps its previous value like those after it.
// Saving the settings record is the caller's part, when AllStored().
PositionOutcome ApplyPositionTexts(AppState& state, const PositionTexts& typed);

}  // namespace tessra
