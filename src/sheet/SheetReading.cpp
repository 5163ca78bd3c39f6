#include "sheet/SheetReading.h"

#include "braille/KanaReader.h"
#include "braille/LineReading.h"
#include "braille/PlainReading.h"
#include "sheet/SheetWalk.h"
#include "document/LabelEdit.h"

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
        const int cells = PadLine(line, padded_);
        if (options_.braille) out_ << BrailleLabelLine(padded_, cells) << '\n';
        else if (options_.plain) out_ << PlainReading(ReadLabelLine(reader_, padded_, cells)) << '\n';
        else out_ << ReadLabelLine(reader_, padded_, cells) << '\n';
    }

private:
    std::ostream& out_;
    ReadingOptions options_;
    const long long labelsPerSheet_;
    bool printing_ = false;
    KanaReader reader_;
    std::string padded_;
};

// Reads each line the way `tessra read --plain` prints it.
class LabelListener final : public SheetVisitor {
public:
    explicit LabelListener(const AppState& state) : state_(state), labelsPerSheet_(LabelsPerSheet(state.document.format())) {}

    void BeginLabel(const LabelPlace& label) override
    {
        reader_.ResetForLabel();
        labels.emplace_back().number = label.sheet * labelsPerSheet_ + label.index + 1;
    }

    void BeginLine(const LinePlace& line) override
    {
        const int cells = PadLine(line, padded_);
        std::string placed = padded_.substr(0, static_cast<std::size_t>(cells));
        placed.erase(placed.find_last_not_of(kBlankCell) + 1);
        const bool unchecked = IsUncheckedLine(state_, line.documentLine);
        labels.back().lines.push_back({PlainReading(ReadLabelLine(reader_, padded_, cells)), std::move(placed), unchecked});
        if (unchecked) ++labels.back().uncheckedLines;
    }

    void Cell(const CellPlace& cell) override
    {
        if (!cell.printable) ++labels.back().unprintableCells;
    }

    // Braille the label cannot hold is not embossed either: the red bar is heard as such cells.
    void BeyondLabel(const LinePlace& line) override
    {
        labels.back().unprintableCells += static_cast<long long>(line.cellsBeyond);
    }

    std::vector<SpokenLabel> labels;

private:
    const AppState& state_;
    const long long labelsPerSheet_;
    KanaReader reader_;
    std::string padded_;
};

}  // namespace

std::vector<SpokenLabel> SpokenLabels(const AppState& state)
{
    LabelListener listener(state);
    if (!state.document.fileOpen()) return {};
    ZoomStep step;
    ApplyZoom(mode::kZoom0, step);
    WalkSheet(state, step, 0, listener);
    return std::move(listener.labels);
}

SpokenLabel SpokenLabelView(const AppState& state)
{
    if (!state.document.fileOpen()) return {};
    LabelListener listener(state);
    ZoomStep step;
    ApplyZoom(mode::kZoom0, step);
    WalkLabelView(state, step, 0, listener);
    SpokenLabel label = listener.labels.empty() ? SpokenLabel{} : std::move(listener.labels.front());
    const std::vector<SpokenLabel> sheet = SpokenLabels(state);
    const auto chosen = static_cast<std::size_t>(std::max(0LL, state.chosenLabel));
    label.unprintableCells = chosen < sheet.size() ? sheet[chosen].unprintableCells : 0;
    label.uncheckedLines = chosen < sheet.size() ? sheet[chosen].uncheckedLines : 0;
    return label;
}

void WriteSheetReading(std::ostream& out, const AppState& state, ReadingOptions options)
{
    ReadingPrinter printer(out, options, LabelsPerSheet(state.document.format()));
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

}  // namespace tessra
