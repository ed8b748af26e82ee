// The command line counts and refuses as a PDF reader sees the file, on layouts
// the light probe gets wrong.
#include "clitestutil.h"
#include "util/testtools.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testutil;

namespace {

using testing::HasSubstr;
using testing::StartsWith;

bool Qpdf(std::vector<std::string> args)
{
    args.insert(args.begin(), "qpdf");
    return RunProgram(args).ExitCode == 0;
}

class CliReader : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!HaveProgram("qpdf"))
            GTEST_SKIP() << "needs the qpdf command";
        ASSERT_TRUE(MakeTestPdf(plain, 4, "Page "));
        ASSERT_TRUE(Qpdf({"--encrypt", "u", "o", "256", "--", "--linearize", plain, linearLocked}));
        ASSERT_TRUE(
            Qpdf({"--encrypt", "u", "o", "256", "--", "--object-streams=generate", plain, packedLocked}));
        ASSERT_TRUE(Qpdf({"--object-streams=generate", plain, packed}));
    }
    TempDir dir;
    std::string plain = dir.str() + "plain.pdf";
    std::string packed = dir.str() + "packed.pdf";
    std::string linearLocked = dir.str() + "linear locked.pdf";
    std::string packedLocked = dir.str() + "packed locked.pdf";
};

TEST_F(CliReader, InfoSaysYesForEveryFileThatNeedsAPassword)
{
    const TRunResult r = RunCliInProcess({"info", linearLocked, packedLocked, packed});
    EXPECT_EQ(r.ExitCode, 0) << r.Err;
    const auto lines = Lines(r.Out);
    ASSERT_EQ(lines.size(), 3u) << r.Out;
    EXPECT_THAT(lines[0], HasSubstr("\tyes\t"));
    EXPECT_THAT(lines[1], HasSubstr("\tyes\t"));
    EXPECT_THAT(lines[2], StartsWith("4\tno\t"));
}

TEST_F(CliReader, MergeAndSplitRefuseLockedFilesWhateverTheirLayout)
{
    for (const std::string& locked : {linearLocked, packedLocked}) {
        const TRunResult merge = RunCliInProcess({"merge", plain, locked, "-o", dir.str() + "m.pdf"});
        EXPECT_EQ(merge.ExitCode, 2);
        EXPECT_THAT(merge.Err, HasSubstr(locked + " is encrypted, cannot be merged!"));
        const TRunResult split = RunCliInProcess({"split", locked, "--every", "1", "-o", dir.str() + "out"});
        EXPECT_EQ(split.ExitCode, 2);
        EXPECT_THAT(split.Err, HasSubstr(locked + " is encrypted, cannot be split."));
    }
    EXPECT_FALSE(std::filesystem::exists(dir.str() + "m.pdf"));
}

// With a password file: every layout opens, the result is not encrypted and the
// message says so; a wrong password and the Ghostscript engine say why not.
TEST_F(CliReader, PasswordFileOpensLockedFilesAndTheResultIsUnencrypted)
{
    const std::string ownerPacked = dir.str() + "owner packed.pdf";
    ASSERT_TRUE(Qpdf(
        {"--encrypt", "", "u", "128", "--use-aes=y", "--", "--object-streams=generate", plain, ownerPacked}));
    const std::string right = dir.write("right.txt", "u\r\nsecond line\n");
    const std::string wrong = dir.write("wrong.txt", "x\n");
    for (const std::string& locked : {linearLocked, packedLocked, ownerPacked}) {
        const std::string out = dir.str() + "m.pdf";
        const TRunResult merge =
            RunCliInProcess({"merge", "-f", "--password-file", right, plain, locked, "-o", out});
        EXPECT_EQ(merge.ExitCode, 0) << merge.Err;
        EXPECT_THAT(merge.Err,
                    HasSubstr("Merging PDF completed.\n" + locked +
                              ": opened with its password; the result is written without encryption."));
        EXPECT_EQ(PdfPageCount(out), 8);
        EXPECT_EQ(RunProgram({"qpdf", "--is-encrypted", out}).ExitCode, 2) << "not encrypted";

        const TRunResult split = RunCliInProcess(
            {"split", "-f", "--password-file", right, locked, "--every", "3", "-o", dir.str() + "out"});
        EXPECT_EQ(split.ExitCode, 0) << split.Err;
        // Two pieces: the split runs on two threads, each opening the file with its password.
        const std::string pieces = dir.str() + "out/" + std::filesystem::path(locked).stem().string();
        EXPECT_EQ(PdfPageCount(pieces + "1-3.pdf"), 3);
        EXPECT_EQ(PdfPageCount(pieces + "4-4.pdf"), 1);
        const TRunResult refused =
            RunCliInProcess({"merge", "--password-file", wrong, plain, locked, "-o", out});
        EXPECT_EQ(refused.ExitCode, 2);
        EXPECT_THAT(refused.Err,
                    HasSubstr(" is encrypted, cannot be merged!\nThe password given does not open it."));
        const TRunResult gs = RunCliInProcess(
            {"merge", "-f", "--engine", "ghostscript", "--password-file", right, plain, locked, "-o", out});
        EXPECT_EQ(gs.ExitCode, 1);
        EXPECT_THAT(gs.Err,
                    HasSubstr("Merging PDF failed.\n" + locked + ": the Ghostscript engine cannot open"));
    }
    const TRunResult noFile =
        RunCliInProcess({"merge", "--password-file", dir.str() + "none", plain, linearLocked});
    EXPECT_EQ(noFile.ExitCode, 2);
    EXPECT_THAT(noFile.Err, HasSubstr("The password file " + dir.str() + "none cannot be read.\n"));
}

