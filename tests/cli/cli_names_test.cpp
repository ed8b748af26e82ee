// Names as users have them on every system, through the built plicora-cli with
// each engine: CJK letters, blanks, parentheses and a "%d" that a printf-like
// layer (Ghostscript's output names) would take for a page number, in the files
// and in the folders around them.
#include "clitestutil.h"
#include "engines/gsbinding.h"
#include "platform/platform.h"
#include "util/testtools.h"

#include <algorithm>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testutil;

namespace {

using testing::ElementsAre;
namespace fs = std::filesystem;

class CliUnicodeNames : public testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
#ifdef _WIN32
        // Under Wine there is rarely a Ghostscript installed; Linux builds need it.
        if (std::string(GetParam()) == "ghostscript") {
            void* gs = plat::openLibrary(Get_GS_Dll_Path());
            if (!gs)
                GTEST_SKIP() << "no Ghostscript library here: " << plat::libraryError();
            plat::closeLibrary(gs);
        }
#endif
        folder = dir.str() + "资料 (2) %d" + plat::PathSeparator;
        fs::create_directories(U8(folder));
        source = folder + "文档 (1) %d.pdf";
        other = folder + "文档 (2).pdf";
        ASSERT_TRUE(MakeTestPdf(source, 3, "Source page "));
        ASSERT_TRUE(MakeTestPdf(other, 1, "Other page "));
    }

    // The names in a folder, sorted.
    static std::vector<std::string> Names(const std::string& path)
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(U8(path)))
            names.push_back(Utf8(e.path().filename()));
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir dir;
    std::string folder, source, other;
};

TEST_P(CliUnicodeNames, Merge)
{
    const std::string out = folder + "合并 %d 100%";
    const TRunResult r = RunCliBinary({"merge", "-q", "--engine", GetParam(), "-o", out, source, other});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_THAT(PdfPageTexts(out + ".pdf"),
                ElementsAre("Source page 1", "Source page 2", "Source page 3", "Other page 1"));
    EXPECT_THAT(Names(folder), ElementsAre("合并 %d 100%.pdf", "文档 (1) %d.pdf", "文档 (2).pdf"));
}

TEST_P(CliUnicodeNames, Split)
{
    const std::string out = dir.str() + "拆分 %d";
    const TRunResult r =
        RunCliBinary({"split", "-q", "--engine", GetParam(), "--every", "2", "-o", out, source});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    ASSERT_THAT(Names(out), ElementsAre("文档 (1) %d1-2.pdf", "文档 (1) %d3-3.pdf"));
    const std::string first = out + plat::PathSeparator + "文档 (1) %d1-2.pdf";
    EXPECT_THAT(PdfPageTexts(first), ElementsAre("Source page 1", "Source page 2"));
    EXPECT_THAT(PdfPageTexts(out + plat::PathSeparator + "文档 (1) %d3-3.pdf"), ElementsAre("Source page 3"));
    EXPECT_THAT(Names(folder), ElementsAre("文档 (1) %d.pdf", "文档 (2).pdf"));
}

INSTANTIATE_TEST_SUITE_P(Engines, CliUnicodeNames, testing::Values("exact", "ghostscript"),
                         [](const testing::TestParamInfo<const char*>& row) {
                             return std::string(row.param);
                         });

} // namespace
