#pragma once

#include <QStringList>

#include <iosfwd>

namespace tessra {

// Where a headless run writes: the results (binary-safe, for the embosser stream) and the
// messages. `errIsTerminal` turns on the percentage while a job is sent to a printer.
struct CliStreams {
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false;
    std::istream* in = nullptr;  // where text is read from; standard input when null
};

enum ExitCode { kExitOk = 0, kExitRefused = 1, kExitUsage = 2 };

bool IsSubcommand(const QString& word);

// `arguments` without the program name: a subcommand, then its file and options.
int RunCommandLine(const QStringList& arguments, CliStreams& streams);

}  // namespace tessra
