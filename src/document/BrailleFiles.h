#pragma once

#include "app/AppState.h"
#include "document/BraillePages.h"
#include "format/Presets.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessra {

// The braille files Tessra reads and writes, told apart by their extensions (any case): BSE
// documents, BRF, PEF and Unicode braille text.
enum class BrailleFileKind { Bse, Brf, Pef, Text };

std::optional<BrailleFileKind> BrailleFileKindOf(std::string_view path);

// The pages of a BRF, PEF or text file image, or its refusal.
PagesRead ParseBrailleFile(std::string_view bytes, BrailleFileKind kind);

// Reads the BRF, PEF or text file at `path` into an unnamed document on `preset`. A file that
// cannot be read, is too large or is refused leaves `state` as it was; the message is returned.
std::optional<std::string> ImportBrailleFile(AppState& state, const std::string& path,
                                             BrailleFileKind kind, const Preset& preset);

// The document as a BRF, PEF or text file: its bytes, or the refusal of a cell no such file holds.
struct ExportImage {
    std::string bytes;
    std::optional<std::string> problem;
};
ExportImage BuildExportImage(const AppState& state, BrailleFileKind kind);

inline constexpr std::string_view kExportExtensionMessage =
    "書き出すファイルの拡張子は brf、pef、txt のどれかにしてください";

// Writes the document to `path` as BRF, PEF or text, by the path's extension. Nothing is written
// when the extension is none of them, a cell is refused or the write fails.
std::optional<std::string> ExportDocument(const AppState& state, const std::string& path);

// Writes the document to `path`, its kind by the extension: a BSE file as Save writes it (the
// document then bears that name), else as ExportDocument does.
std::optional<std::string> WriteBrailleFile(AppState& state, const std::string& path);

}  // namespace tessra
