#include "output/folders.h"
#include "output/outputnames.h"
#include "platform/platform.h"
#include "text/filenames.h"
#include "util/testtools.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <ostream>
#include <set>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace testutil;

namespace fs = std::filesystem;

namespace {

class RemoveFileExtTest : public testing::TestWithParam<TextCase>
{
};
TEST_P(RemoveFileExtTest, CutsAtLastDot)
{
    EXPECT_EQ(RemoveFileExt(GetParam().In), GetParam().Out);
}
INSTANTIATE_TEST_SUITE_P(Names, RemoveFileExtTest,
                         testing::Values(TextCase{"report.pdf", "report"}, TextCase{"a.b.pdf", "a.b"},
                                         TextCase{"noext", "noext"}, TextCase{"trail.", "trail"},
                                         TextCase{".hidden", ""}, TextCase{"", ""},
                                         // the search does not stop at a separator
                                         TextCase{"/home/u/my.docs/file", "/home/u/my"}));

class SafeNamePartTest : public testing::TestWithParam<TextCase>
{
};
TEST_P(SafeNamePartTest, KeepsWhatEveryFileSystemTakes)
{
    EXPECT_EQ(SafeFileNamePart(GetParam().In, 12), GetParam().Out);
}
INSTANTIATE_TEST_SUITE_P(Names, SafeNamePartTest,
                         testing::Values(TextCase{"Installation", "Installation"},
                                         TextCase{"a/b\\c:d*e?", "a_b_c_d_e_"},
                                         TextCase{"\"x\" <y>|\t", "_x_ _y___"},
                                         TextCase{"  Intro.. ", "Intro"}, TextCase{" ... ", ""},
                                         // cut between characters: "é" is two bytes
                                         TextCase{"Caf\u00e9 au lait", "Caf\u00e9 au lai"},
                                         TextCase{"abcdefghijk\u00e9", "abcdefghijk"}));

class FinalNameTest : public testing::TestWithParam<TextCase>
{
};
TEST_P(FinalNameTest, TrimsAndEnsuresPdf)
{
    EXPECT_EQ(FinalMergeOutputName(GetParam().In), GetParam().Out);
}
INSTANTIATE_TEST_SUITE_P(Names, FinalNameTest,
                         testing::Values(TextCase{"/out/merged", "/out/merged.pdf"},
                                         TextCase{"/out/merged.PDF", "/out/merged.PDF"},
                                         TextCase{"  /out/m.pdf \t", "/out/m.pdf"},
                                         TextCase{"/out.d/merged", "/out.d/merged.pdf"},
                                         TextCase{"/out/merged.pdf.txt", "/out/merged.pdf.txt.pdf"},
                                         TextCase{"   ", ".pdf"}));

struct SizeCase
{
    std::uint64_t size;
    const char* text;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const SizeCase& c, std::ostream* os)
{
    *os << c.size;
}
class SizeTextTest : public testing::TestWithParam<SizeCase>
{
};
TEST_P(SizeTextTest, Formats)
{
    EXPECT_EQ(FileSizeText(GetParam().size), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(Sizes, SizeTextTest,
                         testing::Values(SizeCase{0, "     0 B"}, SizeCase{512, "   512 B"},
                                         SizeCase{1023, "  1023 B"}, SizeCase{1024, "  1.00 K"},
                                         SizeCase{1536, "  1.50 K"}, SizeCase{1048575, "1024.00 K"},
                                         SizeCase{3407872, "  3.25 M"}, SizeCase{1073741824, "1.00 G"},
                                         SizeCase{5368709120ULL, "5.00 G"},
                                         SizeCase{5000000000000ULL, "4656.61 G"}));

TEST(SizeText, UsesTheGivenDecimalSeparator)
{
    EXPECT_EQ(FileSizeText(1536, ','), "  1,50 K");
    EXPECT_EQ(FileSizeText(512, ','), "   512 B");
}

TEST(OutputNames, DefaultMergeName)
{
    const std::string sep(1, plat::PathSeparator);
    EXPECT_EQ(DefaultMergeOutputName("/home/u/Documents/", "/in/book.pdf"),
              "/home/u/Documents/Tarvex" + sep + "book_me.pdf");
    EXPECT_EQ(DefaultMergeOutputName("/h/", "/in/archive.tar.pdf"), "/h/Tarvex" + sep + "archive.tar_me.pdf");
}

TEST(OutputNames, UnlistedNameCountsUpPastListedNames)
{
    std::set<std::string> listed = {"/o/x.pdf", "/o/x1.pdf"};
    auto isListed = [&](const std::string& s) { return listed.count(s) > 0; };
    EXPECT_EQ(UnlistedOutputName("/o/x.pdf", isListed), "/o/x2.pdf");
    EXPECT_EQ(UnlistedOutputName("/o/y.pdf", isListed), "/o/y.pdf");
}

TEST(FilePathParts, SplitAtLastSeparator)
{
    EXPECT_EQ(ExtractFileName("/a/b.c/d.pdf"), "d.pdf");
    EXPECT_EQ(ExtractFilePath("/a/b.c/d.pdf"), "/a/b.c/");
    EXPECT_EQ(ExtractFileExt("/a/b.c/d"), "");
    EXPECT_EQ(ExtractFileExt("/a/b/d.tar.PDF"), ".PDF");
    EXPECT_EQ(ExtractFilePath("merged.pdf"), "");
}

TEST(CreateFolderChain, CreatesEveryMissingLevel)
{
    TempDir t;
    const std::string deep = t.str() + "new/deeper/last"; // no trailing separator
    EXPECT_TRUE(CreateFolderChain(deep));
    EXPECT_TRUE(fs::is_directory(deep));
    EXPECT_TRUE(CreateFolderChain(deep + "/")); // already there
    EXPECT_TRUE(CreateFolderChain(t.str() + "a//b/"));
    EXPECT_TRUE(fs::is_directory(t.path() / "a" / "b"));
    EXPECT_TRUE(CreateFolderChain(Utf8(t.path().root_path()))); // "/", "C:\\"
}

TEST(CreateFolderChain, RelativePathFailsWithoutTouchingDisk)
{
    TempDir t;
    const auto old = fs::current_path();
    fs::current_path(t.path());
    EXPECT_FALSE(CreateFolderChain("rel/dir/"));
    EXPECT_FALSE(CreateFolderChain(""));
    EXPECT_FALSE(fs::exists(t.path() / "rel"));
    fs::current_path(old);
}

TEST(CreateFolderChain, StopsAtFirstFailureKeepingEarlierLevels)
{
    TempDir t;
    t.write("file", "x");
    EXPECT_FALSE(CreateFolderChain(t.str() + "file/x/")); // a component that is a file
    EXPECT_FALSE(CreateFolderChain(t.str() + "file"));
    // the third level cannot be made (name too long); the first two stay
    const std::string tooLong(300, 'n');
    EXPECT_FALSE(CreateFolderChain(t.str() + "l1/l2/" + tooLong + "/l4/"));
    EXPECT_TRUE(fs::is_directory(t.path() / "l1" / "l2"));
    EXPECT_FALSE(fs::exists(t.path() / "l1" / "l2" / "l4"));
}

TEST(CreationTest, LeavesNothingBehindAndTheUsersFileAlone)
{
    TempDir t;
    const std::string out = t.str() + "out.pdf";
    EXPECT_TRUE(TestCreateOutputFile(out));
    EXPECT_FALSE(fs::exists(out));
    EXPECT_TRUE(fs::is_empty(t.path()));
    const std::string existing = t.write("old.pdf", "the old output");
    EXPECT_TRUE(TestCreateOutputFile(existing));
    std::ifstream in(existing);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "the old output");
    EXPECT_EQ(std::distance(fs::directory_iterator(t.path()), fs::directory_iterator()), 1);
    EXPECT_FALSE(TestCreateOutputFile(t.str() + "missing/out.pdf"));
    EXPECT_FALSE(TestCreateOutputFile(t.str())); // a folder
}

TEST(CreationTest, ANamedPipeIsRefusedAtOnceAndKept)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no named pipes among the files of a folder";
#else
    TempDir t;
    const std::string fifo = t.str() + "out.pdf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto result = std::async(std::launch::async, [&] { return TestCreateOutputFile(fifo); });
    if (result.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
        // Free the waiting open so that the test can end.
        const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
        result.wait();
        ::close(reader);
        FAIL() << "the creation test waits for a reader of a named pipe";
    }
    EXPECT_FALSE(result.get());
    EXPECT_TRUE(fs::is_fifo(fifo));
#endif
}

TEST(CreationTest, ALinkedOutputLeavesTheLinkedFileAlone)
{
    TempDir t;
    const std::string kept = t.write("kept.pdf", "someone's document");
    const std::string link = t.str() + "out.pdf";
#ifdef _WIN32
    // Symbolic links need a privilege there: a hard link, as users make them.
    fs::create_hard_link(U8(kept), U8(link));
    EXPECT_TRUE(TestCreateOutputFile(link));
    std::ifstream in(U8(kept));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "someone's document");
#else
    fs::create_symlink(kept, link);
    EXPECT_TRUE(TestCreateOutputFile(link));
    EXPECT_TRUE(fs::is_symlink(link));
    std::ifstream in(kept);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "someone's document");

    // A link to nothing: no file is made where it points.
    const std::string nowhere = t.str() + "elsewhere.pdf";
    fs::remove(link);
    fs::create_symlink(nowhere, link);
    EXPECT_FALSE(TestCreateOutputFile(link));
    EXPECT_FALSE(fs::exists(nowhere));
