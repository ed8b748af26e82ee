#include "job/progressmeter.h"

#include "job/job.h"

#include <algorithm>
#include <cstdio>

std::optional<int> ApplyProgressNotice(TProgressState& state, std::uint8_t jobKind, std::intptr_t wParam,
                                       std::intptr_t lParam)
{
    switch (lParam) {
    case GSN_TOTAL:
        state.Maximum = std::max<std::int64_t>(wParam, 0);
        state.Position = 0;
        return std::nullopt;
    case GSN_PIECE:
        state.FirstPage = wParam;
        state.BasePosition = state.Position;
        return std::nullopt;
    case GSN_PAGE: {
        if (wParam == 1)
            state.BasePosition = state.Position;
        const std::int64_t next = jobKind == JOB_MERGE ? state.BasePosition + wParam
                                                       : state.BasePosition + wParam - state.FirstPage + 1;
        // Like a progress bar, the position stays within its range.
        state.Position = std::clamp<std::int64_t>(next, 0, state.Maximum);
        // A report while the maximum is 0 must not divide by zero.
        return state.Maximum > 0 ? static_cast<int>(state.Position * 100 / state.Maximum) : 0;
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
