#include "cli/CommandLine.h"

#include "app/SettingsRecord.h"
#include "cli/CliContext.h"
#include "document/DocumentCommands.h"
#include "platform/SettingsLocation.h"

#include <QFile>

#include <ostream>

namespace tessra {
namespace {

struct Subcommand {
    const char* name;
    const char* file;  // null: the subcommand takes its own arguments and opens no document
    int (*run)(CliContext&);
    void (*addOptions)(QCommandLineParser&);
};

void AddEmbossOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {"output", "Write the stream to PATH (- for standard output) instead of a printer.", "PATH"},
        {"printer", "Print queue, device path or socket://HOST[:PORT] to send to.", "NAME"},
        {"model", "Model to encode for: ZEN10 or ZEN10R.", "MODEL"},
        {"copies", "Copies, 1 to 1000.", "N", "1"},
        {"thick-paper", "Thick paper (ZEN10R only)."},
        {"front-eject", "Eject to the front (ZEN10R only)."},
        {"left", "Left margin for this run, mm.", "MM"},
        {"top", "Top margin for this run, mm.", "MM"},
        {"bottom", "Bottom margin for this run, mm.", "MM"},
        {"horizontal", "Horizontal correction for this run, percent.", "PCT"},
        {"vertical", "Vertical correction for this run, percent.", "PCT"},
    });
}

void AddReadOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {"label", "Only label N (from 1, in reading order).", "N"},
        {"braille", "Print the cells as braille instead of their reading."},
    });
}

void AddComposeOptions(QCommandLineParser& parser)
{
    parser.addPositionalArgument("TEXT", "Kana text (UTF-8); - or none: standard input.", "[TEXT]");
    parser.addOptions({
        {"output", "The BSE document to write.", "FILE.BSE"},
        {"format", "Preset key as tessra compose --list-formats prints it (default: the A4 sheet).",
         "KEY"},
        {"list-formats", "Print every preset key, one a line."},
    });
}

void AddNoOptions(QCommandLineParser&) {}

const Subcommand kSubcommands[] = {
    {"emboss", "The BSE document to emboss.", RunEmboss, AddEmbossOptions},
    {"read", "The BSE document to read.", RunRead, AddReadOptions},
    {"check", "The BSE document to check.", RunCheck, AddNoOptions},
    {"compose", nullptr, RunCompose, AddComposeOptions},
};

const Subcommand* FindSubcommand(const QString& word)
{
    for (const Subcommand& command : kSubcommands)
        if (word == QLatin1String(command.name)) return &command;
    return nullptr;
}

// Subcommands only read the settings: a missing record gives the defaults and is not created.
void LoadSettings(const QCommandLineParser& parser, AppState& state)
{
    state.settingsPath = parser.isSet("settings")
                             ? QFile::encodeName(parser.value("settings")).toStdString()
                             : DefaultSettingsPath();
    ReadSettings(state, false);
}

}  // namespace

bool IsSubcommand(const QString& word)
{
    return FindSubcommand(word) != nullptr;
}

int RunCommandLine(const QStringList& arguments, CliStreams& streams)
{
    const Subcommand* command = arguments.isEmpty() ? nullptr : FindSubcommand(arguments.first());
    if (!command) {
        streams.err << "usage: tessra {emboss|read|check} FILE [options]\n";
        return kExitUsage;
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("tessra %1").arg(command->name));
    if (command->file) parser.addPositionalArgument("FILE", command->file);
    parser.addOption({"settings", "Read the settings record at PATH.", "PATH"});
    command->addOptions(parser);

    AppState state;
    CliContext context{parser, state, streams};
    if (!parser.parse(QStringList{"tessra"} + arguments.mid(1)))
        return UsageError(context, parser.errorText());
    if (!command->file) return command->run(context);
    if (parser.positionalArguments().size() != 1)
        return UsageError(context, parser.positionalArguments().isEmpty()
                                       ? QStringLiteral("FILE is missing.")
                                       : QStringLiteral("Only one FILE can be given."));

    LoadSettings(parser, state);
    const std::string path = QFile::encodeName(parser.positionalArguments().first()).toStdString();
    if (const auto message = OpenDocument(state, path)) {
        PrintMessage(streams, *message);
        return kExitRefused;
    }
    return command->run(context);
}

void PrintMessage(CliStreams& streams, std::string_view message)
{
    streams.err << message << '\n';
    streams.err.flush();
}

int UsageError(const CliContext& context, const QString& reason)
{
    context.streams.err << reason.toStdString() << "\n\n"
                        << context.parser.helpText().toStdString();
    return kExitUsage;
}

bool WholeNumberOption(const CliContext& context, const QString& name, int& value, int& exitCode)
{
    bool ok = false;
    value = context.parser.value(name).trimmed().toInt(&ok);
    if (!ok) exitCode = UsageError(context, QStringLiteral("--%1 needs a whole number.").arg(name));
    return ok;
}

}  // namespace tessra
