#include "job/job.h"

#include "job/jobchecks.h"
#include "job/jobplan.h"
#include "job/jobwriter.h"
#include "job/messages.h"
#include "job/pageselection.h"
#include "job/parallelsplit.h"
#include "job/progressmeter.h"
#include "job/sizesplit.h"
#include "job/splitnames.h"
#include "output/safeoutput.h"
#include "platform/platform.h"
#include "text/filenames.h"

#include <limits>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <vector>

std::atomic<std::uint8_t> GS_Job_Kind{0};

namespace {

void Post(const TCall_GS_Thread_Param& param, std::intptr_t wParam, std::intptr_t lParam)
{
    if (param.Notify)
        param.Notify->PostNotify(wParam, lParam);
}

// What the engine is given for one row, its choices read against the pages it
// holds now; adds the pages it puts into the output to total.
TMergeInput MergeInputOf(const TMergeListRow& row, const TJobPlan& plan, TSafeWriter& writer,
                         std::string& notes, std::int64_t& total)
{
    const std::int32_t pages = ConfirmedPages(row, notes, writer.Inputs());
    TPageSelection selection = ParsePageSelection(row.Selection, pages);
    if (!selection.Problem.empty())
        Fail(SelectionRefusalText(row.Path, row.Selection, selection.Problem).Str(), GS_RESULT_ERROR);
    const std::int64_t chosen =
        selection.Pages.empty() ? pages : static_cast<std::int64_t>(selection.Pages.size());
    total += chosen + (plan.BlankAfterOdd && chosen % 2 == 1 ? 1 : 0);
    return {writer.EngineName(row.Path),
            RemoveFileExt(ExtractFileName(row.Path)),
            row.Password,
            std::move(selection.Pages),
            row.Rotate,
            plan.BlankAfterOdd,
            plan.Bookmarks};
}

// The completion's note for each input opened with its password, once for a
// file listed twice (a duplicated row).
void NoteUnencrypted(const std::vector<TMergeListRow>& rows, std::string& notes)
{
    std::set<std::string> noted;
    for (const TMergeListRow& row : rows) {
        if (!row.Password.empty() && noted.insert(row.Path).second)
            notes = JoinLines(notes, TCoreText(TxtWrittenUnencrypted, {row.Path}).Str());
    }
}

// An output written after its pages has been checked too: its share is done.
void OutputChecked(const TCall_GS_Thread_Param& param, const IPdfEngine& engine)
{
    if (engine.WriteShare() > 0)
        Post(param, 100, GSN_WRITE);
}

int RunMerge(TCall_GS_Thread_Param& param, const TJobPlan& plan, TSafeWriter& writer,
             const TPageReport& onPage)
{
    // The total shown and the total checked are the same counts: the pages
    // chosen of what the inputs hold now.
    std::vector<TMergeInput> inputs;
    std::int64_t total = 0;
    for (const TMergeListRow& row : plan.Inputs)
        inputs.push_back(MergeInputOf(row, plan, writer, param.Notes, total));
    Post(param, static_cast<std::intptr_t>(total), GSN_TOTAL);
    for (const std::string& path : plan.LeftOut)
        param.Notes = JoinLines(param.Notes, LeftOutNote(path));
    // Without inputs Ghostscript still succeeds and writes one blank page.
    if (inputs.empty())
        Fail("No file in the list has pages to merge.", GS_RESULT_ERROR);
    if (total > std::numeric_limits<std::int32_t>::max())
        Fail("The merged document would have more pages than a PDF can hold.");
    writer.Output(plan.OutputPath, static_cast<std::int32_t>(total),
                  [&](const std::string& out) { return writer.Engine().Merge(inputs, out, onPage); });
    NoteUnencrypted(plan.Inputs, param.Notes);
    OutputChecked(param, writer.Engine());
    return GS_RESULT_OK;
}

std::string PiecesWrittenText(int written)
{
    return written == 1 ? "1 file was written before the failure."
                        : std::to_string(written) + " files were written before the failure.";
}

std::string PiecesKeptText(int written)
{
    if (written == 0)
        return "No file was written.";
    return written == 1 ? "1 file was written." : std::to_string(written) + " files were written.";
}

// No piece may be the source itself, through any link: checked before anything
// is written.
void RefusePieceThatIsTheSource(const TJobPlan& plan, const std::string& source)
{
    TSplitPieces names(plan);
    while (const std::optional<TSplitPieces::TPiece> piece = names.Next()) {
        const std::string outPath = SplitPieceFileName(plan.OutputPath, plan.BaseName, piece->PagePart);
        if (ResolvesToSameFile(outPath, source))
            Fail(PieceIsSourceText(outPath).Str(), GS_RESULT_ERROR);
    }
}

// Writes the pieces one by one, or on two threads when SplitWorkers allows; a
// failure says how many were written before it.
void WritePieces(TCall_GS_Thread_Param& param, const TJobPlan& plan, std::int32_t sourcePages,
                 TSafeWriter& writer, const TPageReport& onPage, const std::string& engineSource)
{
    const std::string& source = plan.Inputs.front().Path;
    TSplitPieces pieces(plan);
    int written = 0;
    try {
        if (plan.MaxPieceBytes > 0) {
            WriteSizedPieces(param, plan, sourcePages, writer, onPage, written);
            return;
        }
        if (SplitWorkers(plan, sourcePages, plat::fileSize(source).value_or(0)) > 1) {
            WritePiecesInParallel(param, plan, sourcePages, engineSource, writer, onPage, written);
            return;
        }
        while (const std::optional<TSplitPieces::TPiece> piece = pieces.Next()) {
            writer.Engine().Control().StopIfCancelled();
            Post(param, piece->First, GSN_PIECE);
            CheckPieceInSource(*piece, sourcePages, source);
            const std::string outPath = SplitPieceFileName(plan.OutputPath, plan.BaseName, piece->PagePart);
            writer.Output(outPath, piece->Last - piece->First + 1, [&](const std::string& out) {
                return writer.Engine().WritePiece(piece->First, piece->Last, out, onPage);
            });
            ++written;
            OutputChecked(param, writer.Engine());
            if (plan.ByRanges)
                param.RangeList = pieces.Remaining();
        }
    } catch (const TJobFailure& failure) {
        Fail(JoinLines(failure.what(), written > 0 ? PiecesWrittenText(written) : std::string()),
             failure.Result);
    } catch (const TEngineCancelled&) {
        throw TJobCancelled{PiecesKeptText(written)};
    }
}

// The plan of a split by bookmarks: its pieces read from the open source, named
// by their chapters alone.
TJobPlan ChapterPlan(const TJobPlan& plan, IPdfEngine& engine, std::int32_t pages)
{
    std::vector<TSourceChapter> chapters;
    const TEngineResult read = engine.SourceChapters(plan.BookmarkLevel, chapters);
    if (!read.Ok)
        Fail(read.Reason, GS_RESULT_ERROR);
    TJobPlan byChapters = plan;
    byChapters.Pieces = ChapterPieces(chapters, pages, plan.BaseName);
    if (byChapters.Pieces.empty())
        Fail(plan.Inputs.front().Path + ": no bookmark at level " + std::to_string(plan.BookmarkLevel) +
                 " leads to a page.",
             GS_RESULT_ERROR);
    byChapters.BaseName.clear();
    return byChapters;
}

TSplitKind SplitMethodOf(const TJobPlan& plan)
{
    if (plan.BookmarkLevel > 0)
        return TSplitKind::Bookmarks;
    if (plan.MaxPieceBytes > 0)
        return TSplitKind::Size;
    return plan.ByRanges ? TSplitKind::Ranges : TSplitKind::Every;
}

// The bar's share for reading the split's source and letting it go, weighed
// against its pieces by what each costs the engine.
int SourceShare(const TJobPlan& plan, std::int32_t sourcePages, const IPdfEngine& engine)
{
    // By size the pieces are not known before they are written.
    if (engine.SourceCostPerPage() <= 0 || plan.MaxPieceBytes > 0)
        return 0;
    std::int64_t pieces = 0;
    std::int64_t piecePages = 0;
    TSplitPieces names(plan);
    while (const std::optional<TSplitPieces::TPiece> piece = names.Next()) {
        ++pieces;
        piecePages += piece->Last - piece->First + 1;
    }
    const unsigned workers =
        SplitWorkers(plan, sourcePages, plat::fileSize(plan.Inputs.front().Path).value_or(0));
    return SplitSourceShare(engine.SourceCostPerPage(), engine.PieceCost(), sourcePages, piecePages, pieces,
                            workers);
}

int RunSplit(TCall_GS_Thread_Param& param, const TJobPlan& plan, TSafeWriter& writer,
             const TPageReport& onPage)
{
    const std::string& source = plan.Inputs.front().Path;
    const std::int32_t pages = ConfirmedPages(plan.Inputs.front(), param.Notes, writer.Inputs());
    // Pieces are cut by the count the file really backs; one taken earlier may
    // be stale or a guess, and would lose or invent pages.
    if (pages != plan.TotalPages)
        Fail(source + ": has " + std::to_string(pages) + " pages, not " + std::to_string(plan.TotalPages) +
             " as counted before.");
    if (const std::optional<TRefusal> refusal = CheckSplitMethodEngine(SplitMethodOf(plan), plan.Engine))
        Fail(refusal->Cause.Str(), GS_RESULT_ERROR);
    // By bookmarks once the pieces are known; by size as each is.
    if (plan.BookmarkLevel == 0 && plan.MaxPieceBytes == 0)
        RefusePieceThatIsTheSource(plan, source);
    if (!plan.ByRanges)
        Post(param, plan.TotalPages, GSN_TOTAL);
    IPdfEngine& engine = writer.Engine();
    const int sourceShare = SourceShare(plan, pages, engine);
    if (sourceShare > 0)
        Post(param, sourceShare, GSN_SOURCESHARE);
    // Every-N pieces follow each other page after page, which lets an engine keep
    // one run for all of them; range lists may repeat or reorder pages.
    // Trials of sizes go back to earlier pages.
    engine.SetConsecutivePieces(!plan.ByRanges && plan.MaxPieceBytes == 0);
    const std::string engineSource = writer.EngineName(source);
    const TEngineResult opened = engine.OpenSource(engineSource, plan.Inputs.front().Password);
    if (!opened.Ok)
        Fail(opened.Reason);
    // The pieces reach the disk together at the end, and the job is done only
    // then; those of a failed or cancelled job too, as far as they can.
    writer.FlushLater();
    try {
        if (plan.BookmarkLevel > 0) {
            const TJobPlan chapters = ChapterPlan(plan, engine, pages);
            RefusePieceThatIsTheSource(chapters, source);
            WritePieces(param, chapters, pages, writer, onPage, engineSource);
        } else {
            WritePieces(param, plan, pages, writer, onPage, engineSource);
        }
    } catch (...) {
        engine.CloseSource();
        writer.FlushCommitted();
        throw;
    }
    engine.CloseSource();
    if (const std::string problem = writer.FlushCommitted(); !problem.empty())
        Fail(problem);
    if (sourceShare > 0)
        Post(param, 0, GSN_CLOSED);
    NoteUnencrypted(plan.Inputs, param.Notes);
    return GS_RESULT_OK;
}

// Runs the job the record describes; the engine and whatever it loaded are
// gone when this returns, on every path.
int RunJob(TCall_GS_Thread_Param& param)
{
    const TJobPlan plan = ReadJobPlan(param);
    TJobFolder jobFolder;
    const std::unique_ptr<IPdfEngine> engine = MakeEngine(plan.Engine);
    TSafeWriter writer(*engine, jobFolder, param.Notes, plan.Overwrite);
    // Writing an output out and checking it have their shares of its work.
    TWriteReport onWrite;
    if (engine->WriteShare() > 0) {
        Post(param, engine->WriteShare(), GSN_WRITESHARE);
        onWrite = [&param](TWriteStage stage, int percent) {
            Post(param, WrittenPercent(stage, percent), GSN_WRITE);
        };
    }
    engine->SetControl({param.Cancel, onWrite});
    // Page reports count only while a job kind is set, whichever engine makes them.
    const TPageReport onPage = [&param](std::int32_t page) {
        const std::uint8_t kind = GS_Job_Kind.load();
        if (kind == JOB_MERGE || kind == JOB_SPLIT)
            Post(param, page, GSN_PAGE);
    };
    return plan.Kind == JOB_MERGE ? RunMerge(param, plan, writer, onPage)
                                  : RunSplit(param, plan, writer, onPage);
}

} // namespace

