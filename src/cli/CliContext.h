#pragma once

#include "app/AppState.h"
#include "cli/CommandLine.h"

#include <QCommandLineParser>

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

// Writes a program message (UTF-8, line breaks kept) on standard error, ending with a newline.
void PrintMessage(CliStreams& streams, std::string_view message);

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
