#include "app/FileCommands.h"

#include "document/DocumentCommands.h"
#include "platform/Dialogs.h"
#include "platform/PathText.h"

namespace tessra {
namespace {

const char* const kFileFilter = "BASEデータ(*.BSE )";
// Open also reads the braille files of other programs.
const char* const kOpenFilter =
    "BASEデータ(*.BSE );;点字 ASCII（BRF）(*.brf );;PEF(*.pef );;Unicode 点字テキスト(*.txt )";
const char* const kOpenTitle = "編集・印刷ファイルの選択";
const char* const kSaveChangesQuestion = "現在のファイルは変更されています。保存しますか？";
const char* const kMessageTitle = "Tessra";

}  // namespace

FileCommands::FileCommands(AppState& state, Dialogs& dialogs, QWidget* parent, Hooks hooks)
    : state_(state), dialogs_(dialogs), parent_(parent), hooks_(std::move(hooks))
{
}

void FileCommands::New()
{
    NewDocument(state_);
    hooks_.setFormatBarShown(true);
}

void FileCommands::Open()
{
    if (!MayDiscardChanges()) return;
    const FileRequest request{QString::fromUtf8(kOpenTitle), QString::fromUtf8(kOpenFilter), {}, {}};
    if (const std::optional<QString> path = dialogs_.OpenFileName(parent_, request)) OpenPath(*path);
}

void FileCommands::OpenPath(const QString& path)
{
    const std::optional<std::string> message = OpenDocument(state_, PathBytes(path));
    if (message) ShowMessage(*message);
    hooks_.setFormatBarShown(false);
}

bool FileCommands::Save()
{
    if (state_.document.fileOpen() && state_.document.filePath().empty()) return SaveAs();
    const std::optional<std::string> message = SaveDocument(state_);
    if (message) ShowMessage(*message);
    return !message;
}

bool FileCommands::SaveAs()
{
    if (!state_.document.fileOpen()) {
        ShowMessage(std::string(kNoDocumentMessage));
        return false;
    }
    const FileRequest request{{}, QString::fromUtf8(kFileFilter),
                              PathFromBytes(state_.document.filePath()), QStringLiteral("BSE")};
    const std::optional<QString> path = dialogs_.SaveFileName(parent_, request);
    if (!path) return false;
    const std::optional<std::string> message = SaveDocumentAs(state_, PathBytes(*path));
    if (message) ShowMessage(*message);
    return !message;
}

bool FileCommands::MayDiscardChanges()
{
    if (!state_.document.modified()) return true;
    const MessageRequest question{QString::fromUtf8(kMessageTitle), QString::fromUtf8(kSaveChangesQuestion),
                                  MessageIcon::Information, MessageButtons::YesNoCancel, true};
    switch (dialogs_.ShowMessage(parent_, question)) {
    case MessageAnswer::Yes: return SaveAs();
    case MessageAnswer::No: return true;
    default: return false;
    }
}

void FileCommands::ShowMessage(const std::string& utf8Text)
{
    dialogs_.ShowMessage(parent_, {QString::fromUtf8(kMessageTitle), QString::fromStdString(utf8Text)});
}

}  // namespace tessra
