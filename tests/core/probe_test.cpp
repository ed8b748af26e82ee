// The probe over byte strings the tests write: line rules, page-type and root-count
// rules, the tail check's and the encryption test's windows, block boundaries, and
// the file-level contract (open error, closed files, bounded memory).
#include "core/probe_oracle.h"
#include "job/frontdoor.h"
#include "pdf/pdfprobe.h"
#include "platform/platform.h"
#include "util/systemtexts.h"
#include "util/testtools.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#ifdef _WIN32
#include <windows.h>
// windows.h first
#include <psapi.h>
#else
#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace testutil;

using namespace std::string_literals;
namespace detail = pdfprobe_detail;

namespace {

// Block sizes that put every boundary somewhere awkward: inside keywords, between
// a CR and its LF, right after 0x1A.
constexpr std::size_t BlockSizes[] = {1, 2, 3, 5, 7, 9, 10, 13, 64, 4096};

constexpr detail::ScanVariant Variants[] = {detail::ScanVariant::Portable, detail::ScanVariant::Sse2,
                                            detail::ScanVariant::Avx2};

// Runs check() once with each bulk-pass variant the processor supports.
template <class Check> void ForEachScanVariant(Check check)
{
    for (detail::ScanVariant v : Variants) {
        if (!detail::UseScanVariant(v))
            continue;
        SCOPED_TRACE("scan variant " + std::to_string(static_cast<int>(v)));
        check();
    }
    detail::UseScanVariant(detail::ScanVariant::Automatic);
}

struct ByteCase
{
    const char* name;
    std::string bytes;
    std::int32_t expected;
};

void PrintTo(const ByteCase& c, std::ostream* os)
{
    *os << c.name;
}

// ---------------------------------------------------------------------------
// Line scan

class LineScan : public ::testing::TestWithParam<ByteCase>
{
};

TEST_P(LineScan, SameResultWholeChunkedFromFileAndByTheLiteralRules)
{
    const ByteCase& c = GetParam();
    EXPECT_EQ(probe_oracle::scan(c.bytes), c.expected) << "the test's own reading of the rules";
    ForEachScanVariant([&] {
        EXPECT_EQ(ScanPdfPageLines(c.bytes.data(), c.bytes.size()), c.expected);
        for (std::size_t block : BlockSizes)
            EXPECT_EQ(detail::ScanPdfPageLinesChunked(c.bytes, block), c.expected) << "block " << block;
        // The same text far from the block's start and end, where the bulk pass runs.
        const std::string padded = std::string(200, '\n') + c.bytes + std::string(200, ' ');
        EXPECT_EQ(ScanPdfPageLines(padded.data(), padded.size()), c.expected);
    });

    TempDir dir;
    const std::string file = dir.write("scan.pdf", c.bytes);
    EXPECT_EQ(ScanPdfPageLines(file), c.expected);
    EXPECT_EQ(detail::ScanPdfPageLines(file, 3), c.expected);
}

const std::string Pages3 = "<</Type/Page/Parent 2 0 R>>\n"
                           "<< /Type /Page /Parent 2 0 R >>\n"
                           "<</Type/Page>>\n";

INSTANTIATE_TEST_SUITE_P(
    Rules, LineScan,
    ::testing::Values(
        ByteCase{"Empty", "", 0}, ByteCase{"NoPageType", "%PDF-1.4\n1 0 obj\n<< /Type /Catalog >>\n", 0},
        ByteCase{"PageLinesOnly", Pages3, 3},
        ByteCase{"LastLineWithoutLineFeed", "/Type/Page\n/Type/Page", 2},
        ByteCase{"PageTypeAtLineEnd", "/Type/Page\n", 1}, ByteCase{"PageTypeBeforeCrLf", "/Type/Page\r\n", 1},
        ByteCase{"PageTypeBeforeBlank", "/Type /Page /Contents 4 0 R\n", 1},
        ByteCase{"PageTypeBeforeAngle", "<</Type/Page>>", 1},
        ByteCase{"TwoPagesOnOneLineCountOnce", "<</Type/Page>> <</Type/Page>>\n", 1},
        ByteCase{"NodeIsNoPageLine", "<< /Type /Pages /Kids [] >>\n", 0},
        ByteCase{"CaseMatters", "/type/page\n/Type/page\n/TYPE/PAGE\n", 0},
        ByteCase{"TwoBlanksAreNoPageType", "/Type  /Page\n", 0},
        ByteCase{"NulBytesAreOrdinaryText", "\0/Type/Page\0\n"s, 1},
        // The root count line
        ByteCase{"RootCountWinsOverPageLines", "/Type /Pages /Kids [3 0 R 4 0 R] /Count 2\n" + Pages3, 2},
        ByteCase{"RootCountAfterPages", Pages3 + "<</Type/Pages/Count 7/Kids[]>>", 7},
        ByteCase{"NonDigitsSkippedAfterCount", "/Type/Pages /Count /Kids [7 0 R]\n" + Pages3, 7},
        ByteCase{"CountBeforeTypeOnTheLine", "/Count 12 /Type/Pages\n" + Pages3, 12},
        ByteCase{"DigitRunEndsAtNonDigit", "/Type/Pages /Count 12a34\n", 12},
        ByteCase{"RootCountZero", "/Type/Pages /Count 0\n" + Pages3, 0},
        ByteCase{"LeadingZeros", "/Type/Pages /Count 0000000000000000012\n", 12},
        ByteCase{"LargestRootCount", "/Type/Pages /Count 2147483647\n", 2147483647},
        ByteCase{"RootCountBeyondRangeGivesZero", "/Type/Pages /Count 2147483648\n" + Pages3, 0},
        ByteCase{"HugeRootCountGivesZero", Pages3 + "/Type/Pages /Count 99999999999999999999999\n", 0},
        ByteCase{"ParentLineIsNoRoot", "/Type/Pages /Parent 1 0 R /Count 5\n" + Pages3, 3},
        ByteCase{"ParentAnywhereInTheLine", "/Parent 1 0 R /Type/Pages /Count 5\n" + Pages3, 3},
        ByteCase{"BigCountOnParentLineHarmless", "/Type/Pages /Parent 1 0 R /Count 99999999999\n/Type/Page\n",
                 1},
        ByteCase{"BigCountOnPageLineHarmless", "/Type/Page /Count 99999999999\n", 1},
        ByteCase{"CountWithoutDigits", "/Type/Pages /Count /Kids []\n" + Pages3, 3},
        ByteCase{"NodeWithoutCount", "/Type/Pages /Kids []\n" + Pages3, 3},
        ByteCase{"TwoRootLinesGivePageLines", "/Type/Pages /Count 10\n" + Pages3 + "/Type/Pages /Count 20\n",
                 3},
        ByteCase{"RootSpreadOverLines", "<< /Type /Pages\n/Count 5\n/Kids [3 0 R]\n>>\n" + Pages3, 3},
        // Which page type text counts
        ByteCase{"NoBlankFormFirstEvenWhenLater", "/Type /Page /Type/Pages /Count 6\n", 6},
        ByteCase{"NoBlankFormDecidesPageLine", "/Type /Pages /Type/Page\n", 1},
        ByteCase{"OnlyFirstPageTypeLooked", "/Type/Pages /Count 4 /Type/Page\n", 4},
        ByteCase{"RestartInsideKeyword", "/Type/Type/Page\n/Type /Type /Page\n", 2},
        ByteCase{"RestartInsideCount", "/Type/Pages /Co/Count 5\n", 5},
        ByteCase{"RestartInsideParent", "/Type/Pages /Pa/Parent /Count 5\n/Type/Page\n", 1},
        // Carriage returns and 0x1A
        ByteCase{"CrOnlyFileIsOneLine", "/Type/Page\r/Type/Page\r/Type/Page\r", 1},
        ByteCase{"CrOnlyFileRootLine", "/Type/Pages /Count 4\r/Type/Page\r", 4},
        ByteCase{"CrOnlyFileNodeFirst", "/Type/Pages\r/Type/Page\r", 0},
        ByteCase{"LoneCrLeftOutOfKeyword", "/Type/Pa\rge\n", 1},
        ByteCase{"LoneCrBeforeS", "/Type/Page\rs /Count 3\n", 3},
        ByteCase{"CrCrLf", "/Type/Page\r\r\n/Type/Pages /Count 9\r\r\n", 9},
        ByteCase{"SubEndsTheText", "/Type/Pa\x1Age\n", 0},
        ByteCase{"SubHidesTheS", "/Type/Page\x1As /Count 3\n", 1},
        ByteCase{"SubHidesParent", "/Type/Pages /Count 8\x1A/Parent\n", 8},
        ByteCase{"SubEndsDigitRun",
                 "/Type/Pages /Count 8\x1A"
                 "9\n",
                 8},
        ByteCase{"SubSkipsOnlyToLineFeed", "x\x1A/Type/Page\n/Type/Page\n/Type/Page", 2},
        ByteCase{"SubWithoutLineFeedEndsAll", "/Type/Page\n\x1A/Type/Page\r/Type/Page", 1}));

// Random texts built from the keywords' pieces, compared with the literal rules:
// finds what hand-picked cases miss (keyword restarts, block edges, priorities).
TEST(LineScanRandom, AgreesWithTheLiteralRules)
{
    static const char* const pieces[] = {"/Type",
                                         "/Type/Page",
                                         "/Type /Page",
                                         "s",
                                         " ",
                                         "/Parent",
                                         "/Count",
                                         "/Co",
                                         "/Pa",
                                         "/",
                                         "Page",
                                         "Type",
                                         "1",
                                         "0",
                                         "42",
                                         "2147483647",
                                         "2147483648",
                                         "00000",
                                         "\r",
                                         "\n",
                                         "\r\n",
                                         "\x1A",
                                         ">>",
                                         "<<",
                                         "x",
                                         "/Kids [3 0 R]",
                                         "/T",
                                         "/C",
                                         "/P",
                                         "//",
                                         "/\r",
                                         "/Type/\rPage",
                                         "/MediaBox [0 0 612 792] /Resources << /Font << /F1 5 0 R >> >>"};
    ForEachScanVariant([&] {
        std::mt19937 rng(20261207);
        std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
        std::uniform_int_distribution<int> len(0, 80);
        for (int round = 0; round < 3000; ++round) {
            std::string text;
            for (int n = len(rng); n > 0; --n)
                text += pieces[pick(rng)];
            const std::int32_t expected = probe_oracle::scan(text);
            ASSERT_EQ(ScanPdfPageLines(text.data(), text.size()), expected) << testing::PrintToString(text);
            const std::size_t block = 1 + static_cast<std::size_t>(round % 11);
            ASSERT_EQ(detail::ScanPdfPageLinesChunked(text, block), expected)
                << "block " << block << ": " << testing::PrintToString(text);
        }
    });
}

// Long lines and long runs with nothing of interest go through the fast paths.
TEST(LineScanRandom, LongBinaryLinesAgreeWithTheLiteralRules)
{
    static const char* const plants[] = {"/Type/Page", "/Type /Pages /Count 77", "/Parent", "\x1A", "\n",
                                         "/\rType"};
    ForEachScanVariant([] {
        std::mt19937 rng(7);
        for (int round = 0; round < 40; ++round) {
            std::string text(20000 + round * 997, '\0');
            for (char& c : text)
                c = static_cast<char>(rng() & 0xFF);
            // Plant keywords at random places so some lines decide early and some late.
            for (int k = 0; k < 30; ++k) {
                const std::string_view p = plants[rng() % std::size(plants)];
                text.replace(rng() % (text.size() - p.size()), p.size(), p);
            }
            const std::int32_t expected = probe_oracle::scan(text);
            ASSERT_EQ(ScanPdfPageLines(text.data(), text.size()), expected);
            ASSERT_EQ(detail::ScanPdfPageLinesChunked(text, 4093), expected);
        }
    });
}

// ---------------------------------------------------------------------------
// Tail check

struct TailCase
{
    const char* name;
    std::string bytes;
    bool expected;
};
void PrintTo(const TailCase& c, std::ostream* os)
{
    *os << c.name;
}

class TailCheck : public ::testing::TestWithParam<TailCase>
{
};

TEST_P(TailCheck, SameResultForEveryBlockSizeAndFromFile)
{
    const TailCase& c = GetParam();
    EXPECT_EQ(probe_oracle::tailCheck(c.bytes), c.expected) << "the test's own reading of the rules";
    EXPECT_EQ(detail::CheckPdfTailBytes(c.bytes), c.expected);
    for (std::size_t block : BlockSizes)
        EXPECT_EQ(detail::CheckPdfTailBytes(c.bytes, block), c.expected) << "block " << block;

    TempDir dir;
    const std::string file = dir.write("tail.pdf", c.bytes);
    EXPECT_EQ(CheckPdfTail(file), c.expected);
    EXPECT_EQ(detail::CheckPdfTail(file, 9), c.expected);
}

const std::string Pad(std::size_t n)
{
    return std::string(n, '.');
}

INSTANTIATE_TEST_SUITE_P(
    Windows, TailCheck,
    ::testing::Values(TailCase{"Empty", "", false}, TailCase{"TenBytesRejected", "%%EOF%%EOF", false},
                      TailCase{"ElevenBytesWithEof", "......%%EOF", true},
                      TailCase{"EofThenCrLf", Pad(20) + "%%EOF\r\n", true},
                      TailCase{"EofThenThreeBytesNoStartxref", Pad(20) + "%%EOF\r\n\r\n", false},
                      TailCase{"EofThenThreeBytesWithStartxref", "%PDF\nstartxref\n123\n%%EOF\r\n\r\n", true},
                      TailCase{"NulCutsTheLastSevenBytes", Pad(20) + "\0%%EOF"s, false},
                      TailCase{"NulAfterEof", Pad(20) + "%%EOF\0\0"s, true},
                      TailCase{"StartxrefAtTheVeryEndOnly", Pad(20) + "startxref", false},
                      TailCase{"StartxrefAtTheEndAndEarlier", "xstartxref" + Pad(20) + "startxref", true},
                      TailCase{"StartxrefEndingOneByteBeforeEnd", "ystartxrefz", true},
                      TailCase{"StartxrefAtOffsetZeroNeverSeen", "startxref" + Pad(20), false},
                      TailCase{"StartxrefAtOffsetOne", "-startxref" + Pad(20), true},
                      TailCase{"StartxrefFarFromTheEnd", "-startxref" + Pad(100000), true},
                      TailCase{"PartialKeywords", "-startxre" + Pad(30) + "tartxref" + Pad(5), false},
                      TailCase{"WrongCase", "-STARTXREF" + Pad(10) + "%%eof", false}));

// ---------------------------------------------------------------------------
// Encryption test

class Encryption : public ::testing::TestWithParam<TailCase>
{
};

TEST_P(Encryption, SameResultForEveryBlockSizeAndFromFile)
{
    const TailCase& c = GetParam();
    EXPECT_EQ(probe_oracle::encrypted(c.bytes), c.expected) << "the test's own reading of the rules";
    EXPECT_EQ(detail::IsPdfEncryptedBytes(c.bytes), c.expected);
    for (std::size_t block : BlockSizes)
        EXPECT_EQ(detail::IsPdfEncryptedBytes(c.bytes, block), c.expected) << "block " << block;

    TempDir dir;
    const std::string file = dir.write("enc.pdf", c.bytes);
    EXPECT_EQ(IsPdfEncrypted(file), c.expected);
    EXPECT_EQ(detail::IsPdfEncrypted(file, 7), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, Encryption,
    ::testing::Values(
        TailCase{"Empty", "", false},
        TailCase{"EncryptInTrailer", "%PDF\ntrailer\n<< /Size 9 /Root 1 0 R /Encrypt 8 0 R >>\n%%EOF\n",
                 true},
        TailCase{"NestedDictClosesFirst", "%PDF\ntrailer << /Info << /A 1 >> /Encrypt 8 0 R >>\n", false},
        TailCase{"NoTrailerKeyword", "%PDF\n<< /Type /XRef /Encrypt 8 0 R >>\nstartxref\n%%EOF\n", false},
        TailCase{"OnlyTheLastTrailerCounts", "%PDF\ntrailer << /Encrypt 8 0 R >>\ntrailer << /Size 3 >>\n",
                 false},
        TailCase{"LastTrailerEncrypted", "%PDF\ntrailer << /Size 3 >>\ntrailer << /Encrypt 8 0 R >>\n", true},
        TailCase{"TrailerAtOffsetZeroNeverSeen", "trailer /Encrypt 8 0 R", false},
        TailCase{"TrailerAtOffsetOne", " trailer /Encrypt 8 0 R", true},
        TailCase{"EncryptRightBeforeClose", "xtrailer<</Encrypt>>", true},
        TailCase{"EncryptAtEndOfFile", "xtrailer Encrypt", true},
        TailCase{"FewerThanSevenBytesLeft", "xtrailerEncryp", false},
        TailCase{"TrailerAtTheVeryEnd", "%PDF\ntrailer", false},
        TailCase{"CloseInTheWindowBeforeEncrypt", "xtrailer>>Encrypt", false},
        TailCase{"SingleAngleDoesNotClose", "xtrailer<</A>/Encrypt 1 0 R", true},
        TailCase{"FarAfterTrailer", "xtrailer" + Pad(100000) + "/Encrypt", true},
        TailCase{"FarBeforeEnd", "xtrailer /Encrypt" + Pad(100000), true}));

// Random texts from the keywords' pieces against the literal rules.
TEST(TailAndEncryptionRandom, AgreeWithTheLiteralRules)
{
    static const char* const pieces[] = {"%%EOF",  "%%EO",    "startxref", "startxre", "tartxref", "trailer",
                                         "traile", "Encrypt", "Encryp",    ">>",       ">",        "<<",
                                         "\0",     "\r\n",    "x",         "/Size 3"};
    std::mt19937 rng(42);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> len(0, 25);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        for (int n = len(rng); n > 0; --n) {
            const char* p = pieces[pick(rng)];
            bytes += *p ? std::string(p) : "\0"s;
        }
        const std::size_t block = 1 + static_cast<std::size_t>(round % 23);
        ASSERT_EQ(detail::CheckPdfTailBytes(bytes, block), probe_oracle::tailCheck(bytes))
            << "block " << block << ": " << testing::PrintToString(bytes);
        ASSERT_EQ(detail::IsPdfEncryptedBytes(bytes, block), probe_oracle::encrypted(bytes))
            << "block " << block << ": " << testing::PrintToString(bytes);
    }
}

// ---------------------------------------------------------------------------
// File-level contract

std::size_t OpenDescriptorCount()
{
#ifdef _WIN32
    DWORD handles = 0;
    ::GetProcessHandleCount(::GetCurrentProcess(), &handles);
    return handles;
#else
    std::size_t n = 0;
    if (DIR* d = ::opendir("/proc/self/fd")) {
        while (::readdir(d))
            ++n;
        ::closedir(d);
    }
    return n;
#endif
}

TEST(ProbeFile, OpenFailureRaisesTheWordedErrorOnlyFromThePageCount)
{
    TempDir dir;
    const std::string missing = dir.str() + "no such.pdf";
    try {
        GetPdfPageCount(missing);
        FAIL() << "no error raised";
    } catch (const EPdfOpenError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + missing + "\". " + NotFoundText());
    }
    EXPECT_THROW(CheckPdfTail(missing), EPdfOpenError);
    EXPECT_FALSE(IsPdfEncrypted(missing));
    EXPECT_EQ(ScanPdfPageLines(missing), 0);

