#include "job/pageranges.h"
#include "text/strutil.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct RangeCase
{
    const char* text;
    std::int32_t pageCount;
    const char* rangeList; // "" refused; nullptr: conversion error
    std::int32_t total;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const RangeCase& c, std::ostream* os)
{
    *os << '"' << c.text << "\" of " << c.pageCount;
}

class PageRangesTest : public testing::TestWithParam<RangeCase>
{
};

TEST_P(PageRangesTest, Parses)
{
    const RangeCase& c = GetParam();
    if (!c.rangeList) {
        EXPECT_THROW(ParsePageRanges(c.text, c.pageCount), EConvertError) << c.text;
        return;
    }
    const TPageRanges r = ParsePageRanges(c.text, c.pageCount);
    EXPECT_EQ(r.RangeList, c.rangeList) << c.text;
    if (*c.rangeList) {
        EXPECT_EQ(r.PageTotal, c.total) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, PageRangesTest,
                         testing::Values(
                             // accepted, in typed order, repeats and overlaps kept
                             RangeCase{"1,2-5,4,6", 6, "1;2-5;4;6;", 7},
                             RangeCase{"3 ; 2-2 ;; 3", 6, "3;2-2;3;", 3}, RangeCase{"1a5", 6, "1;5;", 2},
                             RangeCase{"2--5", 6, "2-5;", 4}, RangeCase{"6", 6, "6;", 1},
                             RangeCase{"1-6", 6, "1-6;", 6}, RangeCase{"3,1-2", 5, "3;1-2;", 3},
                             RangeCase{"4-5,1", 5, "4-5;1;", 3}, RangeCase{"1-3,2-4", 5, "1-3;2-4;", 6},
                             // refused: beyond the document, descending, open-ended, no entry at all
                             RangeCase{"7", 6, "", 0}, RangeCase{"2-7", 6, "", 0}, RangeCase{"5-3", 6, "", 0},
                             RangeCase{"7-", 6, "", 0}, RangeCase{"abc", 6, "", 0}, RangeCase{"", 6, "", 0},
                             RangeCase{"1,2,9", 6, "", 0},
                             // refused: no page below 1 exists
                             RangeCase{"0", 6, "", 0}, RangeCase{"-3", 6, "", 0}, RangeCase{"0-2", 6, "", 0},
                             RangeCase{"1,0", 6, "", 0},
                             // conversion errors
                             RangeCase{"3 - 7", 6, nullptr, 0}, RangeCase{"--5", 6, nullptr, 0},
                             RangeCase{"2-5-7", 6, nullptr, 0}, RangeCase{"99999999999", 6, nullptr, 0},
                             RangeCase{"2-99999999999", 6, nullptr, 0},
                             // a number is read only when its test is reached
                             RangeCase{"9-5-7", 6, "", 0}));

TEST(PageRanges, CheckRewritesDoubledDashInPlace)
{
    std::string entry = "2---5";
    EXPECT_EQ(CheckPageRange(entry, 6), 4);
    EXPECT_EQ(entry, "2-5");
}

TEST(PageRanges, HugeTotalIsRefusedNotOverflowed)
{
    std::string text;
    for (int i = 0; i < 3; ++i)
        text += "1-2000000000,";
    EXPECT_EQ(ParsePageRanges(text, 2000000000).RangeList, "");
}

} // namespace
