#pragma once

#include "cli/CommandLine.h"

#include "document/BseFile.h"
#include "format/FormatString.h"
#include "format/Presets.h"
#include "support/A4Sheet.h"
#include "support/TempDir.h"
#include "support/DocumentSetUp.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tessra::test {

// The bundled sample document.
inline const QString kSample = QStringLiteral(TESSRA_SOURCE_DIR "/examples/sample.BSE");

struct CliRun { int exitCode; std::string out, err; };

// The sheet of the embosser's worked example: one A4 label, LP22, lines ABC and DE.
inline AppState A4Document()
{
    return A4State({"", "ABC", "DE"});
}

// Per-label data on a catalogue layout.
inline AppState PerLabelDocument(const Preset& preset, int linesPerPage, std::vector<std::string> lines)
{
    AppState state = A4Document();
    ParseFormatString(preset.layout, Set(state).format);
    Set(state).sameDataForAllLabels = false;
    Set(state).linesPerPage = linesPerPage;
    Set(state).lines = std::move(lines);
    return state;
}

// Document lines of `pages` pages of one line each: 'A' on page 0, 'B' on page 1 and so on.
inline std::vector<std::string> LetterPages(int pages)
{
    std::vector<std::string> lines;
    for (int k = 0; k < pages; ++k) lines.insert(lines.end(), {"", std::string(1, char('A' + k))});
    return lines;
}

// Runs one command line in-process.
inline CliRun RunTessra(const QStringList& arguments, bool errIsTerminal = false)
{
    std::ostringstream out, err;
    CliStreams streams{out, err, errIsTerminal};
    const int exitCode = RunCommandLine(arguments, streams);
    return {exitCode, out.str(), err.str()};
}

// Runs subcommands in-process, each test with its own directory and settings record.
class CliTest : public testing::Test {
protected:
    QString Save(AppState state, std::string_view name = "doc.BSE")
    {
        state.document.Rename(dir.File(name), state.document.fileExtension());
        EXPECT_EQ(WriteBseFile(state.document), std::nullopt);
        return QString::fromStdString(state.document.filePath());
    }

    CliRun Tessra(QStringList arguments, bool errIsTerminal = false)
    {
        return RunTessra(arguments << "--settings" << QString::fromStdString(settings), errIsTerminal);
    }

    TempDir dir;
    std::string settings = dir.File("Tessra.ini");
};

}  // namespace tessra::test
