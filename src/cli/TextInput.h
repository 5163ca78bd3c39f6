#pragma once

#include "cli/CliContext.h"
#include "reading/Transcriber.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tessra {

// The text of TEXT, or of standard input for "-"; on failure the message to show.
std::optional<std::string> ReadTextArgument(const CliContext& context, const QString& name,
                                            std::string& text);

// The transcriber with the user dictionary of --dictionary FILE, else of readings.tsv in the
// user's configuration folder when it exists; null after printing why the dictionary cannot be
// used (every bad line is named).
std::unique_ptr<Transcriber> TranscriberForOptions(const CliContext& context);

// TEXT (the first of `texts`, else standard input) and the transcriber for it, for `reading` and
// `compose`; null after printing why either cannot be had.
std::unique_ptr<Transcriber> ReadTextToTranscribe(const CliContext& context, const QStringList& texts,
                                                  std::string& text);

// The messages about a text, the first hundred of them: the first places say enough.
void PrintProblems(CliStreams& streams, const std::vector<std::string>& problems);

// The option that both `reading` and `compose` take.
void AddDictionaryOption(QCommandLineParser& parser);

}  // namespace tessra
