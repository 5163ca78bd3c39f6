#include "document/BrailleFiles.h"
#include "document/DocumentCommands.h"
#include "ui/MainWindowFixture.h"
#include "support/DocumentSetUp.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace tessra {
namespace {

using namespace command;

class BrailleFilesUiTest : public test::MainWindowFixture {
protected:
    static QString Text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }
};

TEST_F(BrailleFilesUiTest, OpenReadsABrfUnnamedAndSaveAsksForABseName)
{
    test::WriteBytes(dir.File("in.brf"), "AB\r\n\f");
    dialogs.files = {InDir("in.brf"), InDir("kept.BSE")};
    Trigger(kOpen);
    for (const char* pattern : {"*.BSE", "*.brf", "*.pef", "*.txt"})
        EXPECT_TRUE(dialogs.fileRequests.front().filter.contains(QLatin1String(pattern))) << pattern;
    EXPECT_EQ(state.document.filePath(), "");
    Trigger(kSave);
    EXPECT_EQ(dialogs.fileRequests.back().defaultSuffix, QStringLiteral("BSE"));
    EXPECT_EQ(test::ReadBytes(dir.File("kept.BSE")).substr(kBseHeaderSize), "  \r\nAB\r\n\x1A");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(BrailleFilesUiTest, ExportWritesTheChosenKindAndLeavesTheDocumentAsItWas)
{
    Trigger(kExport);
    EXPECT_EQ(dialogs.messages, QStringList(Text(kNoDocumentMessage)));
    EXPECT_TRUE(frame.menuBar()->actions().first()->menu()->actions().contains(frame.Actions().Action(kExport)));
    Trigger(kNew);
    Set(state).lines = {"", "AB"};
    test::Touch(state);
    dialogs.messages.clear();
    dialogs.files = {InDir("out.pef"), InDir("out.doc")};
    Trigger(kExport);
    Trigger(kExport);
    EXPECT_EQ(dialogs.fileRequests.front().initialName, QStringLiteral("NoName.brf"));
    EXPECT_NE(test::ReadBytes(dir.File("out.pef")).find("<row>⠁⠃</row>"), std::string::npos);
    EXPECT_EQ(dialogs.messages, QStringList(Text(kExportExtensionMessage)));
    EXPECT_EQ(state.document.filePath(), std::string(kNewDocumentPath));
    EXPECT_TRUE(state.document.modified());
}

}  // namespace
}  // namespace tessra
