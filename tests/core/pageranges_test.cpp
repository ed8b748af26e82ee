#include "job/pageranges.h"
#include "job/pageselection.h"
#include "job/splitpreview.h"
#include "text/strutil.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

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

// A merge input's page selection: the same notation, plus "N-" and "z".
struct SelectionCase
{
    const char* text;
    std::int32_t pageCount;
    std::vector<std::int32_t> pages; // empty: every page
    const char* problem = "";        // "" when accepted
};

void PrintTo(const SelectionCase& c, std::ostream* os)
{
    *os << '"' << c.text << "\" of " << c.pageCount;
}

class PageSelectionTest : public testing::TestWithParam<SelectionCase>
{
};

TEST_P(PageSelectionTest, Parses)
{
    const SelectionCase& c = GetParam();
    const TPageSelection s = ParsePageSelection(c.text, c.pageCount);
    EXPECT_EQ(s.Problem, c.problem);
    EXPECT_EQ(s.Pages, c.pages);
    const std::optional<std::int32_t> count = SelectedPageCount(c.text, c.pageCount);
    if (*c.problem) {
        EXPECT_FALSE(count);
        EXPECT_EQ(ChosenPageFlags(c.text, c.pageCount), std::vector<bool>(c.pageCount, false));
    } else {
        EXPECT_EQ(count, c.pages.empty() ? c.pageCount : static_cast<std::int32_t>(c.pages.size()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PageSelectionTest,
    testing::Values(
        SelectionCase{"", 5, {}}, SelectionCase{" all ", 5, {}}, SelectionCase{"1-3,5", 5, {1, 2, 3, 5}},
        SelectionCase{"4-, 1", 6, {4, 5, 6, 1}}, SelectionCase{"z,1-2", 5, {5, 1, 2}},
        SelectionCase{"3-z", 4, {3, 4}}, SelectionCase{"z-z", 4, {4}},
        SelectionCase{"6", 5, {}, "the file has pages 1 to 5"},
        SelectionCase{"0-2", 5, {}, "the file has pages 1 to 5"},
        SelectionCase{"4-2", 5, {}, "\"4-2\" runs backwards"},
        SelectionCase{"1-3,2", 5, {}, "page 2 is chosen twice (list the file again for a second copy)"},
        SelectionCase{"1,,2", 5, {}, "an entry between commas is empty"},
        SelectionCase{"a", 5, {}, "\"a\" is not a page or a range of pages"},
        SelectionCase{"99999999999", 5, {}, "\"99999999999\" is not a page or a range of pages"}));

// Pages picked by pointing at them, written back in the same notation.
struct PickedCase
{
    const char* before;
    const char* chosen; // one character a page: 'x' chosen, '.' not
    const char* text;   // nullptr: none picked, no text
};

void PrintTo(const PickedCase& c, std::ostream* os)
{
    *os << '"' << c.before << "\" then " << c.chosen;
}

class PickedPagesTest : public testing::TestWithParam<PickedCase>
{
};

TEST_P(PickedPagesTest, Writes)
{
    const PickedCase& c = GetParam();
    std::vector<bool> chosen;
    for (const char* at = c.chosen; *at; ++at)
        chosen.push_back(*at == 'x');
    const std::optional<std::string> text = PickedPagesText(c.before, chosen);
    ASSERT_EQ(text.has_value(), c.text != nullptr);
    if (!c.text)
        return;
    EXPECT_EQ(*text, c.text);
    // What is written reads back as the pages picked.
    EXPECT_EQ(ChosenPageFlags(*text, static_cast<std::int32_t>(chosen.size())), chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, PickedPagesTest,
    testing::Values(PickedCase{"all", "xxxxx", "all"}, PickedCase{"", "xx.xx", "1-2,4-"},
                    PickedCase{"1-3", "xxx...x", "1-3,7"}, PickedCase{"1-3,7", "x.x...x", "1,3,7"},
                    PickedCase{"1,7", "x...x.x", "1,5,7"}, PickedCase{"4-, 1", "xx.xxx", "4-,1-2"},
                    PickedCase{"5,1", "x...xx", "5-,1"}, PickedCase{"z", "....x", "5"},
                    PickedCase{"1-3,2", ".x.", "2"}, PickedCase{"5,1", "xxxxx", "5,1-4"},
                    PickedCase{"5,3", "x.xxx", "1,5,3-4"}, PickedCase{"2", ".....", nullptr}));

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

// What the page view marks: each page's pieces, as a string per page ("" no
// piece, "2" piece 2, "1+3" pieces 1 and 3), under each method.
struct PreviewCase
{
    std::int32_t pages;
    TSplitMethod method;
    bool valid;
    std::vector<std::string> marks; // for pages 1..pages
};

void PrintTo(const PreviewCase& c, std::ostream* os)
{
    *os << c.pages << " pages, "
        << (c.method.ByRanges ? '"' + c.method.RangeText + '"'
                              : "every " + std::to_string(c.method.PagesPerFile));
}

class SplitPreviewTest : public testing::TestWithParam<PreviewCase>
{
};

TEST_P(SplitPreviewTest, MarksEachPage)
{
    const PreviewCase& c = GetParam();
    const TSplitPreview preview = PreviewSplit(c.pages, c.method);
    EXPECT_EQ(preview.Valid, c.valid);
    std::vector<std::string> marks;
    for (std::int32_t page = 1; page <= c.pages; ++page) {
        std::string mark;
        for (const std::int32_t piece : preview.PiecesOf(page))
            mark.append(mark.empty() ? "" : "+").append(std::to_string(piece));
        marks.push_back(mark);
        EXPECT_EQ(preview.PieceCount[static_cast<std::size_t>(page - 1)],
                  static_cast<std::int32_t>(preview.PiecesOf(page).size()));
    }
    EXPECT_EQ(marks, c.marks);
}

TSplitMethod Every(std::int32_t n)
{
    return {false, n, {}};
}

TSplitMethod Ranges(const char* text)
{
    return {true, 1, text};
}

INSTANTIATE_TEST_SUITE_P(
    Methods, SplitPreviewTest,
    testing::Values(
        // every N: the last piece ends at the last page
        PreviewCase{5, Every(2), true, {"1", "1", "2", "2", "3"}},
        PreviewCase{3, Every(5), true, {"1", "1", "1"}}, PreviewCase{3, Every(0), false, {"", "", ""}},
        // ranges: gaps stay in no piece, overlaps are in both, typed order numbers the pieces
        PreviewCase{6, Ranges(" 1,2-5,4 "), true, {"1", "2", "2", "2+3", "2", ""}},
        PreviewCase{4, Ranges("3,1-2"), true, {"2", "2", "1", ""}},
        PreviewCase{3, Ranges("2--3"), true, {"", "1", "1"}},
        // refused or half typed: nothing is written, so no page is marked
        PreviewCase{4, Ranges("1,2-"), false, {"", "", "", ""}},
        PreviewCase{4, Ranges("1,9"), false, {"", "", "", ""}},
        PreviewCase{4, Ranges("2-5-7"), false, {"", "", "", ""}}, PreviewCase{0, Ranges("1"), false, {}}));

} // namespace
