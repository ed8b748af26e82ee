// The split command's page-range text: "1,2-5,4,6" -> range list "1;2-5;4;6;".
#pragma once

#include <cstdint>
#include <string>

struct TPageRanges
{
    std::int32_t PageTotal = 0;
    std::string RangeList; // empty: the text is refused
};

// Checks one entry against the page count, rewriting a doubled dash in place
// ("2--5" -> "2-5"). Returns the entry's number of pages, or 0 when refused (a
// page below 1 or beyond pageCount, a descending range, a missing last page).
// Throws EConvertError when a number that must be read does not convert.
std::int32_t CheckPageRange(std::string& entry, std::int32_t pageCount);

// Parses the trimmed range text. An empty RangeList means refused. Throws
// EConvertError as CheckPageRange does; nothing is changed then.
TPageRanges ParsePageRanges(const std::string& text, std::int32_t pageCount);
