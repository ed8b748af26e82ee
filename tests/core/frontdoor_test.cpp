// What the merge list takes for one file, shown by the window and the command line alike.
#include "job/mergelist.h"
#include "platform/platform.h"
#include "util/testtools.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>

namespace fs = std::filesystem;

using namespace testutil;

namespace {

struct ListedCase
{
    const char* Name;
    const char* Listed; // relative to the test folder, which holds a.pdf, A.pdf and sub/
    const char* Added;
    bool Same;
};

void PrintTo(const ListedCase& c, std::ostream* os)
{
    *os << c.Name;
}

class SameFileListed : public testing::TestWithParam<ListedCase>
{
};

TEST_P(SameFileListed, ByTheFileNotTheSpelling)
{
    const ListedCase& c = GetParam();
    const TempDir dir;
    dir.write("a.pdf", "one");
    fs::create_directory(dir.path() / "sub");
    if (!plat::CaseFoldedNames)
        dir.write("A.pdf", "two");
    std::error_code noLink;
    fs::create_directory_symlink(dir.path() / "sub", dir.path() / "linked", noLink);
    if (!noLink)
        fs::create_hard_link(dir.path() / "a.pdf", dir.path() / "sub" / "hard.pdf", noLink);
    if (noLink && (std::string(c.Listed) + c.Added).find("sub/hard") != std::string::npos)
        GTEST_SKIP() << "no links here: " << noLink.message();
    TMergeListRow row;
    row.Path = dir.str() + c.Listed;
    row.Stamp = plat::fileStamp(row.Path);
    EXPECT_EQ(IsPathListed({row}, dir.str() + c.Added), c.Same);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SameFileListed,
    testing::Values(ListedCase{"SameName", "a.pdf", "a.pdf", true},
                    // Two files on a file system that tells case apart, one elsewhere.
                    ListedCase{"CaseTwins", "a.pdf", "A.pdf", plat::CaseFoldedNames},
                    ListedCase{"DoubleSeparator", "a.pdf", "sub//../a.pdf", true},
                    ListedCase{"DotDot", "sub/../a.pdf", "a.pdf", true},
                    ListedCase{"HardLink", "a.pdf", "sub/hard.pdf", true},
                    ListedCase{"ThroughALinkedFolder", "sub/hard.pdf", "linked/hard.pdf", true},
                    ListedCase{"Different", "a.pdf", "sub/other.pdf", false},
                    // Names that reach no file compare as cleaned spellings.
                    ListedCase{"MissingSameAfterCleaning", "gone/x.pdf", "gone/./y/../x.pdf", true},
                    ListedCase{"MissingOtherCase", "gone/x.pdf", "gone/X.pdf", plat::CaseFoldedNames}),
    [](const testing::TestParamInfo<ListedCase>& testInfo) { return std::string(testInfo.param.Name); });

} // namespace
