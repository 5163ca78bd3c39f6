#include "cli/CommandLine.h"

#include "document/FileIo.h"
#include "settings/SettingsRecord.h"
#include "app/Version.h"
#include "cli/CliContext.h"
#include "sheet/SheetPages.h"
#include "cli/TextInput.h"
#include "document/DocumentCommands.h"
#include "platform/PathText.h"
#include "platform/SettingsLocation.h"


#include <algorithm>
#include <ostream>

namespace tessra {
namespace {

struct Subcommand {
    const char* name;
    const char* summary;  // its line in `tessra --help` and the manual page
    const char* file;     // null: the subcommand takes its own arguments and opens no document
    int (*run)(CliContext&);
    void (*addOptions)(QCommandLineParser&);
};

const QCommandLineOption kStartOption(
    "start", "Begin at label N of the first sheet (1 to rows x columns); the labels before it get nothing.",
    "N", "1");

void AddEmbossOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {"output", "Write the stream to PATH (- for standard output) instead of a printer.", "PATH"},
        {"printer", "Print queue, device path or socket://HOST[:PORT] to send to.", "NAME"},
        {"model", "Model to encode for: ZEN10 or ZEN10R.", "MODEL"},
        {"copies", "Copies, 1 to 1000.", "N", "1"},
        kStartOption,
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
        {"plain", "Print the reading in plain Japanese, without braille signs (for screen readers)."},
    });
}

void AddRenderOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {"output", "The image to write: .png (raster) or .pdf (vector page).", "OUT"},
        {"view", "sheet (the whole sheet) or label (one label with rulers).", "VIEW", "sheet"},
        {"zoom", "Zoom step, 0 (smallest) to 3.", "N", "1"},
        {"kana", "Draw the kana reading instead of braille dots."},
        {"width", "Width of the view's client area in pixels.", "PX", "800"},
        {"sheet", "Draw sheet S of the job (from 1).", "S", "1"},
        kStartOption,
        {"label", "The label the label view shows (from 1, in reading order).", "N", "1"},
    });
}

void AddComposeOptions(QCommandLineParser& parser)
{
    parser.addPositionalArgument("TEXT", "Text (UTF-8), or with --merge the template of every row's label; "
                                         "- or none: standard input.", "[TEXT]");
    parser.addOptions({
        {"output", "The BSE document to write.", "FILE.BSE"},
        {"format", "Preset key as tessra compose --list-formats prints it (default: the A4 sheet).",
         "KEY"},
        {"list-formats", "Print every preset key, one a line."},
    });
    AddDictionaryOption(parser);
    AddMergeOptions(parser);
}

void AddReadingOptions(QCommandLineParser& parser)
{
    parser.addPositionalArgument("TEXT", "Text (UTF-8), or with --merge the template of every row's label; "
                                         "- or none: standard input.", "[TEXT]");
    AddDictionaryOption(parser);
    AddMergeOptions(parser);
}

void AddConvertOptions(QCommandLineParser& parser)
{
    parser.addPositionalArgument("IN", "The braille file to read: .bse, .brf, .pef or .txt.");
    parser.addPositionalArgument("OUT", "The braille file to write, its kind by its extension.");
    parser.addOption({"format",
                      "Preset key to lay BRF, PEF or text out on (default: the A4 sheet).", "KEY"});
    parser.addOption({"keep-overflow",
                      "Write a BSE document even when its labels cannot hold all of its braille "
                      "(the rest is kept but not embossed)."});
}

void AddCheckOptions(QCommandLineParser& parser)
{
    parser.addOption(kStartOption);
}

const Subcommand kSubcommands[] = {
    {"emboss", "Emboss the document, or write its embosser stream.",
     "The BSE document to emboss.", RunEmboss, AddEmbossOptions},
    {"read", "Print the kana reading of every label.", "The BSE document to read.", RunRead,
     AddReadOptions},
    {"check", "Tell whether the labels fit and which cells cannot be embossed.",
     "The BSE document to check.", RunCheck, AddCheckOptions},
    {"render", "Draw the sheet or one label as the view shows it, into a PNG or PDF.",
     "The BSE document to draw.", RunRender, AddRenderOptions},
    {"compose", "Write a new document from text in kana or with kanji, or a label per row of a list.", nullptr, RunCompose,
     AddComposeOptions},
    {"reading", "Print the braille reading, in kana with word spaces, of each line of a text.",
     nullptr, RunReading, AddReadingOptions},
    {"convert", "Convert between BSE, BRF, PEF and Unicode braille text files.", nullptr, RunConvert,
     AddConvertOptions},
};

const QCommandLineOption kHelpOption({"h", "help"}, "Show this help.");
const QCommandLineOption kVersionOption({"v", "version"}, "Show the version.");

// The desktop program's line: the program's own options and at most one document.
void SetUpProgramParser(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        "Tessra makes labels that carry Japanese braille. Without a subcommand it starts the "
        "desktop program and opens FILE.BSE when one is given.");
    parser.addPositionalArgument("FILE.BSE", "The BSE document to open.", "[FILE.BSE]");
    parser.addOption({"settings", "Use the settings record at PATH instead of the program's own.", "PATH"});
    parser.addOption(kHelpOption);
    parser.addOption(kVersionOption);
}

void SetUpSubcommandParser(QCommandLineParser& parser, const Subcommand& command)
{
    parser.setApplicationDescription(command.summary);
    if (command.file) parser.addPositionalArgument("FILE", command.file);
    parser.addOption({"settings", "Read the settings record at PATH.", "PATH"});
    parser.addOption(kHelpOption);
    command.addOptions(parser);
}

