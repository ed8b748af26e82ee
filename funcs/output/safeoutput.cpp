#include "output/safeoutput.h"

#include "output/outputnames.h"
#include "platform/platform.h"
#include "text/filenames.h"

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <random>

namespace {

constexpr char Sep = plat::PathSeparator;

struct TRegistry
{
    std::mutex Lock;
    std::vector<std::pair<std::string, bool>> Entries; // path, is a folder
    std::mt19937_64 Random{std::random_device{}()};
};

// Never destroyed: an interruption may use it while static destructors run.
TRegistry& registry()
{
    static auto* r = new TRegistry;
    return *r;
}

void eraseEntry(TRegistry& r, const std::string& path)
{
    const auto it =
        std::find_if(r.Entries.begin(), r.Entries.end(), [&](const auto& e) { return e.first == path; });
    if (it != r.Entries.end())
        r.Entries.erase(it);
}

// Six letters or digits; the caller holds the registry's lock.
std::string randomPart(TRegistry& r)
{
    static constexpr char chars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof chars - 2);
    std::string s(6, 'x');
    for (char& c : s)
        c = chars[pick(r.Random)];
    return s;
}

// Makes a new name prefix + random + suffix with create (0 or an error code),
// registered under the same lock, so an interruption either sees it or it was
// never made. The path made, or "" with *error set.
template <typename Create>
std::string createUnique(const std::string& prefix, const std::string& suffix, bool isFolder, Create create,
                         int* error)
{
    TRegistry& r = registry();
    std::lock_guard lock(r.Lock);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string path = prefix + randomPart(r) + suffix;
        const int e = create(path);
        if (e == 0) {
            r.Entries.emplace_back(path, isFolder);
            return path;
        }
        if (plat::errorKind(e) != plat::FsError::Exists) {
            *error = e;
            return {};
        }
    }
    *error = 0;
    return {};
}

// The folder part of a path for the system ("" stands for the current folder).
std::string folderOf(const std::string& path)
{
    return ExtractFilePath(path);
}

std::string shownFolder(const std::string& folder)
{
    return folder.empty() ? std::string(".") : folder;
}

std::string absolutePath(const std::string& path)
{
    return plat::rootLength(path) > 0 ? path : plat::currentFolder() + path;
}

} // namespace

std::string WriteFailureText(int error, const std::string& path)
{
    const std::string folder = shownFolder(folderOf(path));
    switch (plat::errorKind(error)) {
    case plat::FsError::Exists:
        return AlreadyExistsText(path).Str();
    case plat::FsError::NotFound:
        return plat::isDirectory(folder) ? "The file disappeared while it was written: " + path
                                         : "The folder does not exist: " + folder;
    case plat::FsError::NoAccess:
        return "The folder cannot be written: " + folder + " (" + plat::errorText(error) + ")";
    case plat::FsError::NoSpace:
        return "The disk is full: " + folder;
    case plat::FsError::NameTooLong: {
        const std::string problem = OutputNameProblem(path);
        return problem.empty() ? "The path is too long for the file system: " + path : problem;
    }
    case plat::FsError::IsFolder:
        return FolderInTheWayText(path);
    default:
        return "Cannot write " + path + ": " + plat::errorText(error);
    }
}

std::string FolderInTheWayText(const std::string& path)
{
    return "A folder of that name exists: " + path;
}

std::string OutputWriteProblem(const std::string& path)
{
    const std::string folder = shownFolder(folderOf(path));
    if (!plat::isDirectory(folder))
        return "The folder does not exist: " + folder;
    // What a failed write leaves of a full disk: less than a few blocks.
    constexpr std::uintmax_t nearlyFull = 64 * 1024;
    for (const std::string& where : {folder, SystemTempFolder()}) {
        std::error_code ec;
        const std::filesystem::space_info space = std::filesystem::space(plat::fsPath(where), ec);
        if (!ec && space.available < nearlyFull)
            return "The disk is full: " + where;
    }
    return {};
}

