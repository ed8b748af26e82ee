#include "clitestutil.h"
#include "job/splitnames.h"
#include "platform/platform.h"
#include "util/testtools.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>

using namespace testutil;

namespace {

using testing::ElementsAre;
using testing::HasSubstr;
namespace fs = std::filesystem;

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CliSplit : public testing::Test
{
protected:
    void SetUp() override
    {
        src = dir.str() + "report (5).pdf";
        ASSERT_TRUE(MakeTestPdf(src, 5, "Report page "));
        out = dir.str() + "out 100%";
    }

    // Files in the output folder, sorted.
    std::vector<std::string> Written() const
    {
        std::vector<std::string> names;
        if (fs::exists(out))
            for (const auto& e : fs::directory_iterator(out))
                names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir dir;
    std::string src;
    std::string out;
};

TEST_F(CliSplit, EveryTwoPages)
{
    const TRunResult r = RunCliInProcess({"split", "--every", "2", "-o", out, src});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_THAT(Written(), ElementsAre("report (5)1-2.pdf", "report (5)3-4.pdf", "report (5)5-5.pdf"));
    EXPECT_THAT(PdfPageTexts(out + "/report (5)1-2.pdf"), ElementsAre("Report page 1", "Report page 2"));
    EXPECT_THAT(PdfPageTexts(out + "/report (5)3-4.pdf"), ElementsAre("Report page 3", "Report page 4"));
    EXPECT_EQ(PdfPageCount(out + "/report (5)5-5.pdf"), 1);
    EXPECT_THAT(PdfPageTexts(out + "/report (5)5-5.pdf"), ElementsAre("Report page 5"));
    EXPECT_EQ(ProgressShape(r.Err), "rising to 100%\nSplitting PDF completed.");
}

TEST_F(CliSplit, RangesInTypedOrder)
{
    const TRunResult r = RunCliInProcess({"split", "--pages", "3, 1--2", "-o", out + "/", src});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_THAT(Written(), ElementsAre("report (5)1-2.pdf", "report (5)3.pdf"));
    EXPECT_THAT(PdfPageTexts(out + "/report (5)3.pdf"), ElementsAre("Report page 3"));
    EXPECT_THAT(PdfPageTexts(out + "/report (5)1-2.pdf"), ElementsAre("Report page 1", "Report page 2"));
    EXPECT_EQ(ProgressShape(r.Err), "rising to 100%\nSplitting PDF completed.");
}

// The names checked for --force are the names the job writes.
TEST_F(CliSplit, PredictedNamesAreTheWrittenOnes)
{
    ASSERT_EQ(RunCliInProcess({"split", "-q", "--every", "3", "-o", out, src}).ExitCode, 0);
    std::vector<std::string> predicted;
    for (const std::string& p : SplitPieceNames(out + "/", "report (5)", 5, 3))
        predicted.push_back(fs::path(p).filename().string());
    EXPECT_EQ(Written(), predicted);
}

TEST_F(CliSplit, ExistingPiecesNeedForce)
{
    fs::create_directory(out);
    const std::string piece = out + plat::PathSeparator + "report (5)2-5.pdf";
    std::ofstream(piece) << "old";

    TRunResult r = RunCliInProcess({"split", "--pages", "1,2-5", "-o", out, src});
    EXPECT_EQ(r.ExitCode, 2);
    EXPECT_EQ(r.Err, "\"" + piece + "\" aleady exists, use --force to overwrite.\n");
    EXPECT_EQ(ReadFile(piece), "old");
    EXPECT_FALSE(fs::exists(out + "/report (5)1.pdf"));

    r = RunCliInProcess({"split", "--force", "--quiet", "--pages", "1,2-5", "-o", out, src});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(PdfPageCount(piece), 4);
}

// Through the built program: its exit code.
TEST_F(CliSplit, AFailedJobExitsWithOne)
{
    const TRunResult r = RunCliBinary({"split", "--engine", "ghostscript", "--every", "1", "-o", out, src},
                                      {{"GS_DLL", dir.str() + "nowhere/libgs.so.10"}});
    EXPECT_EQ(r.ExitCode, 1);
    EXPECT_THAT(r.Err,
                testing::HasSubstr("Splitting PDF failed.\nThe Ghostscript library could not be loaded."));
}

// A piece name that leads to the source, through a symbolic or a hard link, is
// refused before anything is written, --force or not; the source keeps its bytes.
TEST_F(CliSplit, APieceThatIsTheSourceIsRefusedEvenWithForce)
{
    for (const bool hard : {false, true}) {
#ifdef _WIN32
        if (!hard)
            continue; // symbolic links need a privilege there
#endif
        fs::remove_all(out);
        fs::create_directories(out);
        const std::string piece = out + plat::PathSeparator + "report (5)1-2.pdf";
        if (hard)
            fs::create_hard_link(src, piece);
        else
            fs::create_symlink(src, piece);
        const std::string before = FileBytes(src);
        const TRunResult r = RunCliInProcess({"split", "--force", "--every", "2", "-o", out, src});
        EXPECT_EQ(r.ExitCode, 2) << r.Err;
        EXPECT_EQ(r.Err, "\"" + piece + "\" is the document being split.\n");
        EXPECT_EQ(FileBytes(src), before);
        EXPECT_EQ(Written(), std::vector<std::string>{"report (5)1-2.pdf"});
    }
}

// Refusals: exit code 2, the message, and nothing written. The checks themselves
// are tested in the core; here one row for their wiring (the probe's verdict) and
// what the command line adds: missing arguments, files and folders it cannot read,
// --every's bounds, option values, the location as typed. "$SRC", "$OUT" and
// "$DIR" are replaced in the arguments, "$SRC" and "$DIR" in the message.
class CliSplitRefusal : public CliSplit, public testing::WithParamInterface<RefusalCase>
{
};

TEST_P(CliSplitRefusal, RefusesWithItsMessage)
{
    const RefusalCase& rc = GetParam();
    ASSERT_TRUE(MakeEncryptedPdf(src, dir.str() + "locked.pdf"));
    dir.write("notes.txt", "not a PDF\n");

    const std::map<std::string, std::string> vars{{"$SRC", src}, {"$OUT", out}, {"$DIR", dir.str()}};
    const TRunResult r = RunCliInProcess(ExpandedArgs("split", rc.Args, vars));
    EXPECT_EQ(r.ExitCode, 2);
    EXPECT_EQ(r.Err, Expand(rc.Message, vars) + "\n");
    EXPECT_THAT(Written(), testing::IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Checks, CliSplitRefusal,
    testing::Values(
        RefusalCase{"NoSource", {"--every", "1", "-o", "$OUT"}, "Please select a PDF document to split."},
        RefusalCase{
            "MissingSource", {"--every", "1", "-o", "$OUT", "$DIRgone.pdf"}, "Specified file not exists."},
        RefusalCase{"FolderSource", {"--every", "1", "-o", "$OUT", "$DIR"}, "Invalid PDF document."},
        RefusalCase{"Encrypted",
                    {"--every", "1", "-o", "$OUT", "$DIRlocked.pdf"},
                    "$DIRlocked.pdf is encrypted, cannot be split."},
        RefusalCase{"NotAPdf",
                    {"--every", "1", "-o", "$OUT", "$DIRnotes.txt"},
                    "Pages must be greate then 2.\n$DIRnotes.txt: not a PDF document"},
        RefusalCase{
            "NoMethod",
            {"-o", "$OUT", "$SRC"},
            "Please choose a split method: --every N, --pages RANGES, --bookmarks LEVEL or --max-size MB."},
        RefusalCase{
            "EveryZero", {"--every", "0", "-o", "$OUT", "$SRC"}, "Pages per file must be from 1 to 32767."},
        RefusalCase{"BookmarkLevelZero",
                    {"--bookmarks", "0", "-o", "$OUT", "$SRC"},
                    "Bookmark levels are from 1 to 50."},
        RefusalCase{"MaxSizeTooSmall",
                    {"--max-size", "0.05", "-o", "$OUT", "$SRC"},
                    "Piece sizes are from 0.1 to 100000 MB."},
        RefusalCase{
            "SizeByGhostscript",
            {"--max-size", "1", "--engine", "ghostscript", "-o", "$OUT", "$SRC"},
            "Splitting PDF failed.\nThe Ghostscript engine cannot measure pieces to split by size; the "
            "exact engine can."},
        RefusalCase{"EveryTooLarge",
                    {"--every", "32768", "-o", "$OUT", "$SRC"},
                    "Pages per file must be from 1 to 32767."},
        // A value with a leading dash is the option's; the page below 1 is refused.
        RefusalCase{"NegativePage",
                    {"--pages=-3", "-o", "$OUT", "$SRC"},
                    "Page ranges is invalid or page number exceed total pages."},
        RefusalCase{
            "LoneDash", {"--pages", "3 - 4", "-o", "$OUT", "$SRC"}, "'-' is not a valid integer value."},
        RefusalCase{"NoLocation", {"--every", "2", "$SRC"}, "Please specify a location for spliting."},
        RefusalCase{"BlankLocation",
                    {"--every", "2", "-o", "  ", "$SRC"},
                    "cannot create folder \"  \"\nA folder must be given as a full path."}),
    RefusalName);

} // namespace
