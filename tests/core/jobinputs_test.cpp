// Setting up a job: what each Prepare function leaves in the record, and the
// reason a failed job keeps.
#include "job/jobinputs.h"
#include "job/jobplan.h"
#include "job/sizesplit.h"
#include "platform/platform.h"
#include "util/testtools.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <mutex>
#include <ostream>
#include <vector>

using namespace testutil;

namespace {

class Recorder : public IGsNotifySink
{
public:
    void PostNotify(std::intptr_t wParam, std::intptr_t lParam) noexcept override
    {
        std::lock_guard lock(m_mutex);
        Notices.emplace_back(wParam, lParam);
        // The person presses Cancel when this notice comes for the nth time.
        if (lParam == CancelAt && --CancelCount == 0)
            Cancel = true;
    }
    std::intptr_t CancelAt = 0;
    int CancelCount = 0;
    std::atomic<bool> Cancel{false};
    std::vector<std::pair<std::intptr_t, std::intptr_t>> Notices;

private:
    std::mutex m_mutex;
};

class JobInputs : public testing::Test
{
protected:
    void SetUp() override
    {
        // What an earlier job left behind.
        m_param.RangeList = "9;";
        m_param.BaseName = "old";
        m_param.TotalPages = 99;
        m_param.Reason = "old";
    }
    void TearDown() override { GS_Job_Kind = 0; }

