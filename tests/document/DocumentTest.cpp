#include "document/Document.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessra {
namespace {

// Hears every change, as the view and the window do.
struct Listener final : DocumentObserver {
    std::vector<unsigned> heard;
    void DocumentChanged(unsigned changes) override { heard.push_back(changes); }
};

DocumentContent TwoLines()
{
    DocumentContent content;
    content.lines = {"", "ABC"};
    content.cellsPerLine = 38;
    content.linesPerPage = 28;
    content.choice.formatString = "stored";
    return content;
}

class DocumentTest : public testing::Test {
protected:
    DocumentTest()
    {
        document.Replace(TwoLines(), "a.BSE", "BSE", Document::Start::Unmodified);
        document.AddObserver(&listener);
    }

    unsigned Last() const { return listener.heard.empty() ? 0u : listener.heard.back(); }

    Document document;
    Listener listener;
};

TEST_F(DocumentTest, EditedLinesAreModifiedUntilTheyAreAsSavedAgain)
{
    document.SetLines({"", "ABD"}, 38, 28);
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(Last(), kLinesChanged | kModifiedChanged);

    document.SetLines({"", "ABC"}, 38, 28);  // the letter typed and taken back
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(Last(), kLinesChanged | kModifiedChanged);

    const std::size_t told = listener.heard.size();
    document.SetLines({"", "ABC"}, 38, 28);
    EXPECT_EQ(listener.heard.size(), told) << "no change, nothing told";
}

TEST_F(DocumentTest, EachFormatOriginTreatsTheFlagByItsOwnRule)
{
    FormatChoice wider = document.choice();
    wider.format.labelWidth = 100;

    document.SetFormat(wider, Document::FormatOrigin::Preset);
    EXPECT_FALSE(document.modified()) << "the bar re-reading its lists changes no flag";
    EXPECT_EQ(Last(), kFormatChanged);

    document.SetFormat(wider, Document::FormatOrigin::User);
    EXPECT_TRUE(document.modified()) << "a user's change counts, even to the same value";
    EXPECT_EQ(Last(), kModifiedChanged);

    document.SetFormat(TwoLines().choice, Document::FormatOrigin::History);
    EXPECT_FALSE(document.modified()) << "undone back to the saved format";
    document.SetFormat(wider, Document::FormatOrigin::History);
    EXPECT_TRUE(document.modified()) << "redone";
    document.SetFormat(TwoLines().choice, Document::FormatOrigin::Preset);
    EXPECT_TRUE(document.modified()) << "a modified document stays modified";
}

TEST_F(DocumentTest, SavingMakesTheNewContentTheOneToComeBackTo)
{
    document.SetLines({"", "X"}, 38, 28);
    document.Rename("b.BSE", "BSE");
    EXPECT_EQ(Last(), kPathChanged);
    EXPECT_TRUE(document.modified()) << "a name alone saves nothing";

    FormatChoice stored = document.choice();
    stored.formatString = "rebuilt";
    document.Saved("b.BSE", "BSE", stored);
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(Last(), kPathChanged | kFormatChanged | kModifiedChanged);
    EXPECT_EQ(document.formatString(), "rebuilt");

    document.SetLines({"", "ABC"}, 38, 28);
    EXPECT_TRUE(document.modified()) << "the lines as opened are no longer the saved ones";
    document.SetLines({"", "X"}, 38, 28);
    EXPECT_FALSE(document.modified());
}

TEST_F(DocumentTest, ReadingMarksChangeNothingThatIsSaved)
{
    document.SetUncheckedReadings({{1, {"山", "ABC"}}});
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(Last(), kReadingsChanged);
    ASSERT_EQ(document.uncheckedReadings().size(), 1u);

    document.Replace(TwoLines(), "c.BSE", "BSE", Document::Start::Modified);  // composed anew
    EXPECT_TRUE(document.uncheckedReadings().empty());
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(Last(), kEverything);

    document.Close();
    EXPECT_FALSE(document.fileOpen());
    EXPECT_FALSE(document.modified());
    EXPECT_TRUE(document.lines().empty());
}

TEST_F(DocumentTest, ObserversComeAndGoSafely)
{
    struct Leaver final : DocumentObserver {
        Document* document = nullptr;
        int told = 0;
        void DocumentChanged(unsigned) override
        {
            ++told;
            document->RemoveObserver(this);
        }
    } leaver;
    leaver.document = &document;
    document.AddObserver(&leaver);
    document.AddObserver(&leaver);  // once is enough
    document.SetLines({"", "Q"}, 38, 28);
    document.SetLines({"", "R"}, 38, 28);
    EXPECT_EQ(leaver.told, 1);
    EXPECT_EQ(listener.heard.size(), 2u);

    Document copy = document;  // a snapshot tells nobody
    copy.SetLines({"", "S"}, 38, 28);
    EXPECT_EQ(listener.heard.size(), 2u);
    document = copy;  // assigning keeps the target's own observers
    document.SetLines({"", "T"}, 38, 28);
    EXPECT_EQ(listener.heard.size(), 3u);
}

}  // namespace
}  // namespace tessra
