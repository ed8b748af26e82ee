#include "clitestutil.h"
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

class CliMerge : public testing::Test
{
protected:
    void SetUp() override
    {
        // Names with blanks, parentheses and non-ASCII letters, as real folders have.
        a = dir.str() + "Ä one (1).pdf";
        b = dir.str() + "b two.pdf";
        c = dir.str() + "c.pdf";
        ASSERT_TRUE(MakeTestPdf(a, 3, "Alpha page "));
        ASSERT_TRUE(MakeTestPdf(b, 2, "Bravo page "));
        ASSERT_TRUE(MakeTestPdf(c, 1, "Charlie page "));
    }

    TempDir dir;
    std::string a, b, c;
};

TEST_F(CliMerge, JoinsInTheGivenOrderAndAppendsPdf)
{
    const std::string out = dir.str() + "new folder/deeper/merged";
    const TRunResult r = RunCliInProcess({"merge", "-o", out, c, a, b});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(PdfPageCount(out + ".pdf"), 6);
    EXPECT_THAT(PdfPageTexts(out + ".pdf"), ElementsAre("Charlie page 1", "Alpha page 1", "Alpha page 2",
                                                        "Alpha page 3", "Bravo page 1", "Bravo page 2"));
    // Not a terminal: one plain line per new percentage, then the result.
    EXPECT_EQ(ProgressShape(r.Err), "rising to 100%\nMerging PDF completed.");
    EXPECT_EQ(r.Out, "");
}

TEST_F(CliMerge, QuietPrintsNothingOnSuccess)
{
    const TRunResult r = RunCliInProcess({"--quiet", "merge", "-o", dir.str() + "q.PDF", a, b});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(PdfPageCount(dir.str() + "q.PDF"), 5); // ".PDF" is a PDF extension already
}

TEST_F(CliMerge, RelativeOutputIsTakenFromTheCurrentFolder)
{
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    const TRunResult r = RunCliInProcess({"merge", "-q", "-o", "rel", "b two.pdf", "c.pdf"});
    fs::current_path(before);
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(PdfPageCount(dir.str() + "rel.pdf"), 3);
}

TEST_F(CliMerge, ForceReplacesAnExistingOutput)
{
    const std::string out = dir.write("old.pdf", "old contents");
    const TRunResult r = RunCliInProcess({"merge", "--force", "-o", out, b, c});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(PdfPageCount(out), 3);
}

// Through the built program: its exit code.
TEST_F(CliMerge, AFailedJobExitsWithOne)
{
    const std::string out = dir.str() + "never.pdf";
    const TRunResult r = RunCliBinary({"merge", "--engine", "ghostscript", "-o", out, a, b},
                                      {{"GS_DLL", dir.str() + "nowhere/libgs.so.10"}});
    EXPECT_EQ(r.ExitCode, 1);
    EXPECT_THAT(r.Err,
                testing::HasSubstr("Merging PDF failed.\nThe Ghostscript library could not be loaded."));
    EXPECT_FALSE(fs::exists(out));
}

// Refusals: exit code 2, the message, nothing written and no input touched. The
// checks themselves are tested in the core; here one row for their wiring and
// what the command line adds: a file given twice, a missing -o, the output as
// typed, --force, the inputs it probes. "$A", "$B" and "$DIR" are replaced in the
// arguments, "$DIR" in the message.
class CliMergeRefusal : public CliMerge, public testing::WithParamInterface<RefusalCase>
{
};

TEST_P(CliMergeRefusal, RefusesWithItsMessage)
{
    dir.write("existing.pdf", "keep me");
    dir.write("notes.txt", "just text\n");
    fs::create_directory(dir.path() / "taken.pdf");
    ASSERT_TRUE(MakeEncryptedPdf(b, dir.str() + "locked.pdf"));
    const std::map<std::string, std::string> vars{
        {"$A", a}, {"$B", b}, {"$DIR", dir.str()}, {"$NOTFOUND", NotFoundText()}};

    const RefusalCase& rc = GetParam();
    const std::string before = ReadFile(a);
    const TRunResult r = RunCliInProcess(ExpandedArgs("merge", rc.Args, vars));
    EXPECT_EQ(r.ExitCode, 2);
    EXPECT_THAT(r.Err, HasSubstr(Expand(rc.Message, vars)));
    EXPECT_EQ(PdfPageCount(dir.str() + "out.pdf"), -1);
    EXPECT_EQ(ReadFile(dir.str() + "existing.pdf"), "keep me");
    EXPECT_EQ(ReadFile(a), before);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, CliMergeRefusal,
    testing::Values(RefusalCase{"OneInput",
                                {"-o", "$DIRout", "$A"},
                                "There must have two or more pdf documents in the list.\n"},
                    RefusalCase{"SameInputTwice",
                                {"-o", "$DIRout", "$A", "$A"},
                                "There must have two or more pdf documents in the list.\n"},
                    RefusalCase{"OutputMissing", {"$A", "$B"}, "Please specify output file nanme.\n"},
                    RefusalCase{"OutputBlanks", {"-o", "   ", "$A", "$B"}, "cannot create folder \"\"\n"},
                    RefusalCase{"OutputIsAnInputWrittenOtherwise",
                                {"-f", "-o", "$DIRsub/../b two", "$A", "$B"},
                                "The output file cannot be one of the files to merge.\n"},
                    RefusalCase{"OutputExists",
                                {"-o", "$DIRexisting.pdf", "$A", "$B"},
                                "\"$DIRexisting.pdf\" aleady exists, use --force to overwrite.\n"},
                    RefusalCase{"OutputIsAFolder",
                                {"-f", "-o", "$DIRtaken.pdf", "$A", "$B"},
                                "Cannot create output file.\nA folder of that name exists: $DIRtaken.pdf\n"},
                    RefusalCase{"EncryptedInput",
                                {"-o", "$DIRout", "$A", "$DIRlocked.pdf"},
                                "$DIRlocked.pdf is encrypted, cannot be merged!\n"},
                    RefusalCase{"NotAPdf",
                                {"-o", "$DIRout", "$A", "$DIRnotes.txt"},
                                "$DIRnotes.txt is not a PDF document, cannot be merged!\n"},
                    RefusalCase{"AFolder",
                                {"-o", "$DIRout", "$A", "$DIRtaken.pdf"},
                                "$DIRtaken.pdf is a folder, cannot be merged!\n"},
                    RefusalCase{"MissingInput",
                                {"-o", "$DIRout", "$A", "$DIRgone.pdf"},
                                "Cannot open file \"$DIRgone.pdf\". $NOTFOUND\n"},
                    // Page choices: the core's rule, refused before anything is written.
                    RefusalCase{"SelectionBeyondTheFile",
                                {"-o", "$DIRout", "--select", "2=2-9", "$A", "$B"},
                                "$B: pages \"2-9\" cannot be chosen: the file has pages 1 to "},
                    RefusalCase{"SelectionOfNoInput",
                                {"-o", "$DIRout", "--select", "3=1", "$A", "$B"},
                                "--select 3=1: N must name an input by its place, from 1 to 2.\n"},
                    RefusalCase{"TurnNotAQuarter",
                                {"-o", "$DIRout", "--rotate", "1=45", "$A", "$B"},
                                "--rotate 45: a turn is 90, 180 or 270 degrees clockwise.\n"}),
    RefusalName);

} // namespace
