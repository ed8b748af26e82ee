#include "job/splitnames.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

struct NamesCase
{
    const char* Name;
    std::int32_t Total;
    std::int32_t Every; // used when RangeList is null
    const char* RangeList;
    std::vector<std::string> Expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const NamesCase& c, std::ostream* os)
{
    *os << c.Name;
}

class SplitPieceNamesTest : public testing::TestWithParam<NamesCase>
{
};

TEST_P(SplitPieceNamesTest, MirrorTheJobsNaming)
{
    const NamesCase& c = GetParam();
    const auto names = c.RangeList ? SplitPieceNames("/out/", "report", c.RangeList)
                                   : SplitPieceNames("/out/", "report", c.Total, c.Every);
    EXPECT_EQ(names, c.Expected);
}

constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Pieces, SplitPieceNamesTest,
    testing::Values(NamesCase{"EveryThreeOfSeven",
                              7,
                              3,
                              nullptr,
                              {"/out/report1-3.pdf", "/out/report4-6.pdf", "/out/report7-7.pdf"}},
                    NamesCase{"EveryOneOfThree",
                              3,
                              1,
                              nullptr,
                              {"/out/report1-1.pdf", "/out/report2-2.pdf", "/out/report3-3.pdf"}},
                    NamesCase{"EveryBeyondTotal", 5, 9, nullptr, {"/out/report1-5.pdf"}},
                    NamesCase{"EveryZeroWritesNothing", 5, 0, nullptr, {}},
                    NamesCase{"NoPages", 0, 2, nullptr, {}},
                    // Pages near the top of the range must not wrap around.
                    NamesCase{"NoOverflowAtTheTop",
                              Max,
                              Max - 1,
                              nullptr,
                              {"/out/report1-2147483646.pdf", "/out/report2147483647-2147483647.pdf"}},
                    NamesCase{
                        "RangesInTypedOrder", 0, 0, "3;1-2;", {"/out/report3.pdf", "/out/report1-2.pdf"}},
                    NamesCase{"RepeatsKept", 0, 0, "1;1;", {"/out/report1.pdf", "/out/report1.pdf"}},
                    NamesCase{"UnterminatedTailIsNoPiece", 0, 0, "1;2", {"/out/report1.pdf"}},
                    NamesCase{"EmptyList", 0, 0, "", {}}),
    [](const testing::TestParamInfo<NamesCase>& testInfo) { return std::string(testInfo.param.Name); });

} // namespace