// The repair is told once, naming the file, by the job and by info alike.
TEST_F(CliReader, ARepairedInputIsToldOnce)
{
    std::string bytes = ReadFile(plain);
    bytes.insert(9, "% shifted by a comment: the cross-reference table lies\n");
    const std::string shifted = dir.write("shifted.pdf", bytes);
    const TRunResult merge = RunCliBinary({"merge", plain, shifted, "-o", dir.str() + "m.pdf"});
    EXPECT_EQ(merge.ExitCode, 0) << merge.Err;
    EXPECT_THAT(merge.Err, HasSubstr(shifted + ": repaired ("));
    EXPECT_EQ(merge.Err.find(shifted), merge.Err.rfind(shifted)) << merge.Err;

    const TRunResult info = RunCliBinary({"info", shifted});
    EXPECT_EQ(info.ExitCode, 0);
    EXPECT_THAT(info.Out, StartsWith("4\tno\t"));
    EXPECT_THAT(info.Err, StartsWith(shifted + ": repaired ("));
}

// A revision that deletes a page: the light probe still sees three page lines.
TEST_F(CliReader, SplitCutsByTheRealCount)
{
    std::string pdf = "%PDF-1.4\n";
    std::vector<std::size_t> at;
    const auto object = [&](int n, const std::string& body) {
        at.push_back(pdf.size());
        pdf += std::to_string(n) + " 0 obj\n" + body + "\nendobj\n";
    };
    const auto offset = [](std::size_t v) {
        std::string s = std::to_string(v);
        return std::string(10 - s.size(), '0') + s;
    };
    object(1, "<< /Type /Catalog /Pages 2 0 R >>");
    object(2, "<< /Type /Pages /Kids [3 0 R 4 0 R 5 0 R] /Count 3 >>");
    for (int n = 3; n <= 5; ++n)
        object(n, "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] >>");
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 6\n0000000000 65535 f \n";
    for (const std::size_t a : at)
        pdf += offset(a) + " 00000 n \n";
    pdf += "trailer\n<< /Size 6 /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    const std::size_t update = pdf.size();
    pdf += "2 0 obj\n<< /Type /Pages /Kids [3 0 R 5 0 R] /Count 2 >>\nendobj\n";
    const std::size_t xref2 = pdf.size();
    pdf += "xref\n2 1\n" + offset(update) + " 00000 n \ntrailer\n<< /Size 6 /Root 1 0 R /Prev " +
           std::to_string(xref) + " >>\nstartxref\n" + std::to_string(xref2) + "\n%%EOF\n";
    const std::string source = dir.write("updated.pdf", pdf);
    ASSERT_EQ(PdfPageCount(source), 2);

    const TRunResult info = RunCliInProcess({"info", source});
    EXPECT_THAT(info.Out, StartsWith("2\tno\t"));
    const std::string out = dir.str() + "pieces";
    const TRunResult r = RunCliInProcess({"split", source, "--every", "1", "-o", out});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    std::size_t pieces = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(out))
        ++pieces;
    EXPECT_EQ(pieces, 2u) << "no phantom third piece";
}

} // namespace
