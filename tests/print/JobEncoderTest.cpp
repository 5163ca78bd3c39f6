#include "print/JobEncoder.h"

#include "print/MemorySink.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace tessra {
namespace {

// Hex as "1B 1B 4E"; the expectations below may group bytes with ';' for reading.
std::string Hex(const std::vector<std::uint8_t>& bytes)
{
    std::string text;
    for (const std::uint8_t byte : bytes) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02X ", byte);
        text += pair;
    }
    if (!text.empty()) text.pop_back();
    return text;
}

std::string Hex(std::string expected)
{
    std::erase(expected, ';');
    std::string text;
    for (const char c : expected) {
        if (c == ' ' && (text.empty() || text.back() == ' ')) continue;
        text += c;
    }
    if (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// The default A4 single sheet: one 210 x 297 label, LP22, default print position.
AppState SingleSheet(std::vector<std::string> lines)
{
    AppState state;
    state.printerModel = mode::kZen10;
    state.leftMargin = 10;
    state.topMargin = 15;
    SheetFormat& f = state.format;
    f.sheetWidth = f.labelWidth = 210;
    f.sheetHeight = f.labelHeight = 297;
    f.rows = f.columns = 1;
    f.x3 = 10;
    f.y3 = 15;
    f.lineCode = "LP22";
    f.linePitch = 10.2;
    state.linesPerPage = 28;
    state.sameDataForAllLabels = true;
    state.lines = std::move(lines);
    return state;
}

// 2 x 2 labels of 100 x 100 at the sheet's corner, one document line per page.
AppState FourLabels(std::vector<std::string> lines)
{
    AppState state = SingleSheet(std::move(lines));
    state.format.rows = state.format.columns = 2;
    state.format.labelWidth = state.format.labelHeight = 100;
    state.linesPerPage = 2;
    return state;
}

class RecordingProgress final : public JobProgress {
public:
    explicit RecordingProgress(int cancelAtCall = 0) : cancelAtCall_(cancelAtCall) {}
    void SetProgressPos(int position) override { positions.push_back(position); }
    bool TakeCancelRequest() override { return ++calls_ == cancelAtCall_; }

    std::vector<int> positions;

private:
    int cancelAtCall_;
    int calls_ = 0;
};

std::string Encode(const AppState& state, PrintOptions options = {})
{
    MemorySink sink;
    NoProgress progress;
    EncodePrintJob(state, options, sink, progress);
    return Hex(sink.bytes);
}

constexpr const char* kStart = "1B 1B 4E";
constexpr const char* kEnd = "1B 1B 46 30 30";
constexpr const char* kAtOrigin = "1B 1B 47 1D 20 60 20 40 0D";  // X 10, Y 15 with the margins

TEST(JobEncoder, WorkedExample)
{
    EXPECT_EQ(Encode(SingleSheet({"", "ABC", "DE"})),
              Hex("1B 1B 4E; 1B 1B 47 1D 20 60 20 40 0D; 41 42 43 0D; 1B 1B 46 30 30 0A 44 45 0D;"
                  " 0C; 1B 1B 46 30 30"));
}

TEST(JobEncoder, PositionCommands)
{
    struct Row {
        const char* name;
        int x, y;
        double leftMargin;
        const char* expected;
    };
    const Row rows[] = {
        {"inside the margins", 20, 25, 10, "1B 1B 47 1D 20 7D 21 40 0D"},
        {"left of and above the margins", 5, 10, 10, "1B 1B 47 1D 20 60 20 40 0D"},
        {"u 1000", 344, 15, 10.6, "1B 1B 47 1D 3F 68 20 40 0D"},
        {"u 1100 runs past 3F", 377, 15, 10, "1B 1B 47 1D 42 6C 20 40 0D"},
    };
    for (const Row& row : rows) {
        AppState state = SingleSheet({});
        state.leftMargin = row.leftMargin;
        MemorySink sink;
        SendPosition(state, row.x, row.y, sink);
        EXPECT_EQ(Hex(sink.bytes), Hex(row.expected)) << row.name;
    }
}

TEST(JobEncoder, HugeOrNanPositionsStayDefined)
{
    AppState state = SingleSheet({});
    state.horizontalCorrection = 1e300;
    state.verticalCorrection = std::numeric_limits<double>::quiet_NaN();
    const EmbosserUnits units = ToEmbosserUnits(state, 100, 100);
    EXPECT_EQ(units.u, std::numeric_limits<int>::max());
    EXPECT_EQ(units.v, 0);
}

TEST(JobEncoder, PitchSelectionByLineCode)
{
    struct Row {
        const char* lineCode;
        const char* selection;
    };
    const Row rows[] = {
        {"LP35", "1B 1B 46 30 37"},
        {"LP24", "1B 1B 50 36"},
        {"LP18", "1B 1B 46 31 34"},
        {"LP22", "1B 1B 46 30 30"},
    };
    for (const Row& row : rows) {
        AppState state = SingleSheet({"", "A", "B"});
        state.format.lineCode = row.lineCode;
        EXPECT_EQ(Encode(state), Hex(std::string(kStart) + " " + kAtOrigin + " 41 0D " +
                                     row.selection + " 0A 42 0D 0C " + kEnd))
            << row.lineCode;
    }
}

TEST(JobEncoder, PitchSelectionRepeatsBeforeLines2And16)
{
    std::vector<std::string> lines(21, "A");
    lines[0].clear();
    std::string expected = std::string(kStart) + " " + kAtOrigin + " 41 0D";
    for (int line = 2; line <= 20; ++line) {
        if (line == 2 || line == 16) expected += " 1B 1B 46 30 30";
        expected += " 0A 41 0D";
    }
    EXPECT_EQ(Encode(SingleSheet(lines)), Hex(expected + " 0C " + kEnd));
}

TEST(JobEncoder, FreePitchPositionsEveryLineAtWholeMillimetres)
{
    AppState state = SingleSheet({"", "A", "A", "A", "A", "A"});
    state.format.lineCode.clear();
    state.format.linePitch = 10.5;
    state.format.y1 = 5;
    state.format.y3 = 10;
    state.leftMargin = 10;
    state.topMargin = 0;
    // Y = 15, 25, 36, 46, 57 mm: v = 48, 80, 116, 148, 183.
    EXPECT_EQ(Encode(state), Hex(std::string(kStart) +
                                 "; 1B 1B 47 1D 20 60 21 50 0D 41 0D"
                                 "; 1B 1B 47 1D 20 60 22 50 0D 41 0D"
                                 "; 1B 1B 47 1D 20 60 23 54 0D 41 0D"
                                 "; 1B 1B 47 1D 20 60 24 54 0D 41 0D"
                                 "; 1B 1B 47 1D 20 60 25 57 0D 41 0D; 0C " +
                                 kEnd));
}

TEST(JobEncoder, LinesAreCutToTheLabelButNotPadded)
{
    AppState state = SingleSheet({"", "ABCD", "   ", "B", "    "});
    state.format.labelWidth = 20;  // two cells
    EXPECT_EQ(Encode(state), Hex(std::string(kStart) + " " + kAtOrigin +
                                 " 41 42 0D; 1B 1B 46 30 30 0A 20 20 0D; 0A 42 0D; 0C " + kEnd));
}

TEST(JobEncoder, EachLabelItsOwnPage)
{
    AppState state = FourLabels({"", "A", "", "B", "", "C"});
    state.sameDataForAllLabels = false;
    EXPECT_EQ(Encode(state), Hex(std::string(kStart) + " " + kAtOrigin + " 41 0D" +
                                 "; 1B 1B 47 1D 29 6B 20 40 0D 42 0D" +
                                 "; 1B 1B 47 1D 20 60 2A 42 0D 43 0D; 0C " + kEnd));
}

TEST(JobEncoder, CopiesRepeatTheSheetAndAdvanceTheProgress)
{
    AppState state = FourLabels({"", "A"});
    state.format.rows = 1;
    MemorySink sink;
    RecordingProgress progress;
    EncodePrintJob(state, {.copies = 2}, sink, progress);
    const std::string sheet =
        std::string(kAtOrigin) + " 41 0D 1B 1B 47 1D 29 6B 20 40 0D 41 0D 0C ";
    EXPECT_EQ(Hex(sink.bytes), Hex(std::string(kStart) + " " + sheet + sheet + kEnd));
    EXPECT_EQ(progress.positions, (std::vector<int>{0, 25, 50, 75}));
}

TEST(JobEncoder, CancelFinishesTheSheetAndEndsTheJob)
{
    AppState state = FourLabels({"", "A", "B"});
    state.printerModel = mode::kZen10R;
    state.format.rows = 1;
    state.linesPerPage = 3;
    MemorySink sink;
    RecordingProgress progress(3);  // after the first line of the second label
    EncodePrintJob(state, {.copies = 3, .thickPaper = false, .frontEject = true}, sink, progress);
    EXPECT_EQ(Hex(sink.bytes),
              Hex(std::string(kStart) +
                  "; 1B 1B 52 53; 1B 1B 46 46 30; 1B 1B 46 42 30; 1B 1B 46 4D 31; " + kAtOrigin +
                  " 41 0D 1B 1B 46 30 30 0A 42 0D; 1B 1B 47 1D 29 6B 20 40 0D 41 0D;" +
                  " 1B 1B 46 42 46 0C " + kEnd + " 1B 1B 52 52"));
    EXPECT_EQ(progress.positions, (std::vector<int>{0, 16}));
}

TEST(JobEncoder, BlankJobsSendOnlyTheFrame)
{
    struct Row {
        const char* name;
        std::string model;
        std::vector<std::string> lines;
        double labelWidth, labelHeight;
        PrintOptions options;
        const char* expected;
    };
    const std::vector<std::string> text = {"", "A"};
    const Row rows[] = {
        {"blank lines", mode::kZen10, {"", "   ", ""}, 210, 297, {.copies = 2},
         "1B 1B 4E; 0C; 0C; 1B 1B 46 30 30"},
        {"no cell fits", mode::kZen10, text, 8.0, 297, {}, "1B 1B 4E; 0C; 1B 1B 46 30 30"},
        {"no line fits", mode::kZen10, text, 210, 10.0, {}, "1B 1B 4E; 0C; 1B 1B 46 30 30"},
        {"options ignored by ZEN10", mode::kZen10, {}, 210, 297,
         {.copies = 1, .thickPaper = true, .frontEject = true}, "1B 1B 4E; 0C; 1B 1B 46 30 30"},
        {"ZEN10R thin paper", mode::kZen10R, {}, 210, 297, {},
         "1B 1B 4E; 1B 1B 52 53; 1B 1B 46 46 30; 1B 1B 46 42 30; 1B 1B 46 4D 31; 0C;"
         " 1B 1B 46 30 30; 1B 1B 52 52"},
        {"ZEN10R thick paper, front ejection", mode::kZen10R, {}, 210, 297,
         {.copies = 2, .thickPaper = true, .frontEject = true},
         "1B 1B 4E; 1B 1B 52 53; 1B 1B 46 46 30; 1B 1B 46 42 30; 1B 1B 46 4D 33;"
         " 1B 1B 46 42 46 0C; 1B 1B 46 42 46 0C; 1B 1B 46 30 30; 1B 1B 52 52"},
        {"no copies", mode::kZen10, text, 210, 297, {.copies = 0}, "1B 1B 4E; 1B 1B 46 30 30"},
    };
    for (const Row& row : rows) {
        AppState state = SingleSheet(row.lines);
        state.printerModel = row.model;
        state.format.labelWidth = row.labelWidth;
        state.format.labelHeight = row.labelHeight;
        EXPECT_EQ(Encode(state, row.options), Hex(row.expected)) << row.name;
    }
}

}  // namespace
}  // namespace tessra
