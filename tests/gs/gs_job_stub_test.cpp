// The job thread against the stub library: argument vectors, notices in order,
// result codes and every failure path. The stub writes real PDFs, so each job
// runs its whole safe path on real files in a folder of the test's own.
#include "engines/gsbinding.h"
#include "engines/pdfengine.h"
#include "gs_test_support.h"
#include "job/frontdoor.h"
#include "util/testtools.h"

#include <fstream>
#include <sstream>

using namespace testutil;

using namespace gstest;
using Args = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(U8(path), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class GsJobStub : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_stub.Ok()) << m_stub.Path;
        m_saved = GS_Dll_Path;
        GS_Dll_Path = m_stub.Path;
        m_param.Notify = &m_sink;
        fs::create_directory(m_dir.path() / "in");
        fs::create_directory(m_dir.path() / "out");
        m_source.Value = InPath("report.pdf");
        m_param.OutputPath = Out();
        m_param.BaseName = "report";
    }
    void TearDown() override
    {
        GS_Dll_Path = m_saved;
        GS_Job_Kind = 0;
    }

    std::string InPath(const std::string& name) const
    {
        return m_dir.str() + "in" + plat::PathSeparator + name;
    }
    std::string Out() const { return m_dir.str() + "out" + plat::PathSeparator; }
    // A PDF of `pages` blank pages in the input folder; its path.
    std::string In(const std::string& name, int pages)
    {
        const std::string path = InPath(name);
        EXPECT_TRUE(m_stub.WritePdf(path, pages)) << path;
        return path;
    }

    int RunMerge(const std::string& output = {})
    {
        m_param.Kind = JOB_MERGE;
        m_param.Source = static_cast<const IMergeListSource*>(&m_list);
        m_param.OutputPath = output.empty() ? Out() + "merged.pdf" : output;
        GS_Job_Kind = JOB_MERGE;
        return Call_GS_Thread(&m_param);
    }
    // The split source gets `total` pages, as counted before the job.
    int RunSplitEveryN(std::int32_t total, std::int16_t n)
    {
        EXPECT_TRUE(m_stub.WritePdf(m_source.Value, total));
        m_upDown.Value = n;
        m_param.Kind = JOB_SPLIT;
        m_param.TotalPages = total;
        m_param.Source = static_cast<const ITextSource*>(&m_source);
        m_param.PageSpec = static_cast<const IUpDownSource*>(&m_upDown);
        GS_Job_Kind = JOB_SPLIT;
        return Call_GS_Thread(&m_param);
    }
    int RunSplitByRanges(const std::string& ranges, std::int32_t total = 4)
    {
        EXPECT_TRUE(m_stub.WritePdf(m_source.Value, total));
        m_param.Kind = JOB_SPLIT;
        m_param.TotalPages = total;
        m_param.RangeList = ranges;
        m_param.Source = static_cast<const ITextSource*>(&m_source);
        m_param.PageSpec = static_cast<const ITextSource*>(&m_rangeField);
        GS_Job_Kind = JOB_SPLIT;
        return Call_GS_Thread(&m_param);
    }
    // The output switch of a run.
    std::string OutputSwitch(int call)
    {
        for (const std::string& arg : m_stub.Args(call))
            if (arg.rfind("-sOutputFile=", 0) == 0)
                return arg;
        return {};
    }
    // A run's arguments with its output switch (checked to name a temporary in
    // folder) replaced by "<temporary>".
    Args ArgsWithTemporary(int call, const std::string& folder)
    {
        Args args = m_stub.Args(call);
        for (std::string& arg : args)
            if (arg.rfind("-sOutputFile=", 0) == 0) {
                EXPECT_TRUE(NamesTemporaryIn(arg, folder));
                arg = "<temporary>";
            }
        return args;
    }

    StubGs m_stub{STUB_GS_PATH};
    TempDir m_dir;
    std::string m_saved;
    RecordingSink m_sink;
    TMergeRows m_list;
    TFixedText m_source{""};
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
    // A "%" in the folder shows up doubled in the temporary's switch.
    const std::string folder = m_dir.str() + "out 100%/";
    fs::create_directory(folder);
    const std::string one = In("one.pdf", 3);
    const std::string two = In("two (2).pdf", 4);
    m_list.Rows = {Row(3, one), Row(0, InPath("not a pdf.pdf")), Row(4, two), Row(0, InPath("z.pdf"))};
    m_stub.AddChunk(1, "Page 1\n");
    EXPECT_EQ(RunMerge(folder + "report 100%.pdf"), GS_RESULT_OK) << m_param.Reason;
    ASSERT_EQ(m_stub.InitCount(), 1);
    EXPECT_EQ(ArgsWithTemporary(0, folder),
              Concat(Fixed, {"<temporary>", "-f", one, two, "-c", "[ /Title null /DOCINFO pdfmark"}));
    EXPECT_EQ(m_sink.Notices(), (std::vector<Notice>{Total(7), Page(1), Done(0)}));
    // No split entry point is needed or touched; everything is released.
    EXPECT_EQ(m_stub.Log(), "new stdio init exit delete ");
    EXPECT_EQ(m_stub.LiveInstances(), 0);
    EXPECT_EQ(Listing(folder), Args{"report 100%.pdf"});
    EXPECT_EQ(m_stub.CountPages(folder + "report 100%.pdf"), 7);
}