namespace {

// What a UTF-8 lead byte asks of the bytes after it.
struct TUtf8Lead
{
    std::size_t Continuations = 0; // 0: not a lead byte of a multi-byte sequence
    unsigned Lo = 0x80;            // the range of the first continuation byte
    unsigned Hi = 0xBF;
};

TUtf8Lead utf8Lead(unsigned c)
{
    if (c >= 0xC2 && c <= 0xDF)
        return {1};
    if (c >= 0xE0 && c <= 0xEF) {
        if (c == 0xE0)
            return {2, 0xA0}; // overlong
        if (c == 0xED)
            return {2, 0x80, 0x9F}; // surrogates
        return {2};
    }
    if (c >= 0xF0 && c <= 0xF4) {
        if (c == 0xF0)
            return {3, 0x90}; // overlong
        if (c == 0xF4)
            return {3, 0x80, 0x8F}; // above U+10FFFF
        return {3};
    }
    return {};
}

} // namespace

bool IsValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        const TUtf8Lead lead = utf8Lead(c);
        const std::size_t n = lead.Continuations;
        if (n == 0 || i + n >= text.size())
            return false;
        for (std::size_t k = 1; k <= n; ++k) {
            const auto d = static_cast<unsigned char>(text[i + k]);
            if (k == 1 ? (d < lead.Lo || d > lead.Hi) : (d < 0x80 || d > 0xBF))
                return false;
        }
        i += n + 1;
    }
    return true;
}

std::size_t RegisteredTemporaryCount()
{
    TRegistry& r = registry();
    std::lock_guard lock(r.Lock);
    return r.Entries.size();
}

void RemoveTemporariesForExit() noexcept
{
    TRegistry& r = registry();
    r.Lock.lock(); // held until the process ends
    // Files first: a temporary output may sit inside a registered folder's tree.
    for (const auto& [path, isFolder] : r.Entries)
        if (!isFolder)
            plat::removeFile(path);
    for (const auto& [path, isFolder] : r.Entries)
        if (isFolder)
            plat::removeTree(path);
}

std::string OutputNameProblem(const std::string& finalPath)
{
    const std::string folder = folderOf(finalPath);
    const std::string name = ExtractFileName(finalPath);
    const std::string asked = shownFolder(folder);
    if (const std::size_t limit = plat::maxNameLength(asked); limit > 0 && plat::nameLength(name) > limit)
        return "The name is longer than the file system allows (" + std::to_string(limit) + " " +
               plat::LengthUnit + "): " + name;
    const std::string absolute = absolutePath(finalPath);
    if (const std::size_t limit = plat::maxPathLength(asked);
        limit > 0 && plat::nameLength(absolute) >= limit)
        return "The path is longer than the file system allows (" + std::to_string(limit - 1) + " " +
               plat::LengthUnit + "): " + absolute;
    return {};
}

TSafeOutput::TSafeOutput(std::string finalPath) : m_finalPath(std::move(finalPath))
{
    if (m_reason = OutputNameProblem(m_finalPath); !m_reason.empty())
        return;
    int error = 0;
    m_tempPath =
        createUnique(folderOf(m_finalPath) + ".plicora-", ".pdf", false, plat::createNewFile, &error);
    if (m_tempPath.empty())
        m_reason = error != 0 ? WriteFailureText(error, m_finalPath)
                              : "No free temporary name in " + shownFolder(folderOf(m_finalPath));
}

TSafeOutput::~TSafeOutput()
{
    if (!m_committed)
        Discard();
}

bool TSafeOutput::Commit(TOverwrite overwrite, TFlush flush)
{
    if (m_committed)
        return true;
    if (!Ok())
        return false;
    const bool replacing = plat::nameExists(m_finalPath);
    // A file that is replaced keeps who may read it. Where the old file
    // cannot be read, the new one keeps the modes it was made with.
    if (overwrite == TOverwrite::Allow && replacing)
        plat::copyPermissions(m_finalPath, m_tempPath);
    m_flushLater = flush == TFlush::Later && !replacing;
    if (const int e = m_flushLater ? 0 : plat::flushToDisk(m_tempPath); e != 0) {
        m_reason = WriteFailureText(e, m_tempPath);
        Discard();
        return false;
    }
    int error = 0;
    {
        // Under the registry's lock: an interruption sees either the temporary
        // (and removes it, the old file stays) or the committed file.
        TRegistry& r = registry();
        std::lock_guard lock(r.Lock);
        error = overwrite == TOverwrite::Allow ? plat::replaceFile(m_tempPath, m_finalPath)
                                               : plat::moveNoReplace(m_tempPath, m_finalPath);
        if (error == 0)
            eraseEntry(r, m_tempPath);
    }
    if (error != 0) {
        m_reason = WriteFailureText(error, m_finalPath);
        Discard();
        return false;
    }
    m_committed = true;
    return true;
}

