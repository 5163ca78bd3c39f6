#include "document/DocumentCommands.h"

#include "document/BraillePages.h"
#include "document/BrailleFiles.h"
#include "document/BseFile.h"
#include "format/FormatBarState.h"
#include "format/Presets.h"

#include <filesystem>

namespace tessra {
namespace {

std::string ExtensionOf(const std::string& path)
{
    const std::string extension = std::filesystem::path(path).extension().string();
    return extension.empty() ? extension : extension.substr(1);
}

}  // namespace

void NewDocument(AppState& state)
{
    state.lines.clear();
    state.uncheckedReadings.clear();
    state.chosenLabel = 0;
    state.selectedPresetKey = std::string(preset::kDefaultKey);
    state.formatPresetKey = std::string(preset::kDefaultKey);
    state.filePresetKey.clear();
    state.formatString = std::string(preset::kDefaultFormat);
    state.cellsPerLine = 38;
    state.linesPerPage = 28;
    state.headerCount = 1;
    FormatBarShown(state);
    state.viewMode = mode::kSheet;
    state.zoom = mode::kZoom0;
    state.shownSheet = 0;
    state.fileOpen = true;
    state.sameDataForAllLabels = true;
    state.modified = false;
    state.filePath = std::string(kNewDocumentPath);
}

std::optional<std::string> OpenDocument(AppState& state, const std::string& path)
{
    // The marks are the editor's, of the document it had: a file carries none.
    state.uncheckedReadings.clear();
    if (const auto kind = BrailleFileKindOf(path); kind && *kind != BrailleFileKind::Bse)
        return ImportBrailleFile(state, path, *kind, DefaultImportPreset());
    state.filePath = path;
    state.fileExtension = ExtensionOf(path);
    state.lines.clear();
    state.chosenLabel = 0;
    state.filePresetKey.clear();
    state.formatString.clear();
    state.selectedPresetKey.clear();
    state.formatPresetKey.clear();
    std::optional<std::string> message = ReadBseFile(state);
    LoadStoredFormat(state);
    state.fileOpen = true;
    state.modified = false;
    state.shownSheet = 0;  // a document is first shown from its first sheet
    state.sameDataForAllLabels = state.format.formatDataMode == 0;
    return message;
}

std::optional<std::string> SaveDocument(AppState& state)
{
    if (!state.fileOpen) return std::string(kNoDocumentMessage);
    return WriteBseFile(state);
}

std::optional<std::string> SaveDocumentAs(AppState& state, const std::string& path)
{
    if (!state.fileOpen) return std::string(kNoDocumentMessage);
    const std::string extension = ExtensionOf(path);
    if (extension != "BSE" && extension != "bse") return std::string(kBadExtensionMessage);
    state.filePath = path;
    state.fileExtension = extension;
    return WriteBseFile(state);
}

std::string DocumentTitle(const AppState& state)
{
    return "テッスラ　　　　　　[　" + state.filePath + "  ] ";
}

}  // namespace tessra
