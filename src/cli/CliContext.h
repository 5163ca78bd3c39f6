#pragma once

#include "cli/CommandLine.h"
#include "document/AppState.h"

#include <QCommandLineParser>

#include <initializer_list>
#include <string>
#include <string_view>

namespace tessra {

// What every subcommand starts from: its parsed options and the loaded document.
struct CliContext {
    QCommandLineParser& parser;
    AppState& state;
    CliStreams& streams;
    std::string_view invocation;  // "tessra SUBCOMMAND", for the usage text
};

inline constexpr std::string_view kOutputFailedMessage = "標準出力への書き込みに失敗しました。";
inline constexpr std::string_view kOutputIsInputMessage =
    "読み込むファイルと同じファイルには書き込めません。別のファイルを指定してください。";

// Writes a program message (UTF-8, line breaks kept) on standard error, ending with a newline.
void PrintMessage(CliStreams& streams, std::string_view message);

// Whether `output` is one of the files the command reads, after saying so: writing it would
// destroy what is being read. An output that does not exist yet is none of them.
bool OutputIsAnInput(const CliContext& context, const std::string& output,
                     std::initializer_list<std::string> inputs);

// The document a subcommand with FILE was started on, as named on the command line.
std::string DocumentPath(const CliContext& context);

// A usage error: the reason, then the subcommand's usage text.
int UsageError(const CliContext& context, const QString& reason);

// The value of a whole-number option, or a usage error (returned in `exitCode`).
bool WholeNumberOption(const CliContext& context, const QString& name, int& value, int& exitCode);

// --start N: the state's start label, or a usage error when N is no label of the sheet.
bool StartLabelOption(CliContext& context, int& exitCode);

int RunEmboss(CliContext& context);
int RunRead(CliContext& context);
int RunCheck(CliContext& context);
int RunRender(CliContext& context);
int RunCompose(CliContext& context);
int RunConvert(CliContext& context);
int RunReading(CliContext& context);

}  // namespace tessra
