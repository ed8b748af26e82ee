// Win32 counterpart of platform_posix.cpp; compiled only on Windows.
#include "platform.h"

#include <windows.h>

#include <cerrno>
#include <cstring>

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

std::string getEnv(const char* name)
{
    char buf[32768];
    const DWORD n = GetEnvironmentVariableA(name, buf, sizeof buf);
    return (n > 0 && n < sizeof buf) ? std::string(buf, n) : std::string();
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
    return std::strerror(code);
}

void* openLibrary(const std::string& path)
{
    return reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
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
    HKEY h = nullptr;
    if (RegOpenKeyExA(currentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &h) !=
        ERROR_SUCCESS)
        return {};
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
