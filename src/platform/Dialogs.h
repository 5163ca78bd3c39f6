#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace tessra {

// Every message box and file dialog of the program goes through this seam, so that widget tests
// can answer them without a modal loop.

enum class MessageIcon { None, Information, Exclamation, Stop };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct MessageRequest {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    bool beep = false;
};

// File names here keep their bytes as PathFromBytes does.
struct FileRequest {
    QString title;          // empty: the toolkit's own title
    QString filter;         // "entry(*.EXT )"
    QString initialName;
    QString defaultSuffix;  // added to a name typed without one
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MessageAnswer ShowMessage(QWidget* parent, const MessageRequest& request) = 0;
    // The chosen existing file, or nothing when cancelled.
    virtual std::optional<QString> OpenFileName(QWidget* parent, const FileRequest& request) = 0;
    // The chosen file name (replacing an existing file confirmed), or nothing when cancelled.
    virtual std::optional<QString> SaveFileName(QWidget* parent, const FileRequest& request) = 0;
};

// Message boxes and the toolkit's file dialogs.
class QtDialogs final : public Dialogs {
public:
    MessageAnswer ShowMessage(QWidget* parent, const MessageRequest& request) override;
    std::optional<QString> OpenFileName(QWidget* parent, const FileRequest& request) override;
    std::optional<QString> SaveFileName(QWidget* parent, const FileRequest& request) override;
};

}  // namespace tessra
