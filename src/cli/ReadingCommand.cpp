#include "cli/CliContext.h"
#include "cli/TextInput.h"

#include "document/TextReadings.h"

namespace tessra {

int RunReading(CliContext& context)
{
    const QStringList texts = context.parser.positionalArguments();
    if (texts.size() > 1) return UsageError(context, QStringLiteral("Only one TEXT can be given."));
    std::string text;
    const std::unique_ptr<Transcriber> transcriber = ReadTextToTranscribe(context, texts, text);
    if (!transcriber) return kExitRefused;
    const TextReadings readings = ReadingsOfText(text, *transcriber);
    for (const std::string& line : readings.lines) context.streams.out << line << '\n';
    context.streams.out.flush();
    PrintProblems(context.streams, readings.problems);
    return readings.problems.empty() ? kExitOk : kExitRefused;
}

}  // namespace tessra
