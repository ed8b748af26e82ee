// The progress arithmetic the window and the command line share.
#include "job/job.h"
#include "job/progressmeter.h"

#include <gtest/gtest.h>
#include <ostream>
#include <utility>
#include <vector>

namespace {

struct MeterCase
{
    const char* Name;
    std::uint8_t JobKind;
    std::vector<std::pair<std::intptr_t, std::intptr_t>> Notices;
    std::vector<std::int64_t> Positions; // shown after each page or writing notice
    std::vector<int> Percentages;        // after each page or writing notice
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const MeterCase& c, std::ostream* os)
{
    *os << c.Name;
}

class ProgressMeterTest : public testing::TestWithParam<MeterCase>
{
};

TEST_P(ProgressMeterTest, FollowsTheProgressRules)
{
    const MeterCase& c = GetParam();
    TProgressState state;
    std::vector<std::int64_t> positions;
    std::vector<int> got;
    for (const auto& [w, l] : c.Notices) {
        const std::optional<int> p = ApplyProgressNotice(state, c.JobKind, w, l);
        EXPECT_EQ(p.has_value(), l == GSN_PAGE || l == GSN_WRITE || l == GSN_SOURCESHARE || l == GSN_CLOSED);
        if (p) {
            positions.push_back(ShownPosition(state));
            got.push_back(*p);
        }
    }
    EXPECT_EQ(positions, c.Positions);
    EXPECT_EQ(got, c.Percentages);
}

constexpr std::intptr_t T = GSN_TOTAL, P = GSN_PAGE, S = GSN_PIECE, WS = GSN_WRITESHARE, W = GSN_WRITE,
                        SS = GSN_SOURCESHARE, C = GSN_CLOSED;

INSTANTIATE_TEST_SUITE_P(
    Notices, ProgressMeterTest,
    testing::Values(
        // Each merged file numbers its pages from 1 again.
        MeterCase{"MergeThreeAndTwo",
                  JOB_MERGE,
                  {{5, T}, {1, P}, {2, P}, {3, P}, {1, P}, {2, P}},
                  {1, 2, 3, 4, 5},
                  {20, 40, 60, 80, 100}},
        MeterCase{"SplitEveryTwoOfSix",
                  JOB_SPLIT,
                  {{6, T}, {1, S}, {1, P}, {2, P}, {3, S}, {3, P}, {4, P}, {5, S}, {5, P}, {6, P}},
                  {1, 2, 3, 4, 5, 6},
                  {16, 33, 50, 66, 83, 100}},
        // Split pieces count from their first page, in typed order.
        MeterCase{"RangesFourFiveThenOne",
                  JOB_SPLIT,
                  {{3, T}, {4, S}, {4, P}, {5, P}, {1, S}, {1, P}},
                  {1, 2, 3},
                  {33, 66, 100}},
        MeterCase{"OneOfThreeTruncates", JOB_MERGE, {{3, T}, {1, P}}, {1}, {33}},
        MeterCase{"NoTotalNoDivision", JOB_MERGE, {{1, P}, {2, P}}, {0, 0}, {0, 0}},
        MeterCase{"ZeroTotalNoDivision", JOB_SPLIT, {{0, T}, {1, S}, {1, P}}, {0}, {0}},
        MeterCase{"NegativeTotalIsZero", JOB_MERGE, {{-4, T}, {1, P}}, {0}, {0}},
        MeterCase{"StaysWithinRange", JOB_MERGE, {{2, T}, {1, P}, {2, P}, {3, P}}, {1, 2, 2}, {50, 100, 100}},
        // Writing the merged file out is most of the work: the bar keeps moving.
        MeterCase{"MergeWrittenAfterCopying",
                  JOB_MERGE,
                  {{100, T}, {80, WS}, {50, P}, {100, P}, {50, W}, {100, W}},
                  {10, 20, 60, 100},
                  {10, 20, 60, 100}},
        // Each piece is written before the next begins; finished pieces count in full.
        MeterCase{"SplitPiecesWrittenOneByOne",
                  JOB_SPLIT,
                  {{4, T}, {50, WS}, {1, S}, {1, P}, {2, P}, {100, W}, {3, S}, {3, P}, {4, P}, {50, W}},
                  {0, 1, 2, 2, 3, 3},
                  {0, 25, 50, 50, 75, 75}},
        // Reading the source and letting it go show half their part while they
        // last: the bar neither waits at 0 nor at the last piece.
        MeterCase{"SplitSourceReadAndLetGo",
                  JOB_SPLIT,
                  {{10, T}, {40, SS}, {1, S}, {5, P}, {6, S}, {10, P}, {0, C}},
                  {1, 5, 9, 10},
                  {10, 50, 90, 100}},
        MeterCase{"OtherNoticesIgnored", JOB_MERGE, {{4, T}, {7, -99}, {1, P}}, {1}, {25}}),
    [](const testing::TestParamInfo<MeterCase>& testInfo) { return std::string(testInfo.param.Name); });

// An output's writing then its check fill its share once, never going back.
TEST(WrittenPercent, WritingThenCheckingFillTheShare)
{
    int last = 0;
    for (const TWriteStage stage : {TWriteStage::Writing, TWriteStage::Checking}) {
        for (int percent = 0; percent <= 100; percent += 5) {
            EXPECT_GE(WrittenPercent(stage, percent), last);
            last = WrittenPercent(stage, percent);
        }
    }
    EXPECT_EQ(last, 100);
    EXPECT_EQ(WrittenPercent(TWriteStage::Writing, 0), 0);
}

// The source weighs more against few large pieces, and against two threads.
TEST(SplitSourceShare, WeighsTheSourceAgainstItsPieces)
{
    const int everyPage = SplitSourceShare(0.4, 6, 615, 615, 615, 2);
    const int everyTen = SplitSourceShare(0.4, 6, 615, 615, 62, 2);
    EXPECT_LT(everyPage, everyTen);
    EXPECT_EQ(everyTen, 33);
    EXPECT_LT(SplitSourceShare(0.4, 6, 615, 615, 62, 1), everyTen);
    EXPECT_EQ(SplitSourceShare(0, 6, 615, 615, 62, 2), 0);
}

TEST(PercentText, ThreePlacesAndASign)
{
    EXPECT_EQ(PercentText(0), "  0%");
    EXPECT_EQ(PercentText(25), " 25%");
    EXPECT_EQ(PercentText(100), "100%");
}

} // namespace
