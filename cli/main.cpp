#include "cliapp.h"
#include "signalguard.h"

#include <cstdio>
#include <iostream>
#include <unistd.h>

int main(int argc, char** argv)
{
    // Before any job thread starts, so that every thread inherits the blocked signals.
    InstallSignalGuard();
    return RunCli(argc, argv, std::cout, std::cerr, ::isatty(STDERR_FILENO) != 0);
}