    // A folder is not a file to open.
    try {
        GetPdfPageCount(dir.path().string());
        FAIL() << "no error raised for a folder";
    } catch (const EPdfOpenError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + Utf8(dir.path()) + "\". " + IsFolderText());
    }
    EXPECT_FALSE(IsPdfEncrypted(Utf8(dir.path())));

#ifndef _WIN32 // no symbolic links without a privilege there

    // Any reason the system gives is passed on, not only a missing file.
    const std::string loop = dir.str() + "loop.pdf";
    ASSERT_EQ(::symlink(loop.c_str(), loop.c_str()), 0);
    try {
        GetPdfPageCount(loop);
        FAIL() << "no error raised for a link loop";
    } catch (const EPdfOpenError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + loop + "\". " + std::strerror(ELOOP));
    }
    EXPECT_FALSE(IsPdfEncrypted(loop));
#endif

    // A name with a NUL byte must not quietly open the shorter name.
    const std::string real = dir.write("a.pdf", "/Type/Page\n%%EOF\n.....");
    EXPECT_THROW(GetPdfPageCount(real + "\0.txt"s), EPdfOpenError);
}

TEST(ProbeFile, UnreadableFileRaisesOpenError)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX permissions: Windows has none to take away with chmod";
#else
    TempDir dir;
    const std::string file = dir.write("locked.pdf", "/Type/Page\n%%EOF\n");
    ::chmod(file.c_str(), 0);
    // Only the file refuses: its folder lets anyone through.
    ::chmod(dir.path().c_str(), 0711);
    const std::string wrong = RunUnprivileged([&] {
        std::string what;
        try {
            GetPdfPageCount(file);
            what = "no error raised; ";
        } catch (const EPdfOpenError& e) {
            if (std::string(e.what()) != "Cannot open file \"" + file + "\". " + std::strerror(EACCES))
                what = std::string("another reason: ") + e.what() + "; ";
        }
        if (IsPdfEncrypted(file))
            what += "called encrypted";
        return what;
    });
    EXPECT_EQ(wrong, "");
