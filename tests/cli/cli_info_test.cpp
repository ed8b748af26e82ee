#include "clitestutil.h"
#include "text/filenames.h"
#include "util/testtools.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testutil;

namespace {

using testing::HasSubstr;

struct UsageCase
{
    const char* Name;
    std::vector<std::string> Args;
    int ExitCode;
    const char* OutHas;
    const char* ErrHas;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const UsageCase& c, std::ostream* os)
{
    *os << c.Name;
}

class CliUsageTest : public testing::TestWithParam<UsageCase>
{
};

// Through the built program: the exit codes and texts a script sees.
TEST_P(CliUsageTest, ExitCodeAndText)
{
    const UsageCase& c = GetParam();
    const TRunResult r = RunCliBinary(c.Args);
    EXPECT_EQ(r.ExitCode, c.ExitCode) << r.Err;
    EXPECT_THAT(r.Out, HasSubstr(c.OutHas));
    EXPECT_THAT(r.Err, HasSubstr(c.ErrHas));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliUsageTest,
    testing::Values(
        UsageCase{"Version", {"--version"}, 0, "plicora-cli 1.0.0\n", ""},
        UsageCase{"Help", {"--help"}, 0, "merge", ""},
        UsageCase{"SplitHelp", {"split", "--help"}, 0, "--every", ""},
        UsageCase{"NoSubcommand", {}, 2, "", "subcommand"},
        UsageCase{"UnknownOption", {"merge", "--bogus"}, 2, "", "--bogus"},
        UsageCase{"InfoWithoutFiles", {"info"}, 2, "", "FILE"},
        UsageCase{"EveryNotANumber", {"split", "--every", "x", "-o", "/tmp", "a.pdf"}, 2, "", "x"},
        UsageCase{"BothSplitMethods", {"split", "--every", "2", "--pages", "1", "a.pdf"}, 2, "", "excludes"}),
    [](const testing::TestParamInfo<UsageCase>& testInfo) { return std::string(testInfo.param.Name); });

// A file no reader can read gets no line, a line saying why on the error stream
// instead (the causes are the core's: reader_test), and exit code 1.
TEST(CliInfo, OneTabSeparatedLinePerFileItCouldRead)
{
    TempDir dir;
    const std::string plain = dir.str() + "three pages.pdf";
    const std::string locked = dir.str() + "locked.pdf";
    ASSERT_TRUE(MakeTestPdf(plain, 3, "Info page "));
    ASSERT_TRUE(MakeEncryptedPdf(plain, locked));
    const std::string text = dir.write("notes.txt", std::string(1536, 'x'));

    const TRunResult r = RunCliInProcess({"info", plain, text, locked});
    EXPECT_EQ(r.ExitCode, 1);
    EXPECT_EQ(r.Err, text + ": not a PDF document\n");
    const auto lines = Lines(r.Out);
    ASSERT_EQ(lines.size(), 2u) << r.Out;
    EXPECT_EQ(lines[0], "3\tno\t" + FileSizeText(std::filesystem::file_size(plain)) + "\t" + plain);
    EXPECT_THAT(lines[1], testing::StartsWith("3\tyes\t"));
}

TEST(CliInfo, AFileThatCannotBeOpenedFailsButTheOthersAreReported)
{
    TempDir dir;
    const std::string a = dir.str() + "a.pdf";
    const std::string missing = dir.str() + "missing.pdf";
    ASSERT_TRUE(MakeTestPdf(a, 2, "A page "));

    const TRunResult r = RunCliInProcess({"info", missing, dir.str(), a});
    EXPECT_EQ(r.ExitCode, 1);
    EXPECT_THAT(r.Err, HasSubstr("Cannot open file \"" + missing + "\"."));
    EXPECT_THAT(r.Err, HasSubstr(dir.str() + " is a folder"));
    const auto lines = Lines(r.Out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_THAT(lines[0], testing::StartsWith("2\tno\t"));
}

} // namespace