int Call_GS_Thread(TCall_GS_Thread_Param* param)
{
    if (!param)
        return GS_RESULT_ERROR;
    param->Reason.clear();
    param->Notes.clear();
    int result = GS_RESULT_ERROR;
    try {
        result = RunJob(*param);
    } catch (const TJobFailure& failure) {
        param->Reason = failure.what();
        result = failure.Result;
    } catch (const TJobCancelled& cancelled) {
        param->Reason = cancelled.Reason;
        result = GS_RESULT_CANCELLED;
    } catch (const TEngineCancelled&) {
        result = GS_RESULT_CANCELLED;
    } catch (const std::exception& error) {
        param->Reason = error.what();
        result = GS_RESULT_ERROR;
    } catch (...) {
        param->Reason = "An unknown error ended the job.";
        result = GS_RESULT_ERROR;
    }
    Post(*param, result, GSN_DONE);
    return result;
}

std::unique_ptr<IPdfEngine> MakeEngine(TEngineKind kind)
{
    switch (kind) {
    case TEngineKind::Ghostscript:
        return MakeGhostscriptEngine();
    case TEngineKind::Exact:
        return MakeExactEngine();
    }
    throw std::invalid_argument("Unknown engine");
}

std::thread StartGsJob(TCall_GS_Thread_Param& param)
{
    return std::thread(Call_GS_Thread, &param);
}

void TJobThread::Start(TCall_GS_Thread_Param& param)
{
    Join();
    m_ended.store(false);
    m_thread = std::thread([this, &param] {
        m_result.store(Call_GS_Thread(&param));
        m_ended.store(true, std::memory_order_release);
    });
}

std::optional<int> TJobThread::Ended() const noexcept
{
    if (!m_ended.load(std::memory_order_acquire))
        return std::nullopt;
    return m_result.load();
}

void TJobThread::Join()
{
    if (m_thread.joinable())
        m_thread.join();
}