// Qt's usage line names the executable as started (or "<executable_name>" without an
// application object); ours names the program and the subcommand.
std::string HelpText(const QCommandLineParser& parser, std::string_view invocation)
{
    const QString qtText = parser.helpText();
    const QString usage = QStringLiteral("Usage: ");
    const qsizetype options = qtText.indexOf(QLatin1String(" [options]"));
    if (!qtText.startsWith(usage) || options < 0) return qtText.toStdString();
    return usage.toStdString() + std::string(invocation) + qtText.mid(options).toStdString();
}

std::string ProgramHelpText(const QCommandLineParser& parser)
{
    std::string text = HelpText(parser, "tessra") + "\nSubcommands:\n";
    for (const Subcommand& command : kSubcommands) {
        std::string name = command.name;
        name.resize(std::max<std::size_t>(name.size() + 2, 10), ' ');
        text += "  " + name + command.summary + "\n";
    }
    return text + "\n'tessra SUBCOMMAND --help' shows the options of a subcommand.\n";
}

// `tessra` without a subcommand reaches here only for --help, --version or a wrong line.
int RunProgramOptions(const QStringList& arguments, CliStreams& streams)
{
    QCommandLineParser parser;
    SetUpProgramParser(parser);
    const bool parsed = parser.parse(QStringList{"tessra"} + arguments);
    if (parsed && parser.isSet(kHelpOption)) {
        streams.out << ProgramHelpText(parser);
        return kExitOk;
    }
    if (parsed && parser.isSet(kVersionOption)) {
        streams.out << kVersionLine << '\n';
        return kExitOk;
    }
    if (!parsed) streams.err << parser.errorText().toStdString() << "\n\n";
    streams.err << ProgramHelpText(parser);
    return kExitUsage;
}

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
                             ? PathBytes(parser.value("settings"))
                             : DefaultSettingsPath();
    ReadSettings(state, false);
}

int RunWords(const QStringList& arguments, CliStreams& streams)
{
    const Subcommand* command = arguments.isEmpty() ? nullptr : FindSubcommand(arguments.first());
    if (!command) return RunProgramOptions(arguments, streams);

    QCommandLineParser parser;
    SetUpSubcommandParser(parser, *command);
    AppState state;
    const std::string invocation = std::string("tessra ") + command->name;
    CliContext context{parser, state, streams, invocation};
    if (!parser.parse(QStringList{"tessra"} + arguments.mid(1)))
        return UsageError(context, parser.errorText());
    if (parser.isSet(kHelpOption)) {
        streams.out << HelpText(parser, invocation);
        return kExitOk;
    }
    if (!command->file) return command->run(context);
    if (parser.positionalArguments().size() != 1)
        return UsageError(context, parser.positionalArguments().isEmpty()
                                       ? QStringLiteral("FILE is missing.")
                                       : QStringLiteral("Only one FILE can be given."));

    LoadSettings(parser, state);
    const std::string path = PathBytes(parser.positionalArguments().first());
    if (const auto message = OpenDocument(state, path)) {
        PrintMessage(streams, *message);
        return kExitRefused;
    }
    return command->run(context);
}

}  // namespace

std::optional<DesktopStart> DesktopCommandLine(const QStringList& arguments)
{
    if (!arguments.isEmpty() && FindSubcommand(arguments.first())) return std::nullopt;
    QCommandLineParser parser;
    SetUpProgramParser(parser);
    if (!parser.parse(QStringList{"tessra"} + arguments) || parser.isSet(kHelpOption) ||
        parser.isSet(kVersionOption) || parser.positionalArguments().size() > 1)
        return std::nullopt;
    return DesktopStart{parser.value("settings"), parser.positionalArguments().value(0)};
}

int RunCommandLine(const QStringList& arguments, CliStreams& streams)
{
    const int exitCode = RunWords(arguments, streams);
    // What never reached standard output (a full disk, /dev/full) is work that failed.
    streams.out.flush();
    if (streams.out) return exitCode;
    PrintMessage(streams, kOutputFailedMessage);
    return kExitRefused;
}

void PrintMessage(CliStreams& streams, std::string_view message)
{
    streams.err << message << '\n';
    streams.err.flush();
}

bool OutputIsAnInput(const CliContext& context, const std::string& output,
                     std::initializer_list<std::string> inputs)
{
    for (const std::string& input : inputs) {
        if (!IsSameFile(output, input)) continue;
        PrintMessage(context.streams, output + "\n\n" + std::string(kOutputIsInputMessage));
        return true;
    }
    return false;
}

std::string DocumentPath(const CliContext& context)
{
    return PathBytes(context.parser.positionalArguments().value(0));
}

int UsageError(const CliContext& context, const QString& reason)
{
    context.streams.err << reason.toStdString() << "\n\n"
                        << HelpText(context.parser, context.invocation);
    return kExitUsage;
}

bool WholeNumberOption(const CliContext& context, const QString& name, int& value, int& exitCode)
{
    bool ok = false;
    value = context.parser.value(name).trimmed().toInt(&ok);
    if (!ok) exitCode = UsageError(context, QStringLiteral("--%1 needs a whole number.").arg(name));
    return ok;
}

bool StartLabelOption(CliContext& context, int& exitCode)
{
    if (!context.parser.isSet(kStartOption)) return true;
    int start = 1;
    if (!WholeNumberOption(context, kStartOption.names().first(), start, exitCode)) return false;
    if (!StartLabelOnSheet(context.state.document.format(), start)) {
        exitCode = UsageError(context, QStringLiteral("--start must lie between 1 and %1.")
                                           .arg(std::max(1LL, LabelsPerSheet(context.state.document.format()))));
        return false;
    }
    context.state.startLabel = start;
    return true;
}

}  // namespace tessra
