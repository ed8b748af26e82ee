#include "job/parallelsplit.h"

#include "job/splitnames.h"
#include "output/safeoutput.h"
#include "platform/platform.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

unsigned SplitWorkers(const TJobPlan& plan, std::int32_t sourcePages, std::uint64_t sourceBytes)
{
    const bool manyPieces = plan.PagesPerFile >= 1 && sourcePages > plan.PagesPerFile;
    const bool fits = sourceBytes > 0 && sourceBytes <= ParallelSplitSourceBudget;
    // A second reader on the same core only parses the source twice.
    const bool cores = plat::usableCores() > 1;
    return plan.Engine == TEngineKind::Exact && !plan.ByRanges && manyPieces && fits && cores ? 2 : 1;
}

std::string SecondReaderNote(const std::string& source, const std::string& problem)
{
    return source + ": a second reader could not open it (" + problem + "); one thread wrote every piece.";
}

void CheckPieceInSource(const TSplitPieces::TPiece& piece, std::int32_t sourcePages,
                        const std::string& source)
{
    if (piece.First < 1 || piece.Last < piece.First || piece.Last > sourcePages)
        Fail("Pages " + piece.PagePart + " are not in " + source + ".");
}

namespace {

class TParallelSplit
{
public:
    TParallelSplit(TCall_GS_Thread_Param& param, const TJobPlan& plan, std::int32_t sourcePages,
                   TSafeWriter& writer, const TPageReport& onPage, int& written)
        : m_param(param), m_plan(plan), m_sourcePages(sourcePages), m_writer(writer), m_onPage(onPage),
          m_written(written)
    {
        TSplitPieces pieces(plan);
        while (std::optional<TSplitPieces::TPiece> piece = pieces.Next())
            m_pieces.push_back(std::move(*piece));
    }

    void Run(IPdfEngine& first, const std::string& engineSource)
    {
        // Pieces are announced once written: each engine's own writing reports
        // would land in another piece's share of the bar.
        first.SetControl({first.Control().Cancel, {}});
        std::jthread helper;
        try {
            helper =
                std::jthread([this, &engineSource, &first] { Help(engineSource, first.Control().Cancel); });
        } catch (const std::system_error&) {
            // No second thread: this one writes every piece.
        }
        Work(first);
        if (helper.joinable())
            helper.join();
        // Joined: the helper's note is this thread's to read now.
        if (!m_helperProblem.empty())
            m_param.Notes =
                JoinLines(m_param.Notes, SecondReaderNote(m_plan.Inputs.front().Path, m_helperProblem));
        if (m_cancelled)
            throw TEngineCancelled{}; // the pieces committed before it stay
        if (m_failure)
            throw *m_failure;
    }

private:
    // The second thread's engine; any failure to start leaves the work to the
    // first, and why goes to the job's notes: the split was slower than it
    // should have been, and the same cause may fail the next one.
    void Help(const std::string& engineSource, const std::atomic<bool>* cancel)
    {
        try {
            const std::unique_ptr<IPdfEngine> engine = MakeEngine(m_plan.Engine);
            engine->SetControl({cancel, {}}); // Cancel stops it too; the first thread reports writing
            engine->SetConsecutivePieces(true);
            const TEngineResult opened = engine->OpenSource(engineSource, m_plan.Inputs.front().Password);
            if (opened.Ok)
                Work(*engine);
            else
                m_helperProblem = opened.Reason.empty() ? "no reason given" : opened.Reason;
            engine->CloseSource();
        } catch (const std::exception& error) {
            // A piece it had taken was finished or failed in order.
            m_helperProblem = error.what();
        }
    }

    void Work(IPdfEngine& engine)
    {
        std::size_t warningsSeen = 0;
        for (;;) {
            std::size_t index = 0;
            {
                const std::lock_guard lock(m_lock);
                if (!m_stop && engine.Control().Cancelled())
                    StopForCancel();
                if (m_stop || m_nextToTake >= m_pieces.size())
                    return;
                index = m_nextToTake++;
            }
            std::vector<std::int32_t> pages;
            std::unique_ptr<TSafeOutput> out;
            std::optional<TJobFailure> failure = Attempt([&] { out = Write(engine, index, pages); });
            if (!CommitInTurn(engine, index, out, pages, failure, warningsSeen))
                return;
        }
    }

