#include "engines/gserrors.h"

#include <gtest/gtest.h>

namespace {

const char* const Stream = "GPL Ghostscript 10.0.0: Unrecoverable error, exit code 1\n"
                           "   **** Error: Cannot find a 'startxref' anywhere in the file.  \r\n"
                           "               Output may be incorrect.\n"
                           "**** Unable to open the initial device, quitting.\n"
                           "Error: /undefinedfilename in (missing.pdf)\n";

// However the stream is cut into chunks, the same lines come out.
class ErrorLinesChunkTest : public testing::TestWithParam<std::size_t>
{
};
TEST_P(ErrorLinesChunkTest, KeepsOnlyStarredLinesTrimmed)
{
    TErrorLineCollector c;
    const std::string s = Stream;
    for (std::size_t i = 0; i < s.size(); i += GetParam())
        c.Feed(s.substr(i, GetParam()));
    EXPECT_EQ(c.Text(), "**** Error: Cannot find a 'startxref' anywhere in the file.\n"
                        "**** Unable to open the initial device, quitting.");
}
INSTANTIATE_TEST_SUITE_P(Chunks, ErrorLinesChunkTest, testing::Values(1, 2, 7, 64, 100000));

TEST(ErrorLines, BoundedInCountAndLength)
{
    TErrorLineCollector c;
    for (int i = 0; i < 1000; ++i)
        c.Feed("**** Error: line " + std::to_string(i) + "\n");
    c.Feed("**** " + std::string(1 << 20, 'x'));
    ASSERT_EQ(c.Lines().size(), TErrorLineCollector::MaxLines);
    EXPECT_EQ(c.Lines().front(), "**** Error: line 0");
    TErrorLineCollector longLine;
    longLine.Feed("**** " + std::string(1 << 20, 'x') + "\n**** next\n");
    ASSERT_EQ(longLine.Lines().size(), 2U);
    EXPECT_EQ(longLine.Lines()[0].size(), TErrorLineCollector::MaxLineLength);
    EXPECT_EQ(longLine.Lines()[1], "**** next");
}

TEST(ErrorLines, AnUnfinishedLastLineCountsAndClearForgets)
{
    TErrorLineCollector c;
    c.Feed("noise\n**** Error: no newline at the end");
    EXPECT_EQ(c.Text(), "**** Error: no newline at the end");
    c.Feed(nullptr, -1); // what a broken callback might pass
    c.Clear();
    EXPECT_EQ(c.Text(), "");
}

} // namespace
