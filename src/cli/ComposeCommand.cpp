#include "cli/CliContext.h"

#include "app/FileIo.h"
#include "document/BseFile.h"
#include "document/ComposeDocument.h"
#include "document/DocumentCommands.h"
#include "format/Presets.h"
#include "platform/PathText.h"
#include "platform/TextCodec.h"


#include <iostream>
#include <optional>

namespace tessra {
namespace {

// A whole text full of kanji would otherwise bury the terminal; the first places say enough.
constexpr std::size_t kProblemsShown = 100;

std::optional<std::string> ReadStream(std::istream& in)
{
    std::string bytes(kBseSizeLimit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// The text of TEXT, or of standard input for "-"; on failure the message to show.
std::optional<std::string> ReadText(const CliContext& context, const QString& name,
                                    std::string& text)
{
    const std::string path = PathBytes(name);
    const std::optional<std::string> bytes =
        name == "-" ? ReadStream(context.streams.in ? *context.streams.in : std::cin)
                    : ReadFileHead(path, kBseSizeLimit);
    if (!bytes) return path + "\n\n" + std::string(kOpenFailedMessage);
    if (bytes->size() >= kBseSizeLimit) return std::string(kTooLargeMessage);
    text = *bytes;
    return std::nullopt;
}

void PrintProblems(CliStreams& streams, const std::vector<std::string>& problems)
{
    for (std::size_t i = 0; i < problems.size() && i < kProblemsShown; ++i)
        PrintMessage(streams, problems[i]);
    if (problems.size() > kProblemsShown)
        PrintMessage(streams, "ほかに " + std::to_string(problems.size() - kProblemsShown) +
                                  " か所あります");
}

int ListFormats(const CliContext& context)
{
    for (const Preset& preset : Catalogue())
        context.streams.out << Cp932ToUtf8(PresetKey(preset.kind, preset.sizeName)) << '\n';
    return kExitOk;
}

}  // namespace

int RunCompose(CliContext& context)
{
    const QCommandLineParser& parser = context.parser;
    if (parser.isSet("list-formats")) return ListFormats(context);
    const QStringList texts = parser.positionalArguments();
    if (texts.size() > 1) return UsageError(context, QStringLiteral("Only one TEXT can be given."));
    if (!parser.isSet("output")) return UsageError(context, QStringLiteral("--output is missing."));
    const std::string key = parser.isSet("format")
                                ? Utf8ToCp932(parser.value("format").toStdString())
                                : std::string(preset::kDefaultKey);
    const Preset* preset = FindPresetByKey(key);
    if (!preset) {
        return UsageError(context, QStringLiteral("Unknown --format; "
                                                  "tessra compose --list-formats lists the keys."));
    }

    std::string text;
    if (const auto message = ReadText(context, texts.value(0, QStringLiteral("-")), text)) {
        PrintMessage(context.streams, *message);
        return kExitRefused;
    }
    const std::vector<std::string> problems = ComposeDocument(text, *preset, context.state);
    if (!problems.empty()) {
        PrintProblems(context.streams, problems);
        return kExitRefused;
    }
    const std::string output = PathBytes(parser.value("output"));
    if (const auto message = SaveDocumentAs(context.state, output)) {
        PrintMessage(context.streams, *message);
        return kExitRefused;
    }
    return kExitOk;
}

}  // namespace tessra