    TCall_GS_Thread_Param m_param;
    TJobInputs m_inputs;
    Recorder m_sink;
};

TEST_F(JobInputs, MergeReadsTheRowsItWasGiven)
{
    PrepareMergeJob(m_param, m_inputs, {{"/in/a.pdf", 3, 1024}}, "/out/m.pdf", &m_sink);
    EXPECT_EQ(m_param.Kind, JOB_MERGE);
    EXPECT_EQ(GS_Job_Kind, JOB_MERGE);
    const auto* list = std::get<const IMergeListSource*>(m_param.Source);
    ASSERT_EQ(list, &m_inputs.MergeList);
    EXPECT_EQ(list->RowCount(), 1);
    EXPECT_EQ(list->Row(0).Pages, 3);
    EXPECT_EQ(list->Row(0).Path, "/in/a.pdf");
    EXPECT_EQ(list->Row(1).Path, "");
    EXPECT_EQ(list->Row(-1).Pages, 0);
    EXPECT_EQ(m_param.OutputPath, "/out/m.pdf");
    EXPECT_EQ(m_param.Notify, &m_sink);
    EXPECT_EQ(m_param.Engine, TEngineKind::Exact); // the default, unless chosen otherwise
    EXPECT_EQ(m_param.RangeList, "9;");            // no merge field: kept as the last job left it
    EXPECT_TRUE(m_sink.Notices.empty());
}

TEST_F(JobInputs, SplitEveryNLeavesTheTotalToTheJob)
{
    PrepareSplitEveryJob(m_param, m_inputs, "/in/report.v2.pdf", "/out", 7, 3, &m_sink);
    EXPECT_EQ(m_param.Kind, JOB_SPLIT);
    EXPECT_EQ(GS_Job_Kind, JOB_SPLIT);
    EXPECT_EQ(std::get<const ITextSource*>(m_param.Source)->Text(), "/in/report.v2.pdf");
    EXPECT_EQ(std::get<const IUpDownSource*>(m_param.PageSpec)->Position(), 3);
    EXPECT_EQ(m_param.OutputPath, std::string("/out") + plat::PathSeparator);
    EXPECT_EQ(m_param.BaseName, "report.v2");
    EXPECT_EQ(m_param.TotalPages, 7);
    EXPECT_EQ(m_param.RangeList, "");
    EXPECT_TRUE(m_sink.Notices.empty());
}

TEST_F(JobInputs, SplitByRangesTakesTheParsedList)
{
    PrepareSplitRangesJob(m_param, m_inputs, "/in/r.pdf", "/out/", 9, "1,3-4", "1;3-4;", &m_sink);
    EXPECT_EQ(std::get<const ITextSource*>(m_param.PageSpec)->Text(), "1,3-4");
    EXPECT_EQ(m_param.RangeList, "1;3-4;");
    EXPECT_EQ(m_param.OutputPath, "/out/");
    EXPECT_EQ(m_param.TotalPages, 9);
    EXPECT_TRUE(m_sink.Notices.empty());
}

TEST_F(JobInputs, EachJobTakesTheEngineAndOverwriteItIsGiven)
{
    PrepareMergeJob(m_param, m_inputs, {{"/in/a.pdf", 3, 1024}}, "/out/m.pdf", &m_sink,
                    TEngineKind::Ghostscript, TOverwrite::Allow);
    EXPECT_EQ(m_param.Engine, TEngineKind::Ghostscript);
    EXPECT_EQ(m_param.Overwrite, TOverwrite::Allow);
    PrepareSplitEveryJob(m_param, m_inputs, "/in/r.pdf", "/out", 7, 3, &m_sink);
    EXPECT_EQ(m_param.Engine, TEngineKind::Exact);
    EXPECT_EQ(m_param.Overwrite, TOverwrite::Refuse); // unless the person agreed
    PrepareSplitRangesJob(m_param, m_inputs, "/in/r.pdf", "/out/", 9, "1", "1;", &m_sink,
                          TEngineKind::Ghostscript, TOverwrite::Allow);
    EXPECT_EQ(m_param.Engine, TEngineKind::Ghostscript);
    EXPECT_EQ(m_param.Overwrite, TOverwrite::Allow);
}

// Something happens while the pages are copied: someone else's file appears
// under the output's name (it stays and fails the job, unless replacing was
// agreed), or an input is rewritten, replaced or removed (the job fails naming
// it, and nothing is committed).
enum class TIntrusion
{
    OutputAppears,
    InputRewritten,
    InputReplaced,
    InputRemoved
};

struct TIntruderCase
{
    const char* Name;
    TIntrusion What;
    TOverwrite Overwrite;
    int Copies;         // merge: how often the input is listed; 0: split it every page
    const char* Reason; // "@" stands for the file touched; "" when the job goes through
};

void PrintTo(const TIntruderCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TIntruder : public IGsNotifySink
{
public:
    TIntruder(TIntrusion what, std::string input, std::string output)
        : m_what(what), m_input(std::move(input)), m_output(std::move(output))
    {
    }

    void PostNotify(std::intptr_t, std::intptr_t lParam) noexcept override
    {
        if (lParam != GSN_PAGE || m_done.exchange(true))
            return;
        std::error_code ec;
        const std::string other = m_input + ".other";
        switch (m_what) {
        case TIntrusion::OutputAppears:
            std::ofstream(m_output) << "theirs";
            break;
        case TIntrusion::InputRewritten: // in place: the same file, new bytes
            std::ofstream(m_input, std::ios::binary | std::ios::trunc) << std::ifstream(other).rdbuf();
            break;
        case TIntrusion::InputReplaced:
            std::filesystem::rename(other, m_input, ec);
            break;
        case TIntrusion::InputRemoved:
            std::filesystem::remove(m_input, ec);
            break;
        }
        m_refused = static_cast<bool>(ec);
    }

    // Windows lets no other program replace or remove a file while the job
    // holds it open: then nothing happened to it.
    bool Refused() const { return m_refused; }

private:
    TIntrusion m_what;
    std::string m_input, m_output;
    std::atomic<bool> m_done{false};
    std::atomic<bool> m_refused{false};
};

class JobIntruder : public JobInputs, public testing::WithParamInterface<TIntruderCase>
{
};

TEST_P(JobIntruder, IsNamedAndNothingOfTheirsIsLost)
{
    const TIntruderCase& c = GetParam();
    TempDir dir;
    const std::string input = dir.str() + "in.pdf", folder = dir.str() + "out/", output = folder + "m.pdf";
    std::filesystem::create_directory(folder);
    ASSERT_TRUE(MakeTestPdf(input, 2));
    ASSERT_TRUE(MakeTestPdf(input + ".other", 2, "Other page "));
    TIntruder intruder(c.What, input, output);
    if (c.Copies > 0)
        PrepareMergeJob(m_param, m_inputs,
                        std::vector<TMergeListRow>(static_cast<std::size_t>(c.Copies), {input, 2}), output,
                        &intruder, TEngineKind::Exact, c.Overwrite);
    else
        PrepareSplitEveryJob(m_param, m_inputs, input, folder, 2, 1, &intruder, TEngineKind::Exact,
                             c.Overwrite);
    std::string reason = c.Reason;
    if (const auto at = reason.find('@'); at != std::string::npos)
        reason.replace(at, 1, c.What == TIntrusion::OutputAppears ? output : input);
    const int result = Call_GS_Thread(&m_param);
    if (intruder.Refused()) {
        EXPECT_EQ(result, GS_RESULT_OK);
        EXPECT_EQ(m_param.Reason, "");
        return;
    }
    EXPECT_EQ(result, reason.empty() ? GS_RESULT_OK : GS_RESULT_GS_FAILED);
    EXPECT_EQ(m_param.Reason, reason);
    if (c.What == TIntrusion::OutputAppears)
        EXPECT_EQ(std::filesystem::file_size(output) == 6, !reason.empty()); // "theirs"
    else
        EXPECT_TRUE(std::filesystem::is_empty(folder));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JobIntruder,
    testing::Values(TIntruderCase{"OutputAppears", TIntrusion::OutputAppears, TOverwrite::Refuse, 2,
                                  "\"@\" aleady exists"},
                    TIntruderCase{"OutputAppearsReplaceAgreed", TIntrusion::OutputAppears, TOverwrite::Allow,
                                  2, ""},
                    TIntruderCase{"InputRewritten", TIntrusion::InputRewritten, TOverwrite::Allow, 2,
                                  "@: changed while the job read it"},
                    // Past 100 inputs the engine reopens each by name as it writes.
                    TIntruderCase{"InputRewrittenAmongMany", TIntrusion::InputRewritten, TOverwrite::Allow,
                                  101, "@: changed while the job read it"},
                    TIntruderCase{"InputReplaced", TIntrusion::InputReplaced, TOverwrite::Allow, 2,
                                  "@: replaced by another file while the job read it"},
                    TIntruderCase{"InputRemoved", TIntrusion::InputRemoved, TOverwrite::Allow, 2,
                                  "@: removed while the job read it"},
                    TIntruderCase{"SplitSourceRewritten", TIntrusion::InputRewritten, TOverwrite::Allow, 0,
                                  "@: changed while the job read it"}),
    [](const auto& testInfo) { return std::string(testInfo.param.Name); });

TEST_F(JobInputs, AnUnknownEngineFailsTheJobWithAReason)
{
    const auto unknown = static_cast<TEngineKind>(7);
    EXPECT_THROW(MakeEngine(unknown), std::invalid_argument);
    PrepareMergeJob(m_param, m_inputs, {{"/in/a.pdf", 3, 1024}}, "/out/m.pdf", &m_sink, unknown);
    EXPECT_EQ(Call_GS_Thread(&m_param), GS_RESULT_ERROR);
    EXPECT_NE(m_param.Reason, "");
    EXPECT_EQ(m_sink.Notices,
              (std::vector<std::pair<std::intptr_t, std::intptr_t>>{{GS_RESULT_ERROR, GSN_DONE}}));
}

// A job whose notices never arrive (none could be posted) is still seen to
// end, with its result: a window waiting for the final notice would wait forever.
TEST_F(JobInputs, AJobWithoutItsFinalNoticeIsStillSeenToEnd)
{
    PrepareMergeJob(m_param, m_inputs, {{"/in/a.pdf", 3, 1024}}, "/out/m.pdf", nullptr, TEngineKind::Exact);
    TJobThread job;
    job.Start(m_param);
    job.Join();
    EXPECT_EQ(job.Ended(), std::optional<int>(GS_RESULT_GS_FAILED));
}

struct CancelCase
{
    const char* Name;
    std::uint8_t Kind;
    std::intptr_t CancelAt; // the notice on which Cancel is pressed (0: before the job starts)
    int CancelCount;
    int Result;
    const char* Message;
    std::vector<std::string> Files; // what the output folder holds afterwards
};

void PrintTo(const CancelCase& c, std::ostream* os)
{
    *os << c.Name;
}

class CancelledJob : public JobInputs, public testing::WithParamInterface<CancelCase>
{
};

// A cancelled job stops at the next page or piece, leaves no temporary and
// keeps the pieces it finished; one that reads unusable rows names them.
TEST_P(CancelledJob, KeepsWhatWasFinished)
{
    const CancelCase& c = GetParam();
    const TempDir dir;
    ASSERT_TRUE(MakeTestPdf(dir.str() + "three.pdf", 3));
    const std::string notPdf = dir.write("notes.pdf", "not a PDF");
    const TempDir out;
    m_sink.CancelAt = c.CancelAt;
    m_sink.CancelCount = c.CancelCount;
    m_sink.Cancel = c.CancelAt == 0;
    // The file listed twice (a duplicated row), opened with its password both times.
    const std::string locked = dir.str() + "locked.pdf";
    ASSERT_TRUE(MakeEncryptedPdf(dir.str() + "three.pdf", locked));
    if (c.Kind == JOB_MERGE)
        PrepareMergeJob(m_param, m_inputs,
                        {{dir.str() + "three.pdf", 3, 1},
                         {notPdf, 0, 1, TRowStatus::NotPdf},
                         {.Path = locked, .Pages = 3, .Size = 1, .Password = "user"},
                         {.Path = locked, .Pages = 3, .Size = 1, .Password = "user"}},
                        out.str() + "m.pdf", &m_sink);
    else
        PrepareSplitEveryJob(m_param, m_inputs, dir.str() + "three.pdf", out.str(), 3, 1, &m_sink);
    m_param.Cancel = &m_sink.Cancel;
    EXPECT_EQ(Call_GS_Thread(&m_param), c.Result);
    std::string message = JobEndMessage(c.Kind, c.Result, m_param);
    for (std::string::size_type at; (at = message.find(dir.str())) != std::string::npos;)
        message.replace(at, dir.str().size(), "%D/");
    EXPECT_EQ(message, c.Message);
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(out.path()))
        files.push_back(Utf8(entry.path().filename()));
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, c.Files);
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, CancelledJob,
    testing::Values(
        CancelCase{"MergeBeforeItStarts", JOB_MERGE, 0, 0, GS_RESULT_CANCELLED, "Merging PDF cancelled.", {}},
        CancelCase{"MergeAtAPage", JOB_MERGE, GSN_PAGE, 2, GS_RESULT_CANCELLED, "Merging PDF cancelled.", {}},
        CancelCase{"SplitAtTheSecondPiece",
                   JOB_SPLIT,
                   GSN_PIECE,
                   2,
                   GS_RESULT_CANCELLED,
                   "Splitting PDF cancelled. 1 file was written.",
                   {"three1-1.pdf"}},
        CancelCase{"MergeNotCancelledNamesWhatItLeftOut",
                   JOB_MERGE,
                   GSN_DONE,
                   1,
                   GS_RESULT_OK,
                   "Merging PDF completed.\n%D/notes.pdf: left out, it cannot be read as a PDF document\n"
                   "%D/locked.pdf: opened with its password; the result is written without encryption.",
                   {"m.pdf"}}),
    [](const testing::TestParamInfo<CancelCase>& testInfo) { return std::string(testInfo.param.Name); });