#endif
}

class DocumentsFolderTest : public testing::Test
{
protected:
    void SetUp() override
    {
#ifdef _WIN32
        GTEST_SKIP() << "the XDG user-dirs file is read on Linux only; Windows asks the registry";
#endif
        save("HOME", m_home);
        save("XDG_CONFIG_HOME", m_config);
        plat::setEnv("HOME", Utf8(m_t.path()));
        plat::setEnv("XDG_CONFIG_HOME", m_t.str() + "cfg");
        fs::create_directories(m_t.path() / "cfg");
    }
    void TearDown() override
    {
        if (IsSkipped())
            return;
        restore("HOME", m_home);
        restore("XDG_CONFIG_HOME", m_config);
    }
    void userDirs(const std::string& text)
    {
        m_t.write("cfg/user-dirs.dirs", text);
    }

    TempDir m_t;

private:
    static void save(const char* name, std::optional<std::string>& slot)
    {
        if (const char* v = std::getenv(name))
            slot = v;
    }
    static void restore(const char* name, const std::optional<std::string>& slot)
    {
        plat::setEnv(name, slot ? *slot : std::string());
    }
    std::optional<std::string> m_home, m_config;
};

TEST_F(DocumentsFolderTest, ExpandsHomeAndEndsWithSeparator)
{
    fs::create_directories(m_t.path() / "My Docs");
    userDirs("# comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/My Docs\"\n");
    EXPECT_EQ(GetDocumentsFolder(), m_t.str() + "My Docs/");
    EXPECT_EQ(DefaultOutputFolder(), m_t.str() + "My Docs/");
}

