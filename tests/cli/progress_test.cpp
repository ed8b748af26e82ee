#include "cliapp.h"
#include "clitestutil.h"
#include "progress.h"
#include "util/testtools.h"

#include <gtest/gtest.h>
#include <sstream>
#include <thread>

namespace {

struct MeterCase
{
    const char* Name;
    std::uint8_t JobKind;
    std::vector<TNotice> Notices;
    std::vector<int> Percentages; // one per page notice that yields a value
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const MeterCase& c, std::ostream* os)
{
    *os << c.Name;
}

class ProgressMeterTest : public testing::TestWithParam<MeterCase>
{
};

TEST_P(ProgressMeterTest, FollowsTheWindowsArithmetic)
{
    const MeterCase& c = GetParam();
    TProgressMeter meter(c.JobKind);
    std::vector<int> got;
    for (const TNotice& n : c.Notices)
        if (const auto p = meter.Apply(n))
            got.push_back(*p);
    EXPECT_EQ(got, c.Percentages);
}

constexpr std::intptr_t T = GSN_TOTAL, P = GSN_PAGE, S = GSN_PIECE;

INSTANTIATE_TEST_SUITE_P(
    Notices, ProgressMeterTest,
    testing::Values(
        // Each merged file numbers its pages from 1 again.
        MeterCase{
            "MergeThreeAndTwo", 1, {{5, T}, {1, P}, {2, P}, {3, P}, {1, P}, {2, P}}, {20, 40, 60, 80, 100}},
        MeterCase{"SplitEveryTwoOfSix",
                  2,
                  {{6, T}, {1, S}, {1, P}, {2, P}, {3, S}, {3, P}, {4, P}, {5, S}, {5, P}, {6, P}},
                  {16, 33, 50, 66, 83, 100}},
        // Split pieces count from their first page, in typed order.
        MeterCase{
            "RangesFourFiveThenOne", 2, {{3, T}, {4, S}, {4, P}, {5, P}, {1, S}, {1, P}}, {33, 66, 100}},
        MeterCase{"OneOfThreeTruncates", 1, {{3, T}, {1, P}}, {33}},
        MeterCase{"NoTotalNoDivision", 1, {{1, P}, {2, P}}, {}},
        MeterCase{"ZeroTotalNoDivision", 2, {{0, T}, {1, S}, {1, P}}, {}},
        MeterCase{"StaysWithinRange", 1, {{2, T}, {1, P}, {2, P}, {3, P}}, {50, 100, 100}},
        MeterCase{"OtherNoticesIgnored", 1, {{4, T}, {7, -9}, {1, P}}, {25}}),
    [](const testing::TestParamInfo<MeterCase>& info) { return std::string(info.param.Name); });

TEST(NoticeQueue, KeepsPostingOrderAcrossThreads)
{
    TNoticeQueue queue;
    std::thread poster([&] {
        for (int i = 1; i <= 1000; ++i)
            queue.PostNotify(i, GSN_PAGE);
        queue.PostNotify(0, GSN_DONE);
    });
    int expected = 1;
    for (TNotice n = queue.WaitNext(); n.LParam != GSN_DONE; n = queue.WaitNext())
        EXPECT_EQ(n.WParam, expected++);
    poster.join();
    EXPECT_EQ(expected, 1001);
}

// On a terminal the percentage is rewritten in place and the line ended once.
TEST(CliProgress, UpdatesInPlaceOnATerminal)
{
    TempDir dir;
    const std::string a = dir.str() + "a.pdf", b = dir.str() + "b.pdf", output = dir.str() + "m.pdf";
    ASSERT_TRUE(MakeTestPdf(a, 2, "A page "));
    ASSERT_TRUE(MakeTestPdf(b, 2, "B page "));
    const std::vector<const char*> args{"plicora-cli", "merge", "-o", output.c_str(), a.c_str(), b.c_str()};
    std::ostringstream out, err;
    ASSERT_EQ(RunCli(static_cast<int>(args.size()), args.data(), out, err, true), 0) << err.str();
    EXPECT_EQ(err.str(), "\r 25%\r 50%\r 75%\r100%\nMerging PDF completed.\n");
}

} // namespace
