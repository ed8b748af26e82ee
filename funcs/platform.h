// Thin platform layer: the one place that knows the path separator and how the
// operating system is asked about files, folders, the environment and libraries.
// POSIX here; a Win32 build supplies the same functions from platform_win32.cpp.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace plat {

#ifdef _WIN32
inline constexpr char PathSeparator = '\\';
#else
inline constexpr char PathSeparator = '/';
#endif

// True when something of that name exists (file, folder or other).
bool pathExists(const std::string& path);
// True only for an existing folder (links are followed).
bool isDirectory(const std::string& path);
// Creates one folder level; false when it cannot be made (parent missing, a file
// of that name exists, no permission...).
bool makeDirectory(const std::string& path);
// Size of a file in bytes, or nothing when its attributes cannot be read.
std::optional<std::uint64_t> fileSize(const std::string& path);
// Creates (truncating) a file for writing and closes it again; false on failure.
bool createEmptyFile(const std::string& path);
bool removeFile(const std::string& path);

// Environment variable; empty when unset.
std::string getEnv(const char* name);
// The user's home folder with a trailing separator; "/" when unknown.
std::string homeFolder();
// The system's text for an errno-style error code.
std::string errorText(int code);

// Run-time library loading. openLibrary returns nullptr on failure.
void* openLibrary(const std::string& path);
void* librarySymbol(void* handle, const char* name);
bool closeLibrary(void* handle);

#ifdef _WIN32
// A string value of the registry ("" when the key or value is missing or longer
// than 260 bytes). HKEY_CURRENT_USER when currentUser, else HKEY_LOCAL_MACHINE.
std::string readRegistryString(bool currentUser, const std::string& key, const std::string& value);
#endif

} // namespace plat
