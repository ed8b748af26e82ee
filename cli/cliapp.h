// Argument parsing and dispatch of plicora-cli, apart from main() so that tests
// can drive it in-process.
#pragma once

#include <ostream>

// Parses the arguments, runs the chosen subcommand and returns the exit code:
// 0 success (also --help, --version), 1 the job failed, 2 the input was refused
// (usage errors included).
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err, bool errIsTerminal);
