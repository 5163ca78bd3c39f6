#include "document/TextReadings.h"

#include "braille/KanaComposer.h"
#include "braille/TextLine.h"
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

}  // namespace tessra
