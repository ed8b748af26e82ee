// Shell and file-system services, and the output-name rules that the windows and
// the command-line companion share. Qt-free; window thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The desktop's documents folder (XDG_DOCUMENTS_DIR of user-dirs.dirs) with a
// trailing separator, or "" when it is not set or is not an existing folder.
std::string GetDocumentsFolder();

// The documents folder, or the user's home folder (with a trailing separator)
// when there is none. Base of every default output name.
std::string DefaultOutputFolder();

// Creates every missing folder of an absolute path, one level at a time from the
// root outward. False for a relative path (disk untouched) and at the first level
// that cannot be made; the levels made before it stay.
bool CreateFolderChain(const std::string& path);

// Name cut before its last "." (the search does not stop at a separator); the
// name unchanged when it holds no ".".
std::string RemoveFileExt(const std::string& name);

// The file-name part of a path (after the last separator).
std::string ExtractFileName(const std::string& path);
// The folder part of a path including its trailing separator ("" when none).
std::string ExtractFilePath(const std::string& path);
// The extension of the file-name part, from its last "." on; "" when none.
std::string ExtractFileExt(const std::string& path);

// Size text of the merge list: "%6d B", "%6.2f K", "%6.2f M", "%.2f G", with the
// given decimal separator.
std::string FileSizeText(std::uint64_t size, char decimalSeparator = '.');

// Default merge output: <defaultFolder>Tarvex/<stem of the input's name>_me.pdf
std::string DefaultMergeOutputName(const std::string& defaultFolder, const std::string& inputPath);

// Keeps an output name from being a listed input: while isListed(S), S becomes
// RemoveFileExt(current) + n + ".pdf" for n = 1, 2, ... Returns current unchanged
// when it is not listed.
std::string UnlistedOutputName(const std::string& current,
                               const std::function<bool(const std::string&)>& isListed);

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
