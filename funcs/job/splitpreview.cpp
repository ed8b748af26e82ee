#include "job/splitpreview.h"

#include "job/pageranges.h"
#include "text/strutil.h"

#include <algorithm>
#include <limits>

std::vector<std::int32_t> TSplitPreview::PiecesOf(std::int32_t page) const
{
    std::vector<std::int32_t> numbers;
    for (std::size_t i = 0; i < Pieces.size(); ++i)
        if (Pieces[i].First <= page && page <= Pieces[i].Last)
            numbers.push_back(static_cast<std::int32_t>(i + 1));
    return numbers;
}

TSplitPreview PreviewSplit(std::int32_t totalPages, const TSplitMethod& method)
{
    TSplitPreview preview;
    if (totalPages < 1)
        return preview;
    preview.PieceCount.assign(static_cast<std::size_t>(totalPages), 0);

    TJobPlan plan;
    plan.TotalPages = totalPages;
    plan.ByRanges = method.ByRanges;
    try {
        if (method.ByRanges) {
            // The same check the split makes before it starts.
            plan.RangeList = ParsePageRanges(Trim(method.RangeText), totalPages).RangeList;
            if (plan.RangeList.empty())
                return preview;
        } else {
            if (method.PagesPerFile < 1 || method.PagesPerFile > std::numeric_limits<std::int16_t>::max())
                return preview;
            plan.PagesPerFile = static_cast<std::int16_t>(method.PagesPerFile);
        }
        TSplitPieces walk(plan);
        // Counted by the differences at each piece's ends, so a long range over a
        // long document costs one step per piece, not one per page.
        std::vector<std::int32_t> starts(static_cast<std::size_t>(totalPages) + 1, 0);
        while (auto piece = walk.Next()) {
            ++starts[static_cast<std::size_t>(piece->First - 1)];
            --starts[static_cast<std::size_t>(piece->Last)];
            preview.Pieces.push_back(std::move(*piece));
        }
        std::int32_t running = 0;
        for (std::size_t i = 0; i < preview.PieceCount.size(); ++i)
            preview.PieceCount[i] = running += starts[i];
    } catch (const EConvertError&) {
        preview.Pieces.clear();
        std::fill(preview.PieceCount.begin(), preview.PieceCount.end(), 0);
        return preview;
    }
    preview.Valid = true;
    return preview;
}
