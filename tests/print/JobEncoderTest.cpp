#include "print/JobEncoder.h"

#include "print/MemorySink.h"
#include "support/DocumentSetUp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace tessra {
namespace {

// Every byte as two hex digits and a space.
std::string Hex(const auto& bytes)
{
    constexpr const char* kDigits = "0123456789ABCDEF";
    std::string text;
    for (const int byte : bytes) text += {kDigits[byte >> 4], kDigits[byte & 15], ' '};
    return text;
}

const SheetFormat kA4 = {.rows = 1, .columns = 1, .labelWidth = 210, .labelHeight = 297,
                         .x3 = 10, .y3 = 15, .linePitch = 10.2, .lineCode = "LP22"};
const SheetFormat kTwoLabels = {.rows = 1, .columns = 2, .labelWidth = 100, .labelHeight = 100,
                                .x3 = 10, .y3 = 15, .linePitch = 10.2, .lineCode = "LP22"};
const SheetFormat kFourLabels = {.rows = 2, .columns = 2, .labelWidth = 100, .labelHeight = 100,
                                 .x3 = 10, .y3 = 15, .linePitch = 10.2, .lineCode = "LP22"};

// Margins 10 and 15 mm, no corrections; page 0 on every label, or each label its own page of
// two lines.
AppState Job(std::vector<std::string> lines, SheetFormat format = kA4,
             const char* model = mode::kZen10, bool ownPages = false, int startLabel = 1)
{
    AppState state;
    state.startLabel = startLabel;
    state.printerModel = model;
    state.leftMargin = 10;
    state.topMargin = 15;
    Set(state).lines = std::move(lines);
    Set(state).linesPerPage = ownPages ? 2 : 40;
    Set(state).format = std::move(format);
    Set(state).sameDataForAllLabels = !ownPages;
    return state;
}

// Answers the cancel question after the `cancelAfter`-th line with yes (never when 0).
struct Recorder final : JobProgress {
    explicit Recorder(int cancelAfter) : linesLeft(cancelAfter) {}
    void SetProgressPos(int position) override { positions.push_back(position); }
    bool TakeCancelRequest() override { return --linesLeft == 0; }
    std::vector<int> positions;
    int linesLeft;
};

const std::string kStart = "1B 1B 4E ";
const std::string kEnd = "1B 1B 46 30 30 ";
const std::string kSetUpR = "1B 1B 52 53 1B 1B 46 46 30 1B 1B 46 42 30 ";
const std::string kAtOrigin = "1B 1B 47 1D 20 60 20 40 0D ";      // X 10, Y 15
const std::string kSecondColumn = "1B 1B 47 1D 29 6B 20 40 0D ";  // X 110, Y 15

// Name, job, options, cancel after line n, bytes, progress positions.
using Row = std::tuple<const char*, AppState, PrintOptions, int, std::string, std::vector<int>>;

// 38 lines of A fill a label 400 mm high; the pitch selection comes before lines 2, 16 and 31.
Row LineFeeds(const char* lineCode, const std::string& selection)
{
    AppState state = Job(std::vector<std::string>(40, "A"));
    Set(state).format.lineCode = lineCode;
    Set(state).format.labelHeight = 400;
    std::string hex = kStart + kAtOrigin + "41 0D ";
    for (int i = 1; i < 38; ++i) hex += (i == 1 || i == 15 || i == 30 ? selection : "") + "0A 41 0D ";
    return {lineCode, state, {}, 0, hex + "0C " + kEnd, {0}};
}

std::vector<Row> TodaysRows()
{
    return {
        LineFeeds("LP35", "1B 1B 46 30 37 "), LineFeeds("LP24", "1B 1B 50 36 "),
        LineFeeds("LP18", "1B 1B 46 31 34 "), LineFeeds("LP22", "1B 1B 46 30 30 "),
        // Two cells a line at X = 11 (11.5 truncated), Y = 15, 25, 36, 46, 57; blanks are sent
        // only before used lines, and a mark beyond the two cells leaves a line blank.
        {"free pitch", Job({"", "ABC", "   ", "A", "A", "A", "  A"},
                           {.rows = 1, .columns = 1, .x1 = 1.5, .y1 = 5, .labelWidth = 20,
                            .labelHeight = 297, .x3 = 10, .y3 = 10, .linePitch = 10.5, .lineCode = ""}),
         {}, 0, kStart + "1B 1B 47 1D 20 62 20 40 0D 41 42 0D 1B 1B 47 1D 20 62 21 40 0D 20 20 0D "
                         "1B 1B 47 1D 20 62 22 43 0D 41 0D 1B 1B 47 1D 20 62 23 43 0D 41 0D "
                         "1B 1B 47 1D 20 62 24 47 0D 41 0D 0C " + kEnd, {0}},
        {"blank lines, options ignored by ZEN10", Job({"", "   ", ""}), {2, true, true}, 0,
         kStart + "0C 0C " + kEnd, {0, 50}},
        {"each label its own page", Job({"", "A", "", "B", "", "C"}, kFourLabels, "ZEN10", true),
         {}, 0, kStart + kAtOrigin + "41 0D " + kSecondColumn + "42 0D " +
         "1B 1B 47 1D 20 60 2A 42 0D 43 0D 0C " + kEnd, {0, 25, 50, 75}},
        {"copies, ZEN10R thin paper", Job({"", "A"}, kTwoLabels, mode::kZen10R), {.copies = 2}, 0,
         kStart + kSetUpR + "1B 1B 46 4D 31 " + kAtOrigin + "41 0D " + kSecondColumn + "41 0D 0C " +
         kAtOrigin + "41 0D " + kSecondColumn + "41 0D 0C " + kEnd + "1B 1B 52 52 ",
         {0, 25, 50, 75}},
        // The rest of the label, the sheet and the copies is skipped; the sheet is ejected.
        {"cancel in the second label", Job({"", "A", "B"}, kTwoLabels, mode::kZen10R),
         {3, true, true}, 3, kStart + kSetUpR + "1B 1B 46 4D 33 " + kAtOrigin +
         "41 0D 1B 1B 46 30 30 0A 42 0D " + kSecondColumn + "41 0D 1B 1B 46 42 46 0C " + kEnd +
         "1B 1B 52 52 ", {0, 16}},
    };
}

void ExpectStreams(const std::vector<Row>& rows)
{
    for (const auto& [name, state, options, cancelAfter, expected, positions] : rows) {
        Recorder progress(cancelAfter);
        MemorySink sink;
        EncodePrintJob(state, options, sink, progress);
        EXPECT_EQ(Hex(sink.bytes), expected) << name;
        EXPECT_EQ(progress.positions, positions) << name;
    }
}

// Each stream from label 1, also when blank pages follow; a start label that is no label of the
// sheet counts as 1.
TEST(JobEncoder, StreamsFromLabelOne)
{
    for (const auto& [startLabel, blankPages] : {std::pair{1, 0}, {1, 9}, {0, 0}, {5, 9}}) {
        std::vector<Row> rows = TodaysRows();
        for (Row& row : rows) {
            AppState& state = std::get<AppState>(row);
            state.startLabel = startLabel;
            Set(state).lines.resize(state.document.lines().size() + 2 * blankPages, "   ");
        }
        ExpectStreams(rows);
    }
}

const std::string kThirdLabel = "1B 1B 47 1D 20 60 2A 42 0D ";   // X 10, Y 115
const std::string kFourthLabel = "1B 1B 47 1D 29 6B 2A 42 0D ";  // X 110, Y 115

TEST(JobEncoder, StartLabelAndFurtherSheets)
{
    const std::vector<std::string> fivePages = {"", "A", "", "B", "", "C", "", "D", "", "E", "", " "};
    const std::string twoSheets = kAtOrigin + "41 0D " + kSecondColumn + "42 0D 1B 1B 46 42 46 0C " + kAtOrigin +
                                  "43 0D 1B 1B 46 42 46 0C ";
    ExpectStreams({
        {"same data from label 2", Job({"", "A"}, kTwoLabels, mode::kZen10, false, 2), {}, 0,
         kStart + kSecondColumn + "41 0D 0C " + kEnd, {0, 50}},
        {"own pages from label 3", Job({"", "A", "", "B"}, kFourLabels, mode::kZen10, true, 3),
         {}, 0, kStart + kThirdLabel + "41 0D " + kFourthLabel + "42 0D 0C " + kEnd, {0, 25, 50, 75}},
        // Labels 2, 1 + 2, 1 + 2 of three sheets; the blank sixth page would begin a fourth.
        {"second and third sheet", Job(fivePages, kTwoLabels, mode::kZen10, true, 2), {}, 0,
         kStart + kSecondColumn + "41 0D 0C " + kAtOrigin + "42 0D " + kSecondColumn + "43 0D 0C " +
         kAtOrigin + "44 0D " + kSecondColumn + "45 0D 0C " + kEnd, {0, 16, 33, 50, 66, 83}},
        {"copies of two sheets, each ejected", Job({"", "A", "", "B", "", "C"}, kTwoLabels, mode::kZen10R, true),
         {2, false, true}, 0, kStart + kSetUpR + "1B 1B 46 4D 31 " + twoSheets + twoSheets + kEnd + "1B 1B 52 52 ",
         {0, 12, 25, 37, 50, 62, 75, 87}},
        {"cancel on sheet 2", Job(fivePages, kTwoLabels, mode::kZen10, true), {.copies = 2}, 3,
         kStart + kAtOrigin + "41 0D " + kSecondColumn + "42 0D 0C " + kAtOrigin + "43 0D 0C " + kEnd,
         {0, 8, 16}},
    });
}

// Fails on its `failAt`-th byte, as a printer that went away does, and counts what it is offered.
struct FailingSink final : ByteSink {
    explicit FailingSink(int failAt) : failAt(failAt) {}
    void SendByte(std::uint8_t) override
    {
        if (++offered == failAt) SetFailed();
    }
    int failAt;
    int offered = 0;
};

TEST(JobEncoder, AFailedSinkEndsTheJobAfterTheLineUnderWay)
{
    // Ten copies of two labels: the failure in the first label's line stops them all.
    const AppState state = Job({"", "A"}, kTwoLabels);
    Recorder progress(0);
    FailingSink sink(5);
    EncodePrintJob(state, {.copies = 10}, sink, progress);
    EXPECT_EQ(progress.positions, std::vector<int>{0});
    EXPECT_EQ(sink.offered, 3 + 9 + 2 + 1 + 5);  // start, position, the line, form feed, end
}

TEST(JobEncoder, PositionCommand)
{
    // Left margin, horizontal and vertical correction, X and Y; the top margin is 15.
    const std::tuple<double, double, double, int, int, const char*> rows[] = {
        {10, 0, 0, 20, 25, "1B 1B 47 1D 20 7D 21 40 0D "},     // u 29, v 32
        {10, 0, 0, 5, 10, "1B 1B 47 1D 20 60 20 40 0D "},      // negative units are 0
        {10.6, 0, 0, 344, 0, "1B 1B 47 1D 3F 68 20 40 0D "},   // u 1000
        {10, 0, 0, 377, 0, "1B 1B 47 1D 42 6C 20 40 0D "},     // u 1100 runs past 3F
        {10, 3, -3, 100, 100, "1B 1B 47 1D 28 76 28 48 0D "},  // margins not scaled: u 278, v 264
        {10, 1e300, NAN, 1, 1, "1B 1B 47 1D 1F 7F 20 40 0D "},  // u INT_MAX, v 0
    };
    for (const auto& [left, horizontal, vertical, x, y, expected] : rows) {
        AppState state = Job({});
        state.leftMargin = left;
        state.horizontalCorrection = horizontal;
        state.verticalCorrection = vertical;
        EXPECT_EQ(Hex(PositionCommand(ToEmbosserUnits(state, x, y))), expected) << x;
    }
}

}  // namespace
}  // namespace tessra