#endif
}

TEST(ProbeFile, NamedPipeAnswersAtOnceInsteadOfWaitingForAWriter)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no named pipes among the files of a folder";
#else
    TempDir dir;
    const std::string fifo = dir.str() + "pipe.pdf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(GetPdfPageCount(fifo), 0);
    EXPECT_EQ(ScanPdfPageLines(fifo), 0);
    EXPECT_FALSE(IsPdfEncrypted(fifo));
#endif
}

TEST(ProbeFile, EveryPathClosesItsFile)
{
    TempDir dir;
    const std::string good = dir.write("good.pdf", Pages3 + "trailer << /Encrypt 1 0 R >>\n%%EOF\n");
    const std::string notPdf = dir.write("short.pdf", "tiny");
    const std::string missing = dir.str() + "missing.pdf";
    const std::size_t before = OpenDescriptorCount();
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(GetPdfPageCount(good), 3);
        EXPECT_TRUE(IsPdfEncrypted(good));
        EXPECT_EQ(GetPdfPageCount(notPdf), 0);
        EXPECT_FALSE(IsPdfEncrypted(notPdf));
        EXPECT_THROW(GetPdfPageCount(missing), EPdfOpenError);
        EXPECT_THROW(GetPdfPageCount(dir.path().string()), EPdfOpenError);
    }
    EXPECT_EQ(OpenDescriptorCount(), before);
}

