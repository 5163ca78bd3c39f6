#include "document/BrailleFiles.h"

#include "document/FileIo.h"
#include "document/BraillePages.h"
#include "document/BrailleText.h"
#include "document/BrfFile.h"
#include "document/BseFile.h"
#include "document/PefFile.h"

#include <algorithm>
#include <filesystem>

namespace tessra {
namespace {

std::string Lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : static_cast<char>(c); });
    return text;
}

// Why the pages of a file are not made into a document, or a document not written (`verb`).
std::string DocumentTooLarge(std::string_view verb)
{
    return "点字文書が" + SizeLimitWords(kBseSizeLimit) + " 以上の大きさになるため、" +
           std::string(verb) + "。";
}

}  // namespace

std::size_t SizeLimitOf(BrailleFileKind kind)
{
    return kind == BrailleFileKind::Bse ? kBseSizeLimit : kBrailleFileSizeLimit;
}

std::optional<BrailleFileKind> BrailleFileKindOf(std::string_view path)
{
    const std::string extension = Lowered(std::filesystem::path(path).extension().string());
    if (extension == ".bse") return BrailleFileKind::Bse;
    if (extension == ".brf") return BrailleFileKind::Brf;
    if (extension == ".pef") return BrailleFileKind::Pef;
    if (extension == ".txt") return BrailleFileKind::Text;
    return std::nullopt;
}

PagesRead ParseBrailleFile(std::string_view bytes, BrailleFileKind kind)
{
    switch (kind) {
    case BrailleFileKind::Brf: return ParseBrf(bytes);
    case BrailleFileKind::Pef: return ParsePef(bytes);
    case BrailleFileKind::Text: return ParseBrailleText(bytes);
    case BrailleFileKind::Bse: break;
    }
    return {};
}

std::optional<std::string> ImportBrailleFile(AppState& state, const std::string& path,
                                             BrailleFileKind kind, const Preset& preset)
{
    const std::size_t limit = SizeLimitOf(kind);
    const std::optional<std::string> bytes = ReadFileHead(path, limit);
    if (!bytes) return path + "\n\n" + std::string(kOpenFailedMessage);
    if (bytes->size() >= limit) return TooLargeToOpenMessage(limit);
    PagesRead read = ParseBrailleFile(*bytes, kind);
    if (read.problem) return path + "\n\n" + *read.problem;
    if (BseSizeOfPages(read.pages) >= kBseSizeLimit) return path + "\n\n" + DocumentTooLarge("開けません");
    LoadPages(std::move(read.pages), preset, state);
    return std::nullopt;
}

ExportImage BuildExportImage(const AppState& state, BrailleFileKind kind)
{
    const BraillePages pages = DocumentPages(state);
    if (std::optional<std::string> problem = FirstForeignCell(pages)) return {{}, std::move(problem)};
    if (BseSizeOfPages(pages) >= kBseSizeLimit) return {{}, DocumentTooLarge("書き出せません")};
    std::string bytes;
    switch (kind) {
    case BrailleFileKind::Brf: bytes = BuildBrf(pages); break;
    case BrailleFileKind::Pef: bytes = BuildPef(pages); break;
    case BrailleFileKind::Text: bytes = BuildBrailleText(pages); break;
    case BrailleFileKind::Bse: return {};
    }
    if (bytes.size() >= SizeLimitOf(kind)) return {{}, TooLargeToSaveMessage(SizeLimitOf(kind))};
    return {std::move(bytes), std::nullopt};
}

std::optional<std::string> ExportDocument(const AppState& state, const std::string& path)
{
    const std::optional<BrailleFileKind> kind = BrailleFileKindOf(path);
    if (!kind || *kind == BrailleFileKind::Bse) return std::string(kExportExtensionMessage);
    const ExportImage image = BuildExportImage(state, *kind);
    if (image.problem) return image.problem;
    if (!WriteFileAtomically(path, image.bytes)) return std::string(kSaveFailedMessage);
    return std::nullopt;
}

std::optional<std::string> WriteBrailleFile(AppState& state, const std::string& path)
{
    if (BrailleFileKindOf(path) != BrailleFileKind::Bse) return ExportDocument(state, path);
    state.document.Rename(path, state.document.fileExtension());
    return WriteBseFile(state.document);
}

}  // namespace tessra