// pdfwrite's damaged cross-reference tables: an output is written again by
// libqpdf, checked again, and its repair noted under the name the user knows.
TEST_F(GsJobStub, DamagedOutputIsRewrittenAndNoted)
{
    m_stub.Damaged(true);
    m_list.Rows = {Row(2, In("a.pdf", 2))};
    EXPECT_EQ(RunMerge(), GS_RESULT_OK) << m_param.Reason;
    EXPECT_EQ(m_param.Notes.rfind(Out() + "merged.pdf: repaired (", 0), 0U) << m_param.Notes;
    EXPECT_EQ(RunProgram({"qpdf", "--check", Out() + "merged.pdf"}).ExitCode, 0);
}

// Names as users have them, in files and folders: CJK letters, blanks, parentheses
// and "%d", Ghostscript's page-number format. The stub reads its arguments in the
// encoding the job declares, as Ghostscript does (on Windows the ANSI code page
// unless told UTF-8), so each file must come out under its own name.
TEST_F(GsJobStub, UnicodeNamesMergeAndSplit)
{
    const std::string folder = m_dir.str() + "资料 (2) %d" + plat::PathSeparator;
    fs::create_directory(U8(folder));
    const std::string first = folder + "文档 (1) %d.pdf";
    const std::string second = folder + "文档 (2).pdf";
    ASSERT_TRUE(m_stub.WritePdf(first, 3));
    ASSERT_TRUE(m_stub.WritePdf(second, 1));
    m_list.Rows = {Row(3, first), Row(1, second)};
    EXPECT_EQ(RunMerge(folder + "合并 %d 100%.pdf"), GS_RESULT_OK) << m_param.Reason;
    EXPECT_EQ(m_stub.CountPages(folder + "合并 %d 100%.pdf"), 4);

    m_stub.Reset();
    m_source.Value = first;
    m_param.BaseName = "文档 (1) %d";
    m_param.OutputPath = m_dir.str() + "拆分 %d" + plat::PathSeparator;
    fs::create_directory(U8(m_param.OutputPath));
    m_param.Kind = JOB_SPLIT;
    m_param.TotalPages = 3;
    m_upDown.Value = 2;
    m_param.Source = static_cast<const ITextSource*>(&m_source);
    m_param.PageSpec = static_cast<const IUpDownSource*>(&m_upDown);
    GS_Job_Kind = JOB_SPLIT;
    EXPECT_EQ(Call_GS_Thread(&m_param), GS_RESULT_OK) << m_param.Reason;
    EXPECT_EQ(Listing(U8(m_param.OutputPath)), (Args{"文档 (1) %d1-2.pdf", "文档 (1) %d3-3.pdf"}));
    EXPECT_EQ(m_stub.CountPages(m_param.OutputPath + "文档 (1) %d1-2.pdf"), 2);
    EXPECT_EQ(Listing(U8(folder)), (Args{"合并 %d 100%.pdf", "文档 (1) %d.pdf", "文档 (2).pdf"}));
}

