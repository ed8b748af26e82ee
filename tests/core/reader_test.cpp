// The reader and the front door's count on real layouts made at test time: by
// Ghostscript and qpdf, and by hand where a layout needs bytes no tool writes
// (revisions appended, orphan pages, CR line ends, a lying /Count). qpdf's own
// page count is the independent answer wherever qpdf can read the file.
#include "job/frontdoor.h"
#include "output/outputcheck.h"
#include "pdf/pdfprobe.h"
#include "pdf/pdfreader.h"
#include "util/testtools.h"

#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <string>
#include <vector>
#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace testutil;

namespace {

bool Qpdf(const std::vector<std::string>& args)
{
    std::vector<std::string> argv{"qpdf"};
    argv.insert(argv.end(), args.begin(), args.end());
    // 3: written, with warnings
    const int code = RunProgram(argv).ExitCode;
    return code == 0 || code == 3;
}

// Appends a revision that replaces or adds the given objects.
std::string AppendUpdate(std::string pdf, const std::map<int, std::string>& objects, int size)
{
    const std::size_t prev = std::stoul(pdf.substr(pdf.rfind("startxref") + 10));
    std::string xref = "xref\n";
    for (const auto& [number, body] : objects) {
        xref += std::to_string(number) + " 1\n" + Padded(pdf.size()) + " 00000 n \n";
        pdf += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
    }
    const std::size_t at = pdf.size();
    pdf += xref + "trailer\n<< /Size " + std::to_string(size) + " /Root 1 0 R /Prev " + std::to_string(prev) +
           " >>\nstartxref\n" + std::to_string(at) + "\n%%EOF\n";
    return pdf;
}

const std::string Catalog = "<< /Type /Catalog /Pages 2 0 R >>";
const std::string Page = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] >>";

std::string Kids(const std::vector<int>& numbers)
{
    std::string kids;
    for (const int n : numbers)
        kids += std::to_string(n) + " 0 R ";
    return "[ " + kids + "]";
}

// Catalog, page tree and `pages` pages (objects 3...).
std::vector<std::string> SimpleObjects(int pages, const std::string& count = {})
{
    std::vector<int> numbers;
    for (int i = 0; i < pages; ++i)
        numbers.push_back(3 + i);
    std::vector<std::string> objects{Catalog, "<< /Type /Pages /Kids " + Kids(numbers) + " /Count " +
                                                  (count.empty() ? std::to_string(pages) : count) + " >>"};
    objects.insert(objects.end(), static_cast<std::size_t>(pages), Page);
    return objects;
}

struct TLayout
{
    const char* Name;
    // Writes the file into the folder (gs makes "plain.pdf", 6 pages, first); its path.
    std::function<std::string(const TempDir&, const std::string& plain)> Make;
    int Pages;      // the count the front door must show (after a password: not checked)
    bool Encrypted; // the front door's answer
    bool QpdfReads; // qpdf --show-npages reads it without a password
    // qpdf --show-npages reports the root's /Count, which may lie.
    bool QpdfCountHolds = true;
    // qpdf --check finds nothing to repair, and so must the output check.
    bool Sound = true;
    const char* Password = ""; // for an encrypted file: the password that opens it (user or owner)
};

// Two objects no page uses, listed where object 1 begins: Ghostscript 10's
// pdfwrite writes such entries for objects it never wrote.
std::string UnwrittenObjectsListed()
{
    std::vector<std::string> objects = SimpleObjects(3);
    objects.insert(objects.end(), 2, "<< /Unused true >>");
    std::string pdf = BuildPdf(objects);
    for (const char* number : {"6", "7"}) {
        const std::string entry = Padded(pdf.find(std::string("\n") + number + " 0 obj") + 1) + " 00000 n";
        pdf.replace(pdf.find(entry), entry.size(), Padded(9) + " 00000 n");
    }
    return pdf;
}

std::string Rewritten(const TempDir& dir, const std::string& plain, const char* name,
                      std::vector<std::string> args)
{
    const std::string out = dir.str() + name + ".pdf";
    args.push_back(plain);
    args.push_back(out);
    return Qpdf(args) ? out : std::string();
}