    // Under m_lock: no piece is taken or committed after Cancel.
    void StopForCancel()
    {
        m_cancelled = true;
        m_stop = true;
        m_turn.notify_all();
    }

    template <typename Body> std::optional<TJobFailure> Attempt(Body body)
    {
        try {
            body();
        } catch (const TEngineCancelled&) {
            return TJobFailure("", GS_RESULT_CANCELLED);
        } catch (const TJobFailure& failure) {
            return failure;
        } catch (const std::exception& error) {
            return TJobFailure(error.what(), GS_RESULT_ERROR);
        }
        return std::nullopt;
    }

    // Written and checked under its temporary name; the pages reported on the way.
    std::unique_ptr<TSafeOutput> Write(IPdfEngine& engine, std::size_t index,
                                       std::vector<std::int32_t>& pages)
    {
        const TSplitPieces::TPiece& piece = m_pieces[index];
        const std::string& source = m_plan.Inputs.front().Path;
        CheckPieceInSource(piece, m_sourcePages, source);
        const std::string outPath = SplitPieceFileName(m_plan.OutputPath, m_plan.BaseName, piece.PagePart);
        TSafeWriter::RefuseOutputName(outPath);
        auto out = std::make_unique<TSafeOutput>(outPath);
        m_writer.WriteChecked(*out, engine, piece.Last - piece.First + 1, [&](const std::string& temp) {
            return engine.WritePiece(piece.First, piece.Last, temp,
                                     [&pages](std::int32_t page) { pages.push_back(page); });
        });
        return out;
    }

    // Waits until every earlier piece is in place, then announces this one and
    // moves it into place, or records its failure. False: stop working.
    bool CommitInTurn(IPdfEngine& engine, std::size_t index, std::unique_ptr<TSafeOutput>& out,
                      const std::vector<std::int32_t>& pages, std::optional<TJobFailure>& failure,
                      std::size_t& warningsSeen)
    {
        std::unique_lock lock(m_lock);
        m_turn.wait(lock, [&] { return m_stop || m_nextToCommit == index; });
        if (m_stop)
            return false; // an earlier piece failed; this one's temporary goes
        if (!failure) {
            if (std::optional<TJobFailure> late =
                    Attempt([&] { Announce(index, pages, *out, engine, warningsSeen); }))
                failure.emplace(*late);
        }
        if (failure && failure->Result == GS_RESULT_CANCELLED) {
            StopForCancel();
        } else if (failure) {
            m_failure.emplace(*failure);
            m_stop = true;
        } else {
            ++m_nextToCommit;
        }
        m_turn.notify_all();
        return !m_stop;
    }

    void Announce(std::size_t index, const std::vector<std::int32_t>& pages, TSafeOutput& out,
                  IPdfEngine& engine, std::size_t& warningsSeen)
    {
        if (m_param.Notify)
            m_param.Notify->PostNotify(m_pieces[index].First, GSN_PIECE);
        for (const std::int32_t page : pages) {
            if (m_onPage)
                m_onPage(page);
        }
        if (m_param.Notify)
            m_param.Notify->PostNotify(100, GSN_WRITE); // written and checked
        // As one thread would: Cancel pressed on a piece's notice drops that piece.
        engine.Control().StopIfCancelled();
        m_writer.Commit(out, engine, warningsSeen);
        ++m_written;
    }

    TCall_GS_Thread_Param& m_param;
    const TJobPlan& m_plan;
    std::int32_t m_sourcePages;
    TSafeWriter& m_writer;
    const TPageReport& m_onPage;
    int& m_written;
    std::vector<TSplitPieces::TPiece> m_pieces;

    std::mutex m_lock;
    std::condition_variable m_turn;
    std::size_t m_nextToTake = 0;
    std::size_t m_nextToCommit = 0;
    bool m_stop = false;
    bool m_cancelled = false;
    std::optional<TJobFailure> m_failure;
    std::string m_helperProblem; // written by the helper only, read after joining it
};

} // namespace

void WritePiecesInParallel(TCall_GS_Thread_Param& param, const TJobPlan& plan, std::int32_t sourcePages,
                           const std::string& engineSource, TSafeWriter& writer, const TPageReport& onPage,
                           int& written)
{
    TParallelSplit(param, plan, sourcePages, writer, onPage, written).Run(writer.Engine(), engineSource);
}