TEST(ProbeFile, RejectedTailMeansNoScan)
{
    TempDir dir;
    EXPECT_EQ(GetPdfPageCount(dir.write("a.pdf", Pages3 + "no end marker here")), 0);
    EXPECT_EQ(GetPdfPageCount(dir.write("b.pdf", Pages3 + "%%EOF\n")), 3);
}

long MaxResidentKiB()
{
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ::K32GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<long>(counters.PeakWorkingSetSize / 1024);
#else
    rusage ru{};
    ::getrusage(RUSAGE_SELF, &ru);
    return ru.ru_maxrss;
#endif
}

// One line of 256 MiB (a sparse file, quick to make): the scan must not hold the
// line, so the process's peak memory barely moves.
TEST(ProbeFile, LongLineNeedsNoLineSizedBuffer)
{
    TempDir dir;
    const std::string file = dir.str() + "long.pdf";
    {
        const std::string head = "/Type/Pages /Count 5 ";
        const std::string tail = " /Type/Page %%EOF";
        constexpr std::uintmax_t size = std::uintmax_t(256) << 20;
        std::ofstream(U8(file), std::ios::binary) << head;
        std::filesystem::resize_file(U8(file), size); // the gap holds no blocks
        std::fstream out(U8(file), std::ios::binary | std::ios::in | std::ios::out);
        out.seekp(static_cast<std::streamoff>(size - tail.size()));
        ASSERT_TRUE(out.write(tail.data(), static_cast<std::streamsize>(tail.size())).flush());
    }
    const long before = MaxResidentKiB();
    EXPECT_EQ(GetPdfPageCount(file), 5);
    EXPECT_LT(MaxResidentKiB() - before, 64 * 1024) << "KiB of peak memory added by the scan";
}

} // namespace
