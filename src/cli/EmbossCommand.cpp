#include "cli/CliContext.h"

#include "cli/StreamSink.h"
#include "sheet/SheetWalk.h"
#include "document/BseFile.h"
#include "platform/PathText.h"
#include "platform/PrintDestination.h"
#include "platform/PrintTransport.h"
#include "platform/PrinterList.h"
#include "platform/TextCodec.h"
#include "print/JobEncoder.h"
#include "print/PrintChecks.h"
#include "print/PrintPosition.h"
#include "print/PrinterModel.h"


#include <fstream>
#include <ostream>

namespace tessra {
namespace {

const char* const kPositionOptions[kPositionFieldCount] = {"left", "top", "bottom", "horizontal",
                                                           "vertical"};

// The position options act like fields edited in the print dialog before 印 刷: all five are
// normalised and checked, those not given with the settings' values.
std::optional<std::string> ApplyPositionOptions(const QCommandLineParser& parser, AppState& state)
{
    PositionTexts texts = PositionTextsOf(state);
    bool edited = false;
    for (std::size_t i = 0; i < kPositionFieldCount; ++i) {
        if (!parser.isSet(kPositionOptions[i])) continue;
        texts[i] = parser.value(kPositionOptions[i]).toStdString();
        edited = true;
    }
    if (!edited) return std::nullopt;
    const PositionOutcome outcome = ApplyPositionTexts(state, texts);
    if (outcome.AllStored()) return std::nullopt;
    return std::string(PositionRangeMessage(*outcome.refused));
}

// The printer and model of the run: --printer replaces the settings' printer; a device path or a
// socket derives no model, so --model names it.
void ChoosePrinter(const QCommandLineParser& parser, AppState& state)
{
    if (parser.isSet("printer")) {
        const std::string name = parser.value("printer").toStdString();
        state.printerName = Utf8ToCp932(name);
        state.printerModel = KindOfPrinter(name) == PrintDestination::Kind::Spooler
                                 ? DerivePrinterModel(state.printerName)
                                 : std::string();
    }
    if (parser.isSet("model")) state.printerModel = parser.value("model").toStdString();
    SetUpOptions(state);
}

// The percentage on a terminal, rewritten in place.
class TerminalProgress final : public JobProgress {
public:
    TerminalProgress(std::ostream& err, bool shown) : err_(err), shown_(shown) {}

    void SetProgressPos(int position) override
    {
        if (!shown_ || position == last_) return;
        last_ = position;
        err_ << '\r' << position << '%' << std::flush;
    }
    bool TakeCancelRequest() override { return false; }

    void Finish()
    {
        SetProgressPos(100);
        if (shown_) err_ << '\n';
    }

private:
    std::ostream& err_;
    bool shown_;
    int last_ = -1;
};

int WriteStream(CliContext& context, const PrintOptions& options)
{
    const QString target = context.parser.value("output");
    const bool toStandardOutput = target == QLatin1String("-");
    const std::string path = PathBytes(target);
    std::ofstream file;
    if (!toStandardOutput) file.open(path, std::ios::binary | std::ios::trunc);
    std::ostream& out = toStandardOutput ? context.streams.out : file;

    StreamSink sink(out);
    NoProgress progress;
    EncodePrintJob(context.state, options, sink, progress);
    sink.Flush();
    if (sink.Failed() || (!toStandardOutput && (file.close(), file.fail()))) {
        // Standard output is checked, and its failure told, where every command's is.
        if (!toStandardOutput) PrintMessage(context.streams, path + "\n\n" + std::string(kSaveFailedMessage));
        return kExitRefused;
    }
    return kExitOk;
}

int SendToPrinter(CliContext& context, const PrintOptions& options)
{
    AppState& state = context.state;
    // A queue named on the command line takes its port from the spooler, the settings' printer
    // the port stored with it.
    const PrintDestination destination =
        context.parser.isSet("printer")
            ? DestinationForPrinterOption(context.parser.value("printer").toStdString())
            : DestinationOfChosenPrinter(state);

    TerminalProgress progress(context.streams.err, context.streams.errIsTerminal);
    const auto failure = RunTransport(destination, state.document.filePath(), [&](ByteSink& sink) {
        EncodePrintJob(state, options, sink, progress);
        if (!sink.Failed()) progress.Finish();
    });
    if (failure) {
        PrintMessage(context.streams, failure->message);
        return kExitRefused;
    }
    return kExitOk;
}

}  // namespace

int RunEmboss(CliContext& context)
{
    QCommandLineParser& parser = context.parser;
    AppState& state = context.state;

    if (parser.isSet("model") && parser.value("model") != QLatin1String(mode::kZen10) &&
        parser.value("model") != QLatin1String(mode::kZen10R))
        return UsageError(context, QStringLiteral("--model is ZEN10 or ZEN10R."));
    PrintOptions options;
    const auto copies = ParseCopies(parser.value("copies").toStdString());
    if (!copies) return UsageError(context, QStringLiteral("--copies needs a whole number."));
    options.copies = *copies;
    int exitCode = kExitOk;
    if (!StartLabelOption(context, exitCode)) return exitCode;
    if (parser.isSet("output") && parser.value("output") != QLatin1String("-") &&
        OutputIsAnInput(context, PathBytes(parser.value("output")), {DocumentPath(context)}))
        return kExitRefused;

    ChoosePrinter(parser, state);
    options.thickPaper = parser.isSet("thick-paper") && ModelTakesOptions(state.printerModel);
    options.frontEject = parser.isSet("front-eject") && ModelTakesOptions(state.printerModel);

    const bool toPrinter = !parser.isSet("output");
    std::optional<std::string> refusal = ApplyPositionOptions(parser, state);
    if (!refusal) {
        std::optional<PrintRefusal> check = CheckLabelsFit(state.document.format());
        if (!check) check = CheckPrinterReady(state, AllCellsPrintable(state), toPrinter);
        if (!check) check = CheckCopies(options.copies);
        if (check) refusal = check->message;
    }
    if (refusal) {
        PrintMessage(context.streams, *refusal);
        return kExitRefused;
    }
    return toPrinter ? SendToPrinter(context, options) : WriteStream(context, options);
}

}  // namespace tessra
