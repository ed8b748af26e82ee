// The job thread against the stub library: argument vectors, notices in order,
// result codes and every failure path.
#include "gs_test_support.h"
#include "gsbinding.h"

using namespace gstest;
using Args = std::vector<std::string>;

namespace {

class GsJobStub : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_stub.Ok()) << m_stub.Path;
        m_saved = GS_Dll_Path;
        GS_Dll_Path = m_stub.Path;
        m_param.Notify = &m_sink;
    }
    void TearDown() override
    {
        GS_Dll_Path = m_saved;
        GS_Job_Kind = 0;
    }

    int RunMerge(const std::string& output = "/out/merged.pdf")
    {
        m_param.Kind = JOB_MERGE;
        m_param.Source = static_cast<const IMergeListSource*>(&m_list);
        m_param.OutputPath = output;
        GS_Job_Kind = JOB_MERGE;
        return Call_GS_Thread(&m_param);
    }
    int RunSplitEveryN(std::int32_t total, std::int16_t n)
    {
        m_upDown.Value = n;
        m_param.Kind = JOB_SPLIT;
        m_param.TotalPages = total;
        m_param.Source = static_cast<const ITextSource*>(&m_source);
        m_param.PageSpec = static_cast<const IUpDownSource*>(&m_upDown);
        GS_Job_Kind = JOB_SPLIT;
        return Call_GS_Thread(&m_param);
    }
    int RunSplitByRanges(const std::string& ranges)
    {
        m_param.Kind = JOB_SPLIT;
        m_param.RangeList = ranges;
        m_param.Source = static_cast<const ITextSource*>(&m_source);
        m_param.PageSpec = static_cast<const ITextSource*>(&m_rangeField);
        GS_Job_Kind = JOB_SPLIT;
        return Call_GS_Thread(&m_param);
    }
    // The output switch of each run, in order.
    std::vector<std::string> Outputs()
    {
        std::vector<std::string> result;
        for (int i = 0; i < m_stub.InitCount(); ++i)
            result.push_back(m_stub.Args(i).at(7));
        return result;
    }

    StubGs m_stub{STUB_GS_PATH};
    std::string m_saved;
    RecordingSink m_sink;
    TMergeRows m_list;
    TFixedText m_source{"/in/report.pdf"};
    TFixedText m_rangeField{"ignored by the job"};
    TFixedUpDown m_upDown{1};
    TCall_GS_Thread_Param m_param;
};

