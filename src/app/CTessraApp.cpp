#include "app/CTessraApp.h"

#include "app/CMainFrame.h"
#include "settings/StartUp.h"
#include "display/CTessraView.h"
#include "platform/ProcessClock.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include <algorithm>

namespace tessra {
namespace {

constexpr const char* kStartCaption = "Tessra - テッスラ　　　";

}  // namespace

void InitInstance(CMainFrame& frame, AppState& state, const std::string& settingsPath)
{
    StartUpState(state, settingsPath);
    frame.setWindowTitle(QString::fromUtf8(kStartCaption));
    frame.View().OnInitialUpdate();
    frame.UpdateCommandStates();
}

bool LoadToolkitTranslations(QCoreApplication& application)
{
    // The program itself speaks Japanese whatever the desktop's locale, so the toolkit must too.
    auto* translator = new QTranslator(&application);
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

CTessraApp::CTessraApp(int& argc, char** argv) : application_(argc, argv)
{
    QApplication::setApplicationName(QStringLiteral("Tessra"));
    LoadToolkitTranslations(application_);
}

CTessraApp::~CTessraApp() = default;

int CTessraApp::Run(const std::string& settingsPath, const QString& file)
{
    TraceStartUp("toolkit ready");
    frame_ = std::make_unique<CMainFrame>(state_, dialogs_);
    TraceStartUp("main window created");
    InitInstance(*frame_, state_, settingsPath);
    // Room for the sheet and the whole format bar where the screen allows it.
    const QRect screen = frame_->screen()->availableGeometry();
    frame_->resize(std::min(1200, screen.width() * 9 / 10), std::min(940, screen.height() * 9 / 10));
    frame_->show();
    TraceStartUp("main window shown");
    if (!file.isEmpty()) {
        frame_->Files().OpenPath(file);
        frame_->UpdateCommandStates();
    }
    return QApplication::exec();
}

}  // namespace tessra
