// Runs plicora-cli for the end-to-end tests, in-process or as the built program,
// and small text helpers for checking what it wrote. Programs, PDFs and checkers
// come from util/testtools.h.
#pragma once

#include "util/systemtexts.h"
#include "util/testtools.h"

#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace testutil {

// Runs the command line in this process, as the program would with these
// arguments (stderr not a terminal).
TRunResult RunCliInProcess(const std::vector<std::string>& args);

// Runs the built plicora-cli: for what only the program as a process shows (its
// exit codes, its reading of the arguments and of GS_DLL when it starts).
TRunResult RunCliBinary(const std::vector<std::string>& args,
                        const std::map<std::string, std::string>& env = {});

std::string ReadFile(const std::string& path);
// The text with every occurrence of each key replaced by its value.
std::string Expand(std::string text, const std::map<std::string, std::string>& vars);

// Non-empty lines of a text.
std::vector<std::string> Lines(const std::string& text);

// The progress lines of stderr ("%3d%"; on a terminal each after a '\r') as
// "rising to 100%" when each is higher than the one before and the last is
// 100%, else as printed; then the lines after them. How many there are depends
// on how an engine reports its writing.
std::string ProgressShape(const std::string& err);

// One row of a subcommand's refusal table: the arguments after the subcommand and
// the message it must print, both with placeholders such as "$DIR" that the test
// replaces with Expand.
struct RefusalCase
{
    const char* Name;
    std::vector<std::string> Args;
    std::string Message;
};
// Names the case in test listings instead of dumping its bytes.
void PrintTo(const RefusalCase& c, std::ostream* os);
std::string RefusalName(const testing::TestParamInfo<RefusalCase>& info);

// The subcommand followed by its arguments, each expanded.
std::vector<std::string> ExpandedArgs(const std::string& subcommand, const std::vector<std::string>& args,
                                      const std::map<std::string, std::string>& vars);

} // namespace testutil
