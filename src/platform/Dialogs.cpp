#include "platform/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace tessra {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer AnswerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return MessageAnswer::Ok;
    }
}

// With several filters, a name typed without an extension takes the chosen filter's.
void SuffixFollowsFilter(QFileDialog& dialog)
{
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
        const QRegularExpressionMatch match = pattern.match(filter);
        if (match.hasMatch()) dialog.setDefaultSuffix(match.captured(1));
    });
}

std::optional<QString> Chosen(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

}  // namespace

MessageAnswer QtDialogs::ShowMessage(QWidget* parent, const MessageRequest& request)
{
    if (request.beep) QApplication::beep();
    const bool question = request.buttons == MessageButtons::YesNoCancel;
    QMessageBox box(BoxIcon(request.icon), request.title, request.text,
                    question ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                             : QMessageBox::Ok,
                    parent);
    box.setDefaultButton(question ? QMessageBox::Yes : QMessageBox::Ok);
    return AnswerOf(box.exec());
}

std::optional<QString> QtDialogs::OpenFileName(QWidget* parent, const FileRequest& request)
{
    QFileDialog dialog(parent, request.title, QString(), request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Chosen(dialog);
}

std::optional<QString> QtDialogs::SaveFileName(QWidget* parent, const FileRequest& request)
{
    QFileDialog dialog(parent, request.title, QString(), request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    SuffixFollowsFilter(dialog);
    if (!request.initialName.isEmpty()) dialog.selectFile(request.initialName);
    return Chosen(dialog);
}

}  // namespace tessra
