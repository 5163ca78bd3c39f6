#include "document/LabelEdit.h"
#include "document/ComposeDocument.h"
#include "document/DocumentCommands.h"
#include "format/FormatString.h"
#include "format/Presets.h"
#include "platform/TextCodec.h"
#include "support/DocumentSetUp.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

// A two-by-two sheet of 3-line labels, four lines a page, one page a label.
AppState PerLabelDocument(std::vector<std::string> lines)
{
    AppState state;
    NewDocument(state);
    Set(state).lines = std::move(lines);
    Set(state).linesPerPage = 4;
    Set(state).sameDataForAllLabels = false;
    return state;
}

TEST(LabelEdit, MarksRefusalsByLineAndStoresNothingItCannotHold)
{
    AppState state = PerLabelDocument({"", "A"});
    const LabelEdit edit(state, 0);
    const std::vector<std::string> texts{"あ", "漢字", "い", "う"};
    const LabelComposition composed = edit.Compose(texts);
    ASSERT_EQ(composed.refusals.size(), 3u);  // the third beyond the page's last line
    EXPECT_EQ(std::tuple(composed.refusals[0].line, composed.refusals[0].refusal.column, composed.refusals[1].refusal.column,
                         composed.refusals[2].line), std::tuple(1, 1, 2, 3));
    EXPECT_FALSE(edit.Store(state, composed.cells));
    EXPECT_EQ(state.document.lines(), (std::vector<std::string>{"", "A"}));
}

TEST(LabelEdit, AFreshDocumentGetsTheComposedPagesOfItsFormat)
{
    AppState state;
    NewDocument(state);
    const Preset* cards = FindPresetByKey(Utf8ToCp932("マルチラベル@名刺(1) 10面 ｾﾝﾀｰ 0㎜"));
    ASSERT_NE(cards, nullptr);
    ParseFormatString(cards->layout, Set(state).format);
    Set(state).sameDataForAllLabels = false;
    const LabelEdit third(state, 2);
    const std::vector<std::string> texts{"さとう"};
    ASSERT_TRUE(third.Store(state, third.Compose(texts).cells));
    EXPECT_TRUE(state.document.modified());
    test::Reopen(state);
    EXPECT_FALSE(third.Store(state, third.Compose(texts).cells)) << "the same cells again change nothing";
    EXPECT_FALSE(state.document.modified());
    const PageShape shape = ComposedPageShape(state.document.format());
    EXPECT_EQ(state.document.linesPerPage(), shape.linesPerPage);
    EXPECT_EQ(state.document.cellsPerLine(), shape.cellsPerLine);
    const std::size_t line = 2 * static_cast<std::size_t>(shape.linesPerPage) + 1;
    ASSERT_EQ(state.document.lines().size(), line + 1);
    EXPECT_EQ(state.document.lines()[line], ":TC");
    EXPECT_EQ(LabelPageLines(state, 2), std::vector<std::string>{":TC"});
    EXPECT_TRUE(LabelPageLines(state, 1).empty());

    Set(state).sameDataForAllLabels = true;
    EXPECT_TRUE(LabelPageLines(state, 2).empty()) << "every label shows page 0 then";
}

}  // namespace
}  // namespace tessra
