#include "cli/CliContext.h"
#include "cli/TextInput.h"

#include "document/BseFile.h"
#include "document/ComposeDocument.h"
#include "document/ComposeList.h"
#include "document/DocumentCommands.h"
#include "document/FileIo.h"
#include "format/Presets.h"
#include "platform/PathText.h"
#include "platform/TextCodec.h"


#include <iostream>
#include <optional>

namespace tessra {
namespace {

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
    bool merge = false;
    if (int exitCode = kExitOk; !MergeOptions(context, merge, exitCode)) return exitCode;
    const std::string key = parser.isSet("format")
                                ? Utf8ToCp932(parser.value("format").toStdString())
                                : std::string(preset::kDefaultKey);
    const Preset* preset = FindPresetByKey(key);
    if (!preset) {
        return UsageError(context, QStringLiteral("Unknown --format; "
                                                  "tessra compose --list-formats lists the keys."));
    }

    const std::string output = PathBytes(parser.value("output"));
    const QString textName = texts.value(0, QStringLiteral("-"));
    if (OutputIsAnInput(context, output,
                        {textName == QLatin1String("-") ? std::string() : PathBytes(textName),
                         PathBytes(parser.value("dictionary")), PathBytes(parser.value("merge"))}))
        return kExitRefused;

    std::string text;
    const std::unique_ptr<Transcriber> transcriber = ReadTextToTranscribe(context, texts, text);
    if (!transcriber) return kExitRefused;
    std::vector<std::string> problems;
    if (merge) {
        const std::optional<ListResult> list = ReadMergeList(context);
        if (!list) return kExitRefused;
        problems = ComposeListDocument(ParseTemplate(text, *list), *list, *preset, context.state,
                                       transcriber.get());
    } else {
        problems = ComposeDocument(text, *preset, context.state, transcriber.get());
    }
    if (!problems.empty()) {
        PrintProblems(context.streams, problems);
        return kExitRefused;
    }
    if (const auto message = SaveDocumentAs(context.state, output)) {
        PrintMessage(context.streams, *message);
        return kExitRefused;
    }
    return kExitOk;
}

}  // namespace tessra
