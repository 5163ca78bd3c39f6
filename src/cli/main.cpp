#include "cli/CommandLine.h"

#include <QString>

#include <iostream>
#include <unistd.h>

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    if (tessra::DesktopCommandLine(arguments)) {
        std::cerr << "tessra: the desktop program is not part of this build yet; "
                     "'tessra --help' lists the subcommands.\n";
        return tessra::kExitUsage;
    }
    tessra::CliStreams streams{std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1};
    return tessra::RunCommandLine(arguments, streams);
}
