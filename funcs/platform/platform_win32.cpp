// Win32 counterpart of platform_posix.cpp; compiled only on Windows. Every call
// is the wide (UTF-16) one: the core's UTF-8 texts are converted at this border,
// so names outside the ANSI code page work.
#include "platform/platform.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <thread>

// windows.h first: the other system headers build on it.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

namespace plat {

std::wstring toWide(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), n);
    return wide;
}

std::string fromWide(const std::wstring& wide)
{
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), n, nullptr, nullptr);
    return utf8;
}

namespace {

// A name with a NUL inside would quietly reach a shorter name through the
// system's C strings: such names reach nothing.
bool usable(const std::string& path)
{
    return !path.empty() && path.find('\0') == std::string::npos;
}

DWORD attributes(const std::string& path)
{
    return usable(path) ? GetFileAttributesW(toWide(path).c_str()) : INVALID_FILE_ATTRIBUTES;
}

int lastError()
{
    return static_cast<int>(GetLastError());
}

// Where a UNC name's share ends: after "\\server\share\" (or the whole name).
std::size_t uncRootEnd(const std::string& path, std::size_t serverAt)
{
    std::size_t at = serverAt;
    for (int part = 0; part < 2; ++part) {
        while (at < path.size() && !isPathSeparator(path[at]))
            ++at;
        if (at < path.size())
            ++at;
    }
    return at;
}

bool isDriveLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

std::size_t rootLength(const std::string& path)
{
    if (path.size() >= 4 && path.compare(0, 4, "\\\\?\\") == 0) {
        if (path.size() >= 8 && (path.compare(4, 4, "UNC\\") == 0))
            return uncRootEnd(path, 8);
        return path.size() >= 7 && path[5] == ':' && isPathSeparator(path[6]) ? 7 : 0;
    }
    if (path.size() >= 3 && isDriveLetter(path[0]) && path[1] == ':' && isPathSeparator(path[2]))
        return 3;
    if (path.size() >= 3 && isPathSeparator(path[0]) && isPathSeparator(path[1]) && !isPathSeparator(path[2]))
        return uncRootEnd(path, 2);
    return 0;
}

std::vector<std::string> programArguments(int argc, char** argv)
{
    int n = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &n);
    if (!wide)
        return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> args;
    for (int i = 0; i < n; ++i)
        args.push_back(fromWide(wide[i]));
    LocalFree(wide);
    return args;
}

bool pathExists(const std::string& path)
{
    return attributes(path) != INVALID_FILE_ATTRIBUTES;
}

