#include "output/folders.h"

#include "output/safeoutput.h"
#include "platform/platform.h"
#include "text/strutil.h"

#include <fstream>
#include <optional>
#include <utility>

namespace {

constexpr char Sep = plat::PathSeparator;

#ifndef _WIN32
// The text between the quote that starts v and the next one, backslash escapes
// resolved; nothing when that quote is missing.
std::optional<std::string> unquote(const std::string& v)
{
    if (v.size() < 2 || v.front() != '"')
        return std::nullopt;
    std::string value;
    for (std::size_t i = 1; i < v.size(); ++i) {
        if (v[i] == '\\' && i + 1 < v.size())
            value += v[++i];
        else if (v[i] == '"')
            return value;
        else
            value += v[i];
    }
    return std::nullopt;
}

// Reads XDG_DOCUMENTS_DIR from a user-dirs.dirs file: lines of the form
// XDG_DOCUMENTS_DIR="$HOME/Documents" or an absolute path, with backslash
// escapes inside the quotes.
std::string documentsDirFromUserDirs(const std::string& file, const std::string& home)
{
    std::ifstream in(file);
    std::string line;
    std::string found;
    const std::string key = "XDG_DOCUMENTS_DIR=";
    while (std::getline(in, line)) {
        const std::string t = Trim(line);
        if (t.rfind(key, 0) != 0)
            continue;
        std::optional<std::string> quoted = unquote(t.substr(key.size()));
        if (!quoted)
            continue;
        std::string value = std::move(*quoted);
        const std::string homeRef = "$HOME";
        if (value.rfind(homeRef, 0) == 0 &&
            (value.size() == homeRef.size() || value[homeRef.size()] == Sep)) {
            std::string rest = value.substr(homeRef.size());
            std::string base = home;
            while (!base.empty() && base.back() == Sep)
                base.pop_back();
            value = base + rest;
        } else if (value.empty() || value.front() != Sep) {
            continue; // neither $HOME-relative nor absolute: not a valid entry
        }
        found = value; // the last valid line wins, as the shell would read it
    }
    return found;
}
#endif

} // namespace

std::string GetDocumentsFolder()
{
#ifdef _WIN32
    const std::string personal = plat::readRegistryString(
        true, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Personal");
    return personal.empty() ? std::string() : IncludeTrailingSeparator(personal);
#else
    const std::string home = plat::homeFolder();
    std::string config = plat::getEnv("XDG_CONFIG_HOME");
    if (config.empty())
        config = home + ".config";
    const std::string dir =
        documentsDirFromUserDirs(IncludeTrailingSeparator(config) + "user-dirs.dirs", home);
    if (dir.empty() || !plat::isDirectory(dir))
        return {};
    return IncludeTrailingSeparator(dir);
#endif
}

std::string DefaultOutputFolder()
{
    std::string folder = GetDocumentsFolder();
    return folder.empty() ? plat::homeFolder() : folder;
}

bool CreateFolderChain(const std::string& path, std::string* why)
{
    const auto fail = [why](std::string reason) {
        if (why)
            *why = std::move(reason);
        return false;
    };
    const std::size_t root = plat::rootLength(path);
    if (root == 0)
        return fail("A folder must be given as a full path.");
    const std::string copy = IncludeTrailingSeparator(path);
    // Start after the root (a drive or share), which exists or cannot be made;
    // one level at a time outward.
    for (std::size_t i = root; i < copy.size(); ++i) {
        if (!plat::isPathSeparator(copy[i]))
            continue;
        const std::string folder = copy.substr(0, i);
        if (plat::isDirectory(folder))
            continue;
        if (const int error = plat::makeDirectory(folder); error != 0) {
            if (plat::errorKind(error) == plat::FsError::Exists)
                return fail("A file of that name is in the way: " + folder);
            // Systems word a name too long differently; the limits say it alike.
            if (std::string tooLong = OutputNameProblem(folder); !tooLong.empty())
                return fail(std::move(tooLong));
            return fail(WriteFailureText(error, folder));
        }
    }
    return true;
}
