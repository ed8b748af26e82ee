// text/: strings and names, with no disk access. Uses platform/ (the separator).
//
// Small text helpers shared by the core, the windows and the command line.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// A text that does not convert to a number. what() is
// "'<text>' is not a valid integer value" (without a final full stop).
class EConvertError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Decimal 32-bit conversion: optional leading blanks, an optional sign, then
// digits and nothing else. Throws EConvertError for anything else or a value
// beyond the signed 32-bit range.
std::int32_t StrToInt(std::string_view text);

// Removes leading and trailing blanks and control characters (every byte <= ' ').
std::string Trim(std::string_view text);

// Character-by-character comparison with only the ASCII letters a-z folded to
// upper case: no other normalisation of any kind.
bool SameTextAscii(std::string_view a, std::string_view b);

// Appends the platform separator unless the text already ends in one.
std::string IncludeTrailingSeparator(std::string text);
