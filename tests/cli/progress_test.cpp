#include "cliapp.h"
#include "clitestutil.h"
#include "progress.h"
#include "util/testtools.h"

#include <gtest/gtest.h>
#include <sstream>
#include <thread>

using namespace testutil;

namespace {

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
    EXPECT_EQ(err.str().front(), '\r');
    EXPECT_NE(err.str().find("\r100%\nMerging PDF completed.\n"), std::string::npos) << err.str();
    EXPECT_EQ(ProgressShape(err.str()), "rising to 100%\nMerging PDF completed.");
}

} // namespace
