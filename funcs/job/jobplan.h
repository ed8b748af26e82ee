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
    std::int16_t PagesPerFile = 1; // every N pages: N, at least 1
    std::string RangeList;         // by ranges: "1;2-5;4;"
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
    struct TPiece
    {
        std::int32_t First = 0;
        std::int32_t Last = 0;
        std::string PagePart; // what the piece's file name carries
    };

    explicit TSplitPieces(const TJobPlan& plan);

    // The next piece; none after the last. By ranges, a piece that does not
    // convert throws EConvertError.
    std::optional<TPiece> Next();
    // The range list not yet handed out.
    const std::string& Remaining() const { return m_rangeList; }

private:
    std::optional<TPiece> NextRange();

    std::string m_rangeList;
    std::int64_t m_totalPages;
    std::int64_t m_perPiece;
    std::int64_t m_next = 1;
    bool m_byRanges;
    bool m_done = false;
};
