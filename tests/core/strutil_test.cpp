#include "text/coretext.h"
#include "text/strutil.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>

namespace {

struct IntCase
{
    const char* text;
    std::optional<std::int32_t> value; // nothing: conversion error
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const IntCase& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

class StrToIntTest : public testing::TestWithParam<IntCase>
{
};

TEST_P(StrToIntTest, ConvertsOrRaises)
{
    const IntCase& c = GetParam();
    if (c.value) {
        EXPECT_EQ(StrToInt(c.text), *c.value);
    } else {
        try {
            StrToInt(c.text);
            FAIL() << "no error for '" << c.text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + c.text + "' is not a valid integer value");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StrToIntTest,
    testing::Values(IntCase{"0", 0}, IntCase{"42", 42}, IntCase{"-3", -3}, IntCase{"+7", 7},
                    IntCase{"  12", 12}, IntCase{"007", 7}, IntCase{"2147483647", 2147483647},
                    IntCase{"-2147483648", -2147483647 - 1}, IntCase{"2147483648", std::nullopt},
                    IntCase{"99999999999999999999", std::nullopt}, IntCase{"", std::nullopt},
                    IntCase{"-", std::nullopt}, IntCase{"--5", std::nullopt}, IntCase{"5-7", std::nullopt},
                    IntCase{"12 ", std::nullopt}, IntCase{"1a", std::nullopt}));

TEST(TextHelpers, TrimRemovesBlanksAndControlsOnly)
{
    EXPECT_EQ(Trim("  \t a b \r\n"), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("\xC3\xA9t\xC3\xA9"), "\xC3\xA9t\xC3\xA9"); // bytes above 127 are text
}

TEST(TextHelpers, SameTextFoldsAsciiLettersOnly)
{
    EXPECT_TRUE(SameTextAscii("/A/X.PDF", "/a/x.pdf"));
    EXPECT_FALSE(SameTextAscii("/a/x.pdf", "/a/./x.pdf"));
    EXPECT_FALSE(SameTextAscii("\xC3\x89.pdf", "\xC3\xA9.pdf")); // É and é stay different
    EXPECT_FALSE(SameTextAscii("[", "{"));                       // no folding outside a-z
    EXPECT_FALSE(SameTextAscii("a", "ab"));
}

TEST(TextHelpers, FillTemplatePutsArgumentsInOnce)
{
    EXPECT_EQ(FillTemplate("%1 is encrypted, cannot be split.", {"/a/b.pdf"}),
              "/a/b.pdf is encrypted, cannot be split.");
    EXPECT_EQ(FillTemplate("%2 of %1", {"x", "y"}), "y of x");
    // What an argument holds is never read as a placeholder.
    EXPECT_EQ(FillTemplate("\"%1\" aleady exists, %2", {"100%2.pdf", "z"}), "\"100%2.pdf\" aleady exists, z");
    EXPECT_EQ(FillTemplate("%1 and %3, 50%", {"a"}), "a and %3, 50%"); // no argument: left as it is
}

} // namespace
