// Locating the library, the output switch, and the page-count run against the stub.
#include "engines/gsbinding.h"
#include "gs_test_support.h"
#include "util/testtools.h"

#include <algorithm>
#include <cstdlib>

using namespace testutil;

using namespace gstest;

namespace {

struct DllCase
{
    std::string In, Out;
};
void PrintTo(const DllCase& c, std::ostream* os)
{
    *os << '"' << c.In << '"';
}

class GsDllPath : public testing::TestWithParam<DllCase>
{
};

// "$T" stands for a folder holding a file "libgs.so" and a folder "gs".
TEST_P(GsDllPath, FollowsTheFileNameRule)
{
    TempDir t;
    t.write("libgs.so", "a library under another name");
    std::filesystem::create_directory(t.path() / "gs");
    const auto expand = [&](std::string text) {
        if (const auto at = text.find("$T"); at != std::string::npos)
            text.replace(at, 2, t.str());
        return text;
    };
    EXPECT_EQ(GsDllPathFromSetting(expand(GetParam().In)), expand(GetParam().Out));
}

std::vector<DllCase> DllCases()
{
    const std::string name = GS_DLL_FILE_NAME;
    const std::string dir = "/opt/gs/lib";
    std::vector<DllCase> rows{{"", name},                           // unset: the loader searches
                              {dir + "/" + name, dir + "/" + name}, // the library itself
                              {dir + "/" + name + ".00", dir + "/" + name + ".00"}, // a name holding it
                              {dir, dir + plat::PathSeparator + name},              // a folder
                              {dir + "/", dir + "/" + name},
                              // What is there decides: a file of any name, a folder.
                              {"$Tlibgs.so", "$Tlibgs.so"},
                              {"$Tgs", "$Tgs" + std::string(1, plat::PathSeparator) + name}};
#ifndef _WIN32
    // Case-sensitive test: capitals are taken for a folder.
    rows.push_back({"/opt/gs/LIBGS.SO.10", "/opt/gs/LIBGS.SO.10/libgs.so.10"});
#endif
    return rows;
}
INSTANTIATE_TEST_SUITE_P(Settings, GsDllPath, testing::ValuesIn(DllCases()));

TEST(GsDllPathEnv, ReadsGsDllFromTheEnvironment)
{
    const char* old = std::getenv("GS_DLL");
    const std::string saved = old ? old : "";
    plat::setEnv("GS_DLL", "/usr/local/gs");
    EXPECT_EQ(Get_GS_Dll_Path(), std::string("/usr/local/gs") + plat::PathSeparator + GS_DLL_FILE_NAME);
#ifndef _WIN32 // there an installed Ghostscript's registry key answers next
    plat::setEnv("GS_DLL", "");
    EXPECT_EQ(Get_GS_Dll_Path(), GS_DLL_FILE_NAME);
#endif
    plat::setEnv("GS_DLL", saved);
}

TEST(GsOutputFileSwitch, DoublesEveryPercent)
{
    EXPECT_EQ(GsOutputFileSwitch("/out/a.pdf"), "-sOutputFile=/out/a.pdf");
    EXPECT_EQ(GsOutputFileSwitch("/out/100%/scan%d.pdf"), "-sOutputFile=/out/100%%/scan%%d.pdf");
    EXPECT_EQ(GsOutputFileSwitch("%%"), "-sOutputFile=%%%%");
    EXPECT_EQ(GsOutputFileSwitch("%pipe%cat"), "-sOutputFile=%%pipe%%cat");
    // Never a pipe or stdout: the same relative file instead.
    EXPECT_EQ(GsOutputFileSwitch("|cat > x.pdf"), "-sOutputFile=./|cat > x.pdf");
    EXPECT_EQ(GsOutputFileSwitch("-"), "-sOutputFile=./-");
    EXPECT_EQ(GsOutputFileSwitch("-x.pdf"), "-sOutputFile=-x.pdf");
}

class GsCountPagesStub : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_stub.Ok()) << m_stub.Path;
        m_saved = GS_Dll_Path;
        GS_Dll_Path = m_stub.Path;
    }
    void TearDown() override { GS_Dll_Path = m_saved; }
    StubGs m_stub{STUB_GS_PATH};
    std::string m_saved;
};

TEST_F(GsCountPagesStub, ReadsTheAnswerAndPassesTheNameVerbatim)
{
    const std::string name = "/x/we:ird (1) 100%\"\\) ] .pdf";
    m_stub.AddChunk(1, "warning on the way\n");
    m_stub.AddChunk(1, "PLICORA-PAGES=42\n");
    EXPECT_EQ(GsCountPages(name), 42);
    const auto args = m_stub.Args(0);
    EXPECT_NE(std::find(args.begin(), args.end(), "-sFile=" + name), args.end());
    EXPECT_NE(std::find(args.begin(), args.end(), "-dSAFER"), args.end());
    // Like Ghostscript before 9.50, the stub has no gsapi_add_control_path and
    // would not know the switch.
    EXPECT_EQ(std::find_if(args.begin(), args.end(),
                           [](const std::string& a) { return a.rfind("--permit-file-read", 0) == 0; }),
              args.end());
    EXPECT_EQ(m_stub.LiveInstances(), 0);
}

TEST_F(GsCountPagesStub, FailuresGiveZero)
{
    m_stub.AddChunk(1, "PLICORA-PAGES=42\n");
    m_stub.FailInitAt(0, -100);
    EXPECT_EQ(GsCountPages("/x/a.pdf"), 0);

    m_stub.Reset();
    m_stub.AddChunk(1, "PLICORA-PAGES=oops\n");
    EXPECT_EQ(GsCountPages("/x/a.pdf"), 0);

    m_stub.Reset();
    m_stub.SetCodes(-1, 0, 0);
    EXPECT_EQ(GsCountPages("/x/a.pdf"), 0);

    GS_Dll_Path = "/nonexistent/libgs.so.10";
    EXPECT_EQ(GsCountPages("/x/a.pdf"), 0);
}

} // namespace
