// platform/: the one layer that talks to the operating system. Uses only the
// standard library and the system's own API.
//
// Thin platform layer: the one place that knows the path separator and how the
// operating system is asked about files, folders, the environment and libraries.
// POSIX here; a Win32 build supplies the same functions from platform_win32.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Paths are UTF-8 everywhere in the core; the Win32 layer turns them into UTF-16
// for the wide system calls, so any name the file system holds can be reached.
namespace plat {

#ifdef _WIN32
inline constexpr char PathSeparator = '\\';
#else
inline constexpr char PathSeparator = '/';
#endif

// Whether the file system takes names that differ only in letter case for one
// name (NTFS as Windows sets it up) or for two (Linux file systems).
#ifdef _WIN32
inline constexpr bool CaseFoldedNames = true;
#else
inline constexpr bool CaseFoldedNames = false;
#endif

// Windows takes '/' as well as '\' between folders, and Qt's dialogs and
// drops hand over '/': both end a folder name there.
constexpr bool isPathSeparator(char c)
{
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

// The length of the part of a path that names its root: "/" here; on Windows
// C:\ (or C:/), \\server\share\ and \\?\C:\ as well. 0 for a path that depends
// on a current folder or drive (name, C:name, \name).
std::size_t rootLength(const std::string& path);

// The program's arguments as UTF-8 (on Windows read from the wide command line,
// since argv holds them in the ANSI code page, "?" for anything outside it).
std::vector<std::string> programArguments(int argc, char** argv);

#ifdef _WIN32
// UTF-8 to UTF-16 and back for the wide Win32 calls; invalid sequences become
// U+FFFD.
std::wstring toWide(const std::string& utf8);
std::string fromWide(const std::wstring& wide);
#endif

// A core path as std::filesystem and the standard streams take it, and back: a
// plain std::string would be read in the ANSI code page on Windows.
inline std::filesystem::path fsPath(const std::string& utf8)
{
#ifdef _WIN32
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
#else
    return std::filesystem::path(utf8);
#endif
}
inline std::string fsText(const std::filesystem::path& path)
{
#ifdef _WIN32
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
#else
    return path.string();
#endif
}
// std::fopen for a core path.
std::FILE* openFile(const std::string& path, const char* mode);
// The error code, as errorKind and errorText take it, of the last failed
// openFile or standard stream call on this thread (errno here; on Windows the
// system's own code behind it).
int lastStreamError();

// True when something of that name exists (file, folder or other).
bool pathExists(const std::string& path);
// True only for an existing folder (links are followed).
bool isDirectory(const std::string& path);
// Creates one folder level. 0, or the error code when it cannot be made (parent
// missing, a file of that name exists, no permission...).
int makeDirectory(const std::string& path);
// Size of a file in bytes, or nothing when its attributes cannot be read.
std::optional<std::uint64_t> fileSize(const std::string& path);
// Opens a file for writing, creating it when missing, and closes it again; false
// on failure and for anything but a regular file. Never waits: a named pipe
// without a reader fails at once. An existing file, or the file a link points to,
// keeps its contents; a link to nothing fails (Windows: CREATE_ALWAYS).
bool createEmptyFile(const std::string& path);
bool removeFile(const std::string& path);

// What the safe-output code tells apart in an error code of this layer.
enum class FsError
{
    None,
    Exists,
    NotFound,    // the name or a folder on the way is missing
    NoAccess,    // permissions, a read-only file system
    NoSpace,     // disk or quota full
    NameTooLong, // a name or the whole path over the file system's limit
    IsFolder,
    Other
};
FsError errorKind(int code);

// Creates a new, empty file that must not exist yet (never through a link, mode
// 0666 less the umask) and closes it again. 0, or the error code.
int createNewFile(const std::string& path);
// Creates a new folder that must not exist yet, open to its owner only. 0, or
// the error code.
int createNewFolder(const std::string& path);
// Moves from onto to in one step: whoever opens `to` finds the old file or the
// new one, never neither. Both in one folder. 0, or the error code.
int replaceFile(const std::string& from, const std::string& to);
// Moves from to the name `to` only while nothing has that name: a file another
// writer made there in the meantime stays, and the result is an error of kind
// Exists. Both in one folder. 0, or the error code.
int moveNoReplace(const std::string& from, const std::string& to);
// Gives the file `to` the permission bits of the file `from` leads to, and its
// owner and group as far as this process may set them. 0, or the error code;
// nothing to do where files have no such modes (Windows: the folder's rights
// are inherited).
int copyPermissions(const std::string& from, const std::string& to);
// Forces a file's data to the disk (a full disk may show only here). 0, or the
// error code.
int flushToDisk(const std::string& path);
// Forces files already written and renamed into place to the disk, with their
// folders' entries: at once where the system can (Linux: one sync of each
// file system), else file by file. 0, or the first error code.
int flushAllToDisk(const std::vector<std::string>& paths);
// Removes a folder and everything in it, never following links out of it. True
// when nothing of that name is left.
bool removeTree(const std::string& path);
// True when a name exists, even a link that points nowhere.
bool nameExists(const std::string& path);
// Opens an existing file for writing without creating, truncating or waiting,
// and closes it again; false for anything but a writable regular file.
bool canWriteExisting(const std::string& path);
// Makes linkPath a symbolic link to target (absolute), else a hard link. 0, or
// the error code.
int makeLink(const std::string& target, const std::string& linkPath);
// The current folder with a trailing separator; "" when unknown.
std::string currentFolder();

// What makes a file the same file whatever name reaches it.
struct FileIdentity
{
    std::uint64_t Device = 0;
    std::uint64_t Index = 0;
    bool operator==(const FileIdentity&) const = default;
};
// The identity of the file a name leads to (links followed); nothing when it
// cannot be reached.
std::optional<FileIdentity> fileIdentity(const std::string& path);

// What tells whether a file has changed since it was read: which file it is,
// its size and its last modification time (in the system's own units).
struct FileStamp
{
    FileIdentity Identity;
    std::uint64_t Size = 0;
    std::int64_t Modified = 0;
    bool operator==(const FileStamp&) const = default;
};
// The stamp of the file a name leads to (links followed), taken in one call;
// nothing when it cannot be reached.
std::optional<FileStamp> fileStamp(const std::string& path);

// The longest file name and the longest path (in bytes) the file system of an
// existing folder takes; 0 when it sets no limit or cannot be asked.
std::size_t maxNameLength(const std::string& folder);
std::size_t maxPathLength(const std::string& folder);
// A name's length as those limits count it: bytes here, UTF-16 units on Windows.
std::size_t nameLength(const std::string& name);
#ifdef _WIN32
inline constexpr const char* LengthUnit = "characters";
#else
inline constexpr const char* LengthUnit = "bytes";
#endif

// Environment variable; empty when unset.
std::string getEnv(const char* name);
// Sets (or, with an empty value, removes) an environment variable of this
// process. Not thread-safe against other readers of the environment: only the
// Ghostscript engine calls it, for the length of a job.
void setEnv(const char* name, const std::string& value);
// The variable that names the temporary folder for libraries such as Ghostscript.
#ifdef _WIN32
inline constexpr const char* TempFolderVariable = "TEMP";
#else
inline constexpr const char* TempFolderVariable = "TMPDIR";
#endif
// The user's home folder with a trailing separator; "/" when unknown.
std::string homeFolder();
// Shows prompt on the terminal and reads one line there with echo off, for a
// password. None when there is no terminal to ask or reading fails.
std::optional<std::string> readHiddenLine(const std::string& prompt);

// The system's text for an error code as this layer reports it (errno here,
// GetLastError() on Windows), e.g. ReadOnlyFile::error().
std::string errorText(int code);

// A file opened for reading only, closed again when the object goes. Opening
// never waits (a named pipe without a writer answers at once) and never makes a
// terminal the controlling one. Where the system has sharing modes, others may
// read the file while it is held but nobody may write it. A folder is a failed
// open.
class ReadOnlyFile
{
public:
    explicit ReadOnlyFile(const std::string& path);
    ~ReadOnlyFile() { close(); }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool isOpen() const { return m_handle != Closed; }
    // Why the open failed, for errorText(); 0 while open.
    int error() const { return m_error; }
    // False for pipes, devices and the like: open, but nothing of them is read.
    bool isRegular() const { return m_regular; }
    // The size of a regular file; 0 for anything else.
    std::uint64_t size() const { return m_size; }

    // Reads n bytes at offset, going on after interrupted and short reads: fewer
    // only at the end of the file. -1 on error, when not open or not regular.
    std::ptrdiff_t readAt(std::uint64_t offset, char* buffer, std::size_t n) const;
    // A hint that the file will be read once from front to back.
    void adviseSequential() const;

private:
    static constexpr std::intptr_t Closed = -1; // no descriptor, INVALID_HANDLE_VALUE
    void close() noexcept;

    std::intptr_t m_handle = Closed; // descriptor or HANDLE
    int m_error = 0;
    bool m_regular = false;
    std::uint64_t m_size = 0;
};

// Run-time library loading. openLibrary returns nullptr on failure.
void* openLibrary(const std::string& path);
void* librarySymbol(void* handle, const char* name);
// Why the last openLibrary on this thread failed, as the loader says it.
std::string libraryError();
bool closeLibrary(void* handle);

// Lowers the calling thread's priority below the program's other threads, for
// background work that must not keep them waiting (drawing page pictures while
// the window answers). Best effort: nothing happens where it is not allowed.
void lowerThreadPriority();
// The cores this process may run on (its affinity: taskset, a container's
// limit), at least 1; where the system cannot say, the machine's.
unsigned usableCores();

#ifdef _WIN32
// The short (8.3) name of an existing file or folder; "" when the file system
// keeps none.
std::string shortPathName(const std::string& path);
// A string value of the registry ("" when the key or value is missing or longer
// than 260 bytes). HKEY_CURRENT_USER when currentUser, else HKEY_LOCAL_MACHINE.
std::string readRegistryString(bool currentUser, const std::string& key, const std::string& value);
// The same, but nothing when the key itself does not open (a missing or too long
// value of a key that opens gives "").
std::optional<std::string> readRegistryValue(bool currentUser, const std::string& key,
                                             const std::string& value);
// The names of a key's subkeys, in the registry's order; none when it does not open.
std::vector<std::string> registrySubkeys(bool currentUser, const std::string& key);
#endif

} // namespace plat
