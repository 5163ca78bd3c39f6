#include "cli/CliContext.h"

#include "display/KanaReader.h"
#include "display/LineReading.h"
#include "display/SheetGeometry.h"
#include "display/SheetWalk.h"

#include <ostream>

namespace tessra {
namespace {

// Prints the reading of every label, or of one, as the sheet view in kana display draws it.
class ReadingPrinter final : public SheetVisitor {
public:
    ReadingPrinter(std::ostream& out, const AppState& state, long long onlyLabel, bool braille)
        : out_(out),
          cellsPerLabelLine_(CellsPerLabelLine(state.format)),
          onlyLabel_(onlyLabel),
          braille_(braille)
    {
    }

    void BeginLabel(const LabelPlace& label) override
    {
        printing_ = onlyLabel_ < 0 || label.index == onlyLabel_;
        if (!printing_) return;
        reader_.ResetForLabel();
        out_ << '[' << label.index + 1 << "]\n";
    }

    void BeginLine(const LinePlace& line) override
    {
        if (!printing_) return;
        padded_.assign(line.text);
        if (padded_.size() < line.paddedLength) padded_.resize(line.paddedLength, ' ');
        out_ << (braille_ ? BrailleLabelLine(padded_, cellsPerLabelLine_)
                          : ReadLabelLine(reader_, padded_, cellsPerLabelLine_))
             << '\n';
    }

private:
    std::ostream& out_;
    int cellsPerLabelLine_;
    long long onlyLabel_;
    bool braille_;
    bool printing_ = false;
    KanaReader reader_;
    std::string padded_;
};

}  // namespace

int RunRead(CliContext& context)
{
    long long onlyLabel = -1;
    if (context.parser.isSet("label")) {
        int label = 0;
        int exitCode = kExitOk;
        if (!WholeNumberOption(context, "label", label, exitCode)) return exitCode;
        const long long labels =
            static_cast<long long>(GridRows(context.state.format)) * GridColumns(context.state.format);
        if (label < 1 || label > labels)
            return UsageError(context, QStringLiteral("--label must lie between 1 and %1.").arg(labels));
        onlyLabel = label - 1;
    }
    ReadingPrinter printer(context.streams.out, context.state, onlyLabel,
                           context.parser.isSet("braille"));
    WalkSheet(context.state, printer);
    return kExitOk;
}

}  // namespace tessra
