#pragma once

#include <QStringList>

#include <iosfwd>
#include <optional>

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

// What the desktop program starts with: the settings record (empty: the program's own) and the
// document to open (empty: none).
struct DesktopStart {
    QString settingsPath;
    QString file;
};

// `arguments` without the program name. The desktop program's line when it is one: no
// subcommand, no --help or --version, nothing wrong with it.
std::optional<DesktopStart> DesktopCommandLine(const QStringList& arguments);

// Every other line: a subcommand with its file and options, or --help, --version, or a usage error.
int RunCommandLine(const QStringList& arguments, CliStreams& streams);

}  // namespace tessra
