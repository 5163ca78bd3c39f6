#include "display/SheetReading.h"

#include "display/KanaReader.h"
#include "display/LineReading.h"
#include "display/PlainReading.h"
#include "display/SheetWalk.h"

#include <algorithm>
#include <climits>
#include <ostream>
#include <sstream>

namespace tessra {
namespace {

// The line as the view feeds it to the reader, padded with blanks; returns the cells it places.
int PadLine(const LinePlace& line, std::string& padded)
{
    padded.assign(line.text);
    if (padded.size() < line.paddedLength) padded.resize(line.paddedLength, ' ');
    return static_cast<int>(std::min<std::size_t>(line.placedCells, INT_MAX));
}

class ReadingPrinter final : public SheetVisitor {
public:
    ReadingPrinter(std::ostream& out, ReadingOptions options) : out_(out), options_(options) {}

    void BeginLabel(const LabelPlace& label) override
    {
        printing_ = options_.onlyLabel < 0 || label.index == options_.onlyLabel;
        if (!printing_) return;
        reader_.ResetForLabel();
        out_ << '[' << label.index + 1 << "]\n";
    }

    void BeginLine(const LinePlace& line) override
    {
        if (!printing_) return;
        const int cells = PadLine(line, padded_);
        if (options_.braille) out_ << BrailleLabelLine(padded_, cells) << '\n';
        else if (options_.plain) out_ << PlainReading(ReadLabelLine(reader_, padded_, cells)) << '\n';
        else out_ << ReadLabelLine(reader_, padded_, cells) << '\n';
    }

private:
    std::ostream& out_;
    ReadingOptions options_;
    bool printing_ = false;
    KanaReader reader_;
    std::string padded_;
};

// Reads each line the way `tessra read --plain` prints it.
class LabelListener final : public SheetVisitor {
public:
    void BeginLabel(const LabelPlace&) override
    {
        reader_.ResetForLabel();
        labels.emplace_back();
    }

    void BeginLine(const LinePlace& line) override
    {
        const int cells = PadLine(line, padded_);
        std::string placed = padded_.substr(0, static_cast<std::size_t>(cells));
        placed.erase(placed.find_last_not_of(kBlankCell) + 1);
        labels.back().lines.push_back({PlainReading(ReadLabelLine(reader_, padded_, cells)), std::move(placed)});
    }

    void Cell(const CellPlace& cell) override
    {
        if (!cell.printable) ++labels.back().unprintableCells;
    }

    std::vector<SpokenLabel> labels;

private:
    KanaReader reader_;
    std::string padded_;
};

}  // namespace

std::vector<SpokenLabel> SpokenLabels(const AppState& state)
{
    LabelListener listener;
    if (state.fileOpen) WalkSheet(state, listener);
    return std::move(listener.labels);
}

SpokenLabel SpokenLabelView(const AppState& state)
{
    if (!state.fileOpen) return {};
    LabelListener listener;
    ZoomStep step;
    ApplyZoom(mode::kZoom0, step);
    WalkLabelView(state, step, 0, listener);
    SpokenLabel label = listener.labels.empty() ? SpokenLabel{} : std::move(listener.labels.front());
    const std::vector<SpokenLabel> sheet = SpokenLabels(state);
    const auto chosen = static_cast<std::size_t>(std::max(0LL, state.chosenLabel));
    label.unprintableCells = chosen < sheet.size() ? sheet[chosen].unprintableCells : 0;
    return label;
}

void WriteSheetReading(std::ostream& out, const AppState& state, ReadingOptions options)
{
    ReadingPrinter printer(out, options);
    WalkSheet(state, printer);
}

std::string LabelViewReading(const AppState& state)
{
    std::ostringstream out;
    ReadingPrinter printer(out, {});
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
    WriteSheetReading(out, state);
    return out.str();
}

}  // namespace tessra
