#include "text/naturalsort.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct OrderCase
{
    const char* before;
    const char* after;
};

void PrintTo(const OrderCase& c, std::ostream* os)
{
    *os << '"' << c.before << "\" before \"" << c.after << '"';
}

class NaturalLessTest : public testing::TestWithParam<OrderCase>
{
};

TEST_P(NaturalLessTest, OrdersAsRead)
{
    const OrderCase& c = GetParam();
    EXPECT_TRUE(NaturalLess(c.before, c.after)) << c.before << " < " << c.after;
    EXPECT_FALSE(NaturalLess(c.after, c.before)) << c.after << " < " << c.before;
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, NaturalLessTest,
    testing::Values(OrderCase{"chapter2.pdf", "chapter10.pdf"}, OrderCase{"a9b", "a10a"},
                    OrderCase{"Chapter2.pdf", "chapter10.pdf"}, // case does not decide before the numbers
                    OrderCase{"report.pdf", "Report1.pdf"},     // "." before "1"
                    OrderCase{"x1.pdf", "x01.pdf"},             // equal value: fewer zeros first
                    OrderCase{"x01.pdf", "x2.pdf"}, OrderCase{"2", "10"}, OrderCase{"", "a"},
                    OrderCase{"v1.2.pdf", "v1.10.pdf"},
                    OrderCase{"page99999999999999999999", "page100000000000000000000"},
                    OrderCase{"A.pdf", "a.pdf"}, // equal but for case: byte order decides
                    OrderCase{"0", "00"}));

TEST(NaturalSort, SortsAListAsPeopleRead)
{
    std::vector<std::string> names{"chapter10.pdf", "Appendix.pdf",   "chapter2.pdf",
                                   "chapter1.pdf",  "chapter02b.pdf", "chapter20.pdf"};
    std::sort(names.begin(), names.end(), NaturalLess);
    EXPECT_EQ(names, (std::vector<std::string>{"Appendix.pdf", "chapter1.pdf", "chapter2.pdf",
                                               "chapter02b.pdf", "chapter10.pdf", "chapter20.pdf"}));
}

TEST(NaturalSort, OnlyIdenticalNamesAreEquivalent)
{
    EXPECT_FALSE(NaturalLess("same.pdf", "same.pdf"));
    EXPECT_TRUE(NaturalLess("a1", "a01") != NaturalLess("a01", "a1"));
}

} // namespace