// A row counted when listed keeps its count only while its file is unchanged:
// one changed since is read again, and the total shown is the total checked.
TEST_F(GsJobStub, ListedCountHoldsOnlyForTheFileAsCounted)
{
    const std::string one = In("one.pdf", 3);
    TMergeListRow row = JudgeMergeAdd(one, ProbePdfForList(one)).Row;
    ASSERT_TRUE(row.Stamp);
    ASSERT_EQ(row.Pages, 3);
    In("one.pdf", 5);
    m_list.Rows = {row};
    EXPECT_EQ(RunMerge(), GS_RESULT_OK) << m_param.Reason;
    EXPECT_EQ(m_sink.Notices(), (std::vector<Notice>{Total(5), Done(0)}));
    EXPECT_EQ(m_stub.CountPages(Out() + "merged.pdf"), 5);

    // A split source's count is read again too, and a split cut by the old one refused.
    In("one.pdf", 3);
    const TSplitSourceVerdict verdict = JudgeSplitSource(ProbePdfForList(one));
    ASSERT_TRUE(verdict.Stamp);
    In("one.pdf", 5);
    TJobInputs inputs;
    PrepareSplitEveryJob(m_param, inputs, one, Out(), verdict.Pages, 2, &m_sink, TEngineKind::Ghostscript,
                         TOverwrite::Refuse, {}, verdict.Stamp);
    EXPECT_EQ(Call_GS_Thread(&m_param), GS_RESULT_GS_FAILED);
    EXPECT_EQ(m_param.Reason, one + ": has 5 pages, not 3 as counted before.");
}

TEST_F(GsJobStub, MergeWithNothingLeftToJoinRunsNothing)
{
    // Two files the probe did not recognise pass the two-file minimum.
    m_list.Rows = {Row(0, "/in/a.txt"), Row(0, "/in/b.txt")};
    EXPECT_EQ(RunMerge(), GS_RESULT_ERROR);
    EXPECT_EQ(m_stub.Log(), "");
    EXPECT_EQ(m_sink.Notices(), (std::vector<Notice>{Total(0), Done(-1)}));
    EXPECT_TRUE(Listing(Out()).empty());
}

TEST_F(GsJobStub, MergeHasNoInputLimit)
{
    const std::string one = In("one.pdf", 1);
    for (int i = 0; i < 600; ++i)
        m_list.Rows.push_back(Row(1, one));
    EXPECT_EQ(RunMerge(), GS_RESULT_OK) << m_param.Reason;
    EXPECT_EQ(m_stub.Args(0).size(), 609u); // and "-c" with the first file's Title
    EXPECT_EQ(m_sink.Notices().front(), Total(600));
    EXPECT_EQ(m_stub.CountPages(Out() + "merged.pdf"), 600);
}

