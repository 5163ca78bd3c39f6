#include "cli/CliContext.h"
#include "cli/TextInput.h"

#include "document/ComposeList.h"
#include "document/TextReadings.h"

namespace tessra {
namespace {

// Each row's label headed [N] as `tessra read` heads labels.
int PrintListReadings(CliContext& context, const std::string& templateText, const Transcriber& transcriber)
{
    const std::optional<ListResult> list = ReadMergeList(context);
    if (!list) return kExitRefused;
    const ListReadings readings = ReadingsOfList(ParseTemplate(templateText, *list), *list, transcriber);
    for (std::size_t k = 0; k < readings.rows.size(); ++k) {
        context.streams.out << '[' << k + 1 << "]\n";
        for (const std::string& line : readings.rows[k].lines) context.streams.out << line << '\n';
    }
    context.streams.out.flush();
    PrintProblems(context.streams, readings.problems);
    return readings.problems.empty() ? kExitOk : kExitRefused;
}

}  // namespace

int RunReading(CliContext& context)
{
    const QStringList texts = context.parser.positionalArguments();
    if (texts.size() > 1) return UsageError(context, QStringLiteral("Only one TEXT can be given."));
    bool merge = false;
    if (int exitCode = kExitOk; !MergeOptions(context, merge, exitCode)) return exitCode;
    std::string text;
    const std::unique_ptr<Transcriber> transcriber = ReadTextToTranscribe(context, texts, text);
    if (!transcriber) return kExitRefused;
    if (merge) return PrintListReadings(context, text, *transcriber);
    const TextReadings readings = ReadingsOfText(text, *transcriber);
    for (const std::string& line : readings.lines) context.streams.out << line << '\n';
    context.streams.out.flush();
    PrintProblems(context.streams, readings.problems);
    return readings.problems.empty() ? kExitOk : kExitRefused;
}

}  // namespace tessra