const Args Fixed{"verezeri", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pdfwrite"};

Args Concat(Args a, const Args& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(GsJobStub, MergeSkipsEmptyRowsAndKeepsListOrder)
{
    m_list.Rows = {Row("3", "/in/one.pdf"), Row("0", "/in/not a pdf.pdf"), Row("4", "/in/two (2).pdf"),
                   Row("0", "/in/z.pdf")};
    m_stub.AddChunk(1, "Page 1\n");
    EXPECT_EQ(RunMerge("/out/report 100%.pdf"), GS_RESULT_OK);
    ASSERT_EQ(m_stub.InitCount(), 1);
    EXPECT_EQ(m_stub.Args(0),
              Concat(Fixed, {"-sOutputFile=/out/report 100%%.pdf", "-f", "/in/one.pdf", "/in/two (2).pdf"}));
    EXPECT_EQ(m_sink.Notices(), (std::vector<Notice>{Total(7), Page(1), Done(0)}));
    // No split entry point is needed or touched; everything is released.
    EXPECT_EQ(m_stub.Log(), "new stdio init exit delete ");
    EXPECT_EQ(m_stub.LiveInstances(), 0);
}

TEST_F(GsJobStub, MergeWithNothingLeftToJoinRunsNothing)
{
    // Two files the probe did not recognise pass the two-file minimum.
    m_list.Rows = {Row("0", "/in/a.txt"), Row("0", "/in/b.txt")};
    EXPECT_EQ(RunMerge(), GS_RESULT_ERROR);
    EXPECT_EQ(m_stub.Log(), "");
    EXPECT_EQ(m_sink.Notices(), (std::vector<Notice>{Total(0), Done(-1)}));
}

TEST_F(GsJobStub, MergeHasNoInputLimit)
{
    for (int i = 0; i < 600; ++i)
        m_list.Rows.push_back(Row("1", "/in/f" + std::to_string(i) + ".pdf"));
    EXPECT_EQ(RunMerge(), GS_RESULT_OK);
    EXPECT_EQ(m_stub.Args(0).size(), 607u);
    EXPECT_EQ(m_sink.Notices().front(), Total(600));
}

TEST_F(GsJobStub, InputNamesThatLookLikeSwitchesStayFiles)
{
    // "%pipe%..." would be an I/O device that runs a shell command, -dSAFER or not.
    m_list.Rows = {Row("1", "-sOutputFile=x.pdf"), Row("1", "@args.pdf"), Row("1", "%pipe%touch x.pdf")};
    EXPECT_EQ(RunMerge(), GS_RESULT_OK);
    const Args args = m_stub.Args(0);
    EXPECT_EQ(Args(args.end() - 3, args.end()),
              (Args{"./-sOutputFile=x.pdf", "./@args.pdf", "./%pipe%touch x.pdf"}));
}

TEST_F(GsJobStub, MergePageTextThatDoesNotConvertEndsWithMinusOne)
{
    m_list.Rows = {Row("3", "/in/one.pdf"), Row("three", "/in/two.pdf")};
    EXPECT_EQ(RunMerge(), GS_RESULT_ERROR);
    EXPECT_EQ(m_stub.InitCount(), 0);
    EXPECT_EQ(m_sink.Notices(), (std::vector<Notice>{Done(-1)}));
}

// Page reports: each chunk judged by itself, on either stream.
struct ChunkCase
{
    const char* name;
    std::vector<std::pair<int, std::string>> chunks;
    std::vector<std::intptr_t> pages;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const ChunkCase& c, std::ostream* os)
{
    *os << c.name;
}

class GsPageReports : public GsJobStub, public testing::WithParamInterface<ChunkCase>
{
};

TEST_P(GsPageReports, BecomePageNotices)
{
    m_list.Rows = {Row("2", "/in/a.pdf")};
    for (const auto& [stream, text] : GetParam().chunks)
        m_stub.AddChunk(stream, text);
    EXPECT_EQ(RunMerge(), GS_RESULT_OK);
    std::vector<Notice> expected;
    for (auto p : GetParam().pages)
        expected.push_back(Page(p));
    EXPECT_EQ(m_sink.Only({GSN_PAGE}), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Chunks, GsPageReports,
    testing::Values(
        ChunkCase{"Plain", {{1, "Page 12\n"}}, {12}}, ChunkCase{"NoLineBreak", {{1, "Page 7"}}, {7}},
        ChunkCase{"TextAfterDigits", {{1, "Page 3 of 9\n"}}, {3}},
        ChunkCase{"ErrorStream", {{2, "Page 4\n"}}, {4}},
        ChunkCase{"Sequence", {{1, "Page 1\n"}, {1, "Loading font"}, {2, "Page 2\n"}}, {1, 2}},
        ChunkCase{"Letter", {{1, "Page x\n"}}, {}}, ChunkCase{"LowerCase", {{1, "page 12\n"}}, {}},
        ChunkCase{"NotAtStart", {{1, "Processing Page 5\n"}}, {}}, ChunkCase{"TooShort", {{1, "Page"}}, {}},
        ChunkCase{"SplitOverChunks", {{1, "Pag"}, {1, "e 5\n"}}, {}},
        ChunkCase{"DigitsInNextChunk", {{1, "Page "}, {1, "5\n"}}, {}},
        ChunkCase{"Overlong", {{1, "Page 99999999999999999999\n"}}, {}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(GsJobStub, NoPagesReportedWhileNoJobKindIsSet)
{
    m_list.Rows = {Row("2", "/in/a.pdf")};
    m_stub.AddChunk(1, "Page 1\n");
    m_param.Kind = JOB_MERGE;
    m_param.Source = static_cast<const IMergeListSource*>(&m_list);
    GS_Job_Kind = 0;
    EXPECT_EQ(Call_GS_Thread(&m_param), GS_RESULT_OK);
    EXPECT_EQ(m_sink.Notices(), (std::vector<Notice>{Total(2), Done(0)}));
}

TEST_F(GsJobStub, KindOtherThanMergeOrSplitLoadsNothing)
{
    for (std::uint8_t kind : {0, 3}) {
        m_stub.Reset();
        RecordingSink sink;
        m_param.Notify = &sink;
        m_param.Kind = kind;
        EXPECT_EQ(Call_GS_Thread(&m_param), GS_RESULT_ERROR);
        EXPECT_EQ(m_stub.Log(), "");
        EXPECT_EQ(sink.Notices(), (std::vector<Notice>{Done(-1)}));
    }
}

TEST_F(GsJobStub, MissingLibrary)
{
    GS_Dll_Path = "/nonexistent/libgs.so.10";
    m_list.Rows = {Row("3", "/in/a.pdf")};
    EXPECT_EQ(RunMerge(), GS_RESULT_GS_FAILED);
    EXPECT_EQ(m_sink.Notices(), (std::vector<Notice>{Total(3), Done(1)}));

    RecordingSink splitSink;
    m_param.Notify = &splitSink;
    EXPECT_EQ(RunSplitEveryN(3, 1), GS_RESULT_GS_FAILED);
    EXPECT_EQ(splitSink.Notices(), (std::vector<Notice>{Done(1)}));
}

TEST_F(GsJobStub, LibraryWithoutRunStringEndMergesButCannotSplit)
{
    StubGs noRse(STUB_GS_NO_RSE_PATH);
    ASSERT_TRUE(noRse.Ok());
    GS_Dll_Path = noRse.Path;
    m_list.Rows = {Row("3", "/in/a.pdf")};
    EXPECT_EQ(RunMerge(), GS_RESULT_OK);
    EXPECT_EQ(noRse.InitCount(), 1);

    noRse.Reset();
    EXPECT_EQ(RunSplitEveryN(3, 1), GS_RESULT_GS_FAILED);
    EXPECT_EQ(noRse.Log(), ""); // refused before any instance was made
}

// Codes from each gsapi call, for both kinds of job.
struct CodeCase
{
    const char* name;
    int newInstance, setStdio, failInitAt, exitCode;
    int mergeResult, splitResult;
    int splitRuns; // runs attempted by a 3-piece split
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const CodeCase& c, std::ostream* os)
{
    *os << c.name;
}

class GsCallCodes : public GsJobStub, public testing::WithParamInterface<CodeCase>
{
};

TEST_P(GsCallCodes, DecideTheResult)
{
    const CodeCase& c = GetParam();
    m_stub.SetCodes(c.newInstance, c.setStdio, c.exitCode);
    m_stub.FailInitAt(c.failInitAt, -100);
    m_list.Rows = {Row("3", "/in/a.pdf")};
    EXPECT_EQ(RunMerge(), c.mergeResult);
    EXPECT_EQ(m_stub.LiveInstances(), 0);

    m_stub.Reset();
    m_stub.SetCodes(c.newInstance, c.setStdio, c.exitCode);
    m_stub.FailInitAt(c.failInitAt, -100);
    EXPECT_EQ(RunSplitEveryN(3, 1), c.splitResult);
    EXPECT_EQ(m_stub.InitCount(), c.splitRuns);
    EXPECT_EQ(m_stub.LiveInstances(), 0);
}

INSTANTIATE_TEST_SUITE_P(Codes, GsCallCodes,
                         testing::Values(CodeCase{"AllSucceed", 0, 0, -1, 0, 0, 0, 3},
                                         CodeCase{"NewInstanceFails", -1, 0, -1, 0, 1, 1, 0},
                                         CodeCase{"SetStdioFails", 0, -1, -1, 0, 1, 1, 0},
                                         CodeCase{"InitFails", 0, 0, 0, 0, 1, 1, 1},
                                         // A merge does not look at gsapi_exit's code; a split piece does.
                                         CodeCase{"ExitFails", 0, 0, -1, -1, 0, 1, 1}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

struct EveryNCase
{
    std::int32_t total;
    std::int16_t n;
    std::vector<std::string> pieces;
    std::vector<std::intptr_t> firstPages;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const EveryNCase& c, std::ostream* os)
{
    *os << c.total << " pages every " << c.n;
}

class GsSplitEveryN : public GsJobStub, public testing::WithParamInterface<EveryNCase>
{
};

TEST_P(GsSplitEveryN, NamesAndNotices)
{
    const EveryNCase& c = GetParam();
    m_param.OutputPath = "/out/";
    m_param.BaseName = "report";
    EXPECT_EQ(RunSplitEveryN(c.total, c.n), GS_RESULT_OK);
    std::vector<std::string> outputs;
    for (const auto& p : c.pieces)
        outputs.push_back("-sOutputFile=/out/report" + p + ".pdf");
    EXPECT_EQ(Outputs(), outputs);
    std::vector<Notice> expected{Total(c.total)};
    for (auto first : c.firstPages)
        expected.push_back(Piece(first));
    expected.push_back(Done(0));
    EXPECT_EQ(m_sink.Notices(), expected);
}

INSTANTIATE_TEST_SUITE_P(Pieces, GsSplitEveryN,
                         testing::Values(EveryNCase{7, 3, {"1-3", "4-6", "7-7"}, {1, 4, 7}},
                                         EveryNCase{3, 1, {"1-1", "2-2", "3-3"}, {1, 2, 3}},
                                         EveryNCase{5, 5, {"1-5"}, {1}}, EveryNCase{5, 32767, {"1-5"}, {1}},
                                         EveryNCase{0, 2, {}, {}}),
                         [](const auto& testInfo) {
                             return "Total" + std::to_string(testInfo.param.total) + "Every" +
                                    std::to_string(testInfo.param.n);
                         });

TEST_F(GsJobStub, EveryPieceHasItsOwnInstanceAndNineEntries)
{
    m_param.OutputPath = "/out/";
    m_param.BaseName = "r";
    m_source.Value = "/in/source (1).pdf";
    EXPECT_EQ(RunSplitEveryN(4, 2), GS_RESULT_OK);
    EXPECT_EQ(m_stub.Log(), "new stdio init exit delete new stdio init exit delete ");
    EXPECT_EQ(m_stub.Args(1), Concat(Fixed, {"-dFirstPage=3", "-dLastPage=4", "-sOutputFile=/out/r3-4.pdf",
                                             "/in/source (1).pdf"}));
}

TEST_F(GsJobStub, SplitPathsHavePercentDoubled)
{
    m_param.OutputPath = "/out/100%/";
    m_param.BaseName = "scan%d";
    EXPECT_EQ(RunSplitByRanges("2-3;"), GS_RESULT_OK);
    EXPECT_EQ(Outputs(), (Args{"-sOutputFile=/out/100%%/scan%%d2-3.pdf"}));
}

TEST_F(GsJobStub, PagesPerFileBelowOneEndsWithMinusOne)
{
    EXPECT_EQ(RunSplitEveryN(5, 0), GS_RESULT_ERROR);
    EXPECT_EQ(m_stub.InitCount(), 0);
    EXPECT_EQ(m_sink.Notices(), (std::vector<Notice>{Total(5), Done(-1)}));
    EXPECT_EQ(m_stub.LiveInstances(), 0);
}

TEST_F(GsJobStub, RangesRunInTypedOrderWithTheirPageReports)
{
    m_param.OutputPath = "/out/";
    m_param.BaseName = "report";
    m_stub.PageReports(true);
    EXPECT_EQ(RunSplitByRanges("3;1-2;"), GS_RESULT_OK);
    EXPECT_EQ(m_stub.Args(0), Concat(Fixed, {"-dFirstPage=3", "-dLastPage=3", "-sOutputFile=/out/report3.pdf",
                                             "/in/report.pdf"}));
    EXPECT_EQ(m_stub.Args(1), Concat(Fixed, {"-dFirstPage=1", "-dLastPage=2",
                                             "-sOutputFile=/out/report1-2.pdf", "/in/report.pdf"}));
    // The split command posts the total for ranges itself.
    EXPECT_EQ(m_sink.Notices(),
              (std::vector<Notice>{Piece(3), Page(3), Piece(1), Page(1), Page(2), Done(0)}));
    EXPECT_EQ(m_param.RangeList, "");
}

struct RangeFailCase
{
    const char* name;
    const char* ranges;
    int failInitAt; // -1: none
    int result;
    std::vector<std::string> written; // output switches of the runs made
    const char* rangesLeft;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const RangeFailCase& c, std::ostream* os)
{
    *os << c.name;
}

class GsSplitRangeFailures : public GsJobStub, public testing::WithParamInterface<RangeFailCase>
{
};

TEST_P(GsSplitRangeFailures, StopAtTheBadPiece)
{
    const RangeFailCase& c = GetParam();
    m_param.OutputPath = "/o/";
    m_param.BaseName = "b";
    m_stub.FailInitAt(c.failInitAt, -100);
    EXPECT_EQ(RunSplitByRanges(c.ranges), c.result);
    std::vector<std::string> written;
    for (const auto& w : c.written)
        written.push_back("-sOutputFile=/o/b" + w + ".pdf");
    EXPECT_EQ(Outputs(), written);
    EXPECT_EQ(m_param.RangeList, c.rangesLeft);
    EXPECT_EQ(m_stub.LiveInstances(), 0);
    EXPECT_EQ(m_sink.Notices().back(), Done(c.result));
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, GsSplitRangeFailures,
    testing::Values(RangeFailCase{"MissingFinalSemicolon", "1;2", -1, -1, {"1"}, "2"},
                    RangeFailCase{"Empty", "", -1, -1, {}, ""},
                    RangeFailCase{"EmptyFirstPage", "-2;", -1, -1, {}, "-2;"},
                    RangeFailCase{"LetterFirstPage", "1;a-2;", -1, -1, {"1"}, "a-2;"},
                    RangeFailCase{"LetterLastPage", "1-b;", -1, -1, {}, "1-b;"},
                    RangeFailCase{"PathInLastPage", "1-2/../../x;", -1, -1, {}, "1-2/../../x;"},
                    RangeFailCase{"FailingMiddlePiece", "1;2-3;4;", 1, 1, {"1", "2-3"}, "2-3;4;"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(GsJobStub, StartGsJobRunsOnItsOwnThread)
{
    m_list.Rows = {Row("2", "/in/a.pdf")};
    m_param.Kind = JOB_MERGE;
    m_param.Source = static_cast<const IMergeListSource*>(&m_list);
    GS_Job_Kind = JOB_MERGE;
    // Every notice is posted from the job's thread, none from this one.
    struct ThreadSink : IGsNotifySink
    {
        void PostNotify(std::intptr_t, std::intptr_t) noexcept override
        {
            std::lock_guard lock(Mutex);
            Threads.push_back(std::this_thread::get_id());
        }
        std::mutex Mutex;
        std::vector<std::thread::id> Threads;
    } sink;
    m_param.Notify = &sink;
    std::thread job = StartGsJob(m_param);
    const std::thread::id jobId = job.get_id();
    job.join();
    EXPECT_NE(jobId, std::this_thread::get_id());
    EXPECT_EQ(sink.Threads, (std::vector<std::thread::id>{jobId, jobId}));
}

TEST_F(GsJobStub, MissingControlsEndWithMinusOne)
{
    m_param.Kind = JOB_MERGE; // no merge list
    EXPECT_EQ(Call_GS_Thread(&m_param), GS_RESULT_ERROR);
    m_param.Kind = JOB_SPLIT; // no up-down control
    m_param.Source = static_cast<const ITextSource*>(&m_source);
    EXPECT_EQ(Call_GS_Thread(&m_param), GS_RESULT_ERROR);
    EXPECT_EQ(m_stub.LiveInstances(), 0);
    EXPECT_EQ(Call_GS_Thread(nullptr), GS_RESULT_ERROR);
}

// A library without gsapi_run_string_with_length and gsapi_add_control_path (as
// the stub): consecutive pieces get a fresh instance each, as before.
TEST_F(GsJobStub, ConsecutivePiecesWithoutStringRunsUseFreshInstances)
{
    const std::unique_ptr<IPdfEngine> engine = MakeGhostscriptEngine();
    engine->SetConsecutivePieces(true);
    ASSERT_TRUE(engine->OpenSource("/in/report.pdf").Ok);
    EXPECT_TRUE(engine->WritePiece(1, 2, "/out/a.pdf", {}).Ok);
    EXPECT_TRUE(engine->WritePiece(3, 3, "/out/b.pdf", {}).Ok);
    engine->CloseSource();
    EXPECT_EQ(m_stub.Args(0),
              Concat(Fixed, {"-dFirstPage=1", "-dLastPage=2", "-sOutputFile=/out/a.pdf", "/in/report.pdf"}));
    EXPECT_EQ(m_stub.Args(1),
              Concat(Fixed, {"-dFirstPage=3", "-dLastPage=3", "-sOutputFile=/out/b.pdf", "/in/report.pdf"}));
    EXPECT_EQ(m_stub.Log(), "new stdio init exit delete new stdio init exit delete ");
    EXPECT_EQ(m_stub.LiveInstances(), 0);
}

} // namespace
