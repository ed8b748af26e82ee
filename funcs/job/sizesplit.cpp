#include "job/sizesplit.h"

#include "job/jobchecks.h"
#include "job/splitnames.h"
#include "output/safeoutput.h"
#include "platform/platform.h"
#include "text/filenames.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace {

// A trial: a count of pages and the bytes they took.
struct TTrial
{
    std::int32_t Pages = 0;
    std::uint64_t Bytes = 0;
};

// The next count to try between fits and over (exclusive): where the line
// through the last two trials reaches the limit (a piece costs its shared
// objects once, then about the same per page), or, after one trial, the limit
// at that trial's bytes per page.
std::int32_t AimedCount(TTrial before, TTrial last, std::int32_t fits, std::int32_t over,
                        std::uint64_t maxBytes)
{
    const double limit = static_cast<double>(maxBytes);
    const double lastBytes = static_cast<double>(std::max<std::uint64_t>(last.Bytes, 1));
    double aim = last.Pages * limit / lastBytes;
    if (before.Pages > 0 && before.Pages != last.Pages && before.Bytes != last.Bytes) {
        const double perPage = (lastBytes - static_cast<double>(before.Bytes)) / (last.Pages - before.Pages);
        if (perPage > 0)
            aim = last.Pages + (limit - lastBytes) / perPage;
    }
    aim = std::floor(std::clamp(aim, static_cast<double>(fits + 1), static_cast<double>(over - 1)));
    return static_cast<std::int32_t>(aim);
}

constexpr int MaxOversizedNotes = 5;

void Post(const TCall_GS_Thread_Param& param, std::intptr_t wParam, std::intptr_t lParam)
{
    if (param.Notify)
        param.Notify->PostNotify(wParam, lParam);
}

std::string MegabytesText(std::uint64_t bytes)
{
    return FileSizeText(bytes).substr(FileSizeText(bytes).find_first_not_of(' '));
}

// The pages of the first count guessed: the limit over the bytes a page took
// so far (the source's own, for the first piece).
std::int32_t GuessedCount(std::uint64_t maxBytes, std::uint64_t bytes, std::int32_t pages)
{
    const double perPage = static_cast<double>(std::max<std::uint64_t>(bytes, 1)) / std::max(pages, 1);
    return static_cast<std::int32_t>(std::clamp(static_cast<double>(maxBytes) / perPage, 1.0, 2147483647.0));
}

} // namespace

TPagesThatFit PagesThatFit(std::int32_t first, std::int32_t left, std::uint64_t maxBytes, std::int32_t guess,
                           const TTrialWrite& trial)
{
    TTrial fits;
    TTrial over{left + 1, 0};
    TTrial before;
    TTrial last{std::clamp(guess, 1, left), 0};
    bool bisect = false;
    while (over.Pages - fits.Pages > 1) {
        const std::int32_t range = over.Pages - fits.Pages;
        last.Bytes = trial(first, first + last.Pages - 1);
        (last.Bytes <= maxBytes ? fits : over) = last;
        if (over.Pages - fits.Pages <= 1)
            break;
        const std::int32_t next = bisect ? fits.Pages + (over.Pages - fits.Pages) / 2
                                         : AimedCount(before, last, fits.Pages, over.Pages, maxBytes);
        // Once a count is known not to fit, an aim that did not halve the range
        // is followed by a halving.
        bisect = !bisect && before.Pages > 0 && over.Pages <= left && over.Pages - fits.Pages > range / 2;
        before = last;
        last = {next, 0};
    }
    if (fits.Pages == 0)
        return {1, true, over.Bytes};
    return {fits.Pages, false, fits.Bytes};
}

std::string OversizedPageNote(const std::string& piece, std::int32_t page, std::uint64_t bytes,
                              std::uint64_t maxBytes)
{
    return piece + ": page " + std::to_string(page) + " alone takes " + MegabytesText(bytes) +
           ", more than " + MegabytesText(maxBytes) + "; it was written as a piece of its own.";
}

namespace {

// The temporary the trials are written to, beside the pieces and never moved
// into place itself: a trial that turns out to be the piece is moved onto the
// piece's own temporary instead of being written again.
class TTrialPiece
{
public:
    TTrialPiece(TSafeWriter& writer, std::string finalPath)
        : m_writer(writer), m_finalPath(std::move(finalPath))
    {
        Renew();
    }

    // Writes pages first..last and gives the file's size.
    std::uint64_t Write(std::int32_t first, std::int32_t last)
    {
        IPdfEngine& engine = m_writer.Engine();
        const TEngineControl control = engine.Control();
        control.StopIfCancelled();
        // A trial's writing is no progress: only the piece written in the end is.
        engine.SetControl({control.Cancel, {}});
        const TEngineResult result = engine.WritePiece(first, last, m_engineName, {});
        engine.SetControl(control);
        if (!result.Ok)
            Fail(result.Reason);
        m_pages = {first, last};
        return plat::fileSize(m_out->TempPath()).value_or(0);
    }

