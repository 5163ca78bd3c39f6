#pragma once

#include "reading/Morpheme.h"

#include <string_view>
#include <vector>

namespace tessra {

// Cuts a text into words with their readings and categories.
class Analyser {
public:
    virtual ~Analyser() = default;
    // The words of `text` (valid UTF-8, no line break), columns counted from `firstColumn`.
    // Thread-safe.
    virtual std::vector<Morpheme> Analyse(std::string_view text, int firstColumn) const = 0;
};

}  // namespace tessra
