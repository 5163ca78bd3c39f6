#include "app/CTessraApp.h"

#include "app/CMainFrame.h"
#include "app/StartUp.h"
#include "display/CTessraView.h"
#include "platform/ProcessClock.h"
#include "platform/SettingsLocation.h"

#include <QCommandLineParser>
#include <QFile>

#include <iostream>
#include <optional>

namespace tessra {
namespace {

constexpr int kUsageError = 2;
constexpr const char* kStartCaption = "Tessra - テッスラ　　　";

struct DesktopOptions {
    std::string settingsPath;
    QString file;
};

std::optional<DesktopOptions> ParseOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addOption({"settings", "Use the settings record at PATH.", "PATH"});
    parser.addPositionalArgument("FILE", "A BSE document to open.", "[FILE.BSE]");
    if (!parser.parse(arguments) || parser.positionalArguments().size() > 1) {
        const QString reason = parser.errorText().isEmpty() ? QStringLiteral("Only one FILE can be given.")
                                                            : parser.errorText();
        std::cerr << reason.toStdString() << "\nusage: tessra [--settings PATH] [FILE.BSE]\n";
        return std::nullopt;
    }
    DesktopOptions options;
    options.settingsPath = parser.isSet("settings") ? QFile::encodeName(parser.value("settings")).toStdString()
                                                    : DefaultSettingsPath();
    if (!parser.positionalArguments().isEmpty()) options.file = parser.positionalArguments().first();
    return options;
}

}  // namespace

void InitInstance(CMainFrame& frame, AppState& state, const std::string& settingsPath)
{
    StartUpState(state, settingsPath);
    frame.setWindowTitle(QString::fromUtf8(kStartCaption));
    frame.View().OnInitialUpdate();
    frame.UpdateCommandStates();
}

CTessraApp::CTessraApp(int& argc, char** argv) : application_(argc, argv)
{
    QApplication::setApplicationName(QStringLiteral("Tessra"));
}

CTessraApp::~CTessraApp() = default;

int CTessraApp::Run()
{
    const std::optional<DesktopOptions> options = ParseOptions(QApplication::arguments());
    if (!options) return kUsageError;

    TraceStartUp("toolkit ready");
    frame_ = std::make_unique<CMainFrame>(state_, dialogs_);
    TraceStartUp("main window created");
    InitInstance(*frame_, state_, options->settingsPath);
    frame_->resize(900, 700);
    frame_->show();
    TraceStartUp("main window shown");
    if (!options->file.isEmpty()) {
        frame_->Files().OpenPath(options->file);
        frame_->UpdateCommandStates();
    }
    return QApplication::exec();
}

}  // namespace tessra
