// End to end with the installed Ghostscript library: PDFs are generated here with
// the gs command, and every output is checked with qpdf and pdftotext.
#include "engines/gsbinding.h"
#include "gs_test_support.h"
#include "util/testtools.h"

#include <atomic>
#include <fstream>
#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

using namespace testutil;

using namespace gstest;
namespace fs = std::filesystem;

namespace {

class GsEndToEnd : public testing::Test
{
protected:
    void SetUp() override
    {
        if (const std::string missing = RealGhostscriptMissing(); !missing.empty())
            GTEST_SKIP() << missing;
        m_saved = GS_Dll_Path;
        GS_Dll_Path = "libgs.so.10";
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        // Spaces, non-ASCII letters, parentheses and "%" in every folder name.
        m_dir = fs::path(GS_TEST_WORKDIR) / (std::string(info->name()) + " Ünïcødé (1) 100%");
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_param.Notify = &m_sink;
    }
    void TearDown() override
    {
        if (!m_saved.empty())
            GS_Dll_Path = m_saved;
        GS_Job_Kind = 0;
    }

    // Page n shows "Page <n> of <tag>".
    std::string MakePdf(const std::string& name, int pages, const std::string& tag)
    {
        const std::string path = (m_dir / name).string();
        EXPECT_TRUE(MakeTestPdf(path, pages, "Page ", " of " + tag)) << path;
        return path;
    }
    static bool GsStillLoaded()
    {
#ifdef _WIN32
        return ::GetModuleHandleA(GS_DLL_FILE_NAME) != nullptr;
#else
        return ::dlopen("libgs.so.10", RTLD_NOW | RTLD_NOLOAD) != nullptr;
#endif
    }

    fs::path m_dir;
    std::string m_saved;
    RecordingSink m_sink;
    TCall_GS_Thread_Param m_param;
    TJobInputs m_inputs;
};

TEST_F(GsEndToEnd, MergeKeepsListOrder)
{
    const std::string a = MakePdf("a (first).pdf", 3, "alpha");
    const std::string b = MakePdf("b 100% ü.pdf", 2, "beta");
    const fs::path outDir = m_dir / "out (x) 100%";
    fs::create_directories(outDir);
    PrepareMergeJob(m_param, m_inputs, {Row(2, b), Row(0, (m_dir / "missing.pdf").string()), Row(3, a)},
                    (outDir / "merged %d 100%.pdf").string(), &m_sink, TEngineKind::Ghostscript);
    std::thread job = StartGsJob(m_param);
    job.join();

    EXPECT_EQ(m_sink.Notices().back(), Done(0));
    EXPECT_EQ(m_sink.Notices().front(), Total(5));
    EXPECT_EQ(m_sink.Only({GSN_PAGE}), (std::vector<Notice>{Page(1), Page(2), Page(1), Page(2), Page(3)}));
    EXPECT_EQ(PdfPageTexts(m_param.OutputPath),
              (std::vector<std::string>{"Page 1 of beta", "Page 2 of beta", "Page 1 of alpha",
                                        "Page 2 of alpha", "Page 3 of alpha"}));
    // Exactly the named file, nothing made from "%d".
    EXPECT_EQ(std::distance(fs::directory_iterator(outDir), fs::directory_iterator()), 1);
    EXPECT_FALSE(GsStillLoaded());
}

// pdfwrite sets each file's Title in turn; the merge keeps the first file's, or none.
TEST_F(GsEndToEnd, MergeTakesTheFirstFilesTitle)
{
    const std::string plain = MakePdf("plain.pdf", 1, "plain");
    const auto titled = [&](const std::string& name, const std::string& title) {
        const std::string path = (m_dir / name).string();
        std::string output = "-sOutputFile=";
        for (const char c : path)
            output += c == '%' ? std::string("%%") : std::string(1, c);
        EXPECT_EQ(RunProgram({"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pdfwrite", output,
                              "-c", "[ /Title " + LiteralString(title) + " /DOCINFO pdfmark", "-f", plain})
                      .ExitCode,
                  0);
        return path;
    };
    const std::string first = titled("first.pdf", "The First (1)");
    const std::string later = titled("later.pdf", "Later");
    const std::string out = (m_dir / "out.pdf").string();
    for (const auto& [inputs, title] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{first, plain, later}, "The First (1)"}, {{plain, later}, ""}}) {
        std::vector<TMergeListRow> rows;
        for (const std::string& input : inputs)
            rows.push_back(Row(1, input));
        PrepareMergeJob(m_param, m_inputs, rows, out, &m_sink, TEngineKind::Ghostscript, TOverwrite::Allow);
        ASSERT_EQ(Call_GS_Thread(&m_param), GS_RESULT_OK) << m_param.Reason;
        const std::string info = RunProgram({"pdfinfo", out}).Out;
        const auto at = info.find("Title:");
        EXPECT_EQ(at == std::string::npos ? "" : Trimmed(info.substr(at + 6, info.find('\n', at) - at - 6)),
                  title);
    }
}

