#pragma once

#include "document/AppState.h"
#include "platform/Dialogs.h"

#include <QApplication>

#include <memory>
#include <string>

namespace tessra {

class CMainFrame;

// Start-up of the window side: settings read (created when missing), the first caption, the
// view's first modes.
void InitInstance(CMainFrame& frame, AppState& state, const std::string& settingsPath);

// Puts the toolkit's own Japanese texts (standard buttons, file dialogs) on `application`;
// false, and the English texts stay, when the translation file is not installed.
bool LoadToolkitTranslations(QCoreApplication& application);

// The desktop program: `tessra [--settings PATH] [FILE.BSE]`.
class CTessraApp {
public:
    CTessraApp(int& argc, char** argv);
    ~CTessraApp();

    // Starts up with the settings record at `settingsPath`, opens `file` when one is given, and
    // runs until the main window closes; the process's exit status.
    int Run(const std::string& settingsPath, const QString& file);

private:
    QApplication application_;
    AppState state_;
    QtDialogs dialogs_;
    std::unique_ptr<CMainFrame> frame_;
};

}  // namespace tessra
