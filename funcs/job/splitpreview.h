// Which piece or pieces of a split each page of the source goes into, before the
// split runs: what the window's page view marks as the user types. The pieces are
// walked exactly as the job walks them, so what is shown is what is written.
#pragma once

#include "job/jobplan.h"

#include <cstdint>
#include <string>
#include <vector>

struct TSplitMethod
{
    bool ByRanges = false;
    std::int32_t PagesPerFile = 1; // every N pages: N
    std::string RangeText;         // by ranges: the text as typed ("1,2-5,4,6")
};

struct TSplitPreview
{
    // False when the method would be refused as it stands (ranges that do not
    // check or convert, fewer than one page per file): then no page is in a piece.
    bool Valid = false;
    // The pieces in the order the job writes them.
    std::vector<TSplitPieces::TPiece> Pieces;
    // For page p (1-based), PieceCount[p - 1]: in how many pieces it goes; 0 is
    // "in no piece", 2 or more "in several pieces".
    std::vector<std::int32_t> PieceCount;

    // The 1-based numbers of the pieces page `page` goes into, in piece order.
    std::vector<std::int32_t> PiecesOf(std::int32_t page) const;
};

// Never throws. A source of no pages gives an invalid, empty preview.
TSplitPreview PreviewSplit(std::int32_t totalPages, const TSplitMethod& method);
