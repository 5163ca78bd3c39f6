#include "app/CTessraApp.h"
#include "cli/CommandLine.h"
#include "platform/PathText.h"
#include "platform/SettingsLocation.h"

#include <QString>

#include <iostream>
#include <unistd.h>

int main(int argc, char* argv[])
{
    const QStringList arguments = tessra::ArgumentsOf(argc, argv);

    if (const auto desktop = tessra::DesktopCommandLine(arguments)) {
        const std::string settingsPath = desktop->settingsPath.isEmpty()
                                             ? tessra::DefaultSettingsPath()
                                             : tessra::PathBytes(desktop->settingsPath);
        return tessra::CTessraApp(argc, argv).Run(settingsPath, desktop->file);
    }
    tessra::CliStreams streams{std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1};
    return tessra::RunCommandLine(arguments, streams);
}
