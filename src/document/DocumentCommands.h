#pragma once

#include "document/AppState.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessra {

// The state side of the File commands, shared by the desktop program and the command line. Each
// returns the message to show (UTF-8), if any; dialogs and prompts belong to the caller.

inline constexpr std::string_view kNewDocumentPath = "NoName.BSE";
inline constexpr std::string_view kNoDocumentMessage = "ファイルは開かれていません";
inline constexpr std::string_view kBadExtensionMessage = " ファイルの拡張子は BSE にしてください";

// An empty A4 single-sheet document named NoName.BSE, and what it holds.
void NewDocument(AppState& state);
DocumentContent NewDocumentContent();

// Opens `path` as chosen in the open dialog. A file that cannot be read still leaves an empty
// document with the default format, named by `path`; the reader's message is returned. A BRF,
// PEF or text file (by its extension) becomes an unnamed document on the A4 sheet instead, and
// one that cannot be read leaves the state as it was.
std::optional<std::string> OpenDocument(AppState& state, const std::string& path);

// Save to filePath (the caller runs Save As instead when filePath is empty).
std::optional<std::string> SaveDocument(AppState& state);

// Save As to `path` as chosen in the save dialog. A name whose extension is not exactly BSE or
// bse is refused and the document keeps its previous path.
std::optional<std::string> SaveDocumentAs(AppState& state, const std::string& path);

// The window title for the current file.
std::string DocumentTitle(const AppState& state);

}  // namespace tessra
