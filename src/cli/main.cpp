#include "app/CTessraApp.h"
#include "cli/CommandLine.h"

#include <QString>

#include <iostream>
#include <unistd.h>

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    if (arguments.isEmpty() || !tessra::IsSubcommand(arguments.first()))
        return tessra::CTessraApp(argc, argv).Run();
    tessra::CliStreams streams{std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1};
    return tessra::RunCommandLine(arguments, streams);
}
