#pragma once

#include "cli/CommandLine.h"

#include "document/BseFile.h"
#include "format/FormatString.h"
#include "format/Presets.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace tessra::test {

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

// Runs a subcommand in-process with its own settings record.
inline CliRun RunTessra(QStringList arguments, const std::string& settings, bool errIsTerminal = false)
{
    std::ostringstream out;
    std::ostringstream err;
    CliStreams streams{out, err, errIsTerminal};
    arguments << "--settings" << QString::fromStdString(settings);
    const int exitCode = RunCommandLine(arguments, streams);
    return {exitCode, out.str(), err.str()};
}

// The sheet of the embosser's worked example: one A4 label, LP22, lines ABC and DE.
inline AppState A4Document()
{
    AppState state;
    state.selectedPresetKey = std::string(preset::kDefaultKey);
    ParseFormatString(preset::kDefaultFormat, state.format);
    state.sameDataForAllLabels = true;
    state.cellsPerLine = 38;
    state.linesPerPage = 28;
    state.headerCount = 1;
    state.lines = {"", "ABC", "DE"};
    return state;
}

inline QString SavedAs(AppState state, const std::string& path)
{
    state.filePath = path;
    EXPECT_EQ(WriteBseFile(state), std::nullopt);
    return QString::fromStdString(path);
}

}  // namespace tessra::test
