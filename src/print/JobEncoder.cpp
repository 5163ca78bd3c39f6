#include "print/JobEncoder.h"

#include "sheet/SheetGeometry.h"
#include "sheet/SheetPages.h"
#include "format/LinePitch.h"
#include "format/NumberText.h"

#include <algorithm>
#include <string_view>

namespace tessra {
namespace {

// Separate literals keep "\x1B" from swallowing the hex-looking letters that follow it.
constexpr std::string_view kStartSequence = "\x1B\x1B" "N";
constexpr std::string_view kSetUp1 = "\x1B\x1B" "RS";
constexpr std::string_view kSetUp2 = "\x1B\x1B" "FF0";
constexpr std::string_view kSetUp3 = "\x1B\x1B" "FB0";
constexpr std::string_view kThickPaperOn = "\x1B\x1B" "FM3";
constexpr std::string_view kThickPaperOff = "\x1B\x1B" "FM1";
constexpr std::string_view kFrontEjection = "\x1B\x1B" "FBF";
constexpr std::string_view kEndSequence = "\x1B\x1B" "F00";
constexpr std::string_view kEndSequenceZen10R = "\x1B\x1B" "RR";

constexpr std::uint8_t kLineFeed = 0x0A;
constexpr std::uint8_t kFormFeed = 0x0C;
constexpr std::uint8_t kEndOfLine = 0x0D;

// 8000/2667 units per mm across, about 3.2234 down.
constexpr double kUnitsPerMmX = 2.9996250468691414;
constexpr double kUnitsPerMmY = 3.223391258125517;

// The pitch selection is repeated every 15 line feeds.
constexpr int kPitchRepeat = 15;

std::string_view PitchSelection(const std::string& lineCode)
{
    const LinePitch* row = FindLinePitch(lineCode);
    return row ? row->selection : kPitchSelectionOther;
}

void Send(ByteSink& sink, std::string_view bytes)
{
    for (const char byte : bytes) sink.SendByte(static_cast<std::uint8_t>(byte));
}

// Sends the labels of one sheet; the capacities and the pitch are fixed for the whole job.
class LabelWriter {
public:
    LabelWriter(const AppState& state, ByteSink& sink, JobProgress& progress)
        : state_(state),
          format_(state.document.format()),
          sink_(sink),
          progress_(progress),
          cellsPerLine_(static_cast<std::size_t>(CellsPerLabelLine(state.document.format()))),
          linesPerLabel_(LinesPerLabel(state.document.format())),
          lineFeedMode_(!state.document.format().lineCode.empty()),
          pitchSelection_(PitchSelection(state.document.format().lineCode))
    {
    }

    // The label at (row, column) with page `page` (none for kNoPage); false when the user
    // cancelled after one of its lines, or the sink failed.
    bool SendLabel(int row, int column, long long page)
    {
        const LabelText text =
            PageLines(state_.document.lines().size(), state_.document.linesPerPage(), page, linesPerLabel_);
        const int usedLines = EmbossedLineCount(state_, text);
        for (int i = 0; i < usedLines; ++i) {
            SendLine(row, column, i, state_.document.lines()[text.firstLine + static_cast<std::size_t>(i)]);
            if (sink_.Failed() || progress_.TakeCancelRequest()) return false;
        }
        return true;
    }

private:
    std::string_view Cells(std::string_view line) const { return line.substr(0, cellsPerLine_); }

    void SendLine(int row, int column, int i, std::string_view line)
    {
        if (i == 0 || !lineFeedMode_) {
            SendPosition(state_, LineX(column), LineY(row, i), sink_);
        } else {
            if (i == 1 || i % kPitchRepeat == 0) Send(sink_, pitchSelection_);
            sink_.SendByte(kLineFeed);
        }
        Send(sink_, Cells(line));
        sink_.SendByte(kEndOfLine);
    }

