#pragma once

#include "document/AppState.h"
#include "document/BraillePages.h"
#include "format/Presets.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessra {

// The braille files Tessra reads and writes, told apart by their extensions (any case): BSE
// documents, BRF, PEF and Unicode braille text.
enum class BrailleFileKind { Bse, Brf, Pef, Text };

std::optional<BrailleFileKind> BrailleFileKindOf(std::string_view path);

// Files of a kind this large are refused by its reader and never written, so that every file
// Tessra writes opens again. BRF, PEF and text may be larger than a BSE file (PEF spends some 25
// bytes on a row of a few cells), but the document they make must fit in a BSE file.
inline constexpr std::size_t kBrailleFileSizeLimit = 16'000'000;
std::size_t SizeLimitOf(BrailleFileKind kind);

// The pages of a BRF, PEF or text file image, or its refusal.
PagesRead ParseBrailleFile(std::string_view bytes, BrailleFileKind kind);

// Reads the BRF, PEF or text file at `path` into an unnamed document on `preset`. A file that
// cannot be read, is too large, makes too large a document or is refused leaves `state` as it
// was; the message is returned.
std::optional<std::string> ImportBrailleFile(AppState& state, const std::string& path,
                                             BrailleFileKind kind, const Preset& preset);

// The document as a BRF, PEF or text file: its bytes, or the refusal of a cell no such file holds
// or of a file that could not be opened again.
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
