#pragma once

#include "reading/LineReading.h"
#include "reading/ReadingDictionary.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessra {

// What `tessra reading` prints: for each line of a text, the braille reading that compose
// writes for it (separator lines as they are), and a message for each place that neither the
// reading nor the composer can write, naming its line and column.
struct TextReadings {
    std::vector<std::string> lines;
    std::vector<std::string> problems;
};
TextReadings ReadingsOfText(std::string_view text, const LineTranscriber& transcriber);

// The user dictionary in the file at `path`, for the command line and the editor alike; nullopt
// with the messages when the file cannot be opened, is kUserReadingsSizeLimit bytes or more, or
// has bad lines.
std::optional<ReadingDictionary> LoadUserReadings(const std::string& path, std::vector<std::string>& errors);

}  // namespace tessra