// The names the command line takes and the settings store: each engine's name
// reads back as that engine, and nothing else is taken for one.
// Chapters to pieces: page order, one piece per start page, the leading pages
// their own piece, numbers as wide as the count needs.
struct TChapterPiecesCase
{
    const char* Name;
    std::vector<TSourceChapter> Chapters;
    std::vector<std::string> Pieces; // "<first>-<last> <page part>"
};
void PrintTo(const TChapterPiecesCase& c, std::ostream* os)
{
    *os << c.Name;
}
class ChapterPiecesTest : public testing::TestWithParam<TChapterPiecesCase>
{
};
TEST_P(ChapterPiecesTest, CutAtEachChapter)
{
    std::vector<std::string> pieces;
    for (const TSplitPiece& piece : ChapterPieces(GetParam().Chapters, 6, "report"))
        pieces.push_back(std::to_string(piece.First) + "-" + std::to_string(piece.Last) + " " +
                         piece.PagePart);
    EXPECT_EQ(pieces, GetParam().Pieces);
}
INSTANTIATE_TEST_SUITE_P(
    Chapters, ChapterPiecesTest,
    testing::Values(TChapterPiecesCase{"SameStartKeepsTheFirst",
                                       {{"A", 1}, {"B", 3}, {"B too", 3}, {"D", 5}},
                                       {"1-2 01 A", "3-4 02 B", "5-6 03 D"}},
                    TChapterPiecesCase{
                        "LeadingPagesNamedAfterTheSource", {{"Intro", 3}}, {"1-2 01 report", "3-6 02 Intro"}},
                    TChapterPiecesCase{"ByPageNotByListAndMadeSafe",
                                       {{"Z: end?", 5}, {"A", 1}, {"nowhere", 0}, {"", 2}},
                                       {"1-1 01 A", "2-4 02", "5-6 03 Z_ end_"}},
                    TChapterPiecesCase{"NoneLeadsToAPage", {{"gone", 0}, {"beyond", 7}}, {}}),
    [](const auto& testInfo) { return std::string(testInfo.param.Name); });

