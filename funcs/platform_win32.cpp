// Win32 counterpart of platform_posix.cpp; compiled only on Windows.
#include "platform.h"

#include <algorithm>
#include <cstring>
#include <windows.h>

namespace plat {

bool pathExists(const std::string& path)
{
    return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool isDirectory(const std::string& path)
{
    const DWORD a = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool makeDirectory(const std::string& path)
{
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

std::optional<std::uint64_t> fileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    return (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool createEmptyFile(const std::string& path)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(h);
    return true;
}

bool removeFile(const std::string& path)
{
    return DeleteFileA(path.c_str()) != 0;
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
    HANDLE h =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return static_cast<int>(GetLastError());
    CloseHandle(h);
    return 0;
}

int createNewFolder(const std::string& path)
{
    return CreateDirectoryA(path.c_str(), nullptr) ? 0 : static_cast<int>(GetLastError());
}

int replaceFile(const std::string& from, const std::string& to)
{
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : static_cast<int>(GetLastError());
}

int flushToDisk(const std::string& path)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return static_cast<int>(GetLastError());
    const int result = FlushFileBuffers(h) ? 0 : static_cast<int>(GetLastError());
    CloseHandle(h);
    return result;
}

bool removeTree(const std::string& path)
{
    const DWORD a = GetFileAttributesA(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES)
        return true;
    if (!(a & FILE_ATTRIBUTE_DIRECTORY) || (a & FILE_ATTRIBUTE_REPARSE_POINT)) {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        return (a & FILE_ATTRIBUTE_DIRECTORY) ? RemoveDirectoryA(path.c_str()) != 0
                                              : DeleteFileA(path.c_str()) != 0;
    }
    WIN32_FIND_DATAA found{};
    HANDLE h = FindFirstFileA((path + "\\*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..")
                removeTree(path + "\\" + name);
        } while (FindNextFileA(h, &found));
        FindClose(h);
    }
    return RemoveDirectoryA(path.c_str()) != 0;
}

bool nameExists(const std::string& path)
{
    return pathExists(path);
}

bool canWriteExisting(const std::string& path)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    const bool regular = GetFileType(h) == FILE_TYPE_DISK;
    CloseHandle(h);
    return regular;
}

int makeLink(const std::string& target, const std::string& linkPath)
{
    // Symbolic links need a privilege most users lack; a hard link does not.
    return CreateHardLinkA(linkPath.c_str(), target.c_str(), nullptr) ? 0 : static_cast<int>(GetLastError());
}

std::string currentFolder()
{
    char buffer[MAX_PATH + 1];
    const DWORD n = GetCurrentDirectoryA(sizeof buffer, buffer);
    if (n == 0 || n > MAX_PATH)
        return {};
    std::string folder(buffer, n);
    if (folder.back() != PathSeparator)
        folder += PathSeparator;
    return folder;
}

std::optional<FileIdentity> fileIdentity(const std::string& path)
{
    HANDLE h = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const BOOL got = GetFileInformationByHandle(h, &info);
    CloseHandle(h);
    if (!got)
        return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber,
                        (std::uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

std::size_t maxNameLength(const std::string&)
{
    return 255;
}

std::size_t maxPathLength(const std::string&)
{
    return MAX_PATH;
}

std::string getEnv(const char* name)
{
    char buf[32768];
    const DWORD n = GetEnvironmentVariableA(name, buf, sizeof buf);
    return (n > 0 && n < sizeof buf) ? std::string(buf, n) : std::string();
}

void setEnv(const char* name, const std::string& value)
{
    SetEnvironmentVariableA(name, value.empty() ? nullptr : value.c_str());
}

std::string homeFolder()
{
    std::string home = getEnv("USERPROFILE");
    if (home.empty())
        return "C:\\";
    if (home.back() != PathSeparator)
        home += PathSeparator;
    return home;
}

std::string errorText(int code)
{
    char* text = nullptr;
    const DWORD n = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(code), 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string result = n > 0 && text ? std::string(text, n) : "Error " + std::to_string(code);
    if (text)
        LocalFree(text);
    // The system's texts end in a line break.
    while (!result.empty() && (result.back() == '\r' || result.back() == '\n' || result.back() == ' '))
        result.pop_back();
    return result;
}

// No sharing: nobody else can open the file while it is held, and the open fails
// while anybody else holds it. A folder needs FILE_FLAG_BACKUP_SEMANTICS to open,
// so it fails here too.
ReadOnlyFile::ReadOnlyFile(const std::string& path)
{
    if (path.find('\0') != std::string::npos) {
        m_error = ERROR_INVALID_NAME; // the system would quietly open a shorter name
        return;
    }
    const HANDLE h =
        CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        m_error = static_cast<int>(GetLastError());
        return;
    }
    m_handle = reinterpret_cast<std::intptr_t>(h);
    if (GetFileType(h) != FILE_TYPE_DISK)
        return; // a pipe or a character device
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(h, &size)) {
        m_error = static_cast<int>(GetLastError());
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
    return reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
}

std::string libraryError()
{
    return errorText(static_cast<int>(GetLastError()));
}

void* librarySymbol(void* handle, const char* name)
{
    return handle ? reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name)) : nullptr;
}

bool closeLibrary(void* handle)
{
    return handle && FreeLibrary(static_cast<HMODULE>(handle)) != 0;
}

std::string readRegistryString(bool currentUser, const std::string& key, const std::string& value)
{
    return readRegistryValue(currentUser, key, value).value_or(std::string());
}

std::optional<std::string> readRegistryValue(bool currentUser, const std::string& key,
                                             const std::string& value)
{
    HKEY h = nullptr;
    if (RegOpenKeyExA(currentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &h) !=
        ERROR_SUCCESS)
        return std::nullopt;
    char buf[260];
    DWORD size = sizeof buf;
    std::string result;
    if (RegQueryValueExA(h, value.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buf), &size) ==
            ERROR_SUCCESS &&
        size > 0)
        result.assign(buf, strnlen(buf, size));
    RegCloseKey(h);
    return result;
}

} // namespace plat