void PrintTo(const TLayout& c, std::ostream* os)
{
    *os << c.Name;
}

std::vector<TLayout> Layouts()
{
    const auto hand = [](const char* name, std::string bytes) {
        return [name, bytes](const TempDir& dir, const std::string&) {
            return dir.write(std::string(name) + ".pdf", bytes);
        };
    };
    const auto qpdf = [](const char* name, std::vector<std::string> args) {
        return [name, args](const TempDir& dir, const std::string& plain) {
            return Rewritten(dir, plain, name, args);
        };
    };
    const std::string base3 = BuildPdf(SimpleObjects(3));
    return {
        {"gs", [](const TempDir&, const std::string& plain) { return plain; }, 6, false, true},
        {"objstreams", qpdf("objstreams", {"--object-streams=generate"}), 6, false, true},
        {"linearized", qpdf("linearized", {"--linearize"}), 6, false, true},
        {"linearized_objstreams", qpdf("lin_os", {"--linearize", "--object-streams=generate"}), 6, false,
         true},
        {"update_adds_page",
         hand("added",
              AppendUpdate(base3,
                           {{2, "<< /Type /Pages /Kids " + Kids({3, 4, 5, 6}) + " /Count 4 >>"}, {6, Page}},
                           7)),
         4, false, true},
        {"update_deletes_page",
         hand("deleted",
              AppendUpdate(base3, {{2, "<< /Type /Pages /Kids " + Kids({3, 5}) + " /Count 2 >>"}}, 6)),
         2, false, true},
        {"update_rewrites_page", hand("rewritten", AppendUpdate(base3, {{4, Page}}, 6)), 3, false, true},
        {"unused_page_objects",
         hand("orphans", BuildPdf({Catalog, "<< /Type /Pages /Kids " + Kids({3, 4}) + " /Count 2 >>", Page,
                                   Page, Page, Page})),
         2, false, true},
        // Two levels of nodes packed in object streams, read node by node.
        {"nested_tree_objstreams",
         [](const TempDir& dir, const std::string&) {
             const std::string node = "<< /Type /Pages /Parent 2 0 R /Kids ";
             const std::string nested = dir.write(
                 "nested.pdf", BuildPdf({Catalog, "<< /Type /Pages /Kids " + Kids({3, 6}) + " /Count 4 >>",
                                         node + Kids({4, 5}) + " /Count 2 >>", Page, Page,
                                         node + Kids({7, 8}) + " /Count 2 >>", Page, Page}));
             return Rewritten(dir, nested, "nested_os", {"--object-streams=generate"});
         },
         4, false, true},
        // Keys that only look like the tree's: a /Kids inside a nested
        // dictionary, in a string, and a reference before them.
        {"decoy_keys_objstreams",
         [](const TempDir& dir, const std::string&) {
             const std::string decoy = "<< /Type /Page /Parent 2 0 R /Resources << /Kids [3 0 R 3 0 R] >> "
                                       "/T (a /Kids [3 0 R] >> string) /MediaBox [0 0 200 200] >>";
             const std::string path = dir.write(
                 "decoys.pdf",
                 BuildPdf({Catalog, "<< /Type /Pages /Kids " + Kids({3, 4}) + " /Count 2 >>", decoy, decoy}));
             return Rewritten(dir, path, "decoys_os", {"--object-streams=generate"});
         },
         2, false, true},
        // /Kids as a reference to an array: the whole walk answers.
        {"kids_by_reference_objstreams",
         [](const TempDir& dir, const std::string&) {
             const std::string path = dir.write(
                 "kidsref.pdf",
                 BuildPdf({Catalog, "<< /Type /Pages /Kids 5 0 R /Count 2 >>", Page, Page, Kids({3, 4})}));
             return Rewritten(dir, path, "kidsref_os", {"--object-streams=generate"});
         },
         2, false, true},
        {"cr_line_ends", hand("cr", BuildPdf(SimpleObjects(10), "\r")), 10, false, true},
        {"crlf_line_ends", hand("crlf", BuildPdf(SimpleObjects(5), "\r\n")), 5, false, true},
        {"count_claims_billions", hand("liar", BuildPdf(SimpleObjects(2, "2147483647"))), 2, false, true,
         false},
        {"user_password", qpdf("user", {"--encrypt", "u", "o", "256", "--"}), 0, true, false, true, true,
         "u"},
        {"user_password_aes128", qpdf("user_128", {"--encrypt", "u", "o", "128", "--use-aes=y", "--"}), 0,
         true, false, true, true, "o"},
        {"user_password_rc4",
         qpdf("user_rc4c", {"--allow-weak-crypto", "--encrypt", "u", "o", "128", "--use-aes=n", "--"}), 0,
         true, false, true, true, "u"},
        {"user_password_linearized", qpdf("user_lin", {"--encrypt", "u", "o", "256", "--", "--linearize"}), 0,
         true, false, true, true, "u"},
        {"user_password_objstreams",
         qpdf("user_os", {"--encrypt", "u", "o", "256", "--", "--object-streams=generate"}), 0, true, false,
         true, true, "o"},
        {"user_password_rc4_objstreams",
         qpdf("user_rc4", {"--allow-weak-crypto", "--encrypt", "u", "o", "128", "--use-aes=n", "--",
                           "--object-streams=generate", "--linearize"}),
         0, true, false, true, true, "u"},
        // Owner password only: restrictions lock the file in every layout.
        {"owner_only", qpdf("owner", {"--encrypt", "", "o", "256", "--"}), 6, true, true, true, true, "o"},
        {"owner_only_objstreams",
         qpdf("owner_os", {"--encrypt", "", "o", "256", "--", "--object-streams=generate"}), 6, true, true,
         true, true, "o"},
        {"owner_only_aes128_objstreams",
         qpdf("owner_128", {"--encrypt", "", "o", "128", "--use-aes=y", "--", "--object-streams=generate"}),
         6, true, true, true, true, "o"},
        {"owner_only_rc4",
         qpdf("owner_rc4", {"--allow-weak-crypto", "--encrypt", "", "o", "128", "--use-aes=n", "--"}), 6,
         true, true, true, true, "o"},
        {"truncated_mid_stream",
         [](const TempDir& dir, const std::string& plain) {
             std::FILE* in = std::fopen(plain.c_str(), "rb");
             std::string all(1 << 20, '\0');
             all.resize(std::fread(all.data(), 1, all.size(), in));
             std::fclose(in);
             return dir.write("cut.pdf", all.substr(0, all.find("stream") + 40));
         },
         0, false, false},
        {"not_pdf", hand("text", "just some text\n%%EOF\n"), 0, false, false},
        {"unwritten_objects_listed", hand("unwritten", UnwrittenObjectsListed()), 3, false, true, true,
         false},
        {"empty_object",
         hand("empty",
              BuildPdf({Catalog, "<< /Type /Pages /Kids " + Kids({3}) + " /Count 1 >>",
                        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] /Resources 4 0 R >>", ""})),
         1, false, true, true, false},
    };
}

class Layout : public ::testing::TestWithParam<TLayout>
{
protected:
    void SetUp() override
    {
        if (const std::string why = MissingTestTools(); !why.empty())
            GTEST_SKIP() << why;
        ASSERT_TRUE(MakeTestPdf(m_plain, 6));
    }
    TempDir m_dir;
    std::string m_plain = m_dir.str() + "plain.pdf";
};

TEST_P(Layout, FrontDoorCountsAndRefusesAsAReader)
{
    const TLayout& layout = GetParam();
    const std::string path = layout.Make(m_dir, m_plain);
    ASSERT_FALSE(path.empty());
    const int qpdfPages = PdfPageCount(path);
    ASSERT_EQ(qpdfPages != -1, layout.QpdfReads) << qpdfPages;
    if (layout.QpdfReads && layout.QpdfCountHolds) {
        ASSERT_EQ(qpdfPages, layout.Pages) << "the layout is not what the test meant";
    }

    const TListProbe probe = ProbePdfForList(path);
    EXPECT_TRUE(probe.OpenError.empty());
    EXPECT_EQ(probe.Encrypted, layout.Encrypted);
    if (!layout.Encrypted || layout.QpdfReads) {
        EXPECT_EQ(probe.Pages, layout.Pages);
    }
    // The batch gives the same answers in the same order.
    std::vector<int> told(3, 0);
    const std::vector<TListProbe> batch = ProbePdfsForList(
        {m_plain, path, m_plain}, 2, [&](std::size_t i, const TListProbe& p) { told.at(i) += p.Pages + 1; });
    ASSERT_EQ(batch.size(), 3U);
    EXPECT_EQ(batch[1].Pages, probe.Pages);
    EXPECT_EQ(batch[1].Encrypted, probe.Encrypted);
    EXPECT_EQ(batch[2].Pages, 6);
    // Each file told once, with its own answer.
    EXPECT_EQ(told, (std::vector<int>{7, probe.Pages + 1, 7}));

    // What the reader itself says.
    const TPdfFacts facts = ReadPdfFacts(path);
    if (layout.QpdfReads) {
        EXPECT_EQ(facts.Status, TPdfFacts::TStatus::Ok) << facts.Reason;
        EXPECT_EQ(facts.Pages, layout.Pages);
        EXPECT_FALSE(facts.Repaired) << facts.Reason;
        const TOutputCheck check = CheckOutputPdf(path, layout.Pages);
        EXPECT_EQ(check.Problem.empty(), layout.Sound) << check.Problem;
        EXPECT_EQ(check.Repairable, !layout.Sound);
        EXPECT_EQ(RunProgram({"qpdf", "--check", path}).ExitCode == 0, layout.Sound);
    } else {
        EXPECT_NE(facts.Status, TPdfFacts::TStatus::Ok);
        EXPECT_NE(OutputPdfProblem(path, layout.Pages), "");
    }
    if (layout.Encrypted && !layout.QpdfReads) {
        EXPECT_EQ(facts.Status, TPdfFacts::TStatus::NeedsPassword);
    }
    EXPECT_EQ(facts.Status == TPdfFacts::TStatus::Ok && facts.Encrypted,
              layout.Encrypted && layout.QpdfReads);

    // With its password the file opens and counts; a wrong one leaves it locked, saying why.
    EXPECT_TRUE(IsLocked(probe) == layout.Encrypted);
    if (layout.Encrypted) {
        const TListProbe opened = ProbePdfForList(path, layout.Password);
        EXPECT_FALSE(IsLocked(opened));
        EXPECT_EQ(opened.Pages, 6);
        EXPECT_EQ(opened.Password, layout.Password);
        const TListProbe wrong = ProbePdfForList(path, "wrong");
        EXPECT_TRUE(IsLocked(wrong));
        EXPECT_EQ(JudgeMergeAdd(path, wrong).Refusal->Message(),
                  path + " is encrypted, cannot be merged!\nThe password given does not open it.");
        EXPECT_EQ(JudgeMergeAdd(path, opened).Row.Password, layout.Password);
    }
}

INSTANTIATE_TEST_SUITE_P(Real, Layout, ::testing::ValuesIn(Layouts()),
                         [](const auto& testInfo) { return std::string(testInfo.param.Name); });

TEST(Reader, OpenFailuresAnswerAtOnce)
{
    TempDir dir;
    EXPECT_EQ(ReadPdfFacts(dir.str() + "missing.pdf").Status, TPdfFacts::TStatus::CannotOpen);
    EXPECT_EQ(ReadPdfFacts(dir.str()).Status, TPdfFacts::TStatus::CannotOpen);
#ifndef _WIN32 // no named pipes among the files of a folder there
    // A named pipe without a writer: no waiting.
    const std::string fifo = dir.str() + "pipe.pdf";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadPdfFacts(fifo).Status, TPdfFacts::TStatus::CannotOpen);
    EXPECT_EQ(ProbePdfForList(fifo).ReaderNote, fifo + ": not a regular file");
#endif
    EXPECT_EQ(ReadPdfFacts(dir.write("x.pdf", "hello")).Status, TPdfFacts::TStatus::NotPdf);
    EXPECT_EQ(ReadPdfFacts(dir.write("bad.pdf", "%PDF-1.4\ngarbage only\n%%EOF\n")).Status,
              TPdfFacts::TStatus::Damaged);

    const TListProbe missing = ProbePdfForList(dir.str() + "missing.pdf");
    EXPECT_NE(missing.OpenError.find("missing.pdf"), std::string::npos);
}

// What the front door says of a file it cannot count: the file, then why.
class FrontDoorUnread : public ::testing::TestWithParam<std::pair<std::string, std::string>>
{
};
TEST_P(FrontDoorUnread, NamesTheFileAndWhy)
{
    TempDir dir;
    const std::string path = dir.write("in.pdf", GetParam().first);
    const TListProbe probe = ProbePdfForList(path);
    EXPECT_FALSE(probe.ReaderCount);
    EXPECT_EQ(probe.ReaderNote.rfind(path + GetParam().second, 0), 0u) << probe.ReaderNote;
}
INSTANTIATE_TEST_SUITE_P(
    Files, FrontDoorUnread,
    ::testing::Values(std::pair<std::string, std::string>{"", ": empty"},
                      std::pair<std::string, std::string>{"just text\n", ": not a PDF document"},
                      std::pair<std::string, std::string>{"just text\n%%EOF\n", ": not a PDF document"},
                      std::pair<std::string, std::string>{
                          "%PDF-1.4\n1 0 obj\n<<\n",
                          ": damaged, its end is missing (no \"startxref\" or \"%%EOF\")"},
                      std::pair<std::string, std::string>{HostilePdf(THostile::PageTreeLoop, 0),
                                                          ": damaged, cannot be read ("},
                      std::pair<std::string, std::string>{
                          HostilePdf(THostile::PageTree, 300),
                          ": damaged, cannot be read (page tree nested more than 256 deep)"}));

TEST(Reader, BrokenCrossReferenceIsRepairedForCountingButFailsVerification)
{
    TempDir dir;
    std::string pdf = BuildPdf(SimpleObjects(3));
    // Shift every object by inserting a comment after the header: the table lies.
    pdf.insert(9, "% shifted by forty bytes of comment text here\n");
    const std::string path = dir.write("shifted.pdf", pdf);
    const TPdfFacts facts = ReadPdfFacts(path);
    EXPECT_EQ(facts.Status, TPdfFacts::TStatus::Ok);
    EXPECT_EQ(facts.Pages, 3);
    EXPECT_TRUE(facts.Repaired);
    EXPECT_FALSE(facts.Reason.empty());
    const TOutputCheck check = CheckOutputPdf(path, 3);
    EXPECT_NE(check.Problem.find(path + ": not a complete PDF"), std::string::npos) << check.Problem;
    EXPECT_TRUE(check.Repairable);

    const TListProbe probe = ProbePdfForList(path);
    EXPECT_EQ(probe.Pages, 3);
    EXPECT_TRUE(probe.Repaired);
    EXPECT_NE(probe.ReaderNote.find("repaired"), std::string::npos);

    // What a job does with such an output of Ghostscript's.
    EXPECT_EQ(RewritePdf(path, dir.str() + "scratch.pdf"), "");
    EXPECT_EQ(OutputPdfProblem(path, 3), "");
}

TEST(Reader, VerificationNamesTheFileAndBothCounts)
{
    TempDir dir;
    const std::string path = dir.write("five.pdf", BuildPdf(SimpleObjects(5)));
    EXPECT_EQ(OutputPdfProblem(path, 5), "");
    EXPECT_EQ(OutputPdfProblem(path, 4), path + ": 5 pages written, 4 expected");
    EXPECT_NE(OutputPdfProblem(dir.str() + "none.pdf", 1).find("none.pdf: cannot be read"),
              std::string::npos);
}

} // namespace
