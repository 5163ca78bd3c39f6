#include "document/TextReadings.h"

#include "braille/KanaComposer.h"
#include "braille/TextLine.h"
#include "document/FileIo.h"
#include "document/BseFile.h"
#include "document/ComposeDocument.h"

namespace tessra {

TextReadings ReadingsOfText(std::string_view text, const LineTranscriber& transcriber)
{
    TextReadings readings;
    KanaComposer composer;
    int number = 0;
    for (const std::string_view line : TextLines(text)) {
        ++number;
        if (line == kLabelSeparator) {
            composer.ResetForLabel();
            readings.lines.emplace_back(line);
            continue;
        }
        std::string reading;
        const ComposedLine composed = ComposeTextLine(composer, line, &transcriber, &reading);
        for (const ComposeRefusal& refusal : composed.refusals)
            readings.problems.push_back(RefusalMessage(number, refusal));
        readings.lines.push_back(std::move(reading));
    }
    return readings;
}

std::optional<ReadingDictionary> LoadUserReadings(const std::string& path, std::vector<std::string>& errors)
{
    const std::optional<std::string> bytes = ReadFileHead(path, kUserReadingsSizeLimit);
    if (!bytes || bytes->size() >= kUserReadingsSizeLimit) {
        errors.push_back(path + "\n\n" +
                         (bytes ? TooLargeToOpenMessage(kUserReadingsSizeLimit) : std::string(kOpenFailedMessage)));
        return std::nullopt;
    }
    return ReadingDictionary::Parse(*bytes, path, errors);
}

}  // namespace tessra
