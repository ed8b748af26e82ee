#include "job/progressmeter.h"

#include "job/job.h"

#include <algorithm>
#include <cstdio>

namespace {

int PercentShown(const TProgressState& state)
{
    // A report while the maximum is 0 must not divide by zero.
    return state.Maximum > 0 ? static_cast<int>(ShownPosition(state) * 100 / state.Maximum) : 0;
}

} // namespace

std::int64_t ShownPosition(const TProgressState& state)
{
    // What is left of the current output's work is its writing not yet done.
    const std::int64_t current = state.Position - state.OutputBase;
    const std::int64_t left = state.WriteShare * (100 - state.Written);
    const std::int64_t pages =
        std::clamp<std::int64_t>(state.OutputBase + current * (10000 - left) / 10000, 0, state.Maximum);
    if (state.SourceShare == 0)
        return pages;
    // Reading the source and letting it go report nothing on their way: each
    // shows half of its part of the share until it is over.
    const std::int64_t half = state.Maximum * state.SourceShare / 200;
    switch (state.SourceStage) {
    case TProgressState::TSourceStage::Reading:
        return half / 2;
    case TProgressState::TSourceStage::Pieces: {
        const std::int64_t closing = pages == state.Maximum ? half / 2 : 0;
        return std::min(half + pages * (100 - state.SourceShare) / 100 + closing, state.Maximum);
    }
    case TProgressState::TSourceStage::Closed:
        break;
    }
    return state.Maximum;
}

int WrittenPercent(TWriteStage stage, int percent)
{
    // Of a merge of twenty 615-page manuals: writing out 7.6 s, the check 0.4 s
    // (it reads the page tree alone).
    constexpr int WritingShare = 94;
    percent = std::clamp(percent, 0, 100);
    return stage == TWriteStage::Writing ? percent * WritingShare / 100
                                         : WritingShare + percent * (100 - WritingShare) / 100;
}

int SplitSourceShare(double costPerPage, double pieceCost, std::int64_t sourcePages, std::int64_t piecePages,
                     std::int64_t pieces, unsigned workers)
{
    const double source = costPerPage * static_cast<double>(sourcePages);
    const double piecesCost =
        (static_cast<double>(piecePages) + pieceCost * static_cast<double>(pieces)) / std::max(workers, 1U);
    if (source <= 0 || source + piecesCost <= 0)
        return 0;
    return std::clamp(static_cast<int>(100 * source / (source + piecesCost)), 0, 100);
}

std::optional<int> ApplyProgressNotice(TProgressState& state, std::uint8_t jobKind, std::intptr_t wParam,
                                       std::intptr_t lParam)
{
    switch (lParam) {
    case GSN_TOTAL:
        state.Maximum = std::max<std::int64_t>(wParam, 0);
        state.Position = 0;
        state.OutputBase = 0;
        state.Written = 0;
        state.SourceShare = 0;
        state.SourceStage = TProgressState::TSourceStage::Reading;
        return std::nullopt;
    case GSN_PIECE:
        if (state.SourceStage == TProgressState::TSourceStage::Reading)
            state.SourceStage = TProgressState::TSourceStage::Pieces;
        state.FirstPage = wParam;
        state.BasePosition = state.Position;
        state.OutputBase = state.Position;
        state.Written = 0;
        return std::nullopt;
    case GSN_WRITESHARE:
        state.WriteShare = std::clamp<std::int64_t>(wParam, 0, 100);
        return std::nullopt;
    case GSN_WRITE:
        state.Written = std::clamp<std::int64_t>(wParam, 0, 100);
        return PercentShown(state);
    case GSN_SOURCESHARE:
        state.SourceShare = std::clamp<std::int64_t>(wParam, 0, 100);
        state.SourceStage = TProgressState::TSourceStage::Reading;
        return PercentShown(state);
    case GSN_CLOSED:
        state.SourceStage = TProgressState::TSourceStage::Closed;
        return PercentShown(state);
    case GSN_PAGE: {
        if (wParam == 1)
            state.BasePosition = state.Position;
        const std::int64_t next = jobKind == JOB_MERGE ? state.BasePosition + wParam
                                                       : state.BasePosition + wParam - state.FirstPage + 1;
        // Like a progress bar, the position stays within its range.
        state.Position = std::clamp<std::int64_t>(next, 0, state.Maximum);
        return PercentShown(state);
    }
    default:
        return std::nullopt;
    }
}

std::string PercentText(int percent)
{
    char text[16];
    std::snprintf(text, sizeof text, "%3d%%", percent);
    return text;
}
