#pragma once

#include "document/AppState.h"

#include <QString>

#include <functional>

class QWidget;

namespace tessra {

class Dialogs;

// The File menu's commands with their dialogs and messages around the document operations.
class FileCommands {
public:
    struct Hooks {
        std::function<void(bool shown)> setFormatBarShown;
    };

    FileCommands(AppState& state, Dialogs& dialogs, QWidget* parent, Hooks hooks);

    void New();
    void Open();
    // Opens `path` as Open does after its dialog.
    void OpenPath(const QString& path);
    // Whether the document was written.
    bool Save();
    bool SaveAs();
    // The unsaved-changes prompt: whether the calling command may go on. After Yes it goes on
    // only when Save As wrote the document, so changes are never lost silently.
    bool MayDiscardChanges();

private:
    void ShowMessage(const std::string& utf8Text);

    AppState& state_;
    Dialogs& dialogs_;
    QWidget* parent_;
    Hooks hooks_;
};

}  // namespace tessra
