#include "text/filenames.h"

#include "platform/platform.h"

#include <cstdio>
#include <string_view>

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

std::string SafeFileNamePart(const std::string& text, std::size_t maxBytes)
{
    std::string name;
    name.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool refused =
            byte < 0x20 || byte == 0x7f || std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos;
        name += refused ? '_' : c;
    }
    if (name.size() > maxBytes) {
        std::size_t cut = maxBytes;
        // Not inside a character: its continuation bytes are 10xxxxxx.
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0U) == 0x80U)
            --cut;
        name.resize(cut);
    }
    const auto first = name.find_first_not_of(' ');
    const auto last = name.find_last_not_of(" .");
    return first == std::string::npos || last == std::string::npos || last < first
               ? std::string()
               : name.substr(first, last - first + 1);
}
