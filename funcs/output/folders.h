// Where outputs go: the desktop's documents folder, the default output folder and
// the creation of output folder chains. Qt-free; window thread and command line.
#pragma once

#include <string>

// The desktop's documents folder (XDG_DOCUMENTS_DIR of user-dirs.dirs) with a
// trailing separator, or "" when it is not set or is not an existing folder.
std::string GetDocumentsFolder();

// The documents folder, or the user's home folder (with a trailing separator)
// when there is none. Base of every default output name.
std::string DefaultOutputFolder();

// Creates every missing folder of an absolute path, one level at a time from the
// root outward. False for a relative path (disk untouched) and at the first level
// that cannot be made; the levels made before it stay. *why then gets one line
// saying why (a file in the way, no permission, a path too long...).
bool CreateFolderChain(const std::string& path, std::string* why = nullptr);
