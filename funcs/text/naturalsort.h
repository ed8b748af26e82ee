// Ordering names as people read them: "chapter2" before "chapter10".
#pragma once

#include <string_view>

// A strict weak ordering of byte strings. Runs of ASCII digits compare by their
// value (leading zeros ignored, then fewer zeros first); other bytes compare with
// the ASCII letters folded to lower case. Names equal by those rules fall back to
// a plain byte comparison, so only identical strings are equivalent.
bool NaturalLess(std::string_view a, std::string_view b);
