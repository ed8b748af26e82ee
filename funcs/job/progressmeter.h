// The progress arithmetic both front ends follow for a job's notices: a base
// position per merged file (its page numbers start at 1 again) or per split piece
// (its pages count from the piece's first page), the position kept within
// 0..Maximum. Where the engine writes each output out after copying its pages,
// that writing has its share of each output's pages (GSN_WRITESHARE), and the
// position shown moves with it (GSN_WRITE). A split's reading of its source and
// letting it go have their share of the whole bar (GSN_SOURCESHARE), before the
// first piece and after the last (GSN_CLOSED).
#pragma once

#include "engines/pdfengine.h"

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
    std::int64_t SourceShare = 0;  // percent of the whole bar for the split's source
    enum class TSourceStage
    {
        Reading,
        Pieces,
        Closed
    } SourceStage = TSourceStage::Reading;
};

// GSN_WRITE's percent for a stage of an output's work after its pages: writing
// it out takes about three quarters, the check that reads it back the rest.
int WrittenPercent(TWriteStage stage, int percent);

// GSN_SOURCESHARE's percent for a split: the source's cost (costPerPage for
// each of its sourcePages) against its pieces' (a page copied for each of their
// piecePages, pieceCost for each piece), which `workers` threads share.
int SplitSourceShare(double costPerPage, double pieceCost, std::int64_t sourcePages, std::int64_t piecePages,
                     std::int64_t pieces, unsigned workers);

// The position to show: outputs before the current one in full, the current
// one's pages by copying and writing in their shares, within what the split's
// source leaves of the bar (while it is read, half of its first half: that
// reading reports nothing). Position when nothing is written after copying and
// no source share was given.
std::int64_t ShownPosition(const TProgressState& state);

// Applies one notice for a job of jobKind (JOB_MERGE or JOB_SPLIT). After a
// GSN_PAGE, GSN_WRITE, GSN_SOURCESHARE or GSN_CLOSED notice returns the percentage of ShownPosition,
// truncated (0 while Maximum is 0); nothing after any other notice.
std::optional<int> ApplyProgressNotice(TProgressState& state, std::uint8_t jobKind, std::intptr_t wParam,
                                       std::intptr_t lParam);

// The percentage as shown: three places and "%" (" 25%").
std::string PercentText(int percent);
