#include "fileservices.h"

#include "platform.h"
#include "safeoutput.h"
#include "strutil.h"

#include <cstdio>
#include <fstream>

namespace {

constexpr char Sep = plat::PathSeparator;

#ifndef _WIN32
// Reads XDG_DOCUMENTS_DIR from a user-dirs.dirs file: lines of the form
// XDG_DOCUMENTS_DIR="$HOME/Documents" or an absolute path, with backslash
// escapes inside the quotes.
std::string documentsDirFromUserDirs(const std::string& file, const std::string& home)
{
    std::ifstream in(file);
    std::string line, found;
    const std::string key = "XDG_DOCUMENTS_DIR=";
    while (std::getline(in, line)) {
        const std::string t = Trim(line);
        if (t.rfind(key, 0) != 0)
            continue;
        std::string v = t.substr(key.size());
        if (v.size() < 2 || v.front() != '"')
            continue;
        std::string value;
        bool closed = false;
        for (std::size_t i = 1; i < v.size(); ++i) {
            if (v[i] == '\\' && i + 1 < v.size()) {
                value += v[++i];
            } else if (v[i] == '"') {
                closed = true;
                break;
            } else {
                value += v[i];
            }
        }
        if (!closed)
            continue;
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

bool CreateFolderChain(const std::string& path)
{
    const std::size_t root = plat::rootLength(path);
    if (root == 0)
        return false;
    const std::string copy = IncludeTrailingSeparator(path);
    // Start after the root (a drive or share), which exists or cannot be made;
    // one level at a time outward.
    for (std::size_t i = root; i < copy.size(); ++i) {
        if (!plat::isPathSeparator(copy[i]))
            continue;
        const std::string folder = copy.substr(0, i);
        if (!plat::isDirectory(folder) && !plat::makeDirectory(folder))
            return false;
    }
    return true;
}

std::string RemoveFileExt(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

namespace {
// The last separator of a path; on Windows a drive's colon ends the folder part
// too ("C:name").
std::size_t lastSeparator(const std::string& path)
{
    for (std::size_t i = path.size(); i-- > 0;) {
        if (plat::isPathSeparator(path[i]))
            return i;
#ifdef _WIN32
        if (path[i] == ':' && i == 1)
            return i;
#endif
    }
    return std::string::npos;
}
} // namespace

std::string ExtractFileName(const std::string& path)
{
    const std::size_t sep = lastSeparator(path);
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

std::string ExtractFilePath(const std::string& path)
{
    const std::size_t sep = lastSeparator(path);
    return sep == std::string::npos ? std::string() : path.substr(0, sep + 1);
}

std::string ExtractFileExt(const std::string& path)
{
    const std::string name = ExtractFileName(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string FileSizeText(std::uint64_t size, char decimalSeparator)
{
    char buf[64];
    if (size < 1024ULL) {
        std::snprintf(buf, sizeof buf, "%6d B", static_cast<int>(size));
    } else if (size < 1048576ULL) {
        std::snprintf(buf, sizeof buf, "%6.2Lf K", static_cast<long double>(size) / 1024.0L);
    } else if (size < 1073741824ULL) {
        std::snprintf(buf, sizeof buf, "%6.2Lf M", static_cast<long double>(size) / 1048576.0L);
    } else {
        std::snprintf(buf, sizeof buf, "%.2Lf G", static_cast<long double>(size) / 1073741824.0L);
    }
    std::string text(buf);
    if (const std::size_t dot = text.find('.'); dot != std::string::npos)
        text[dot] = decimalSeparator;
    return text;
}

std::string DefaultMergeOutputName(const std::string& defaultFolder, const std::string& inputPath)
{
    return defaultFolder + "Tarvex" + Sep + RemoveFileExt(ExtractFileName(inputPath)) + "_me.pdf";
}

std::string UnlistedOutputName(const std::string& current,
                               const std::function<bool(const std::string&)>& isListed)
{
    std::string name = current;
    for (int n = 1; isListed(name); ++n)
        name = RemoveFileExt(current) + std::to_string(n) + ".pdf";
    return name;
}

std::string FinalMergeOutputName(const std::string& typed)
{
    std::string out = Trim(typed);
    std::string ext = ExtractFileExt(out);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    if (ext != ".pdf")
        out += ".pdf";
    return out;
}

std::string OutputCreationProblem(const std::string& path)
{
    if (std::string problem = OutputNameProblem(path); !problem.empty())
        return problem;
    // The output will replace the name by a rename: what is there must be a file
    // (or a link to one) that could be written, as before; it is not touched.
    if (plat::nameExists(path) && !plat::canWriteExisting(path))
        return "The file cannot be written: " + path;
    TSafeOutput probe(path);
    return probe.Reason(); // the probe removes its temporary
}

bool TestCreateOutputFile(const std::string& path)
{
    return OutputCreationProblem(path).empty();
}
