#pragma once

#include "platform/Dialogs.h"

#include <QStringList>

#include <deque>

namespace tessra::test {

// Answers message boxes and file dialogs from a script and records what was asked. An empty
// script answers OK or Cancel.
class ScriptedDialogs final : public Dialogs {
public:
    std::deque<MessageAnswer> answers;
    std::deque<QString> files;  // an empty name cancels the dialog
    QStringList messages;
    QList<FileRequest> fileRequests;

    MessageAnswer ShowMessage(QWidget*, const MessageRequest& request) override
    {
        messages << request.text;
        return Next(answers, request.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel);
    }

    std::optional<QString> OpenFileName(QWidget*, const FileRequest& request) override { return File(request); }
    std::optional<QString> SaveFileName(QWidget*, const FileRequest& request) override { return File(request); }

private:
    template <typename T>
    static T Next(std::deque<T>& script, T fallback)
    {
        if (script.empty()) return fallback;
        T next = script.front();
        script.pop_front();
        return next;
    }

    std::optional<QString> File(const FileRequest& request)
    {
        fileRequests << request;
        const QString name = Next(files, QString());
        if (name.isEmpty()) return std::nullopt;
        return name;
    }
};

}  // namespace tessra::test