TEST_F(GsJobStub, InputNamesThatLookLikeSwitchesStayFiles)
{
    // Relative names, so the job runs in the input folder.
    const fs::path saved = fs::current_path();
    fs::current_path(m_dir.path() / "in");
    // "%pipe%..." would be an I/O device that runs a shell command, -dSAFER or not.
    const Args names{"-sOutputFile=x.pdf", "@args.pdf", "%pipe%touch x.pdf"};
    for (const std::string& name : names)
        In(name, 1);
    m_list.Rows = {Row(1, names[0]), Row(1, names[1]), Row(1, names[2])};
    const int result = RunMerge();
    fs::current_path(saved);
    EXPECT_EQ(result, GS_RESULT_OK) << m_param.Reason;
    const Args args = m_stub.Args(0);
    EXPECT_EQ(Args(args.end() - 5, args.end() - 2),
              (Args{"./-sOutputFile=x.pdf", "./@args.pdf", "./%pipe%touch x.pdf"}));
    EXPECT_EQ(m_stub.CountPages(Out() + "merged.pdf"), 3);
}

TEST_F(GsJobStub, MergeRowWithoutAPageCountEndsWithMinusOne)
{
    m_list.Rows = {Row(3, In("one.pdf", 3)), Row(-3, In("two.pdf", 3))};
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
    m_list.Rows = {Row(2, In("a.pdf", 2))};
    for (const auto& [stream, text] : GetParam().chunks)
        m_stub.AddChunk(stream, text);
    EXPECT_EQ(RunMerge(), GS_RESULT_OK) << m_param.Reason;
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
    m_list.Rows = {Row(2, In("a.pdf", 2))};
    m_stub.AddChunk(1, "Page 1\n");
    m_param.Kind = JOB_MERGE;
    m_param.Source = static_cast<const IMergeListSource*>(&m_list);
    m_param.OutputPath = Out() + "merged.pdf";
    GS_Job_Kind = 0;
    EXPECT_EQ(Call_GS_Thread(&m_param), GS_RESULT_OK) << m_param.Reason;
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
    m_list.Rows = {Row(3, In("a.pdf", 3))};
    EXPECT_EQ(RunMerge(), GS_RESULT_GS_FAILED);
    EXPECT_EQ(m_sink.Notices(), (std::vector<Notice>{Total(3), Done(1)}));
    EXPECT_NE(m_param.Reason, "");

    RecordingSink splitSink;
    m_param.Notify = &splitSink;
    m_param.OutputPath = Out();
    EXPECT_EQ(RunSplitEveryN(3, 1), GS_RESULT_GS_FAILED);
    EXPECT_EQ(splitSink.Notices(), (std::vector<Notice>{Total(3), Done(1)}));
    EXPECT_NE(m_param.Reason, "");
    EXPECT_TRUE(Listing(Out()).empty());
}

TEST_F(GsJobStub, LibraryWithoutRunStringEndMergesButCannotSplit)
{
    StubGs noRse(STUB_GS_NO_RSE_PATH);
    ASSERT_TRUE(noRse.Ok());
    GS_Dll_Path = noRse.Path;
    m_list.Rows = {Row(3, In("a.pdf", 3))};
    EXPECT_EQ(RunMerge(), GS_RESULT_OK) << m_param.Reason;
    EXPECT_EQ(noRse.InitCount(), 1);

    noRse.Reset();
    m_param.OutputPath = Out();
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
    m_list.Rows = {Row(3, In("a.pdf", 3))};
    EXPECT_EQ(RunMerge(), c.mergeResult) << m_param.Reason;
    // The stub lacks entry points a library may lack: no load failure for that.
    if (c.mergeResult != GS_RESULT_OK) {
        EXPECT_EQ(m_param.Reason.substr(0, m_param.Reason.find('\n')),
                  "Ghostscript could not write the file.");
    }
    EXPECT_EQ(m_stub.LiveInstances(), 0);
    EXPECT_EQ(Listing(Out()), c.mergeResult == GS_RESULT_OK ? Args{"merged.pdf"} : Args{});
    fs::remove(Out() + "merged.pdf");

    m_stub.Reset();
    m_stub.SetCodes(c.newInstance, c.setStdio, c.exitCode);
    m_stub.FailInitAt(c.failInitAt, -100);
    m_param.OutputPath = Out();
    EXPECT_EQ(RunSplitEveryN(3, 1), c.splitResult) << m_param.Reason;
    EXPECT_EQ(m_stub.InitCount(), c.splitRuns);
    EXPECT_EQ(m_stub.LiveInstances(), 0);
    // Every failure here is at the first piece: nothing written, nothing left.
    EXPECT_EQ(Listing(Out()), c.splitResult == GS_RESULT_OK
                                  ? (Args{"report1-1.pdf", "report2-2.pdf", "report3-3.pdf"})
                                  : Args{});
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
    std::vector<std::pair<int, int>> pieces; // first and last page, in run order
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const EveryNCase& c, std::ostream* os)
{
    *os << c.total << " pages every " << c.n;
}

