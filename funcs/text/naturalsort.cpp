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

// A run of digits in text from start: where its number begins (past leading
// zeros) and where the run ends.
struct TDigitRun
{
    std::size_t Start = 0;
    std::size_t Number = 0;
    std::size_t End = 0;

    TDigitRun(std::string_view text, std::size_t start) : Start(start), Number(start)
    {
        while (Number < text.size() && text[Number] == '0')
            ++Number;
        End = Number;
        while (End < text.size() && IsDigit(text[End]))
            ++End;
    }
    std::size_t Digits() const { return End - Number; }
    std::size_t Zeros() const { return Number - Start; }
};

// <0, 0, >0 as the numbers of two digit runs compare; on a tie, the first
// difference in leading zeros goes to zeroTieBreak.
int CompareNumbers(std::string_view a, const TDigitRun& x, std::string_view b, const TDigitRun& y,
                   int& zeroTieBreak)
{
    // Without leading zeros, a longer run is a larger number; runs of equal
    // length compare digit by digit. Any length fits: no conversion.
    if (x.Digits() != y.Digits())
        return x.Digits() < y.Digits() ? -1 : 1;
    if (const int c = a.substr(x.Number, x.Digits()).compare(b.substr(y.Number, y.Digits())); c != 0)
        return c;
    if (zeroTieBreak == 0 && x.Zeros() != y.Zeros())
        zeroTieBreak = x.Zeros() < y.Zeros() ? -1 : 1;
    return 0;
}

// <0, 0, >0 as the readable order of a and b, ignoring what only the tie-break decides.
int CompareReadable(std::string_view a, std::string_view b, int& zeroTieBreak)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            const TDigitRun x(a, i);
            const TDigitRun y(b, j);
            if (const int c = CompareNumbers(a, x, b, y, zeroTieBreak); c != 0)
                return c;
            i = x.End;
            j = y.End;
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
