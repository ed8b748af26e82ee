#include "engines/gsbinding.h"
#include "job/job.h"
#include "output/outputnames.h"
#include "output/safeoutput.h"
#include "platform/platform.h"
#include "util/testtools.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <thread>
#include <tuple>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace testutil;

namespace fs = std::filesystem;

// Table rows named by what they choose (the types are the core's, so these
// stand beside them for the test framework to find).
void PrintTo(TEngineKind engine, std::ostream* os)
{
    *os << EngineName(engine);
}
void PrintTo(TOverwrite overwrite, std::ostream* os)
{
    *os << (overwrite == TOverwrite::Allow ? "replacing" : "not replacing");
}

namespace {

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::size_t checksum(const std::string& path)
{
    return std::hash<std::string>{}(readAll(path));
}

// Everything in a folder but the given names.
std::vector<std::string> othersIn(const fs::path& folder, const std::vector<std::string>& known = {})
{
    std::vector<std::string> others;
    for (const auto& e : fs::directory_iterator(folder)) {
        const std::string name = e.path().filename().string();
        if (std::find(known.begin(), known.end(), name) == known.end())
            others.push_back(name);
    }
    return others;
}

#ifdef _WIN32
// A file system of its own needs mount: TSmallFs never has one there.
int fillUp(const std::string&)
{
    return 0;
}

class TSmallFs
{
public:
    TSmallFs(const std::string&, const std::string&) {}
    bool mounted() const { return false; }
    std::string why() const { return "a small file system of its own needs mount (Linux, as root)"; }
};
#else
// Appends bytes until the file system says no; the error of the failing write.
int fillUp(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND);
    if (fd < 0)
        return errno;
    const std::string block(4096, 'z');
    int error = 0;
    for (int i = 0; i < 100000 && error == 0; ++i)
        if (::write(fd, block.data(), block.size()) < 0)
            error = errno;
    ::close(fd);
    return error;
}