TEST_F(DocumentsFolderTest, AbsolutePathAndEscapes)
{
    fs::create_directories(m_t.path() / "a\"b");
    userDirs("XDG_DOCUMENTS_DIR=\"" + m_t.str() + "a\\\"b/\"\n");
    EXPECT_EQ(GetDocumentsFolder(), m_t.str() + "a\"b/");
}

TEST_F(DocumentsFolderTest, EmptyWhenUnsetMissingOrInvalid)
{
    EXPECT_EQ(GetDocumentsFolder(), ""); // no file
    userDirs("XDG_DOCUMENTS_DIR=\"$HOME/absent\"\n");
    EXPECT_EQ(GetDocumentsFolder(), "");
    userDirs("XDG_DOCUMENTS_DIR=\"relative/docs\"\n");
    EXPECT_EQ(GetDocumentsFolder(), "");
    // the home folder is the fallback for default names
    EXPECT_EQ(DefaultOutputFolder(), m_t.str());
}

#ifdef _WIN32
TEST(DocumentsFolder, IsTheUsersFolderFromTheRegistry)
{
    const std::string folder = GetDocumentsFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_TRUE(fs::is_directory(U8(folder)));
    EXPECT_EQ(DefaultOutputFolder(), folder);
}
#endif

} // namespace