bool isDirectory(const std::string& path)
{
    const DWORD a = attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

int makeDirectory(const std::string& path)
{
    if (!usable(path))
        return ERROR_INVALID_NAME;
    return CreateDirectoryW(toWide(path).c_str(), nullptr) ? 0 : lastError();
}

std::optional<std::uint64_t> fileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!usable(path) || !GetFileAttributesExW(toWide(path).c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    return (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool createEmptyFile(const std::string& path)
{
    if (!usable(path))
        return false;
    // OPEN_ALWAYS: an existing file keeps its contents.
    HANDLE h = CreateFileW(toWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    const bool regular = GetFileType(h) == FILE_TYPE_DISK;
    CloseHandle(h);
    return regular;
}

bool removeFile(const std::string& path)
{
    return usable(path) && DeleteFileW(toWide(path).c_str()) != 0;
}

FsError errorKind(int code)
{
    switch (static_cast<DWORD>(code)) {
    case ERROR_SUCCESS:
        return FsError::None;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return FsError::Exists;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return FsError::NotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_SHARING_VIOLATION:
        return FsError::NoAccess;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return FsError::NoSpace;
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW:
        return FsError::NameTooLong;
    case ERROR_DIRECTORY:
        return FsError::IsFolder;
    default:
        return FsError::Other;
    }
}

int createNewFile(const std::string& path)
{
    if (!usable(path))
        return ERROR_INVALID_NAME;
    HANDLE h = CreateFileW(toWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return lastError();
    CloseHandle(h);
    return 0;
}

int createNewFolder(const std::string& path)
{
    if (!usable(path))
        return ERROR_INVALID_NAME;
    return CreateDirectoryW(toWide(path).c_str(), nullptr) ? 0 : lastError();
}

int replaceFile(const std::string& from, const std::string& to)
{
    if (!usable(from) || !usable(to))
        return ERROR_INVALID_NAME;
    return MoveFileExW(toWide(from).c_str(), toWide(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : lastError();
}

int moveNoReplace(const std::string& from, const std::string& to)
{
    if (!usable(from) || !usable(to))
        return ERROR_INVALID_NAME;
    return MoveFileExW(toWide(from).c_str(), toWide(to).c_str(), MOVEFILE_WRITE_THROUGH) ? 0 : lastError();
}

int copyPermissions(const std::string&, const std::string&)
{
    return 0;
}

int flushToDisk(const std::string& path)
{
    if (!usable(path))
        return ERROR_INVALID_NAME;
    HANDLE h = CreateFileW(toWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return lastError();
    const int result = FlushFileBuffers(h) ? 0 : lastError();
    CloseHandle(h);
    return result;
}

int flushAllToDisk(const std::vector<std::string>& paths)
{
    for (const std::string& path : paths)
        if (const int error = flushToDisk(path); error != 0)
            return error;
    return 0;
}

namespace {
void removeTreeOnce(const std::wstring& path)
{
    const DWORD a = GetFileAttributesW(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES)
        return;
    // A link or junction is removed itself, never what it points to.
    if (!(a & FILE_ATTRIBUTE_DIRECTORY) || (a & FILE_ATTRIBUTE_REPARSE_POINT)) {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (a & FILE_ATTRIBUTE_DIRECTORY)
            RemoveDirectoryW(path.c_str());
        else
            DeleteFileW(path.c_str());
        return;
    }
    WIN32_FIND_DATAW found{};
    HANDLE h = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..")
                removeTreeOnce(path + L"\\" + name);
        } while (FindNextFileW(h, &found));
        FindClose(h);
    }
    RemoveDirectoryW(path.c_str());
}
} // namespace

bool removeTree(const std::string& path)
{
    if (!usable(path))
        return true;
    // A few rounds: a writer inside may add a file while the tree is walked.
    for (int round = 0; round < 5 && nameExists(path); ++round)
        removeTreeOnce(toWide(path));
    return !nameExists(path);
}

bool nameExists(const std::string& path)
{
    // Attributes of a link are its own, so a link to nothing exists too.
    return pathExists(path);
}

bool canWriteExisting(const std::string& path)
{
    if (!usable(path))
        return false;
    HANDLE h = CreateFileW(toWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    const bool regular = GetFileType(h) == FILE_TYPE_DISK;
    CloseHandle(h);
    return regular;
}

int makeLink(const std::string& target, const std::string& linkPath)
{
    if (!usable(target) || !usable(linkPath))
        return ERROR_INVALID_NAME;
    // Symbolic links need a privilege most users lack; a hard link does not.
    return CreateHardLinkW(toWide(linkPath).c_str(), toWide(target).c_str(), nullptr) ? 0 : lastError();
}

std::string currentFolder()
{
    const DWORD need = GetCurrentDirectoryW(0, nullptr);
    if (need == 0)
        return {};
    std::wstring buffer(need, L'\0');
    const DWORD n = GetCurrentDirectoryW(need, buffer.data());
    if (n == 0 || n >= need)
        return {};
    buffer.resize(n);
    std::string folder = fromWide(buffer);
    if (!isPathSeparator(folder.back()))
        folder += PathSeparator;
    return folder;
}

namespace {

// What the system tells of an open handle's file, through any link.
std::optional<BY_HANDLE_FILE_INFORMATION> fileInformation(const std::string& path)
{
    if (!usable(path))
        return std::nullopt;
    HANDLE h = CreateFileW(toWide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const BOOL got = GetFileInformationByHandle(h, &info);
    CloseHandle(h);
    if (!got)
        return std::nullopt;
    return info;
}

FileIdentity identityOf(const BY_HANDLE_FILE_INFORMATION& info)
{
    return FileIdentity{info.dwVolumeSerialNumber,
                        (std::uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

} // namespace

std::optional<FileIdentity> fileIdentity(const std::string& path)
{
    const std::optional<BY_HANDLE_FILE_INFORMATION> info = fileInformation(path);
    if (!info)
        return std::nullopt;
    return identityOf(*info);
}

std::optional<FileStamp> fileStamp(const std::string& path)
{
    const std::optional<BY_HANDLE_FILE_INFORMATION> info = fileInformation(path);
    if (!info)
        return std::nullopt;
    const auto high = [](DWORD h, DWORD l) { return (std::uint64_t(h) << 32) | l; };
    return FileStamp{identityOf(*info), high(info->nFileSizeHigh, info->nFileSizeLow),
                     static_cast<std::int64_t>(
                         high(info->ftLastWriteTime.dwHighDateTime, info->ftLastWriteTime.dwLowDateTime))};
}

std::FILE* openFile(const std::string& path, const char* mode)
{
    return usable(path) ? _wfopen(toWide(path).c_str(), toWide(mode).c_str()) : nullptr;
}

int lastStreamError()
{
    return static_cast<int>(_doserrno);
}

std::size_t nameLength(const std::string& name)
{
    return toWide(name).size();
}

std::size_t maxNameLength(const std::string&)
{
    // NTFS, exFAT and FAT's long names alike.
    return 255;
}

std::size_t maxPathLength(const std::string&)
{
    // Without the "\\?\" prefix, which Ghostscript does not take, a path stays
    // under MAX_PATH UTF-16 units.
    return MAX_PATH;
}

std::string getEnv(const char* name)
{
    const std::wstring wideName = toWide(name);
    const DWORD need = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (need == 0)
        return {};
    std::wstring value(need, L'\0');
    const DWORD n = GetEnvironmentVariableW(wideName.c_str(), value.data(), need);
    if (n == 0 || n >= need)
        return {};
    value.resize(n);
    return fromWide(value);
}

void setEnv(const char* name, const std::string& value)
{
    const std::wstring wideName = toWide(name);
    SetEnvironmentVariableW(wideName.c_str(), value.empty() ? nullptr : toWide(value).c_str());
    // Libraries that read the C runtime's copy (Ghostscript's getenv) see it too.
    _wputenv_s(wideName.c_str(), toWide(value).c_str());
}

std::string homeFolder()
{
    std::string home = getEnv("USERPROFILE");
    if (home.empty())
        return "C:\\";
    if (!isPathSeparator(home.back()))
        home += PathSeparator;
    return home;
}

std::string errorText(int code)
{
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string result = n > 0 && text ? fromWide(std::wstring(text, n)) : "Error " + std::to_string(code);
    if (text)
        LocalFree(text);
    // The system's texts end in a line break.
    while (!result.empty() && (result.back() == '\r' || result.back() == '\n' || result.back() == ' '))
        result.pop_back();
    return result;
}

// Others may read the file while it is held, nobody may write it: a PDF open
// in a viewer can be listed, the same file can be counted twice at once, and
// it cannot change under a probe. A folder needs FILE_FLAG_BACKUP_SEMANTICS to
// open, so it fails here.
ReadOnlyFile::ReadOnlyFile(const std::string& path)
{
    if (!usable(path)) {
        m_error = ERROR_INVALID_NAME;
        return;
    }
    const HANDLE h = CreateFileW(toWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        m_error = lastError();
        return;
    }
    m_handle = reinterpret_cast<std::intptr_t>(h);
    if (GetFileType(h) != FILE_TYPE_DISK)
        return; // a pipe or a character device
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(h, &size)) {
        m_error = lastError();
        close();
        return;
    }
    m_regular = true;
    m_size = size.QuadPart > 0 ? static_cast<std::uint64_t>(size.QuadPart) : 0;
}

void ReadOnlyFile::close() noexcept
{
    if (m_handle != Closed)
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
    m_handle = Closed;
}

std::ptrdiff_t ReadOnlyFile::readAt(std::uint64_t offset, char* buffer, std::size_t n) const
{
    if (m_handle == Closed || !m_regular)
        return -1;
    const auto h = reinterpret_cast<HANDLE>(m_handle);
    std::size_t done = 0;
    while (done < n) {
        const auto want = static_cast<DWORD>(std::min<std::size_t>(n - done, std::size_t{1} << 30));
        const std::uint64_t at = offset + done;
        OVERLAPPED where{};
        where.Offset = static_cast<DWORD>(at & 0xFFFFFFFFu);
        where.OffsetHigh = static_cast<DWORD>(at >> 32);
        DWORD got = 0;
        if (!ReadFile(h, buffer + done, want, &got, &where)) {
            if (GetLastError() == ERROR_HANDLE_EOF)
                break;
            return -1;
        }
        if (got == 0)
            break;
        done += got;
    }
    return static_cast<std::ptrdiff_t>(done);
}

// The cache manager notices front-to-back reading by itself.
void ReadOnlyFile::adviseSequential() const {}

void* openLibrary(const std::string& path)
{
    if (!usable(path))
        return nullptr;
    // A library named by its path finds the DLLs beside it (Ghostscript's own);
    // a bare name is searched for as usual.
    const DWORD flags = rootLength(path) > 0 ? LOAD_WITH_ALTERED_SEARCH_PATH : 0;
    return reinterpret_cast<void*>(LoadLibraryExW(toWide(path).c_str(), nullptr, flags));
}

std::string libraryError()
{
    return errorText(lastError());
}

void* librarySymbol(void* handle, const char* name)
{
    return handle ? reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name)) : nullptr;
}

bool closeLibrary(void* handle)
{
    return handle && FreeLibrary(static_cast<HMODULE>(handle)) != 0;
}

std::string shortPathName(const std::string& path)
{
    if (!usable(path))
        return {};
    const std::wstring wide = toWide(path);
    const DWORD need = GetShortPathNameW(wide.c_str(), nullptr, 0);
    if (need == 0)
        return {};
    std::wstring buffer(need, L'\0');
    const DWORD n = GetShortPathNameW(wide.c_str(), buffer.data(), need);
    if (n == 0 || n >= need)
        return {};
    buffer.resize(n);
    return fromWide(buffer);
}

namespace {
HKEY openKey(bool currentUser, const std::string& key)
{
    HKEY h = nullptr;
    if (RegOpenKeyExW(currentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, toWide(key).c_str(), 0, KEY_READ,
                      &h) != ERROR_SUCCESS)
        return nullptr;
    return h;
}
} // namespace

std::string readRegistryString(bool currentUser, const std::string& key, const std::string& value)
{
    return readRegistryValue(currentUser, key, value).value_or(std::string());
}

std::optional<std::string> readRegistryValue(bool currentUser, const std::string& key,
                                             const std::string& value)
{
    HKEY h = openKey(currentUser, key);
    if (!h)
        return std::nullopt;
    wchar_t buf[MAX_PATH];
    DWORD size = sizeof buf;
    std::string result;
    if (RegQueryValueExW(h, toWide(value).c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buf), &size) ==
            ERROR_SUCCESS &&
        size >= sizeof(wchar_t))
        result = fromWide(std::wstring(buf, wcsnlen(buf, size / sizeof(wchar_t))));
    RegCloseKey(h);
    return result;
}

std::vector<std::string> registrySubkeys(bool currentUser, const std::string& key)
{
    std::vector<std::string> names;
    HKEY h = openKey(currentUser, key);
    if (!h)
        return names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(h, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.push_back(fromWide(std::wstring(name, length)));
    }
    RegCloseKey(h);
    return names;
}

void lowerThreadPriority()
{
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
}

unsigned usableCores()
{
    DWORD_PTR process = 0;
    DWORD_PTR system = 0;
    if (GetProcessAffinityMask(GetCurrentProcess(), &process, &system) && process != 0) {
        unsigned count = 0;
        for (; process != 0; process &= process - 1)
            ++count;
        return count;
    }
    return std::max(1U, std::thread::hardware_concurrency());
}

std::optional<std::string> readHiddenLine(const std::string& prompt)
{
    HANDLE in = CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
    if (in == INVALID_HANDLE_VALUE)
        return std::nullopt;
    HANDLE out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD mode = 0;
    const bool hidden = GetConsoleMode(in, &mode) != 0;
    if (hidden)
        SetConsoleMode(in, mode & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
    const std::wstring wide = toWide(prompt);
    DWORD written = 0;
    if (out != INVALID_HANDLE_VALUE)
        WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    std::wstring line;
    wchar_t c = 0;
    DWORD got = 0;
    bool ok = false;
    while (ReadConsoleW(in, &c, 1, &got, nullptr) && got == 1) {
        if (c == L'\n') {
            ok = true;
            break;
        }
        if (c != L'\r')
            line += c;
    }
    if (hidden)
        SetConsoleMode(in, mode);
    if (out != INVALID_HANDLE_VALUE) {
        WriteConsoleW(out, L"\r\n", 2, &written, nullptr);
        CloseHandle(out);
    }
    CloseHandle(in);
    return ok ? std::optional<std::string>(fromWide(line)) : std::nullopt;
}

} // namespace plat
