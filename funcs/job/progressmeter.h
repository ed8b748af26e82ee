// The progress arithmetic both front ends follow for a job's notices: a base
// position per merged file (its page numbers start at 1 again) or per split piece
// (its pages count from the piece's first page), the position kept within
// 0..Maximum. Where the engine writes each output out after copying its pages,
// that writing has its share of each output's pages (GSN_WRITESHARE), and the
// position shown moves with it (GSN_WRITE).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct TProgressState
{
    std::int64_t Maximum = 0;      // GSN_TOTAL's pages, never negative
    std::int64_t Position = 0;     // pages done
    std::int64_t BasePosition = 0; // the position when the current file or piece began
    std::int64_t FirstPage = 0;    // the current split piece's first page
    std::int64_t WriteShare = 0;   // percent of each output's work that is writing it out
    std::int64_t OutputBase = 0;   // the position when the current output began
    std::int64_t Written = 0;      // percent of the current output written out and checked
};

// The position to show: outputs before the current one in full, the current
// one's pages by copying and writing in their shares. Position when nothing is
// written after copying.
std::int64_t ShownPosition(const TProgressState& state);

// Applies one notice for a job of jobKind (JOB_MERGE or JOB_SPLIT). After a
// GSN_PAGE or GSN_WRITE notice returns the percentage of ShownPosition,
// truncated (0 while Maximum is 0); nothing after any other notice.
std::optional<int> ApplyProgressNotice(TProgressState& state, std::uint8_t jobKind, std::intptr_t wParam,
                                       std::intptr_t lParam);

// The percentage as shown: three places and "%" (" 25%").
std::string PercentText(int percent);
