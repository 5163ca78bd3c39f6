#pragma once

#include "document/AppState.h"
#include "sheet/SheetGeometry.h"

#include <cstddef>
#include <optional>

namespace tessra {

// Which page each label of each sheet carries. A job may begin at a later label of the first
// sheet, so that a partly used sheet can be used up: the labels before it get nothing. With
// per-label data page p goes to label start - 1 + p, counted on over the sheets one after the
// other, and there are as many sheets as the last page with something to emboss needs. The view,
// the check, the reading and the embosser stream all take their pages from here.

inline constexpr long long kNoPage = -1;

long long LabelsPerSheet(const SheetFormat& format);

// Whether `startLabel` (from 1) may be asked for: a label of the sheet, or 1, the sheet's
// beginning, which is what no start label means even on a sheet without labels.
bool StartLabelOnSheet(const SheetFormat& format, long long startLabel);

struct SheetPlan {
    long long labelsPerSheet = 0;
    long long skippedLabels = 0;  // before the start label, on the first sheet
    long long sheets = 1;
    bool sameDataForAllLabels = true;

    // Left untouched: a label before the start label.
    bool Skipped(long long sheet, long long label) const
    {
        return sheet == 0 && label < skippedLabels;
    }
    // The page that label `label` of sheet `sheet` (both from 0) carries, or kNoPage.
    long long PageOf(long long sheet, long long label) const;
    // Where page `page` is embossed: the inverse of PageOf; the first label for shared data.
    struct Place {
        long long sheet = 0;
        long long label = 0;
    };
    Place PlaceOf(long long page) const;
};

// The plan for the state's document, format and start label; a start label that is no label of
// the sheet counts as 1.
SheetPlan PlanSheets(const AppState& state);

// The lines of a label that are embossed: up to the last one with a cell that is not blank
// within the label's line capacity; blank lines before it count.
int EmbossedLineCount(const AppState& state, const LabelText& text);

// A page line with braille its label cannot hold (CellsBeyondLabel); page and line from 0 and 1.
struct LineBeyondLabel {
    long long page = 0;
    int line = 0;
    std::size_t cells = 0;
};
// The first such line of page `page`, or of every page the labels show.
std::optional<LineBeyondLabel> FirstLineBeyondLabel(const AppState& state, long long page);
std::optional<LineBeyondLabel> FirstLineBeyondLabel(const AppState& state);

// The sheet the view shows (from 0): the state's, kept within the plan's sheets.
long long ShownSheet(const AppState& state, const SheetPlan& plan);

// The page label `label` (from 0) of the sheet the view shows carries, or kNoPage: the page the
// label view shows and the label editor writes.
long long PageOfShownLabel(const AppState& state, long long label);

// Moves the view to the next (+1) or previous (-1) sheet; false when there is none that way.
bool TurnSheet(AppState& state, int direction);

}  // namespace tessra
