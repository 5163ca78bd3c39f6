#include "braille/TextLine.h"

#include <string>

namespace tessra {

std::string RefusalMessage(int line, const ComposeRefusal& refusal)
{
    return std::to_string(line) + " 行 " + std::to_string(refusal.column) + " 文字目「" + refusal.character +
           "」: " + refusal.reason;
}

ComposedLine ComposeTextLine(KanaComposer& composer, std::string_view line,
                             const LineTranscriber* transcriber, std::string* reading)
{
    if (!transcriber) {
        if (reading) *reading = line;
        return composer.ComposeLine(line);
    }
    TranscribedLine transcribed = transcriber->Reading(line);
    if (reading) *reading = transcribed.text;
    ComposedLine composed = composer.ComposeLine(transcribed.text);
    for (ComposeRefusal& refusal : composed.refusals)
        refusal.column = transcribed.SourceColumn(refusal.column);
    if (transcribed.problems.empty()) return composed;
    // What the reading could not read is the reason; the composer's word on it would mislead.
    composed.refusals.clear();
    for (ReadingProblem& problem : transcribed.problems)
        composed.refusals.push_back({problem.column, std::move(problem.character), std::move(problem.reason)});
    return composed;
}

}  // namespace tessra
