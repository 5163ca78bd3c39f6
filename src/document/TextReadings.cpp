#include "document/TextReadings.h"

#include "display/KanaComposer.h"
#include "document/ComposeDocument.h"

namespace tessra {

TextReadings ReadingsOfText(std::string_view text, const LineTranscriber& transcriber)
{
    TextReadings readings;
    KanaComposer composer;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    for (int number = 1; !text.empty(); ++number) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
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
