#include "platform/platform.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <ftw.h>
#include <limits>
#include <pwd.h>
#include <sched.h>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace plat {

namespace {

// Opening for writing without side effects: no controlling terminal, and a pipe
// never blocks.
constexpr int WriteTestFlags = O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;

// Whether an open descriptor is a regular file; closes it. False for fd < 0.
bool closeIsRegular(int fd)
{
    if (fd < 0)
        return false;
    struct stat st
    {
    };
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    ::close(fd);
    return regular;
}

} // namespace

std::size_t rootLength(const std::string& path)
{
    return !path.empty() && path.front() == '/' ? 1 : 0;
}

std::vector<std::string> programArguments(int argc, char** argv)
{
    return std::vector<std::string>(argv, argv + argc);
}

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

int makeDirectory(const std::string& path)
{
    return ::mkdir(path.c_str(), 0777) == 0 ? 0 : errno;
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
    // link that points nowhere.
    int fd = ::open(path.c_str(), WriteTestFlags | O_CREAT | O_EXCL, 0666);
    if (fd < 0 && errno == EEXIST)
        fd = ::open(path.c_str(), WriteTestFlags);
    return closeIsRegular(fd);
}

bool removeFile(const std::string& path)
{
    return ::unlink(path.c_str()) == 0;
}

FsError errorKind(int code)
{
    switch (code) {
    case 0:
        return FsError::None;
    case EEXIST:
        return FsError::Exists;
    case ENOENT:
    case ENOTDIR:
        return FsError::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return FsError::NoAccess;
    case ENOSPC:
    case EDQUOT:
        return FsError::NoSpace;
    case ENAMETOOLONG:
        return FsError::NameTooLong;
    case EISDIR:
        return FsError::IsFolder;
    default:
        return FsError::Other;
    }
}

int createNewFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0)
        return errno;
    ::close(fd);
    return 0;
}

int createNewFolder(const std::string& path)
{
    return ::mkdir(path.c_str(), 0700) == 0 ? 0 : errno;
}

int replaceFile(const std::string& from, const std::string& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int moveNoReplace(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    // EINVAL and the like: the file system cannot do it in one step.
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return errno;
    // A second name for the file, which link() refuses to make over another.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return 0;
    }
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS)
        return errno;
    // No hard links either (FAT): the name is claimed with O_EXCL, then replaced.
    const int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0600);
    if (fd < 0)
        return errno;
    ::close(fd);
    if (::rename(from.c_str(), to.c_str()) == 0)
        return 0;
    const int error = errno;
    ::unlink(to.c_str());
    return error;
}

int copyPermissions(const std::string& from, const std::string& to)
{
    struct stat st
    {
    };
    if (::stat(from.c_str(), &st) != 0)
        return errno;
    // The owner before the mode, since changing it may clear mode bits. Only
    // root may give a file away; anyone may pass on a group they belong to.
    if (::chown(to.c_str(), st.st_uid, st.st_gid) != 0 &&
        ::chown(to.c_str(), static_cast<uid_t>(-1), st.st_gid) != 0) {
        // Ours then, as any new file.
    }
    return ::chmod(to.c_str(), st.st_mode & 0777) == 0 ? 0 : errno;
}

int flushToDisk(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return errno;
    int result = 0;
    while (::fsync(fd) != 0) {
        if (errno != EINTR) {
            result = errno;
            break;
        }
    }
    ::close(fd);
    return result;
}

namespace {
int syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int result = 0;
#ifdef __linux__
    // One pass for every file of the file system: a sync per file costs a
    // journal commit each, as long as writing a small file.
    if (::syncfs(fd) != 0)
        result = errno;
#endif
    if (result == 0 && ::fsync(fd) != 0 && errno != EINVAL)
        result = errno;
    ::close(fd);
    return result;
}
} // namespace

int flushAllToDisk(const std::vector<std::string>& paths)
{
    std::set<std::string> folders;
    for (const std::string& path : paths) {
        const std::size_t slash = path.rfind('/');
        folders.insert(slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash));
    }
#ifndef __linux__
    for (const std::string& path : paths)
        if (const int error = flushToDisk(path); error != 0)
            return error;
#endif
    for (const std::string& folder : folders)
        if (const int error = syncFolder(folder); error != 0)
            return error;
    return 0;
}

namespace {
int removeEntry(const char* path, const struct stat* /*status*/, int type, struct FTW* /*walk*/)
{
    if (type == FTW_DP)
        ::rmdir(path);
    else
        ::unlink(path);
    return 0; // go on: remove whatever else can be removed
}
} // namespace