    // Moves the last trial onto `piece` (a temporary beside it) when it holds
    // pages first..last and both names are the files themselves; false otherwise.
    bool MoveOnto(std::int32_t first, std::int32_t last, const std::string& piece)
    {
        const bool plain =
            m_engineName == m_out->TempPath() && ExtractFilePath(piece) == ExtractFilePath(m_out->TempPath());
        if (m_pages != std::pair(first, last) || !plain || plat::replaceFile(m_out->TempPath(), piece) != 0)
            return false;
        Renew();
        return true;
    }

private:
    // A new temporary, made exclusively, for the trials of the next piece.
    void Renew()
    {
        m_out.reset();
        m_out.emplace(m_finalPath);
        if (!m_out->Ok())
            Fail(m_out->Reason());
        m_engineName = m_writer.EngineName(m_out->TempPath());
        m_pages = {};
    }

    TSafeWriter& m_writer;
    std::string m_finalPath;
    std::optional<TSafeOutput> m_out;
    std::string m_engineName;
    std::pair<std::int32_t, std::int32_t> m_pages;
};

// Writes one piece of pages first..last through the writer's check: the trial
// that holds it moved into place, else written again. A piece of several pages
// must be within the limit.
void WriteSizedPiece(TSafeWriter& writer, TTrialPiece& trial, const std::string& outPath, std::int32_t first,
                     const TPagesThatFit& fit, std::uint64_t maxBytes, const TPageReport& onPage)
{
    const std::int32_t last = first + fit.Pages - 1;
    writer.Output(outPath, fit.Pages, [&](const std::string& out) {
        TEngineResult result = TEngineResult::Success();
        if (trial.MoveOnto(first, last, out)) {
            for (std::int32_t page = first; page <= last && onPage; ++page)
                onPage(page);
        } else {
            result = writer.Engine().WritePiece(first, last, out, onPage);
        }
        const std::uint64_t bytes = plat::fileSize(out).value_or(0);
        if (result.Ok && !fit.Oversized && bytes > maxBytes)
            result = TEngineResult::Failure(outPath + ": takes " + MegabytesText(bytes) +
                                            ", more than the limit of " + MegabytesText(maxBytes) + ".");
        return result;
    });
}

} // namespace

void WriteSizedPieces(TCall_GS_Thread_Param& param, const TJobPlan& plan, std::int32_t sourcePages,
                      TSafeWriter& writer, const TPageReport& onPage, int& written)
{
    const std::string& source = plan.Inputs.front().Path;
    const std::uint64_t maxBytes = plan.MaxPieceBytes;
    TTrialPiece trialPiece(writer, SplitPieceFileName(plan.OutputPath, plan.BaseName, ""));
    const TTrialWrite trial = [&](std::int32_t first, std::int32_t last) {
        return trialPiece.Write(first, last);
    };
    std::int32_t guess = GuessedCount(maxBytes, plat::fileSize(source).value_or(0), sourcePages);
    int oversized = 0;
    for (std::int32_t first = 1; first <= sourcePages;) {
        writer.Engine().Control().StopIfCancelled();
        const TPagesThatFit fit = PagesThatFit(first, sourcePages - first + 1, maxBytes, guess, trial);
        const std::int32_t last = first + fit.Pages - 1;
        const std::string outPath = SplitPieceFileName(plan.OutputPath, plan.BaseName,
                                                       std::to_string(first) + "-" + std::to_string(last));
        if (ResolvesToSameFile(outPath, source))
            Fail(PieceIsSourceText(outPath).Str(), GS_RESULT_ERROR);
        Post(param, first, GSN_PIECE);
        WriteSizedPiece(writer, trialPiece, outPath, first, fit, maxBytes, onPage);
        ++written;
        // A few such pages are named; a limit below most pages would name them all.
        if (fit.Oversized && ++oversized <= MaxOversizedNotes)
            param.Notes = JoinLines(param.Notes, OversizedPageNote(outPath, first, fit.Bytes, maxBytes));
        if (writer.Engine().WriteShare() > 0)
            Post(param, 100, GSN_WRITE);
        guess = fit.Oversized ? 1 : GuessedCount(maxBytes, fit.Bytes, fit.Pages);
        first = last + 1;
    }
    if (oversized > MaxOversizedNotes)
        param.Notes = JoinLines(param.Notes, std::to_string(oversized - MaxOversizedNotes) +
                                                 " more pages were each written alone for the same reason.");
}