    // Not CellOnPaper: the embosser adds X3 before X1 (Y3 last), and another order of the
    // same sums can land a truncated millimetre elsewhere.
    int LineX(int column) const
    {
        return TruncToInt((format_.x2 + format_.labelWidth) * column + format_.x3 + format_.x1);
    }

    int LineY(int row, int i) const
    {
        return TruncToInt((format_.y2 + format_.labelHeight) * row + i * format_.linePitch +
                          format_.y1 + format_.y3);
    }

    const AppState& state_;
    const SheetFormat& format_;
    ByteSink& sink_;
    JobProgress& progress_;
    const std::size_t cellsPerLine_;
    const int linesPerLabel_;
    const bool lineFeedMode_;
    const std::string_view pitchSelection_;
};

}  // namespace

EmbosserUnits ToEmbosserUnits(const AppState& state, int xMm, int yMm)
{
    const double u = xMm * ((state.horizontalCorrection * 0.01 + 1.0) * kUnitsPerMmX) -
                     state.leftMargin * kUnitsPerMmX;
    const double v = (yMm * kUnitsPerMmY) * (state.verticalCorrection * 0.01 + 1.0) -
                     state.topMargin * kUnitsPerMmY;
    return {std::max(TruncToInt(u), 0), std::max(TruncToInt(v), 0)};
}

std::array<std::uint8_t, kPositionCommandSize> PositionCommand(EmbosserUnits units)
{
    // Each byte is the low 8 bits of its sum, so values from 1024 up run past 3F hex.
    const auto byte = [](int value) { return static_cast<std::uint8_t>(value & 0xFF); };
    return {0x1B,
            0x1B,
            0x47,
            0x1D,
            byte((units.u >> 5) + 0x20),
            byte((units.u & 0x1F) + 0x60),
            byte((units.v >> 5) + 0x20),
            byte((units.v & 0x1F) + 0x40),
            kEndOfLine};
}

void SendPosition(const AppState& state, int xMm, int yMm, ByteSink& sink)
{
    for (const std::uint8_t byte : PositionCommand(ToEmbosserUnits(state, xMm, yMm))) {
        sink.SendByte(byte);
    }
}

void EncodePrintJob(const AppState& state, const PrintOptions& options, ByteSink& sink,
                    JobProgress& progress)
{
    const bool zen10r = state.printerModel == mode::kZen10R;
    Send(sink, kStartSequence);
    if (zen10r) {
        Send(sink, kSetUp1);
        Send(sink, kSetUp2);
        Send(sink, kSetUp3);
        Send(sink, options.thickPaper ? kThickPaperOn : kThickPaperOff);
    }

    // Progress counts every label of every sheet and copy, skipped ones too.
    const int columns = GridColumns(state.document.format());
    const SheetPlan plan = PlanSheets(state);
    const long long labelsOfCopy = plan.labelsPerSheet * plan.sheets;
    const long long labelsOfJob = labelsOfCopy * std::max(options.copies, 0);
    LabelWriter writer(state, sink, progress);
    bool cancelled = false;
    long long labelsDone = 0;
    for (int copy = 0; copy < options.copies && !cancelled; ++copy) {
        // A cancel ends the sheet under way, as a finished one ends.
        for (long long sheet = 0; sheet < plan.sheets && !cancelled; ++sheet) {
            for (long long n = 0; n < plan.labelsPerSheet && !cancelled; ++n, ++labelsDone) {
                progress.SetProgressPos(static_cast<int>(labelsDone * 100 / labelsOfJob));
                cancelled = !writer.SendLabel(static_cast<int>(n / columns),
                                              static_cast<int>(n % columns), plan.PageOf(sheet, n));
            }
            if (zen10r && options.frontEject) Send(sink, kFrontEjection);
            sink.SendByte(kFormFeed);
        }
    }

    Send(sink, kEndSequence);
    if (zen10r) Send(sink, kEndSequenceZen10R);
}

}  // namespace tessra
