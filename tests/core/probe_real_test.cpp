// The probe on real PDFs made at test time: Ghostscript writes them from a small
// PostScript program, qpdf rewrites them in other shapes, and qpdf's own page
// count is the independent answer.
#include "engines/gsbinding.h"
#include "job/frontdoor.h"
#include "pdf/pdfprobe.h"
#include "util/testtools.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testutil;

namespace {

// A PDF with `pages` pages of text and a few vector shapes, written by Ghostscript.
std::string MakePdf(const TempDir& dir, const std::string& name, int pages)
{
    const std::string pdf = dir.str() + name + ".pdf";
    return MakeTestPdf(pdf, pages) ? pdf : std::string();
}

// Runs qpdf on its arguments; whether it succeeded.
bool Qpdf(const std::vector<std::string>& args)
{
    std::vector<std::string> argv{"qpdf"};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProgram(argv).ExitCode == 0;
}

class RealPdf : public ::testing::TestWithParam<int>
{
protected:
    void SetUp() override
    {
        if (const std::string why = MissingTestTools(); !why.empty())
            GTEST_SKIP() << why;
    }
    TempDir m_dir;
};

TEST_P(RealPdf, PageCountMatchesQpdfInEveryShape)
{
    const int pages = GetParam();
    const std::string plain = MakePdf(m_dir, "plain", pages);
    ASSERT_FALSE(plain.empty());
    ASSERT_EQ(PdfPageCount(plain), pages);

    // Ghostscript's own output, then qpdf's rewrites that keep the page
    // dictionaries in the open: the line scan answers by itself.
    const std::string qdf = m_dir.str() + "qdf.pdf";
    const std::string linear = m_dir.str() + "linear.pdf";
    ASSERT_TRUE(Qpdf({"--qdf", "--object-streams=disable", plain, qdf}));
    ASSERT_TRUE(Qpdf({"--linearize", plain, linear}));
    for (const std::string& pdf : {plain, qdf, linear}) {
        SCOPED_TRACE(pdf);
        EXPECT_TRUE(CheckPdfTail(pdf));
        EXPECT_EQ(ScanPdfPageLines(pdf), PdfPageCount(pdf));
        EXPECT_EQ(GetPdfPageCount(pdf), PdfPageCount(pdf));
        EXPECT_FALSE(IsPdfEncrypted(pdf));
    }
}

TEST_P(RealPdf, CompressedObjectStreamsFallBackToGhostscript)
{
    const int pages = GetParam();
    const std::string plain = MakePdf(m_dir, "plain", pages);
    ASSERT_FALSE(plain.empty());
    const std::string packed = m_dir.str() + "packed.pdf";
    ASSERT_TRUE(Qpdf({"--object-streams=generate", plain, packed}));
    ASSERT_EQ(PdfPageCount(packed), pages);

    EXPECT_TRUE(CheckPdfTail(packed));
    EXPECT_EQ(ScanPdfPageLines(packed), 0) << "the page dictionaries are hidden in compressed streams";
    EXPECT_EQ(GetPdfPageCount(packed), GsCountPages(packed));
    if (GsCountPages(packed) == 0)
        GTEST_SKIP() << "the Ghostscript library did not answer; the fallback was only wired";
    EXPECT_EQ(GetPdfPageCount(packed), pages);
}

TEST_P(RealPdf, EncryptedByQpdfIsRecognised)
{
    const int pages = GetParam();
    const std::string plain = MakePdf(m_dir, "plain", pages);
    ASSERT_FALSE(plain.empty());
    const std::string locked = m_dir.str() + "locked.pdf";
    ASSERT_TRUE(Qpdf({"--object-streams=disable", "--encrypt", "user", "owner", "256", "--", plain, locked}));
    EXPECT_TRUE(IsPdfEncrypted(locked));
    EXPECT_FALSE(IsPdfEncrypted(plain));
}

INSTANTIATE_TEST_SUITE_P(Pages, RealPdf, ::testing::Values(1, 4, 23));

// A PDF the test writes by hand, with a one-line root node, then an incremental
// update that rewrites one page and the root. Two root count lines: the answer is
// the number of page lines in the whole file, the replaced page included (3 + 1),
// not the last root's count.
TEST(HandWrittenPdf, IncrementalUpdateCountsEveryRevisionsPageLines)
{
    TempDir dir;
    std::string pdf = "%PDF-1.4\n"
                      "1 0 obj\n<< /Type /Catalog /Pages 2 0 R >>\nendobj\n"
                      "2 0 obj\n<< /Type /Pages /Kids [3 0 R 4 0 R 5 0 R] /Count 3 >>\nendobj\n";
    for (int i = 3; i <= 5; ++i)
        pdf +=
            std::to_string(i) + " 0 obj\n<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] >>\nendobj\n";
    pdf += "trailer\n<< /Size 6 /Root 1 0 R >>\nstartxref\n0\n%%EOF\n";
    const std::string original = dir.write("original.pdf", pdf);
    EXPECT_EQ(GetPdfPageCount(original), 3);

    pdf += "2 0 obj\n<< /Type /Pages /Kids [3 0 R 4 0 R 5 0 R] /Count 3 >>\nendobj\n"
           "5 0 obj\n<< /Type /Page /Parent 2 0 R /MediaBox [0 0 842 595] >>\nendobj\n"
           "trailer\n<< /Size 6 /Root 1 0 R /Prev 0 >>\nstartxref\n0\n%%EOF\n";
    const std::string updated = dir.write("updated.pdf", pdf);
    EXPECT_EQ(GetPdfPageCount(updated), 4);
}

} // namespace
