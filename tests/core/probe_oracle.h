// A slow, literal restatement of the probe's rules over whole byte strings: one
// window at a time, whole lines in memory. Tests and the fuzzer compare the real
// probe (blocks, streaming, fast skipping) against it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace probe_oracle {

inline bool tailCheck(std::string_view b)
{
    const std::size_t size = b.size();
    if (size <= 10)
        return false;
    std::string_view last = b.substr(size - 7, 7);
    last = last.substr(0, last.find('\0'));
    if (last.find("%%EOF") != std::string_view::npos)
        return true;
    for (std::size_t off = size - 10; off >= 1; --off) {
        if (b.substr(off, 9) == "startxref")
            return true;
    }
    return false;
}

inline bool encrypted(std::string_view b)
{
    if (b.size() < 8)
        return false;
    std::size_t found = 0;
    for (std::size_t off = b.size() - 7; off >= 1 && found == 0; --off) {
        if (b.substr(off, 7) == "trailer")
            found = off;
    }
    if (found == 0)
        return false;
    for (std::size_t p = found + 7; p + 7 <= b.size(); ++p) {
        const std::string_view w = b.substr(p, 7);
        if (w == "Encrypt")
            return true;
        if (w.find(">>") != std::string_view::npos)
            return false;
    }
    return false;
}

inline std::int32_t scan(std::string_view b)
{
    std::int64_t pageLines = 0;
    std::int64_t rootLines = 0;
    std::int32_t rootCount = 0;
    std::size_t start = 0;
    while (start <= b.size()) {
        std::size_t lf = b.find('\n', start);
        if (lf == std::string_view::npos)
            lf = b.size();
        std::string text;
        for (char c : b.substr(start, lf - start)) {
            if (c == '\x1A')
                break;
            if (c != '\r')
                text += c;
        }
        start = lf + 1;

        std::size_t pos = text.find("/Type/Page");
        std::size_t len = 10;
        if (pos == std::string::npos) {
            pos = text.find("/Type /Page");
            len = 11;
        }
        if (pos == std::string::npos)
            continue;
        if (pos + len >= text.size() || text[pos + len] != 's') {
            ++pageLines;
            continue;
        }
        if (text.find("/Parent") != std::string::npos)
            continue;
        const std::size_t count = text.find("/Count");
        if (count == std::string::npos)
            continue;
        std::size_t i = count + 6;
        while (i < text.size() && !(text[i] >= '0' && text[i] <= '9'))
            ++i;
        std::size_t j = i;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9')
            ++j;
        if (i == j)
            continue;
        std::string digits = text.substr(i, j - i);
        digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
        if (digits.size() > 10 || std::stoll(digits) > std::numeric_limits<std::int32_t>::max())
            return 0;
        ++rootLines;
        rootCount = static_cast<std::int32_t>(std::stoll(digits));
    }
    if (rootLines == 1)
        return rootCount;
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(pageLines, std::numeric_limits<std::int32_t>::max()));
}

} // namespace probe_oracle