class GsSplitEveryN : public GsJobStub, public testing::WithParamInterface<EveryNCase>
{
};

TEST_P(GsSplitEveryN, NamesPagesAndNotices)
{
    const EveryNCase& c = GetParam();
    EXPECT_EQ(RunSplitEveryN(c.total, c.n), GS_RESULT_OK) << m_param.Reason;
    ASSERT_EQ(m_stub.InitCount(), static_cast<int>(c.pieces.size()));
    std::vector<Notice> expected{Total(c.total)};
    Args names;
    for (std::size_t i = 0; i < c.pieces.size(); ++i) {
        const auto [first, last] = c.pieces[i];
        const std::string name = "report" + std::to_string(first) + "-" + std::to_string(last) + ".pdf";
        names.push_back(name);
        const Args args = m_stub.Args(static_cast<int>(i));
        EXPECT_EQ(Args(args.begin() + 5, args.begin() + 7),
                  (Args{"-dFirstPage=" + std::to_string(first), "-dLastPage=" + std::to_string(last)}));
        EXPECT_TRUE(NamesTemporaryIn(OutputSwitch(static_cast<int>(i)), Out()));
        EXPECT_EQ(m_stub.CountPages(Out() + name), last - first + 1) << name;
        expected.push_back(Piece(first));
    }
    expected.push_back(Done(0));
    EXPECT_EQ(m_sink.Notices(), expected);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(Listing(Out()), names);
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, GsSplitEveryN,
    testing::Values(EveryNCase{7, 3, {{1, 3}, {4, 6}, {7, 7}}}, EveryNCase{3, 1, {{1, 1}, {2, 2}, {3, 3}}},
                    EveryNCase{5, 5, {{1, 5}}}, EveryNCase{5, 32767, {{1, 5}}}, EveryNCase{0, 2, {}}),
    [](const auto& testInfo) {
        return "Total" + std::to_string(testInfo.param.total) + "Every" + std::to_string(testInfo.param.n);
    });

TEST_F(GsJobStub, EveryPieceHasItsOwnInstanceAndNineEntries)
{
    m_param.BaseName = "r";
    m_source.Value = InPath("source (1).pdf");
    EXPECT_EQ(RunSplitEveryN(4, 2), GS_RESULT_OK) << m_param.Reason;
    EXPECT_EQ(m_stub.Log(), "new stdio init exit delete new stdio init exit delete ");
    EXPECT_EQ(ArgsWithTemporary(1, Out()),
              Concat(Fixed, {"-dFirstPage=3", "-dLastPage=4", "<temporary>", m_source.Value}));
}

TEST_F(GsJobStub, SplitPathsHavePercentDoubled)
{
    const std::string folder = m_dir.str() + "100%/";
    fs::create_directory(folder);
    m_param.OutputPath = folder;
    m_param.BaseName = "scan%d";
    EXPECT_EQ(RunSplitByRanges("2-3;"), GS_RESULT_OK) << m_param.Reason;
    ASSERT_EQ(m_stub.InitCount(), 1);
    EXPECT_TRUE(NamesTemporaryIn(OutputSwitch(0), folder));
    EXPECT_EQ(Listing(folder), Args{"scan%d2-3.pdf"});
    EXPECT_EQ(m_stub.CountPages(folder + "scan%d2-3.pdf"), 2);
}

