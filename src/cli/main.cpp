#include "app/CTessraApp.h"
#include "cli/CommandLine.h"
#include "platform/SettingsLocation.h"

#include <QFile>

#include <QString>

#include <iostream>
#include <unistd.h>

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    if (const auto desktop = tessra::DesktopCommandLine(arguments)) {
        const std::string settingsPath = desktop->settingsPath.isEmpty()
                                             ? tessra::DefaultSettingsPath()
                                             : QFile::encodeName(desktop->settingsPath).toStdString();
        return tessra::CTessraApp(argc, argv).Run(settingsPath, desktop->file);
    }
    tessra::CliStreams streams{std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1};
    return tessra::RunCommandLine(arguments, streams);
}
