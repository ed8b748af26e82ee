#include "platform.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <limits>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plat {

bool pathExists(const std::string& path)
{
    struct stat st
    {
    };
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

bool isDirectory(const std::string& path)
{
    struct stat st
    {
    };
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool makeDirectory(const std::string& path)
{
    return ::mkdir(path.c_str(), 0777) == 0;
}

std::optional<std::uint64_t> fileSize(const std::string& path)
{
    struct stat st
    {
    };
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(st.st_size);
}

bool createEmptyFile(const std::string& path)
{
    // No O_TRUNC: the caller removes the name again, and the file behind a link
    // must not lose its contents to a test. O_EXCL: nothing is made through a
    // link that points nowhere. O_NONBLOCK: a pipe never blocks.
    constexpr int flags = O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    int fd = ::open(path.c_str(), flags | O_CREAT | O_EXCL, 0666);
    if (fd < 0 && errno == EEXIST)
        fd = ::open(path.c_str(), flags);
    if (fd < 0)
        return false;
    struct stat st
    {
    };
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    ::close(fd);
    return regular;
}

bool removeFile(const std::string& path)
{
    return ::unlink(path.c_str()) == 0;
}

std::string getEnv(const char* name)
{
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string homeFolder()
{
    std::string home = getEnv("HOME");
    if (home.empty()) {
        if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
            home = pw->pw_dir;
    }
    if (home.empty())
        return std::string(1, PathSeparator);
    if (home.back() != PathSeparator)
        home += PathSeparator;
    return home;
}

std::string errorText(int code)
{
    return std::strerror(code);
}

// O_NONBLOCK keeps a named pipe from waiting for a writer; it changes nothing for
// regular files. This system has no sharing modes to refuse other openers.
ReadOnlyFile::ReadOnlyFile(const std::string& path)
{
    if (path.find('\0') != std::string::npos) {
        m_error = ENOENT; // the system would quietly open a shorter name
        return;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        m_error = errno;
        return;
    }
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0)
        m_error = errno;
    else if (S_ISDIR(st.st_mode))
        m_error = EISDIR;
    if (m_error != 0) {
        ::close(fd);
        return;
    }
    m_handle = fd;
    m_regular = S_ISREG(st.st_mode);
    m_size = m_regular && st.st_size > 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
}

void ReadOnlyFile::close() noexcept
{
    if (m_handle != Closed)
        ::close(static_cast<int>(m_handle));
    m_handle = Closed;
}

std::ptrdiff_t ReadOnlyFile::readAt(std::uint64_t offset, char* buffer, std::size_t n) const
{
    if (m_handle == Closed || !m_regular)
        return -1;
    const auto fd = static_cast<int>(m_handle);
    constexpr auto maxOffset = static_cast<std::uint64_t>(std::numeric_limits<off_t>::max());
    std::size_t done = 0;
    while (done < n) {
        if (offset > maxOffset || done > maxOffset - offset)
            return -1;
        const ssize_t r = ::pread(fd, buffer + done, n - done, static_cast<off_t>(offset + done));
        if (r < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (r == 0)
            break;
        done += static_cast<std::size_t>(r);
    }
    return static_cast<std::ptrdiff_t>(done);
}

void ReadOnlyFile::adviseSequential() const
{
    if (m_handle != Closed)
        ::posix_fadvise(static_cast<int>(m_handle), 0, 0, POSIX_FADV_SEQUENTIAL);
}

void* openLibrary(const std::string& path)
{
    return ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* librarySymbol(void* handle, const char* name)
{
    return handle ? ::dlsym(handle, name) : nullptr;
}

bool closeLibrary(void* handle)
{
    return handle && ::dlclose(handle) == 0;
}

} // namespace plat
