// --engine on merge and split: each engine writes the pages, only the exact one
// adds a bookmark per merged file, only Ghostscript's needs the library, and a
// name that is no engine is refused before anything is written.
#include "clitestutil.h"
#include "engines/gsbinding.h"
#include "platform/platform.h"
#include "util/testtools.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>

using namespace testutil;

namespace {

using testing::ElementsAre;
using testing::HasSubstr;
namespace fs = std::filesystem;

struct EngineCase
{
    const char* Name;
    std::vector<std::string> EngineArgs; // empty: the default
    bool GsMissing = false;              // GS_DLL points nowhere
    int ExitCode = 0;
    bool FileBookmarks = false; // the merged output has one bookmark per input
};

void PrintTo(const EngineCase& c, std::ostream* os)
{
    *os << c.Name;
}

// qpdf's JSON for the file, where bookmark titles appear as "title": "...".
std::string QpdfJson(const std::string& path)
{
    return RunProgram({"qpdf", "--json", "--json-key=outlines", path}).Out;
}

class CliEngine : public testing::TestWithParam<EngineCase>
{
protected:
    void SetUp() override
    {
#ifdef _WIN32
        // Under Wine there is rarely a Ghostscript installed; Linux builds need it.
        if (std::string(GetParam().Name) == "Ghostscript") {
            void* gs = plat::openLibrary(Get_GS_Dll_Path());
            if (!gs)
                GTEST_SKIP() << "no Ghostscript library here: " << plat::libraryError();
            plat::closeLibrary(gs);
        }
#endif
        a = dir.str() + "alpha.pdf";
        b = dir.str() + "bravo.pdf";
        ASSERT_TRUE(MakeTestPdf(a, 2, "Alpha page "));
        ASSERT_TRUE(MakeTestPdf(b, 3, "Bravo page "));
    }

    // The row's engine arguments go after the subcommand. GS_DLL is read when the
    // program starts: rows without Ghostscript run it as a process.
    TRunResult Run(std::vector<std::string> args) const
    {
        args.insert(args.begin() + 1, GetParam().EngineArgs.begin(), GetParam().EngineArgs.end());
        if (!GetParam().GsMissing)
            return RunCliInProcess(args);
        return RunCliBinary(args, {{"GS_DLL", dir.str() + "nowhere/libgs.so.10"}});
    }

    TempDir dir;
    std::string a, b;
};

TEST_P(CliEngine, Merges)
{
    const EngineCase& ec = GetParam();
    const std::string out = dir.str() + "merged.pdf";
    const TRunResult r = Run({"merge", "-q", "-o", out, a, b});
    ASSERT_EQ(r.ExitCode, ec.ExitCode) << r.Err;
    if (ec.ExitCode != 0) {
        EXPECT_THAT(r.Err, testing::StartsWith(
                               "Merging PDF failed.\nThe Ghostscript library could not be loaded.\n"));
        EXPECT_FALSE(fs::exists(out));
        return;
    }
    EXPECT_THAT(PdfPageTexts(out),
                ElementsAre("Alpha page 1", "Alpha page 2", "Bravo page 1", "Bravo page 2", "Bravo page 3"));
    const std::string json = QpdfJson(out);
    EXPECT_EQ(json.find("\"title\": \"alpha\"") != std::string::npos, ec.FileBookmarks) << json;
    EXPECT_EQ(json.find("\"title\": \"bravo\"") != std::string::npos, ec.FileBookmarks) << json;
}

TEST_P(CliEngine, Splits)
{
    const EngineCase& ec = GetParam();
    const std::string out = dir.str() + "pieces/";
    const TRunResult r = Run({"split", "-q", "--pages", "2-3,1", "-o", out, b});
    ASSERT_EQ(r.ExitCode, ec.ExitCode) << r.Err;
    if (ec.ExitCode != 0) {
        EXPECT_THAT(r.Err, testing::StartsWith(
                               "Splitting PDF failed.\nThe Ghostscript library could not be loaded.\n"));
        EXPECT_FALSE(fs::exists(out + "bravo2-3.pdf"));
        return;
    }
    EXPECT_THAT(PdfPageTexts(out + "bravo2-3.pdf"), ElementsAre("Bravo page 2", "Bravo page 3"));
    EXPECT_THAT(PdfPageTexts(out + "bravo1.pdf"), ElementsAre("Bravo page 1"));
}

INSTANTIATE_TEST_SUITE_P(
    Engines, CliEngine,
    testing::Values(EngineCase{"Default", {}, false, 0, true},
                    EngineCase{"Exact", {"--engine", "exact"}, false, 0, true},
                    EngineCase{"Ghostscript", {"--engine", "ghostscript"}, false, 0, false},
                    EngineCase{"ExactWithoutGhostscript", {"--engine", "exact"}, true, 0, true},
                    EngineCase{"DefaultWithoutGhostscript", {}, true, 0, true},
                    EngineCase{"GhostscriptWithoutGhostscript", {"--engine=ghostscript"}, true, 1, false}),
    [](const testing::TestParamInfo<EngineCase>& param) { return std::string(param.param.Name); });

TEST(CliEngineName, OtherNamesAreRefused)
{
    TempDir dir;
    const std::string a = dir.str() + "a.pdf";
    ASSERT_TRUE(MakeTestPdf(a, 2));
    for (const std::string name : {"qpdf", "Exact", "gs", ""}) {
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"merge", "--engine", name, "-o", dir.str() + "m.pdf", a, a},
              std::vector<std::string>{"split", "--engine", name, "--every", "1", "-o", dir.str(), a}}) {
            const TRunResult r = RunCliInProcess(args);
            EXPECT_EQ(r.ExitCode, 2) << args[0] << " " << name;
            EXPECT_THAT(r.Err, HasSubstr("--engine")) << args[0] << " " << name;
        }
    }
    EXPECT_FALSE(fs::exists(dir.str() + "m.pdf"));
    EXPECT_FALSE(fs::exists(dir.str() + "a1.pdf"));
}

TEST(CliEngineName, HelpSaysWhatEachKeeps)
{
    for (const char* command : {"merge", "split"}) {
        const TRunResult r = RunCliInProcess({command, "--help"});
        EXPECT_EQ(r.ExitCode, 0);
        EXPECT_THAT(r.Out, HasSubstr("--engine"));
        EXPECT_THAT(r.Out, HasSubstr("exact"));
        EXPECT_THAT(r.Out, HasSubstr("ghostscript"));
        EXPECT_THAT(r.Out, HasSubstr("bookmarks"));
    }
}

} // namespace
