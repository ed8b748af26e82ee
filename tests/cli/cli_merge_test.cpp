#include "clitestutil.h"
#include "util/tempdir.h"

#include <filesystem>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

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
        MakePdf(a, "Alpha", 3);
        MakePdf(b, "Bravo", 2);
        MakePdf(c, "Charlie", 1);
    }

    TempDir dir;
    std::string a, b, c;
};

TEST_F(CliMerge, JoinsInTheGivenOrderAndAppendsPdf)
{
    const std::string out = dir.str() + "new folder/deeper/merged";
    const TRunResult r = RunCliBinary({"merge", "-o", out, c, a, b});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(QpdfPageCount(out + ".pdf"), 6);
    EXPECT_THAT(PageTexts(out + ".pdf"), ElementsAre("Charlie page 1", "Alpha page 1", "Alpha page 2",
                                                     "Alpha page 3", "Bravo page 1", "Bravo page 2"));
    // Not a terminal: one plain line per new percentage, then the result.
    EXPECT_THAT(Lines(r.Err),
                ElementsAre(" 16%", " 33%", " 50%", " 66%", " 83%", "100%", "Merging PDF completed."));
    EXPECT_EQ(r.Out, "");
}

TEST_F(CliMerge, QuietPrintsNothingOnSuccess)
{
    const TRunResult r = RunCliBinary({"--quiet", "merge", "-o", dir.str() + "q.PDF", a, b});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(QpdfPageCount(dir.str() + "q.PDF"), 5); // ".PDF" is a PDF extension already
}

TEST_F(CliMerge, RelativeOutputIsTakenFromTheCurrentFolder)
{
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    const TRunResult r = RunCliBinary({"merge", "-q", "-o", "rel", "b two.pdf", "c.pdf"});
    fs::current_path(before);
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(QpdfPageCount(dir.str() + "rel.pdf"), 3);
}

TEST_F(CliMerge, ForceReplacesAnExistingOutput)
{
    const std::string out = dir.write("old.pdf", "old contents");
    const TRunResult r = RunCliBinary({"merge", "--force", "-o", out, b, c});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(QpdfPageCount(out), 3);
}

TEST_F(CliMerge, AFailedJobExitsWithOne)
{
    const std::string out = dir.str() + "never.pdf";
    const TRunResult r =
        RunCliBinary({"merge", "-o", out, a, b}, {{"GS_DLL", dir.str() + "nowhere/libgs.so.10"}});
    EXPECT_EQ(r.ExitCode, 1);
    EXPECT_THAT(r.Err, testing::EndsWith("Merging PDF failed.\n"));
    EXPECT_FALSE(fs::exists(out));
}

// Every refusal: exit code 2, its message, and no output written.
struct RefusalCase
{
    const char* Name;
    // Builds the arguments after "merge" from the fixture's folder and files.
    std::function<std::vector<std::string>(const TempDir&, const std::string& a, const std::string& b)> Args;
    std::function<std::string(const TempDir&, const std::string& a)> Message;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.Name;
}

class CliMergeRefusal : public CliMerge, public testing::WithParamInterface<RefusalCase>
{
};

TEST_P(CliMergeRefusal, RefusesWithItsMessage)
{
    const RefusalCase& rc = GetParam();
    std::vector<std::string> args{"merge"};
    for (const std::string& s : rc.Args(dir, a, b))
        args.push_back(s);
    const auto before = ReadFile(a);
    const TRunResult r = RunCliBinary(args);
    EXPECT_EQ(r.ExitCode, 2);
    EXPECT_THAT(r.Err, HasSubstr(rc.Message(dir, a)));
    EXPECT_EQ(QpdfPageCount(dir.str() + "out.pdf"), -1);
    EXPECT_EQ(ReadFile(a), before); // an input is never touched
}