// How many pages fit a size: the most whose trial is within the limit (found
// against every count), the first page alone when it is larger, in few trials.
struct TFitCase
{
    const char* Name;
    std::vector<std::uint64_t> PageBytes; // a piece is 1000 bytes plus its pages'
    std::uint64_t MaxBytes;
    std::int32_t Guess;
    int MaxTrials;
};
void PrintTo(const TFitCase& c, std::ostream* os)
{
    *os << c.Name;
}
class PagesThatFitTest : public testing::TestWithParam<TFitCase>
{
};
TEST_P(PagesThatFitTest, TakesTheMostThatFit)
{
    const TFitCase& c = GetParam();
    const auto bytes = [&](std::int32_t first, std::int32_t last) {
        std::uint64_t total = 1000;
        for (std::int32_t page = first; page <= last; ++page)
            total += c.PageBytes[static_cast<std::size_t>(page - 1)];
        return total;
    };
    std::int32_t most = 0;
    const auto left = static_cast<std::int32_t>(c.PageBytes.size());
    while (most < left && bytes(1, most + 1) <= c.MaxBytes)
        ++most;
    int trials = 0;
    const TPagesThatFit fit =
        PagesThatFit(1, left, c.MaxBytes, c.Guess, [&](std::int32_t first, std::int32_t last) {
            ++trials;
            return bytes(first, last);
        });
    EXPECT_EQ(fit.Pages, std::max(most, 1));
    EXPECT_EQ(fit.Oversized, most == 0);
    EXPECT_EQ(fit.Bytes, bytes(1, fit.Pages));
    EXPECT_LE(trials, c.MaxTrials);
}
INSTANTIATE_TEST_SUITE_P(
    Sizes, PagesThatFitTest,
    testing::Values(TFitCase{"EvenPagesFromASmallGuess", std::vector<std::uint64_t>(500, 100), 20000, 3, 4},
                    TFitCase{"EvenPagesFromALargeGuess", std::vector<std::uint64_t>(500, 100), 20000, 400, 4},
                    TFitCase{"AllFit", std::vector<std::uint64_t>(7, 100), 1 << 20, 7, 1},
                    TFitCase{"FirstPageLarger", {5000, 10, 10}, 2000, 2, 2},
                    TFitCase{"ExactlyTheLimit", std::vector<std::uint64_t>(30, 100), 2000, 1, 4},
                    // A few heavy pages among light ones still halve the range.
                    TFitCase{"UnevenPages",
                             {10, 10, 10, 9000, 10, 10, 10,   10, 7000, 10, 10, 10, 10, 10,
                              10, 10, 10, 10,   10, 10, 5000, 10, 10,   10, 10, 10, 10, 10,
                              10, 10, 10, 10,   10, 10, 10,   10, 10,   10, 10, 10},
                             18000,
                             2,
                             12}),
    [](const auto& testInfo) { return std::string(testInfo.param.Name); });

TEST(EngineNames, ReadBackAndRefuseOthers)
{
    for (const TEngineKind kind : {TEngineKind::Exact, TEngineKind::Ghostscript})
        EXPECT_EQ(ParseEngineName(EngineName(kind)), kind) << EngineName(kind);
    EXPECT_EQ(std::string(EngineName(TEngineKind::Exact)), "exact");
    EXPECT_EQ(std::string(EngineName(TEngineKind::Ghostscript)), "ghostscript");
    for (const char* other : {"", "Exact", "gs", "ghostscript ", "qpdf"})
        EXPECT_EQ(ParseEngineName(other), std::nullopt) << '"' << other << '"';
}

} // namespace