// Presses Cancel when Ghostscript reports the second page.
class CancellingSink : public RecordingSink
{
public:
    void PostNotify(std::intptr_t wParam, std::intptr_t lParam) noexcept override
    {
        RecordingSink::PostNotify(wParam, lParam);
        if (lParam == GSN_PAGE && wParam == 2)
            Cancel = true;
    }
    std::atomic<bool> Cancel{false};
};

// Cancel stops a merge at the end of the page being written, not after the
// last file, and nothing of the output is left.
TEST_F(GsEndToEnd, MergeCancelledStopsAtThePage)
{
    const std::string a = MakePdf("a.pdf", 30, "alpha");
    const fs::path outDir = m_dir / "out";
    fs::create_directories(outDir);
    CancellingSink sink;
    PrepareMergeJob(m_param, m_inputs, {Row(30, a), Row(30, a)}, (outDir / "m.pdf").string(), &sink,
                    TEngineKind::Ghostscript);
    m_param.Cancel = &sink.Cancel;
    EXPECT_EQ(Call_GS_Thread(&m_param), GS_RESULT_CANCELLED) << m_param.Reason;
    EXPECT_EQ(JobEndMessage(JOB_MERGE, GS_RESULT_CANCELLED, m_param), "Merging PDF cancelled.");
    EXPECT_EQ(sink.Only({GSN_PAGE}), (std::vector<Notice>{Page(1), Page(2)}));
    EXPECT_TRUE(fs::is_empty(outDir));
    EXPECT_FALSE(GsStillLoaded());
}

TEST_F(GsEndToEnd, MergeOfAMissingInputFails)
{
    PrepareMergeJob(m_param, m_inputs, {Row(1, (m_dir / "nowhere.pdf").string())},
                    (m_dir / "out.pdf").string(), &m_sink, TEngineKind::Ghostscript);
    EXPECT_EQ(Call_GS_Thread(&m_param), GS_RESULT_GS_FAILED);
    EXPECT_EQ(m_sink.Notices().back(), Done(1));
}

TEST_F(GsEndToEnd, OutputNamedLikeAPipeIsAFile)
{
    const std::string a = MakePdf("a.pdf", 1, "alpha");
    const fs::path cwd = fs::current_path();
    fs::current_path(m_dir);
    PrepareMergeJob(m_param, m_inputs, {Row(1, a)}, "|cat > piped.pdf", &m_sink, TEngineKind::Ghostscript);
    const int result = Call_GS_Thread(&m_param);
    fs::current_path(cwd);
    EXPECT_EQ(result, GS_RESULT_OK);
    EXPECT_EQ(PdfPageTexts((m_dir / "|cat > piped.pdf").string()),
              (std::vector<std::string>{"Page 1 of alpha"}));
    EXPECT_FALSE(fs::exists(m_dir / "piped.pdf"));
}

} // namespace

// Names the engine in test names instead of its bytes.
void PrintTo(TEngineKind kind, std::ostream* os)
{
    *os << EngineName(kind);
}

