#pragma once

#include "cli/CliContext.h"
#include "merge/ListReader.h"
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

// --merge LIST and --no-header, which both `reading` and `compose` take.
void AddMergeOptions(QCommandLineParser& parser);
// Whether the command line asks for a merge, or a usage error (returned in `exitCode`) when it
// gives --no-header without --merge.
bool MergeOptions(const CliContext& context, bool& merge, int& exitCode);
// The rows of the list that --merge names; nullopt after printing why it cannot be read.
std::optional<ListResult> ReadMergeList(const CliContext& context);

}  // namespace tessra
