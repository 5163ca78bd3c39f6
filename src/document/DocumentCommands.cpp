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

DocumentContent NewDocumentContent()
{
    DocumentContent content;
    FormatChoice& choice = content.choice;
    choice.selectedPresetKey = std::string(preset::kDefaultKey);
    choice.formatPresetKey = std::string(preset::kDefaultKey);
    choice.formatString = std::string(preset::kDefaultFormat);
    content.cellsPerLine = 38;
    content.linesPerPage = 28;
    content.headerCount = 1;
    FormatBarShown(choice);
    choice.sameDataForAllLabels = true;
    return content;
}

void NewDocument(AppState& state)
{
    state.chosenLabel = 0;
    state.viewMode = mode::kSheet;
    state.zoom = mode::kZoom0;
    state.shownSheet = 0;
    state.document.Replace(NewDocumentContent(), std::string(kNewDocumentPath), {}, Document::Start::Unmodified);
}

std::optional<std::string> OpenDocument(AppState& state, const std::string& path)
{
    if (const auto kind = BrailleFileKindOf(path); kind && *kind != BrailleFileKind::Bse)
        return ImportBrailleFile(state, path, *kind, DefaultImportPreset());
    DocumentContent content;
    std::optional<std::string> message = ReadBseFile(path, content);
    LoadStoredFormat(content.choice);
    content.choice.sameDataForAllLabels = content.choice.format.formatDataMode == 0;
    state.chosenLabel = 0;
    state.shownSheet = 0;  // a document is first shown from its first sheet
    state.document.Replace(std::move(content), path, ExtensionOf(path), Document::Start::Unmodified);
    return message;
}

std::optional<std::string> SaveDocument(AppState& state)
{
    if (!state.document.fileOpen()) return std::string(kNoDocumentMessage);
    return WriteBseFile(state.document);
}

std::optional<std::string> SaveDocumentAs(AppState& state, const std::string& path)
{
    if (!state.document.fileOpen()) return std::string(kNoDocumentMessage);
    const std::string extension = ExtensionOf(path);
    if (extension != "BSE" && extension != "bse") return std::string(kBadExtensionMessage);
    state.document.Rename(path, extension);
    return WriteBseFile(state.document);
}

std::string DocumentTitle(const AppState& state)
{
    return "テッスラ　　　　　　[　" + state.document.filePath() + "  ] ";
}

}  // namespace tessra