// The engine passes any output name it is given with "%" doubled; the job's
// temporaries are plain, so only a direct call shows it for the file name.
TEST_F(GsJobStub, EngineDoublesPercentInTheOutputName)
{
    const std::string folder = m_dir.str() + "dir 100%/";
    fs::create_directory(folder);
    const std::string input = In("a.pdf", 3);
    {
        const auto engine = MakeGhostscriptEngine();
        const TEngineResult merged = engine->Merge({{input, "a"}}, folder + "merged %d 100%.pdf", {});
        EXPECT_TRUE(merged.Ok) << merged.Reason;
        EXPECT_EQ(OutputSwitch(0), "-sOutputFile=" + m_dir.str() + "dir 100%%/merged %%d 100%%.pdf");

        ASSERT_TRUE(engine->OpenSource(input).Ok);
        const TEngineResult piece = engine->WritePiece(2, 3, folder + "piece %s%.pdf", {});
        EXPECT_TRUE(piece.Ok) << piece.Reason;
        engine->CloseSource();
        EXPECT_EQ(OutputSwitch(1), "-sOutputFile=" + m_dir.str() + "dir 100%%/piece %%s%%.pdf");
    }
    EXPECT_EQ(m_stub.LiveInstances(), 0);
    // The stub reads the doubled name back as Ghostscript does.
    EXPECT_EQ(Listing(folder), (Args{"merged %d 100%.pdf", "piece %s%.pdf"}));
    EXPECT_EQ(m_stub.CountPages(folder + "piece %s%.pdf"), 2);
}

TEST_F(GsJobStub, PagesPerFileBelowOneEndsWithMinusOne)
{
    EXPECT_EQ(RunSplitEveryN(5, 0), GS_RESULT_ERROR);
    EXPECT_EQ(m_stub.InitCount(), 0);
    EXPECT_EQ(m_sink.Notices(), (std::vector<Notice>{Done(-1)}));
    EXPECT_NE(m_param.Reason.find("not a valid number of pages per file"), std::string::npos)
        << m_param.Reason;
    EXPECT_EQ(m_stub.LiveInstances(), 0);
}

TEST_F(GsJobStub, RangesRunInTypedOrderWithTheirPageReports)
{
    m_stub.PageReports(true);
    EXPECT_EQ(RunSplitByRanges("3;1-2;"), GS_RESULT_OK) << m_param.Reason;
    EXPECT_EQ(ArgsWithTemporary(0, Out()),
              Concat(Fixed, {"-dFirstPage=3", "-dLastPage=3", "<temporary>", m_source.Value}));
    EXPECT_EQ(ArgsWithTemporary(1, Out()),
              Concat(Fixed, {"-dFirstPage=1", "-dLastPage=2", "<temporary>", m_source.Value}));
    // The split command posts the total for ranges itself.
    EXPECT_EQ(m_sink.Notices(),
              (std::vector<Notice>{Piece(3), Page(3), Piece(1), Page(1), Page(2), Done(0)}));
    EXPECT_EQ(m_param.RangeList, "");
    EXPECT_EQ(Listing(Out()), (Args{"report1-2.pdf", "report3.pdf"}));
    EXPECT_EQ(m_stub.CountPages(Out() + "report3.pdf"), 1);
    EXPECT_EQ(m_stub.CountPages(Out() + "report1-2.pdf"), 2);
}

