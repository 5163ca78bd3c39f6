#include "app/ExportCommand.h"

#include "document/BrailleFiles.h"
#include "document/DocumentCommands.h"
#include "platform/Dialogs.h"
#include "platform/PathText.h"

#include <QFile>

namespace tessra {
namespace {

const char* const kExportTitle = "書き出し";
const char* const kExportFilter =
    "点字 ASCII（BRF）(*.brf );;PEF(*.pef );;Unicode 点字テキスト(*.txt )";
const char* const kMessageTitle = "Tessra";

// The document's own name with the first filter's extension.
QString InitialName(const AppState& state)
{
    if (state.document.filePath().empty()) return {};
    const QString path = QFile::decodeName(state.document.filePath().c_str());
    const qsizetype dot = path.lastIndexOf('.');
    return (dot > path.lastIndexOf('/') ? path.left(dot) : path) + QStringLiteral(".brf");
}

void Show(Dialogs& dialogs, QWidget* parent, std::string_view text)
{
    dialogs.ShowMessage(parent, {QString::fromUtf8(kMessageTitle),
                                 QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))});
}

}  // namespace

void OnExport(const AppState& state, Dialogs& dialogs, QWidget* parent)
{
    if (!state.document.fileOpen()) return Show(dialogs, parent, kNoDocumentMessage);
    const FileRequest request{QString::fromUtf8(kExportTitle), QString::fromUtf8(kExportFilter),
                              InitialName(state), QStringLiteral("brf")};
    const std::optional<QString> path = dialogs.SaveFileName(parent, request);
    if (!path) return;
    if (const auto message = ExportDocument(state, PathBytes(*path)))
        Show(dialogs, parent, *message);
}

}  // namespace tessra
