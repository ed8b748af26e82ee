#include "text/strutil.h"

#include "platform/platform.h"

#include <limits>

std::int32_t StrToInt(std::string_view text)
{
    auto fail = [&]() -> std::int32_t {
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    };
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    if (i == text.size())
        return fail();
    // Accumulate as a negative number so that INT32_MIN converts too.
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return fail();
        value = value * 10 - (c - '0');
        if (value < std::int64_t(std::numeric_limits<std::int32_t>::min()))
            return fail();
    }
    if (!negative) {
        value = -value;
        if (value > std::numeric_limits<std::int32_t>::max())
            return fail();
    }
    return static_cast<std::int32_t>(value);
}

std::string Trim(std::string_view text)
{
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && blank(text[b]))
        ++b;
    while (e > b && blank(text[e - 1]))
        --e;
    return std::string(text.substr(b, e - b));
}

bool SameTextAscii(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    auto up = [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; };
    for (std::size_t i = 0; i < a.size(); ++i)
        if (up(a[i]) != up(b[i]))
            return false;
    return true;
}

std::string IncludeTrailingSeparator(std::string text)
{
    if (text.empty() || !plat::isPathSeparator(text.back()))
        text += plat::PathSeparator;
    return text;
}
