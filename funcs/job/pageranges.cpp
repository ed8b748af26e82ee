#include "job/pageranges.h"

#include "text/strutil.h"

#include <limits>

std::int32_t CheckPageRange(std::string& entry, std::int32_t pageCount)
{
    const std::size_t dash = entry.find('-');
    if (dash == std::string::npos || dash == 0) {
        // A single page; a leading "-" makes it negative, which no document has.
        const std::int32_t page = StrToInt(entry);
        return (page >= 1 && page <= pageCount) ? 1 : 0;
    }

    const std::string firstText = entry.substr(0, dash);
    // "2--5" means "2-5": dashes that directly follow the first one go.
    while (dash + 1 < entry.size() && entry[dash + 1] == '-')
        entry.erase(dash + 1, 1);
    const std::string lastText = entry.substr(dash + 1);

    // The tests run in this order and convert a number only when reached, so the
    // same texts raise conversion errors as before.
    if (lastText.empty())
        return 0;
    const std::int32_t first = StrToInt(firstText);
    if (first > pageCount)
        return 0;
    const std::int32_t last = StrToInt(lastText);
    if (first > last || last > pageCount)
        return 0;
    if (first < 1) // page 0 would make Ghostscript write a broken page
        return 0;
    return last - first + 1;
}

TPageRanges ParsePageRanges(const std::string& text, std::int32_t pageCount)
{
    TPageRanges result;
    std::string entry;
    auto finishEntry = [&]() {
        if (entry.empty())
            return true;
        const std::int32_t pages = CheckPageRange(entry, pageCount);
        // A total beyond 32 bits cannot be shown or posted: refuse it too.
        if (pages <= 0 || result.PageTotal > std::numeric_limits<std::int32_t>::max() - pages)
            return false;
        result.RangeList += entry;
        result.RangeList += ';';
        result.PageTotal += pages;
        entry.clear();
        return true;
    };

    for (const char c : text) {
        if (c == '-' || (c >= '0' && c <= '9')) {
            entry += c;
        } else if (!finishEntry()) {
            return {};
        }
    }
    if (!finishEntry())
        return {};
    return result;
}