// A small tmpfs of its own, when the tests run as root.
class TSmallFs
{
public:
    TSmallFs(const std::string& where, const std::string& options) : m_where(where)
    {
        fs::create_directories(where);
        if (::getuid() != 0)
            m_why = "needs root to mount a small tmpfs";
        else if (::mount("tmpfs", where.c_str(), "tmpfs", 0, options.c_str()) != 0)
            m_why = std::string("cannot mount a small tmpfs: ") + std::strerror(errno);
        else
            m_mounted = true;
    }
    ~TSmallFs()
    {
        if (m_mounted)
            ::umount2(m_where.c_str(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    const std::string& why() const { return m_why; }

private:
    std::string m_where, m_why;
    bool m_mounted = false;
};
#endif

TEST(SafeOutput, CommitReplacesAnExistingFileOnlyAtTheEnd)
{
    TempDir t;
    const std::string final = t.write("out.pdf", "old contents");
    const std::size_t before = RegisteredTemporaryCount();
    TSafeOutput out(final);
    ASSERT_TRUE(out.Ok()) << out.Reason();
    const std::string tempName = fs::path(out.TempPath()).filename().string();
    EXPECT_EQ(fs::path(out.TempPath()).parent_path(), t.path());
    EXPECT_EQ(tempName.rfind(".plicora-", 0), 0U) << tempName;
    EXPECT_TRUE(std::all_of(tempName.begin(), tempName.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-';
    }));
    EXPECT_EQ(RegisteredTemporaryCount(), before + 1);
    std::ofstream(out.TempPath(), std::ios::binary) << "new contents";
    EXPECT_EQ(readAll(final), "old contents");
    ASSERT_TRUE(out.Commit(TOverwrite::Allow)) << out.Reason();
    EXPECT_EQ(readAll(final), "new contents");
    EXPECT_FALSE(fs::exists(out.TempPath()));
    EXPECT_EQ(RegisteredTemporaryCount(), before);
    EXPECT_TRUE(othersIn(t.path(), {"out.pdf"}).empty());
}

TEST(SafeOutput, AnUncommittedOutputLeavesNothingAndTheOldFileStays)
{
    TempDir t;
    const std::string final = t.write("out.pdf", "old contents");
    {
        TSafeOutput out(final);
        ASSERT_TRUE(out.Ok());
        std::ofstream(out.TempPath(), std::ios::binary) << "%PDF half";
    }
    EXPECT_EQ(readAll(final), "old contents");
    EXPECT_TRUE(othersIn(t.path(), {"out.pdf"}).empty());
}

struct ModeCase
{
    mode_t Umask;
    int OldMode; // the file replaced, -1: none
    mode_t Mode;
    bool OtherOwner = false; // the file replaced belongs to nobody (as root only)
};
void PrintTo(const ModeCase& c, std::ostream* os)
{
    *os << "umask " << std::oct << c.Umask << ", old file ";
    if (c.OldMode < 0)
        *os << "none";
    else
        *os << c.OldMode << (c.OtherOwner ? " of another owner" : "");
}
class SafeOutputModeTest : public testing::TestWithParam<ModeCase>
{
};
TEST_P(SafeOutputModeTest, NewWithTheUmaskReplacedWithTheOldFilesModes)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX permissions and umask: Windows has ACLs instead";
#else
    const ModeCase& c = GetParam();
    if (c.OtherOwner && ::getuid() != 0) {
        GTEST_SKIP() << "only root gives files away";
    }
    TempDir t;
    const std::string final = t.str() + "out.pdf";
    if (c.OldMode >= 0) {
        t.write("out.pdf", "old");
        ASSERT_EQ(::chmod(final.c_str(), static_cast<mode_t>(c.OldMode)), 0);
        if (c.OtherOwner) {
            ASSERT_EQ(::chown(final.c_str(), 65534, 65534), 0);
        }
    }
    const mode_t old = ::umask(c.Umask);
    TSafeOutput out(final);
    ::umask(old);
    ASSERT_TRUE(out.Ok());
    ASSERT_TRUE(out.Commit(TOverwrite::Allow)) << out.Reason();
    struct stat st
    {
    };
    ASSERT_EQ(::stat(final.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, c.Mode);
    EXPECT_EQ(st.st_uid, c.OtherOwner ? 65534U : ::getuid());
#endif
}
INSTANTIATE_TEST_SUITE_P(Umasks, SafeOutputModeTest,
                         testing::Values(ModeCase{022, -1, 0644}, ModeCase{077, -1, 0600},
                                         ModeCase{0, -1, 0666}, ModeCase{022, 0600, 0600},
                                         ModeCase{077, 0664, 0664}, ModeCase{022, 0640, 0640, true}));

TEST(SafeOutput, AFullDiskNeverLeavesAPartialFileAndTheOldOneSurvives)
{
    TempDir t;
    TSmallFs small(t.str() + "small", "size=64k");
    if (!small.mounted())
        GTEST_SKIP() << small.why();
    const std::string final = t.str() + "small/out.pdf";
    std::ofstream(final, std::ios::binary) << std::string(8192, 'o');
    const std::size_t old = checksum(final);
    for (const bool commitAnyway : {false, true}) {
        TSafeOutput out(final);
        ASSERT_TRUE(out.Ok()) << out.Reason();
        EXPECT_EQ(fillUp(out.TempPath()), ENOSPC);
        // A job that sees its engine fail discards; one that commits anyway
        // still replaces the old file only with what was written, in one step.
        if (commitAnyway) {
            ASSERT_TRUE(out.Commit(TOverwrite::Allow)) << out.Reason();
            EXPECT_NE(checksum(final), old);
            break;
        }
        out.Discard();
        EXPECT_EQ(checksum(final), old);
        EXPECT_TRUE(othersIn(t.path() / "small", {"out.pdf"}).empty());
    }
}

TEST(SafeOutput, NoRoomForATemporarySaysTheDiskIsFull)
{
    TempDir t;
    TSmallFs small(t.str() + "small", "size=64k,nr_inodes=3");
    if (!small.mounted())
        GTEST_SKIP() << small.why();
    std::vector<std::unique_ptr<TSafeOutput>> outs;
    std::string reason;
    for (int i = 0; i < 5 && reason.empty(); ++i) {
        outs.push_back(std::make_unique<TSafeOutput>(t.str() + "small/out.pdf"));
        reason = outs.back()->Reason();
    }
    EXPECT_EQ(reason, "The disk is full: " + t.str() + "small/");
    outs.clear();
    EXPECT_TRUE(othersIn(t.path() / "small").empty());
}

// Neither libqpdf's writer nor Ghostscript names these causes: on a full disk,
// into a folder that is gone.
class EngineFaultTest : public testing::TestWithParam<std::tuple<TEngineKind, bool>>
{
};
TEST_P(EngineFaultTest, TheFailureNamesTheCause)
{
    const auto [engine, fullDisk] = GetParam();
    if (engine == TEngineKind::Ghostscript && !TGsBinding().Load(GS_Dll_Path, false))
        GTEST_SKIP() << "no Ghostscript library";
    TempDir t;
    const std::string input = t.str() + "in.pdf";
    ASSERT_TRUE(MakeTestPdf(input, 3));
    TSmallFs small(t.str() + "small", "size=64k");
    const std::string folder = t.str() + (fullDisk ? "small/" : "gone/");
    if (fullDisk) {
        if (!small.mounted())
            GTEST_SKIP() << small.why();
        std::ofstream(folder + "filler") << "x";
        ASSERT_EQ(fillUp(folder + "filler"), ENOSPC);
    }
    const TEngineResult r = MakeEngine(engine)->Merge({{input, "a"}, {input, "b"}}, folder + "out.pdf", {});
    EXPECT_FALSE(r.Ok);
    const std::string says = fullDisk ? "The disk is full: " : "The folder does not exist: ";
    EXPECT_NE(r.Reason.find(says + folder), std::string::npos) << r.Reason;
}
INSTANTIATE_TEST_SUITE_P(Faults, EngineFaultTest,
                         testing::Combine(testing::Values(TEngineKind::Exact, TEngineKind::Ghostscript),
                                          testing::Bool()));

TEST(SafeOutput, AReadOnlyFolderIsNamed)
{
    TempDir t;
    TSmallFs small(t.str() + "ro", "size=16k,ro");
    if (!small.mounted())
        GTEST_SKIP() << small.why();
    TSafeOutput out(t.str() + "ro/out.pdf");
    EXPECT_FALSE(out.Ok());
    EXPECT_EQ(out.Reason().rfind("The folder cannot be written: " + t.str() + "ro/", 0), 0U) << out.Reason();
    EXPECT_FALSE(TestCreateOutputFile(t.str() + "ro/out.pdf"));
}

TEST(SafeOutput, AFolderRemovedWhileWritingFailsTheCommitAndLeavesNothing)
{
    TempDir t;
    fs::create_directories(t.path() / "dest");
    TSafeOutput out(t.str() + "dest/out.pdf");
    ASSERT_TRUE(out.Ok());
    std::ofstream(out.TempPath(), std::ios::binary) << "%PDF partial";
    fs::remove_all(t.path() / "dest");
    EXPECT_FALSE(out.Commit(TOverwrite::Refuse));
    EXPECT_EQ(out.Reason(), "The folder does not exist: " + t.str() + "dest/");
    EXPECT_FALSE(fs::exists(t.path() / "dest"));
    EXPECT_TRUE(othersIn(t.path()).empty());
}

TEST(SafeOutput, AFolderOfTheFinalNameFailsTheCommit)
{
    TempDir t;
    fs::create_directories(t.path() / "out.pdf" / "inside");
    TSafeOutput out(t.str() + "out.pdf");
    ASSERT_TRUE(out.Ok());
    EXPECT_FALSE(out.Commit(TOverwrite::Allow));
    EXPECT_FALSE(out.Reason().empty());
    EXPECT_TRUE(fs::is_directory(t.path() / "out.pdf" / "inside"));
    EXPECT_TRUE(othersIn(t.path(), {"out.pdf"}).empty());
}

struct TooLongCase
{
    const char* label;
    int levels;     // folders of 250 bytes on the way
    int nameLength; // bytes of the file name
    const char* starts;
};
void PrintTo(const TooLongCase& c, std::ostream* os)
{
    *os << c.label;
}
#ifdef _WIN32 // names are counted in UTF-16 units there
constexpr const char* NameTooLong = "The name is longer than the file system allows (255 characters): nnn";
#else
constexpr const char* NameTooLong = "The name is longer than the file system allows (255 bytes): nnn";
#endif
class TooLongTest : public testing::TestWithParam<TooLongCase>
{
};
TEST_P(TooLongTest, SaysWhichNameIsTooLong)
{
    TempDir t;
    std::string path = t.str();
    for (int i = 0; i < GetParam().levels; ++i)
        path += std::string(250, 'd') + "/";
    const std::string name = std::string(GetParam().nameLength - 4, 'n') + ".pdf";
    TSafeOutput out(path + name);
    EXPECT_FALSE(out.Ok());
    EXPECT_EQ(out.Reason().rfind(GetParam().starts, 0), 0U) << out.Reason().substr(0, 120);
    EXPECT_FALSE(TestCreateOutputFile(path + name));
    EXPECT_TRUE(othersIn(t.path()).empty());
}
INSTANTIATE_TEST_SUITE_P(Names, TooLongTest,
                         testing::Values(TooLongCase{"Name", 0, 300, NameTooLong},
                                         TooLongCase{"Path", 17, 20, "The path is"}),
                         [](const auto& row) { return std::string(row.param.label); });

// A flush left for later (a split's pieces, synced at once at the end) only
// where no file is replaced: a power cut may then cost the new file alone.
struct TFlushRow
{
    const char* label;
    bool existing;
    TFlush flush;
    bool later;
};
void PrintTo(const TFlushRow& row, std::ostream* os)
{
    *os << row.label;
}
class SafeOutputFlushTest : public testing::TestWithParam<TFlushRow>
{
};
TEST_P(SafeOutputFlushTest, LeavesTheFlushForLaterOnlyOverNoFile)
{
    TempDir t;
    const std::string final = GetParam().existing ? t.write("out.pdf", "old") : t.str() + "out.pdf";
    TSafeOutput out(final);
    std::ofstream(out.TempPath(), std::ios::binary) << "new";
    ASSERT_TRUE(out.Commit(TOverwrite::Allow, GetParam().flush)) << out.Reason();
    EXPECT_EQ(out.FlushedLater(), GetParam().later);
    EXPECT_EQ(readAll(final), "new");
    EXPECT_EQ(plat::flushAllToDisk({final}), 0);
    EXPECT_NE(plat::flushAllToDisk({t.str() + "gone" + plat::PathSeparator + "x.pdf"}), 0);
}
INSTANTIATE_TEST_SUITE_P(Rows, SafeOutputFlushTest,
                         testing::Values(TFlushRow{"new_later", false, TFlush::Later, true},
                                         TFlushRow{"replacing_later", true, TFlush::Later, false},
                                         TFlushRow{"new_first", false, TFlush::First, false}),
                         [](const auto& row) { return std::string(row.param.label); });

class SafeOutputRaceTest : public testing::TestWithParam<TOverwrite>
{
};
// Allowed to replace, the last commit wins; refused, the first one does and the
// other fails saying the name is taken. Either way one whole file.
TEST_P(SafeOutputRaceTest, TwoWritersRacingForOneOutputLeaveOneWholeFile)
{
    TempDir t;
    const std::string final = t.str() + "out.pdf";
    const std::string a(200000, 'a'), b(150000, 'b');
    for (int round = 0; round < 30; ++round) {
        fs::remove(final);
        std::string reasons[2];
        auto writer = [&](const std::string& bytes, std::string& reason) {
            TSafeOutput out(final);
            if (!out.Ok())
                return;
            std::ofstream(out.TempPath(), std::ios::binary) << bytes;
            out.Commit(GetParam());
            reason = out.Reason();
        };
        std::thread ta(writer, a, std::ref(reasons[0])), tb(writer, b, std::ref(reasons[1]));
        ta.join();
        tb.join();
        const std::string got = readAll(final);
        ASSERT_TRUE(got == a || got == b) << "round " << round << ": " << got.size() << " bytes";
        if (GetParam() == TOverwrite::Refuse) {
            EXPECT_EQ(reasons[got == a ? 0 : 1], "");
            EXPECT_EQ(reasons[got == a ? 1 : 0], "\"" + final + "\" aleady exists");
        } else {
            EXPECT_EQ(reasons[0] + reasons[1], "");
        }
    }
    EXPECT_TRUE(othersIn(t.path(), {"out.pdf"}).empty());
}
INSTANTIATE_TEST_SUITE_P(Modes, SafeOutputRaceTest, testing::Values(TOverwrite::Allow, TOverwrite::Refuse));

// ---------------------------------------------------------------------------

struct SameFileCase
{
    const char* label;
    const char* other; // how the second name is made: see the test
    bool same;
};
void PrintTo(const SameFileCase& c, std::ostream* os)
{
    *os << c.other;
}
class SameFileTest : public testing::TestWithParam<SameFileCase>
{
};
TEST_P(SameFileTest, FollowsEveryKindOfLink)
{
    TempDir t;
    const std::string source = t.write("src.pdf", "%PDF source");
    const std::size_t sum = checksum(source);
    const std::string kind = GetParam().other;
#ifdef _WIN32
    if (kind.find("link") != std::string::npos && kind != "hard link")
        GTEST_SKIP() << "symbolic links need a privilege on Windows";
    if (kind == "dangling")
        GTEST_SKIP() << "a link to nothing is a symbolic link: it needs a privilege on Windows";
#endif
    std::string other = t.str() + "piece.pdf";
    if (kind == "symlink")
        fs::create_symlink(source, other);
    else if (kind == "relative symlink")
        fs::create_symlink("src.pdf", other);
    else if (kind == "hard link")
        fs::create_hard_link(source, other);
    else if (kind == "link to a link") {
        fs::create_symlink(source, t.str() + "mid.pdf");
        fs::create_symlink(t.str() + "mid.pdf", other);
    } else if (kind == "dotted path")
        other = t.str() + "./sub/../src.pdf", fs::create_directories(t.path() / "sub");
    else if (kind == "copy")
        fs::copy_file(source, other);
    else if (kind == "dangling")
        fs::create_symlink(t.str() + "nothing.pdf", other);
    EXPECT_EQ(ResolvesToSameFile(other, source), GetParam().same);
    EXPECT_EQ(ResolvesToSameFile(source, other), GetParam().same);
    EXPECT_EQ(checksum(source), sum);
}
INSTANTIATE_TEST_SUITE_P(Links, SameFileTest,
                         testing::Values(SameFileCase{"Symlink", "symlink", true},
                                         SameFileCase{"RelativeSymlink", "relative symlink", true},
                                         SameFileCase{"HardLink", "hard link", true},
                                         SameFileCase{"LinkToALink", "link to a link", true},
                                         SameFileCase{"DottedPath", "dotted path", true},
                                         SameFileCase{"Copy", "copy", false},
                                         SameFileCase{"Dangling", "dangling", false},
                                         SameFileCase{"Missing", "missing", false}),
                         [](const auto& row) { return std::string(row.param.label); });

struct Utf8Case
{
    const char* label;
    const char* bytes;
    bool valid;
};
// The label, not the bytes, which are no text a test name can hold.
void PrintTo(const Utf8Case& c, std::ostream* os)
{
    *os << c.label;
}
class Utf8Test : public testing::TestWithParam<Utf8Case>
{
};
TEST_P(Utf8Test, Checks)
{
    EXPECT_EQ(IsValidUtf8(GetParam().bytes), GetParam().valid) << GetParam().bytes;
}
INSTANTIATE_TEST_SUITE_P(Bytes, Utf8Test,
                         testing::Values(Utf8Case{"ASCII", "plain.pdf", true},
                                         Utf8Case{"two bytes", "\xc3\xbc.pdf", true},
                                         Utf8Case{"three bytes", "\xe2\x82\xac", true},
                                         Utf8Case{"four bytes", "\xf0\x9f\x93\x84", true},
                                         Utf8Case{"not UTF-8", "a\xff\xfe.pdf", false},
                                         Utf8Case{"cut short", "\xc3", false},
                                         Utf8Case{"overlong slash in two", "\xc0\xaf", false},
                                         Utf8Case{"overlong slash in three", "\xe0\x80\xaf", false},
                                         Utf8Case{"surrogate", "\xed\xa0\x80", false},
                                         Utf8Case{"beyond the last code point", "\xf4\x90\x80\x80", false},
                                         Utf8Case{"three cut to two", "\xe2\x82", false},
                                         Utf8Case{"lone continuation", "\x80", false}));

TEST(SafeInputName, ANameNotUtf8IsReadThroughAPlainAliasOfTheSameFile)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows names are UTF-16: every one has a UTF-8 form";
#endif
    TempDir t;
    TempDir tmp;
    const std::string input = t.write("c\xff.pdf", "%PDF the real input");
    const std::string lookalike = t.write("c.pdf", "%PDF a different file"); // what a mangled name reads
    const std::size_t sums[] = {checksum(input), checksum(lookalike)};
    std::string alias;
    {
        plat::setEnv(plat::TempFolderVariable, Utf8(tmp.path()));
        TPrivateFolder folder;
        plat::setEnv(plat::TempFolderVariable, "");
        ASSERT_TRUE(folder.Ok()) << folder.Reason();
        EXPECT_EQ(fs::path(folder.Path()).parent_path(), tmp.path());
        std::string reason;
        alias = SafeInputName(input, folder, &reason);
        ASSERT_FALSE(alias.empty()) << reason;
        EXPECT_NE(alias, input);
        EXPECT_TRUE(IsValidUtf8(alias));
        EXPECT_TRUE(ResolvesToSameFile(alias, input));
        EXPECT_FALSE(ResolvesToSameFile(alias, lookalike));
        EXPECT_EQ(readAll(alias), "%PDF the real input");
        // A name an engine takes as it is needs no alias.
        const std::string plain = t.write("\xc3\xbc.pdf", "x");
        EXPECT_EQ(SafeInputName(plain, folder), plain);
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(alias)));
    EXPECT_TRUE(othersIn(tmp.path()).empty());
    EXPECT_EQ(checksum(input), sums[0]);
    EXPECT_EQ(checksum(lookalike), sums[1]);
}

