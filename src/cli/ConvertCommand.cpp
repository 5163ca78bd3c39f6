#include "cli/CliContext.h"

#include "sheet/SheetPages.h"
#include "document/BraillePages.h"
#include "document/BrailleFiles.h"
#include "document/DocumentCommands.h"
#include "format/Presets.h"
#include "platform/TextCodec.h"
#include "platform/PathText.h"

#include <QFile>

namespace tessra {
namespace {

const QString kKinds = QStringLiteral("must end in .bse, .brf, .pef or .txt.");

std::string NativePath(const QString& path)
{
    return PathBytes(path);
}

// The preset that BRF, PEF and text are laid out on; a BSE document keeps its own.
const Preset* ImportPreset(const CliContext& context, BrailleFileKind in, int& exitCode)
{
    const QCommandLineParser& parser = context.parser;
    if (!parser.isSet("format")) return &DefaultImportPreset();
    if (in == BrailleFileKind::Bse) {
        exitCode = UsageError(context, QStringLiteral("--format is for BRF, PEF and text input; "
                                                      "a BSE document keeps its own format."));
        return nullptr;
    }
    const Preset* preset = FindPresetByKey(Utf8ToCp932(parser.value("format").toStdString()));
    if (!preset) {
        exitCode = UsageError(context, QStringLiteral("Unknown --format; "
                                                      "tessra compose --list-formats lists the keys."));
    }
    return preset;
}

// A BSE document is embossed on its labels: braille they cannot hold would be lost without a
// word, so it is written only when asked for knowingly.
std::optional<std::string> LostBraille(const AppState& state)
{
    const std::optional<LineBeyondLabel> line = FirstLineBeyondLabel(state);
    if (!line) return std::nullopt;
    return std::to_string(line->page + 1) + " ページ " + std::to_string(line->line) + " 行目: 点字 " +
           std::to_string(line->cells) + " マスがラベルに入りません（ラベルに入るのは 1 行 " +
           std::to_string(CellsPerLabelLine(state.document.format())) + " マス、" +
           std::to_string(LinesPerLabel(state.document.format())) +
           " 行まで）。入らない点字は印刷されません。そのまま変換するには --keep-overflow を付けてください";
}

}  // namespace

int RunConvert(CliContext& context)
{
    const QStringList files = context.parser.positionalArguments();
    if (files.size() < 2) return UsageError(context, QStringLiteral("IN and OUT are needed."));
    if (files.size() > 2) return UsageError(context, QStringLiteral("Only IN and OUT can be given."));
    const std::string in = NativePath(files[0]);
    const std::string out = NativePath(files[1]);
    const std::optional<BrailleFileKind> inKind = BrailleFileKindOf(in);
    const std::optional<BrailleFileKind> outKind = BrailleFileKindOf(out);
    if (!inKind) return UsageError(context, "IN " + kKinds);
    if (!outKind) return UsageError(context, "OUT " + kKinds);
    int exitCode = kExitUsage;
    const Preset* preset = ImportPreset(context, *inKind, exitCode);
    if (!preset) return exitCode;
    if (OutputIsAnInput(context, out, {in})) return kExitRefused;

    const std::optional<std::string> readProblem =
        *inKind == BrailleFileKind::Bse ? OpenDocument(context.state, in)
                                        : ImportBrailleFile(context.state, in, *inKind, *preset);
    if (readProblem) {
        PrintMessage(context.streams, *readProblem);
        return kExitRefused;
    }
    if (*outKind == BrailleFileKind::Bse && !context.parser.isSet("keep-overflow")) {
        if (const auto lost = LostBraille(context.state)) {
            PrintMessage(context.streams, *lost);
            return kExitRefused;
        }
    }
    if (const auto writeProblem = WriteBrailleFile(context.state, out)) {
        PrintMessage(context.streams, *writeProblem);
        return kExitRefused;
    }
    return kExitOk;
}

}  // namespace tessra