std::string Fixed(const std::string& text)
{
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Checks, CliMergeRefusal,
    testing::Values(
        RefusalCase{
            "OneInput",
            [](auto& d, auto& a, auto&) {
                return std::vector<std::string>{"-o", d.str() + "out", a};
            },
            [](auto&, auto&) { return Fixed("There must have two or more pdf documents in the list."); }},
        RefusalCase{
            "SameInputTwice",
            [](auto& d, auto& a, auto&) {
                return std::vector<std::string>{"-o", d.str() + "out", a, a};
            },
            [](auto&, auto&) { return Fixed("There must have two or more pdf documents in the list."); }},
        RefusalCase{"OutputTooShort",
                    [](auto&, auto& a, auto& b) {
                        return std::vector<std::string>{"-o", "ab", a, b};
                    },
                    [](auto&, auto&) { return Fixed("Please specify output file nanme."); }},
        RefusalCase{"OutputMissing",
                    [](auto&, auto& a, auto& b) {
                        return std::vector<std::string>{a, b};
                    },
                    [](auto&, auto&) { return Fixed("Please specify output file nanme."); }},
        RefusalCase{"OutputBlanks",
                    [](auto&, auto& a, auto& b) {
                        return std::vector<std::string>{"-o", "   ", a, b};
                    },
                    [](auto&, auto&) { return Fixed("cannot create folder \"\""); }},
        RefusalCase{
            "OutputIsAnInput",
            [](auto&, auto& a, auto& b) {
                return std::vector<std::string>{"-f", "-o", a, a, b};
            },
            [](auto&, auto&) { return Fixed("The output file cannot be one of the files to merge."); }},
        RefusalCase{
            "OutputIsAnInputWrittenOtherwise",
            [](auto& d, auto& a, auto& b) {
                return std::vector<std::string>{"-f", "-o",
                                                d.str() + "sub/../" + fs::path(a).filename().string(), a, b};
            },
            [](auto&, auto&) { return Fixed("The output file cannot be one of the files to merge."); }},
        RefusalCase{"OutputExists",
                    [](auto& d, auto& a, auto& b) {
                        d.write("out.pdf", "keep me");
                        return std::vector<std::string>{"-o", d.str() + "out.pdf", a, b};
                    },
                    [](auto& d, auto&) {
                        return "\"" + d.str() + "out.pdf\" aleady exists, use --force to overwrite.";
                    }},
        RefusalCase{"FolderCannotBeMade",
                    [](auto& d, auto& a, auto& b) {
                        d.write("file", "x");
                        return std::vector<std::string>{"-o", d.str() + "file/sub/out.pdf", a, b};
                    },
                    [](auto& d, auto&) { return "cannot create folder \"" + d.str() + "file/sub/\""; }},
        RefusalCase{"OutputCannotBeCreated",
                    [](auto& d, auto& a, auto& b) {
                        fs::create_directory(d.path() / "taken.pdf");
                        return std::vector<std::string>{"--force", "-o", d.str() + "taken.pdf", a, b};
                    },
                    [](auto&, auto&) { return Fixed("Cannot create output file."); }},
        RefusalCase{"EncryptedInput",
                    [](auto& d, auto& a, auto& b) {
                        MakeEncryptedPdf(a, d.str() + "locked.pdf");
                        return std::vector<std::string>{"-o", d.str() + "out", b, d.str() + "locked.pdf"};
                    },
                    [](auto& d, auto&) { return d.str() + "locked.pdf is encrypted, cannot be merged!"; }},
        RefusalCase{
            "NotAPdf",
            [](auto& d, auto& a, auto&) {
                d.write("notes.txt", "just text\n");
                return std::vector<std::string>{"-o", d.str() + "out", a, d.str() + "notes.txt"};
            },
            [](auto& d, auto&) { return d.str() + "notes.txt is not a PDF document, cannot be merged!"; }},
        RefusalCase{"AFolder",
                    [](auto& d, auto& a, auto&) {
                        fs::create_directory(d.path() / "dir.pdf");
                        return std::vector<std::string>{"-o", d.str() + "out", a, d.str() + "dir.pdf"};
                    },
                    [](auto& d, auto&) { return d.str() + "dir.pdf is a folder, cannot be merged!"; }},
        RefusalCase{"MissingInput",
                    [](auto& d, auto& a, auto&) {
                        return std::vector<std::string>{"-o", d.str() + "out", a, d.str() + "gone.pdf"};
                    },
                    [](auto& d, auto&) { return "Cannot open file \"" + d.str() + "gone.pdf\"."; }}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.Name); });

} // namespace