TEST(SafeInputName, AnOutputTemporaryInAFolderNotUtf8GetsAnAliasTheEngineWritesThrough)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows names are UTF-16: every one has a UTF-8 form";
#endif
    TempDir t;
    fs::create_directories(t.str() + "dest\xfe");
    TSafeOutput out(t.str() + "dest\xfe/out\xff.pdf");
    ASSERT_TRUE(out.Ok());
    TPrivateFolder folder;
    const std::string alias = SafeInputName(out.TempPath(), folder);
    ASSERT_FALSE(alias.empty());
    std::ofstream(alias, std::ios::binary | std::ios::trunc) << "%PDF written via alias";
    ASSERT_TRUE(out.Commit(TOverwrite::Refuse));
    EXPECT_EQ(readAll(t.str() + "dest\xfe/out\xff.pdf"), "%PDF written via alias");
    EXPECT_FALSE(fs::exists(t.str() + "dest\xfe/out.pdf"));
}

TEST(PrivateFolder, RemovedWithEverythingButNeverFollowsLinksOut)
{
    TempDir t;
    const std::string outside = t.write("keep.pdf", "keep me");
    std::string path;
    {
        TPrivateFolder folder(t.str());
        ASSERT_TRUE(folder.Ok()) << folder.Reason();
        path = folder.Path();
        fs::create_directories(path + "/a/b");
        std::ofstream(path + "/a/b/gs_x") << "scratch";
#ifdef _WIN32
        // No symbolic links without a privilege there, and no POSIX modes.
        fs::create_hard_link(outside, path + "/a/link.pdf");
#else
        struct stat st
        {
        };
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700U);
        fs::create_symlink(outside, path + "/a/link.pdf");
        fs::create_directory_symlink(t.path(), path + "/up");
#endif
    }
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(readAll(outside), "keep me");
    EXPECT_TRUE(othersIn(t.path(), {"keep.pdf"}).empty());
}

// ---------------------------------------------------------------------------

TEST(CreationTest, AnExistingOutputSurvivesTheTest)
{
    TempDir t;
    const std::string final = t.write("out.pdf", "someone's document");
    EXPECT_TRUE(TestCreateOutputFile(final));
    EXPECT_EQ(readAll(final), "someone's document");
    EXPECT_TRUE(othersIn(t.path(), {"out.pdf"}).empty());
    EXPECT_TRUE(TestCreateOutputFile(t.str() + "new.pdf"));
    EXPECT_TRUE(othersIn(t.path(), {"out.pdf"}).empty());
}

} // namespace
