#include "cliapp.h"
#include "output/signalguard.h"
#include "platform/platform.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

int main(int argc, char** argv)
{
    // Before any job thread starts, so that every thread inherits the blocked signals.
    InstallSignalGuard();
#ifdef _WIN32
    // Lines end in "\n" as on other systems, the bytes are UTF-8 and the console
    // is told so.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
    const bool errIsTerminal = _isatty(_fileno(stderr)) != 0;
#else
    const bool errIsTerminal = ::isatty(STDERR_FILENO) != 0;
#endif
    const std::vector<std::string> args = plat::programArguments(argc, argv);
    std::vector<const char*> pointers;
    for (const std::string& arg : args)
        pointers.push_back(arg.c_str());
    return RunCli(static_cast<int>(pointers.size()), pointers.data(), std::cout, std::cerr, errIsTerminal);
}
