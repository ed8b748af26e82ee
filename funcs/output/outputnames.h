// The output-name rules that the windows and the command-line companion share:
// default and final merge names, and whether an output can be created.
#pragma once

#include "text/coretext.h"

#include <functional>
#include <string>

// Default merge output: <defaultFolder>Tarvex/<stem of the input's name>_me.pdf
std::string DefaultMergeOutputName(const std::string& defaultFolder, const std::string& inputPath);

// Keeps an output name from being a listed input: while isListed(S), S becomes
// RemoveFileExt(current) + n + ".pdf" for n = 1, 2, ... Returns current unchanged
// when it is not listed.
std::string UnlistedOutputName(const std::string& current,
                               const std::function<bool(const std::string&)>& isListed);

inline constexpr char TxtAlreadyExists[] = CORE_TEXT("Plicora", "\"%1\" aleady exists");

// "<quoted name> aleady exists" (the front end adds how to go on).
TCoreText AlreadyExistsText(const std::string& name);

// Final merge output name: the typed text trimmed, ".pdf" appended unless its
// extension is ".pdf" in any case.
std::string FinalMergeOutputName(const std::string& typed);

// Creation test: creates and removes a temporary name in the output's folder and
// checks that the output name fits the file system and, when it exists, is a
// writable file (a link to one included). An existing output is left as it is,
// to be replaced only when a job moves its finished file into place. False when
// the output could not be made.
bool TestCreateOutputFile(const std::string& path);
// The same test, saying why not in one line; "" when the output can be made.
std::string OutputCreationProblem(const std::string& path);
