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
    return std::clamp<std::int64_t>(state.OutputBase + current * (10000 - left) / 10000, 0, state.Maximum);
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
        return std::nullopt;
    case GSN_PIECE:
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
