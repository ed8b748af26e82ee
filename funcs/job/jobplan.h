// What a job works on: the record read once, on the worker thread, into typed
// values. Nothing after ReadJobPlan looks at the record's sources again.
#pragma once

#include "engines/pdfengine.h"
#include "job/job.h"
#include "job/mergelist.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One piece of a split: pages First..Last of the source, and what its file
// name carries after the base name.
struct TSplitPiece
{
    std::int32_t First = 0;
    std::int32_t Last = 0;
    std::string PagePart;
};

struct TJobPlan
{
    std::uint8_t Kind = 0; // JOB_MERGE or JOB_SPLIT
    TEngineKind Engine = DefaultEngine;
    TOverwrite Overwrite = TOverwrite::Refuse;
    // Merge: the listed rows that have pages, in list order. Split: the source
    // alone, with the count taken before the job and no stamp, so it is read again.
    std::vector<TMergeListRow> Inputs;
    TBookmarkPolicy Bookmarks = TBookmarkPolicy::FilesAndOwn; // merge only
    bool BlankAfterOdd = false;                               // merge only
    // Merge: the listed files without pages, left out; the result names them.
    std::vector<std::string> LeftOut;
    std::string OutputPath; // merge: the output file; split: its folder, ending in a separator
    std::string BaseName;   // split: the source's name without folder and extension

    // Split only.
    std::int32_t TotalPages = 0; // as counted before the job
    bool ByRanges = false;
    std::int16_t PagesPerFile = 1;   // every N pages: N, at least 1
    std::string RangeList;           // by ranges: "1;2-5;4;"
    std::int32_t BookmarkLevel = 0;  // by bookmarks at this level (1: the top ones); 0: not
    std::uint64_t MaxPieceBytes = 0; // by size: pieces of at most this many bytes; 0: not
    // Pieces made before the pieces are handed out (by bookmarks); they are
    // handed out as they stand, in order, when there are any.
    std::vector<TSplitPiece> Pieces;
};

// Reads the record. Throws std::invalid_argument, which ends the job with
// GS_RESULT_ERROR, for a kind that names no job, a missing source or
// pages-per-file control, a row with a negative page count and fewer than one
// page per file, and a turn that is not a multiple of 90 degrees.
TJobPlan ReadJobPlan(const TCall_GS_Thread_Param& param);

// The pieces of a split, produced as the job goes, so that nothing the file
// claims makes the job build more than the pieces it writes.
class TSplitPieces
{
public:
    using TPiece = TSplitPiece;

    explicit TSplitPieces(const TJobPlan& plan);

    // The next piece; none after the last. By ranges, a piece that does not
    // convert throws EConvertError.
    std::optional<TPiece> Next();
    // The range list not yet handed out.
    const std::string& Remaining() const { return m_rangeList; }

private:
    std::optional<TPiece> NextRange();

    std::vector<TSplitPiece> m_pieces;
    std::size_t m_nextPiece = 0;
    std::string m_rangeList;
    std::int64_t m_totalPages;
    std::int64_t m_perPiece;
    std::int64_t m_next = 1;
    bool m_byRanges;
    bool m_done = false;
};

// The pieces of a split by bookmarks of a source of pageCount pages: one per
// chapter (the bookmarks at one level that lead to a page, by the page they
// lead to; of several on one page the first listed), the pages before the first
// chapter a piece of their own named after the source (baseName). PagePart is
// "<number> <title made safe>", numbered from 01 in page order, with as many
// digits as the count needs. None when no chapter leads to a page.
std::vector<TSplitPiece> ChapterPieces(const std::vector<TSourceChapter>& chapters, std::int32_t pageCount,
                                       const std::string& baseName);
