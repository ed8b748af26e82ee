#include "text/naturalsort.h"

#include <cstddef>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

char FoldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// <0, 0, >0 as the readable order of a and b, ignoring what only the tie-break decides.
int CompareReadable(std::string_view a, std::string_view b, int& zeroTieBreak)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            std::size_t iStart = i;
            std::size_t jStart = j;
            while (iStart < a.size() && a[iStart] == '0')
                ++iStart;
            while (jStart < b.size() && b[jStart] == '0')
                ++jStart;
            std::size_t iEnd = iStart;
            std::size_t jEnd = jStart;
            while (iEnd < a.size() && IsDigit(a[iEnd]))
                ++iEnd;
            while (jEnd < b.size() && IsDigit(b[jEnd]))
                ++jEnd;
            // Without leading zeros, a longer run is a larger number; runs of
            // equal length compare digit by digit. Any length fits: no conversion.
            if (iEnd - iStart != jEnd - jStart)
                return iEnd - iStart < jEnd - jStart ? -1 : 1;
            if (const int c = a.substr(iStart, iEnd - iStart).compare(b.substr(jStart, jEnd - jStart));
                c != 0)
                return c;
            if (zeroTieBreak == 0 && iStart - i != jStart - j)
                zeroTieBreak = iStart - i < jStart - j ? -1 : 1;
            i = iEnd;
            j = jEnd;
            continue;
        }
        const auto ca = static_cast<unsigned char>(FoldAscii(a[i]));
        const auto cb = static_cast<unsigned char>(FoldAscii(b[j]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

} // namespace

bool NaturalLess(std::string_view a, std::string_view b)
{
    int zeroTieBreak = 0;
    if (const int c = CompareReadable(a, b, zeroTieBreak); c != 0)
        return c < 0;
    if (zeroTieBreak != 0)
        return zeroTieBreak < 0;
    return a < b;
}