struct RangeFailCase
{
    const char* name;
    const char* ranges;
    int failInitAt; // -1: none
    int result;
    int runs;                       // runs made
    std::vector<std::string> files; // pieces in the output folder afterwards
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
    m_param.BaseName = "b";
    m_stub.FailInitAt(c.failInitAt, -100);
    EXPECT_EQ(RunSplitByRanges(c.ranges), c.result);
    EXPECT_EQ(m_stub.InitCount(), c.runs);
    Args files;
    for (const auto& f : c.files)
        files.push_back("b" + f + ".pdf");
    EXPECT_EQ(Listing(Out()), files);
    EXPECT_EQ(m_param.RangeList, c.rangesLeft);
    EXPECT_EQ(m_stub.LiveInstances(), 0);
    EXPECT_EQ(m_sink.Notices().back(), Done(c.result));
    EXPECT_NE(m_param.Reason, "");
    if (!files.empty()) {
        EXPECT_NE(m_param.Reason.find(files.size() == 1 ? "1 file was written before the failure."
                                                        : " files were written before the failure."),
                  std::string::npos)
            << m_param.Reason;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, GsSplitRangeFailures,
    // Every piece's name is made before the first run, so a piece that does not
    // convert stops the job before anything is written.
    testing::Values(RangeFailCase{"MissingFinalSemicolon", "1;2", -1, -1, 0, {}, "1;2"},
                    RangeFailCase{"Empty", "", -1, -1, 0, {}, ""},
                    RangeFailCase{"EmptyFirstPage", "-2;", -1, -1, 0, {}, "-2;"},
                    RangeFailCase{"LetterFirstPage", "1;a-2;", -1, -1, 0, {}, "1;a-2;"},
                    RangeFailCase{"LetterLastPage", "1-b;", -1, -1, 0, {}, "1-b;"},
                    RangeFailCase{"PathInLastPage", "1-2/../../x;", -1, -1, 0, {}, "1-2/../../x;"},
                    RangeFailCase{"PastTheLastPage", "1;4-5;", -1, 1, 1, {"1"}, "4-5;"},
                    RangeFailCase{"FailingMiddlePiece", "1;2-3;4;", 1, 1, 2, {"1"}, "2-3;4;"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

// What the safe path protects: a run that fails, or writes what it should not,
// leaves an existing output as it was and no temporary beside it.
struct KeepCase
{
    const char* name;
    int failInitAt; // -1: none
    int exitCode;
    int extraPages;
    bool mergeFails; // a merge does not look at gsapi_exit's code
};

void PrintTo(const KeepCase& c, std::ostream* os)
{
    *os << c.name;
}

class GsFailedRunKeepsOutput : public GsJobStub, public testing::WithParamInterface<KeepCase>
{
protected:
    void Arrange()
    {
        m_stub.Reset();
        m_stub.FailInitAt(GetParam().failInitAt, -100);
        m_stub.SetCodes(0, 0, GetParam().exitCode);
        m_stub.ExtraPages(GetParam().extraPages);
        m_param.Overwrite = TOverwrite::Allow; // as after the person's yes
    }
};

TEST_P(GsFailedRunKeepsOutput, OldFileStaysNoTemporaryLeft)
{
    const KeepCase& c = GetParam();
    const std::string merged = m_dir.write("out/merged.pdf", "the old merged file");
    const std::string piece = m_dir.write("out/report1-1.pdf", "the old piece");
    m_list.Rows = {Row(2, In("a.pdf", 2))};
    Arrange();
    EXPECT_EQ(RunMerge(), c.mergeFails ? GS_RESULT_GS_FAILED : GS_RESULT_OK) << m_param.Reason;
    EXPECT_EQ(m_param.Reason.empty(), !c.mergeFails);
    if (c.mergeFails) {
        EXPECT_EQ(ReadBytes(merged), "the old merged file");
    }
    fs::remove(merged);
    EXPECT_EQ(Listing(Out()), Args{"report1-1.pdf"});

    Arrange();
    m_param.OutputPath = Out();
    EXPECT_EQ(RunSplitEveryN(1, 1), GS_RESULT_GS_FAILED);
    EXPECT_NE(m_param.Reason, "");
    // The stub lacks the entry points Ghostscript before 9.50 lacks: still a
    // Ghostscript library, whatever failed.
    EXPECT_EQ(m_param.Reason.find("could not be loaded"), std::string::npos) << m_param.Reason;
    EXPECT_EQ(ReadBytes(piece), "the old piece");
    EXPECT_EQ(Listing(Out()), Args{"report1-1.pdf"});
}

INSTANTIATE_TEST_SUITE_P(Runs, GsFailedRunKeepsOutput,
                         testing::Values(KeepCase{"InitFails", 0, 0, 0, true},
                                         KeepCase{"ExitFails", -1, -1, 0, false},
                                         KeepCase{"PageMissing", -1, 0, -1, true},
                                         KeepCase{"PageTooMany", -1, 0, 1, true}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(GsJobStub, PieceThatIsTheSourceThroughALinkIsRefusedBeforeAnyRun)
{
    for (const bool symbolic : {true, false}) {
#ifdef _WIN32
        if (symbolic)
            continue; // symbolic links need a privilege there
#endif
        SCOPED_TRACE(symbolic ? "symbolic link" : "hard link");
        m_stub.Reset();
        RecordingSink sink;
        m_param.Notify = &sink;
        ASSERT_TRUE(m_stub.WritePdf(m_source.Value, 2));
        const fs::path link = Out() + "report2-2.pdf";
        fs::remove(link);
        if (symbolic)
            fs::create_symlink(m_source.Value, link);
        else
            fs::create_hard_link(m_source.Value, link);
        EXPECT_EQ(RunSplitEveryN(2, 1), GS_RESULT_ERROR);
        EXPECT_EQ(m_stub.InitCount(), 0);
        EXPECT_EQ(sink.Notices(), (std::vector<Notice>{Done(-1)}));
        EXPECT_NE(m_param.Reason.find("is the document being split"), std::string::npos) << m_param.Reason;
        EXPECT_EQ(m_stub.CountPages(m_source.Value), 2);
        EXPECT_EQ(Listing(Out()), Args{"report2-2.pdf"});
    }
}

TEST_F(GsJobStub, StartGsJobRunsOnItsOwnThread)
{
    m_list.Rows = {Row(2, In("a.pdf", 2))};
    m_param.Kind = JOB_MERGE;
    m_param.Source = static_cast<const IMergeListSource*>(&m_list);
    m_param.OutputPath = Out() + "merged.pdf";
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
    EXPECT_EQ(m_param.Reason, "");
}

TEST_F(GsJobStub, MissingControlsEndWithMinusOne)
{
    m_param.Kind = JOB_MERGE; // no merge list
    EXPECT_EQ(Call_GS_Thread(&m_param), GS_RESULT_ERROR);
    m_param.Kind = JOB_SPLIT; // no up-down control
    m_param.Source = static_cast<const ITextSource*>(&m_source);
    ASSERT_TRUE(m_stub.WritePdf(m_source.Value, 0));
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
    const std::string source = In("report.pdf", 3);
    ASSERT_TRUE(engine->OpenSource(source).Ok);
    EXPECT_TRUE(engine->WritePiece(1, 2, Out() + "a.pdf", {}).Ok);
    EXPECT_TRUE(engine->WritePiece(3, 3, Out() + "b.pdf", {}).Ok);
    engine->CloseSource();
    EXPECT_EQ(m_stub.Args(0),
              Concat(Fixed, {"-dFirstPage=1", "-dLastPage=2", "-sOutputFile=" + Out() + "a.pdf", source}));
    EXPECT_EQ(m_stub.Args(1),
              Concat(Fixed, {"-dFirstPage=3", "-dLastPage=3", "-sOutputFile=" + Out() + "b.pdf", source}));
    EXPECT_EQ(m_stub.Log(), "new stdio init exit delete new stdio init exit delete ");
    EXPECT_EQ(m_stub.LiveInstances(), 0);
}

} // namespace