void TSafeOutput::Discard()
{
    if (m_tempPath.empty() || m_committed)
        return;
    TRegistry& r = registry();
    std::lock_guard lock(r.Lock);
    plat::removeFile(m_tempPath);
    eraseEntry(r, m_tempPath);
    // Once removed, the name may be another writer's: it is never removed again.
    m_tempPath.clear();
}

std::string SystemTempFolder()
{
#ifdef _WIN32
    std::string folder = plat::getEnv("TEMP");
    if (folder.empty())
        folder = plat::getEnv("TMP");
    const std::string fallback = ".";
#else
    std::string folder = plat::getEnv("TMPDIR");
    const std::string fallback = "/tmp";
#endif
    const auto plain = [](const std::string& text) {
        return std::all_of(text.begin(), text.end(), [](char c) {
            return static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7F;
        });
    };
#ifdef _WIN32
    // A user name with accents is in TEMP; its short (8.3) name is plain.
    if (!plain(folder) && plat::isDirectory(folder))
        folder = plat::shortPathName(folder);
#endif
    if (folder.empty() || !plain(folder) || !plat::isDirectory(folder))
        return fallback;
    while (folder.size() > std::max<std::size_t>(plat::rootLength(folder), 1) &&
           plat::isPathSeparator(folder.back()))
        folder.pop_back();
    return folder;
}

TPrivateFolder::TPrivateFolder(const std::string& base)
{
    std::string parent = base.empty() ? SystemTempFolder() : base;
    if (!plat::isPathSeparator(parent.back()))
        parent += Sep;
    int error = 0;
    m_path = createUnique(parent + ".plicora-job-", "", true, plat::createNewFolder, &error);
    if (m_path.empty())
        m_reason = error != 0 ? WriteFailureText(error, parent + ".plicora-job")
                              : "No free temporary name in " + parent;
}

TPrivateFolder::~TPrivateFolder()
{
    if (m_path.empty())
        return;
    TRegistry& r = registry();
    std::lock_guard lock(r.Lock);
    plat::removeTree(m_path);
    eraseEntry(r, m_path);
}

std::string TPrivateFolder::NewName(std::string_view suffix)
{
    return m_path + Sep + "in-" + std::to_string(++m_counter) + std::string(suffix);
}

bool EngineCanTakeName(const std::string& path)
{
    if (!IsValidUtf8(path) || path.find('\0') != std::string::npos)
        return false;
    const std::size_t limit = plat::maxPathLength(shownFolder(folderOf(path)));
    return limit == 0 || plat::nameLength(absolutePath(path)) < limit;
}

std::string SafeInputName(const std::string& path, TPrivateFolder& folder, std::string* reason)
{
    auto fail = [&](std::string why) {
        if (reason)
            *reason = std::move(why);
        return std::string();
    };
    if (EngineCanTakeName(path))
        return path;
    if (!folder.Ok())
        return fail(folder.Reason());
    const std::string target = absolutePath(path);
    if (const std::size_t limit = plat::maxPathLength(folder.Path());
        limit > 0 && plat::nameLength(target) >= limit)
        return fail("The path is longer than the file system allows (" + std::to_string(limit - 1) + " " +
                    plat::LengthUnit + "): " + target);
    const std::string alias = folder.NewName(".pdf");
    if (const int e = plat::makeLink(target, alias); e != 0)
        return fail("Cannot make a safe name for " + path + ": " + plat::errorText(e));
    if (!ResolvesToSameFile(alias, path)) {
        plat::removeFile(alias);
        return fail("Cannot make a safe name for " + path);
    }
    return alias;
}

bool ResolvesToSameFile(const std::string& a, const std::string& b)
{
    const auto ia = plat::fileIdentity(a);
    const auto ib = plat::fileIdentity(b);
    return ia && ib && *ia == *ib;
}
