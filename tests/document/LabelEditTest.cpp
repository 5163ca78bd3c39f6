#include "document/LabelEdit.h"
#include "document/ComposeDocument.h"
#include "document/DocumentCommands.h"
#include "format/FormatString.h"
#include "format/Presets.h"
#include "platform/TextCodec.h"

#include <gtest/gtest.h>

namespace tessra {
namespace {

// A two-by-two sheet of 3-line labels, four lines a page, one page a label.
AppState PerLabelDocument(std::vector<std::string> lines)
{
    AppState state;
    NewDocument(state);
    state.lines = std::move(lines);
    state.linesPerPage = 4;
    state.sameDataForAllLabels = false;
    return state;
}

TEST(LabelEdit, EditsOneLabelsPageAndKeepsEveryOtherByte)
{
    // Page 1 holds a byte outside the cell code and a lower-case cell byte.
    AppState state = PerLabelDocument({"", "A", "", "", "\x01", "#ab\x7f", "  ", "Z"});
    const LabelEdit edit(state, 1);
    ASSERT_EQ(edit.Texts().size(), 3u);  // lines 1 … 3 of the page; its line 0 is never shown
    EXPECT_EQ(edit.Texts()[1], "  ");
    EXPECT_EQ(edit.Texts()[2], "ま");

    std::vector<std::string> texts = edit.Texts();
    texts[2] = "まめ";
    const LabelComposition composed = edit.Compose(texts);
    ASSERT_TRUE(composed.Composed());
    EXPECT_EQ(composed.cells, (std::vector<std::string>{"#ab\x7f", "  ", "Z="}));
    EXPECT_TRUE(edit.Store(state, composed.cells));
    EXPECT_EQ(state.lines, (std::vector<std::string>{"", "A", "", "", "\x01", "#ab\x7f", "  ", "Z="}));
    EXPECT_TRUE(state.modified);

    state.modified = false;
    EXPECT_FALSE(edit.Store(state, composed.cells)) << "the same cells again change nothing";
    EXPECT_FALSE(state.modified);
}

TEST(LabelEdit, MarksRefusalsByLineAndStoresNothingItCannotHold)
{
    AppState state = PerLabelDocument({"", "A"});
    const LabelEdit edit(state, 0);
    const std::vector<std::string> texts{"あ", "漢字", "い", "う"};
    const LabelComposition composed = edit.Compose(texts);
    ASSERT_EQ(composed.refusals.size(), 3u);
    EXPECT_EQ(composed.refusals[0].line, 1);
    EXPECT_EQ(composed.refusals[0].refusal.column, 1);
    EXPECT_EQ(composed.refusals[1].refusal.column, 2);
    EXPECT_EQ(composed.refusals[2].line, 3) << "beyond the page's last line";
    EXPECT_FALSE(edit.Store(state, composed.cells));
    EXPECT_EQ(state.lines, (std::vector<std::string>{"", "A"}));
}

TEST(LabelEdit, AFreshDocumentGetsTheComposedPagesOfItsFormat)
{
    AppState state;
    NewDocument(state);
    const Preset* cards = FindPresetByKey(Utf8ToCp932("マルチラベル@名刺(1) 10面 ｾﾝﾀｰ 0㎜"));
    ASSERT_NE(cards, nullptr);
    ParseFormatString(cards->layout, state.format);
    state.sameDataForAllLabels = false;
    const LabelEdit third(state, 2);
    const std::vector<std::string> texts{"さとう"};
    ASSERT_TRUE(third.Store(state, third.Compose(texts).cells));
    const PageShape shape = ComposedPageShape(state.format);
    EXPECT_EQ(state.linesPerPage, shape.linesPerPage);
    EXPECT_EQ(state.cellsPerLine, shape.cellsPerLine);
    const std::size_t line = 2 * static_cast<std::size_t>(shape.linesPerPage) + 1;
    ASSERT_EQ(state.lines.size(), line + 1);
    EXPECT_EQ(state.lines[line], ":TC");
    EXPECT_EQ(LabelPageLines(state, 2), std::vector<std::string>{":TC"});
    EXPECT_TRUE(LabelPageLines(state, 1).empty());

    state.sameDataForAllLabels = true;
    EXPECT_TRUE(LabelPageLines(state, 2).empty()) << "every label shows page 0 then";
}

}  // namespace
}  // namespace tessra