bool removeTree(const std::string& path)
{
    // A few rounds: a writer inside may add a file while the tree is walked.
    for (int round = 0; round < 5 && nameExists(path); ++round)
        ::nftw(path.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
    return !nameExists(path);
}

bool nameExists(const std::string& path)
{
    struct stat st
    {
    };
    return !path.empty() && ::lstat(path.c_str(), &st) == 0;
}

bool canWriteExisting(const std::string& path)
{
    return closeIsRegular(::open(path.c_str(), WriteTestFlags));
}

int makeLink(const std::string& target, const std::string& linkPath)
{
    if (::symlink(target.c_str(), linkPath.c_str()) == 0)
        return 0;
    const int symlinkError = errno;
    if (symlinkError == EEXIST || symlinkError == ENOENT)
        return symlinkError;
    return ::link(target.c_str(), linkPath.c_str()) == 0 ? 0 : symlinkError;
}

std::string currentFolder()
{
    std::string buffer(4096, '\0');
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE || buffer.size() > (1U << 20))
            return {};
        buffer.resize(buffer.size() * 2);
    }
    buffer.resize(std::strlen(buffer.c_str()));
    if (buffer.empty() || buffer.back() != PathSeparator)
        buffer += PathSeparator;
    return buffer;
}

std::optional<FileIdentity> fileIdentity(const std::string& path)
{
    struct stat st
    {
    };
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

std::optional<FileStamp> fileStamp(const std::string& path)
{
    struct stat st
    {
    };
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    constexpr std::int64_t nanoseconds = 1000000000;
    return FileStamp{{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)},
                     static_cast<std::uint64_t>(st.st_size),
                     static_cast<std::int64_t>(st.st_mtim.tv_sec) * nanoseconds + st.st_mtim.tv_nsec};
}

namespace {
std::size_t pathLimit(const std::string& folder, int name)
{
    errno = 0;
    const long v = ::pathconf(folder.empty() ? "." : folder.c_str(), name);
    return v > 0 ? static_cast<std::size_t>(v) : 0;
}
} // namespace

std::size_t maxNameLength(const std::string& folder)
{
    return pathLimit(folder, _PC_NAME_MAX);
}

std::size_t maxPathLength(const std::string& folder)
{
    return pathLimit(folder, _PC_PATH_MAX);
}

std::FILE* openFile(const std::string& path, const char* mode)
{
    return std::fopen(path.c_str(), mode);
}

int lastStreamError()
{
    return errno;
}

std::size_t nameLength(const std::string& name)
{
    return name.size();
}

std::string getEnv(const char* name)
{
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

void setEnv(const char* name, const std::string& value)
{
    if (value.empty())
        ::unsetenv(name);
    else
        ::setenv(name, value.c_str(), 1);
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

std::string libraryError()
{
    const char* text = ::dlerror();
    return text ? std::string(text) : std::string();
}

void* librarySymbol(void* handle, const char* name)
{
    return handle ? ::dlsym(handle, name) : nullptr;
}

bool closeLibrary(void* handle)
{
    return handle && ::dlclose(handle) == 0;
}

void lowerThreadPriority()
{
#ifdef __linux__
    // Linux keeps a nice value per thread: this thread's, not the process's.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
}

unsigned usableCores()
{
#ifdef __linux__
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0)
        return static_cast<unsigned>(std::max(1, CPU_COUNT(&set)));
#endif
    return std::max(1U, std::thread::hardware_concurrency());
}

std::optional<std::string> readHiddenLine(const std::string& prompt)
{
    // The terminal itself, so that a password never comes from a pipe by mistake.
    const int fd = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    termios saved{};
    const bool hidden = ::tcgetattr(fd, &saved) == 0;
    if (hidden) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        quiet.c_lflag |= ECHONL;
        ::tcsetattr(fd, TCSAFLUSH, &quiet);
    }
    [[maybe_unused]] const ssize_t shown = ::write(fd, prompt.data(), prompt.size());
    std::string line;
    char c = 0;
    bool ok = false;
    while (::read(fd, &c, 1) == 1) {
        if (c == '\n') {
            ok = true;
            break;
        }
        line += c;
    }
    if (hidden)
        ::tcsetattr(fd, TCSAFLUSH, &saved);
    ::close(fd);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return ok ? std::optional<std::string>(line) : std::nullopt;
}

} // namespace plat