namespace {

// Both engines; the exact one writes the pieces on two threads, and its
// notices and what a failure leaves must still be those of one.
class GsEndToEndSplit : public GsEndToEnd, public testing::WithParamInterface<TEngineKind>
{
};

TEST_P(GsEndToEndSplit, EveryNPagesWritesEveryPieceInOrder)
{
    const std::string src = MakePdf("report (7) ü.pdf", 7, "src");
    const fs::path outDir = m_dir / "pieces 100%";
    fs::create_directories(outDir);
    PrepareSplitEveryJob(m_param, m_inputs, src, outDir.string(), 7, 3, &m_sink, GetParam());
    EXPECT_EQ(Call_GS_Thread(&m_param), GS_RESULT_OK);

    const std::string base = m_param.OutputPath + m_param.BaseName;
    EXPECT_EQ(PdfPageTexts(base + "1-3.pdf"),
              (std::vector<std::string>{"Page 1 of src", "Page 2 of src", "Page 3 of src"}));
    EXPECT_EQ(PdfPageTexts(base + "4-6.pdf"),
              (std::vector<std::string>{"Page 4 of src", "Page 5 of src", "Page 6 of src"}));
    EXPECT_EQ(PdfPageTexts(base + "7-7.pdf"), (std::vector<std::string>{"Page 7 of src"}));
    EXPECT_EQ(m_sink.Only({GSN_TOTAL, GSN_PIECE, GSN_PAGE, GSN_DONE}),
              (std::vector<Notice>{Total(7), Piece(1), Page(1), Page(2), Page(3), Piece(4), Page(4), Page(5),
                                   Page(6), Piece(7), Page(7), Done(0)}));
    EXPECT_FALSE(GsStillLoaded());
}

TEST_P(GsEndToEndSplit, FailedPieceKeepsTheOnesBeforeItOnly)
{
    const std::string src = MakePdf("report.pdf", 7, "src");
    const fs::path outDir = m_dir / "pieces";
    // A folder where the second piece goes: it cannot be replaced.
    fs::create_directories(outDir / "report3-4.pdf" / "inside");
    PrepareSplitEveryJob(m_param, m_inputs, src, outDir.string(), 7, 2, &m_sink, GetParam());
    EXPECT_NE(Call_GS_Thread(&m_param), GS_RESULT_OK);
    EXPECT_NE(m_param.Reason.find("1 file was written before the failure."), std::string::npos)
        << m_param.Reason;
    EXPECT_TRUE(fs::exists(outDir / "report1-2.pdf"));
    for (const char* later : {"report5-6.pdf", "report7-7.pdf"})
        EXPECT_FALSE(fs::exists(outDir / later)) << later;
    EXPECT_EQ(std::distance(fs::directory_iterator(outDir), fs::directory_iterator()), 2);
}

INSTANTIATE_TEST_SUITE_P(Engines, GsEndToEndSplit,
                         testing::Values(TEngineKind::Ghostscript, TEngineKind::Exact),
                         [](const auto& engine) { return std::string(EngineName(engine.param)); });

TEST_F(GsEndToEnd, SplitByRangesWithPercentInNames)
{
    const std::string src = MakePdf("scan%d.pdf", 6, "scan");
    PrepareSplitRangesJob(m_param, m_inputs, src, m_dir.string(), 6, "5,2-4,5", "5;2-4;5;", &m_sink,
                          TEngineKind::Ghostscript);
    EXPECT_EQ(Call_GS_Thread(&m_param), GS_RESULT_OK);

    EXPECT_EQ(PdfPageTexts(m_param.OutputPath + "scan%d5.pdf"), (std::vector<std::string>{"Page 5 of scan"}));
    EXPECT_EQ(PdfPageTexts(m_param.OutputPath + "scan%d2-4.pdf"),
              (std::vector<std::string>{"Page 2 of scan", "Page 3 of scan", "Page 4 of scan"}));
    EXPECT_EQ(m_param.RangeList, "");
    EXPECT_EQ(m_sink.Only({GSN_PIECE}), (std::vector<Notice>{Piece(5), Piece(2), Piece(5)}));
    // Source and two distinct pieces: nothing written under another name.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 3);
}

TEST_F(GsEndToEnd, CountPagesOfObjectStreamPdfs)
{
    const std::string plain = MakePdf("plain.pdf", 5, "x");
    // A folder holding ":" (a path-list separator for Ghostscript's switches).
    const fs::path odd = m_dir / "a:b (c) \"q\" 100%";
    fs::create_directories(odd);
    const std::string packed = (odd / "packed ü).pdf").string();
    ASSERT_EQ(RunProgram({"qpdf", "--object-streams=generate", plain, packed}).ExitCode, 0);
    EXPECT_EQ(GsCountPages(packed), 5);
    EXPECT_EQ(GsCountPages(plain), 5);

    const std::string text = (m_dir / "text.pdf").string();
    std::ofstream(text) << "not a PDF at all\n%%EOF\n";
    EXPECT_EQ(GsCountPages(text), 0);
    EXPECT_EQ(GsCountPages((m_dir / "nowhere.pdf").string()), 0);
    EXPECT_FALSE(GsStillLoaded());
}

// A relative name beginning with "%" names an I/O device to Ghostscript: "%stdin"
// would be read from the standard input, "%pipe%..." run as a shell command.
TEST_F(GsEndToEnd, CountPagesOfRelativeNamesThatLookLikeDevices)
{
    const std::string plain = MakePdf("plain.pdf", 4, "x");
    const std::string marker = (m_dir / "marker").string();
    const std::string pipeName = "%pipe%touch marker";
    for (const std::string& name : {std::string("%stdin"), pipeName})
        ASSERT_EQ(RunProgram({"qpdf", "--object-streams=generate", plain, (m_dir / name).string()}).ExitCode,
                  0);

    const fs::path before = fs::current_path();
    fs::current_path(m_dir);
    const std::int32_t stdinCount = GsCountPages("%stdin");
    GsCountPages(pipeName); // Ghostscript 10 opens no file whose name holds "%pipe%"
    fs::current_path(before);

    EXPECT_EQ(stdinCount, 4);
    EXPECT_FALSE(fs::exists(marker)) << "the file name ran as a command";
}

} // namespace
