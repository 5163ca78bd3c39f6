#include "display/SheetReading.h"

#include "display/KanaReader.h"
#include "display/LineReading.h"
#include "display/SheetWalk.h"

#include <algorithm>
#include <climits>
#include <ostream>
#include <sstream>

namespace tessra {
namespace {

class ReadingPrinter final : public SheetVisitor {
public:
    ReadingPrinter(std::ostream& out, ReadingOptions options, long long labelsPerSheet)
        : out_(out), options_(options), labelsPerSheet_(labelsPerSheet)
    {
    }

    void BeginLabel(const LabelPlace& label) override
    {
        const long long number = label.sheet * labelsPerSheet_ + label.index;
        printing_ = (options_.onlyLabel < 0 || number == options_.onlyLabel) &&
                    (options_.onlySheet < 0 || label.sheet == options_.onlySheet);
        if (!printing_) return;
        reader_.ResetForLabel();
        out_ << '[' << number + 1 << "]\n";
    }

    void BeginLine(const LinePlace& line) override
    {
        if (!printing_) return;
        padded_.assign(line.text);
        if (padded_.size() < line.paddedLength) padded_.resize(line.paddedLength, ' ');
        const int cells = static_cast<int>(std::min<std::size_t>(line.placedCells, INT_MAX));
        out_ << (options_.braille ? BrailleLabelLine(padded_, cells)
                                  : ReadLabelLine(reader_, padded_, cells))
             << '\n';
    }

private:
    std::ostream& out_;
    ReadingOptions options_;
    const long long labelsPerSheet_;
    bool printing_ = false;
    KanaReader reader_;
    std::string padded_;
};

}  // namespace

void WriteSheetReading(std::ostream& out, const AppState& state, ReadingOptions options)
{
    ReadingPrinter printer(out, options, LabelsPerSheet(state.format));
    WalkEverySheet(state, printer);
}

std::string LabelViewReading(const AppState& state)
{
    std::ostringstream out;
    ReadingPrinter printer(out, {}, 1);
    ZoomStep step;
    ApplyZoom(mode::kZoom0, step);
    WalkLabelView(state, step, 0, printer);
    return out.str();
}

std::string ShownReading(const AppState& state)
{
    if (!state.fileOpen) return {};
    if (state.viewMode == mode::kLabel) return LabelViewReading(state);
    if (state.viewMode != mode::kSheet) return {};
    std::ostringstream out;
    ReadingOptions shown;
    shown.onlySheet = ShownSheet(state, PlanSheets(state));
    WriteSheetReading(out, state, shown);
    return out.str();
}

}  // namespace tessra
