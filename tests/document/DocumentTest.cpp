#include "document/Document.h"

#include <gtest/gtest.h>

#include <functional>
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

    Document document;
    Listener listener;
};

// One document taken through a session: each step leaves the flag by its own rule and tells the
// observers once what it changed, or nothing when nothing did.
TEST_F(DocumentTest, EachChangeSetsTheFlagByItsRuleAndTellsWhatChanged)
{
    using Origin = Document::FormatOrigin;
    const FormatChoice opened = TwoLines().choice;
    FormatChoice wider = opened, rebuilt = opened;
    wider.format.labelWidth = 100;
    rebuilt.formatString = "rebuilt";
    Document& d = document;
    const struct {
        const char* step;
        std::function<void()> change;
        bool modified;
        unsigned told;  // 0: nobody is told
    } steps[] = {
        {"a letter typed", [&] { d.SetLines({"", "ABD"}, 38, 28); }, true, kLinesChanged | kModifiedChanged},
        {"and taken back", [&] { d.SetLines({"", "ABC"}, 38, 28); }, false, kLinesChanged | kModifiedChanged},
        {"the same lines again", [&] { d.SetLines({"", "ABC"}, 38, 28); }, false, 0},
        {"the bar re-reading its lists", [&] { d.SetFormat(wider, Origin::Preset); }, false, kFormatChanged},
        {"a user's change, even to the same value", [&] { d.SetFormat(wider, Origin::User); }, true, kModifiedChanged},
        {"undone to the saved format", [&] { d.SetFormat(opened, Origin::History); }, false, kFormatChanged | kModifiedChanged},
        {"redone", [&] { d.SetFormat(wider, Origin::History); }, true, kFormatChanged | kModifiedChanged},
        {"a modified document re-read by the bar", [&] { d.SetFormat(opened, Origin::Preset); }, true, kFormatChanged},
        {"lines edited", [&] { d.SetLines({"", "X"}, 38, 28); }, true, kLinesChanged},
        {"a name alone saves nothing", [&] { d.Rename("b.BSE", "BSE"); }, true, kPathChanged},
        {"saved", [&] { d.Saved("b.BSE", "BSE", rebuilt); EXPECT_EQ(d.formatString(), "rebuilt"); }, false,
         kPathChanged | kFormatChanged | kModifiedChanged},
        {"the lines as opened are no longer the saved ones", [&] { d.SetLines({"", "ABC"}, 38, 28); }, true,
         kLinesChanged | kModifiedChanged},
        {"back to the lines saved", [&] { d.SetLines({"", "X"}, 38, 28); }, false, kLinesChanged | kModifiedChanged},
        {"reading marks", [&] { d.SetUncheckedReadings({{1, {"山", "X"}}}); EXPECT_EQ(d.uncheckedReadings().size(), 1u); },
         false, kReadingsChanged},
        {"composed anew, the marks gone",
         [&] { d.Replace(TwoLines(), "c.BSE", "BSE", Document::Start::Modified); EXPECT_TRUE(d.uncheckedReadings().empty()); },
         true, kEverything},
        {"closed", [&] { d.Close(); EXPECT_TRUE(!d.fileOpen() && d.lines().empty()); }, false, kEverything},
    };
    for (const auto& s : steps) {
        listener.heard.clear();
        s.change();
        EXPECT_EQ(d.modified(), s.modified) << s.step;
        EXPECT_EQ(listener.heard, s.told ? std::vector<unsigned>{s.told} : std::vector<unsigned>{}) << s.step;
    }
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
