#include "print/PrintChecks.h"

#include <gtest/gtest.h>

#include <climits>

namespace tessra {
namespace {

std::optional<PrintCheck> CheckOf(const std::optional<PrintRefusal>& refusal)
{
    return refusal ? std::optional(refusal->check) : std::nullopt;
}

TEST(PrintChecks, LabelsFitTheSheet)
{
    struct Row {
        const char* name;
        double labelWidth, labelHeight;
        std::optional<PrintCheck> expected;
    };
    const Row rows[] = {
        {"exactly the sheet", 91, 55, std::nullopt},
        {"too wide", 91.1, 55, PrintCheck::LabelsStickOutRight},
        {"too high", 91, 55.1, PrintCheck::LabelsStickOutBottom},
        {"both: right first", 92, 56, PrintCheck::LabelsStickOutRight},
    };
    // 2 columns of 91 and a gap of 4 from 14 fill 200; 5 rows of 55 and gaps of 1 from 7, 286.
    SheetFormat format;
    format.sheetWidth = 200;
    format.sheetHeight = 286;
    format.rows = 5;
    format.columns = 2;
    format.x1 = 14;
    format.x2 = 4;
    format.y1 = 7;
    format.y2 = 1;
    for (const Row& row : rows) {
        format.labelWidth = row.labelWidth;
        format.labelHeight = row.labelHeight;
        EXPECT_EQ(CheckOf(CheckLabelsFit(format)), row.expected) << row.name;
    }
}

TEST(PrintChecks, PrinterReadyInTheDialogsOrder)
{
    struct Row {
        const char* name;
        bool allCellsPrintable;
        const char* printerName;
        const char* model;
        bool printerNeeded;
        std::optional<PrintCheck> expected;
    };
    const Row rows[] = {
        {"ready", true, "ZEN-10", "ZEN10", true, std::nullopt},
        {"R model", true, "ZEN-10R", "ZEN10R", true, std::nullopt},
        {"red cells before all else", false, "", "", true, PrintCheck::UnprintableCells},
        {"no printer", true, "", "", true, PrintCheck::NoPrinter},
        {"no printer, none needed", true, "", "ZEN10", false, std::nullopt},
        {"no printer, none needed, no model", true, "", "", false, PrintCheck::NotZen10},
        {"other printer", true, "Laser", "", true, PrintCheck::NotZen10},
        {"unknown model text", true, "ZEN-10", "zen10", true, PrintCheck::NotZen10},
    };
    for (const Row& row : rows) {
        AppState state;
        state.printerName = row.printerName;
        state.printerModel = row.model;
        EXPECT_EQ(CheckOf(CheckPrinterReady(state, row.allCellsPrintable, row.printerNeeded)),
                  row.expected)
            << row.name;
    }
}

TEST(PrintChecks, CopiesFrom1To1000)
{
    EXPECT_EQ(CheckOf(CheckCopies(INT_MIN)), PrintCheck::TooFewCopies);
    EXPECT_EQ(CheckOf(CheckCopies(0)), PrintCheck::TooFewCopies);
    EXPECT_EQ(CheckOf(CheckCopies(1)), std::nullopt);
    EXPECT_EQ(CheckOf(CheckCopies(1000)), std::nullopt);
    EXPECT_EQ(CheckOf(CheckCopies(1001)), PrintCheck::TooManyCopies);
}

}  // namespace
}  // namespace tessra
