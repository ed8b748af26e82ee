// A split into pieces of at most a given size: as many pages as fit in each,
// found by writing trial pieces, since only a written piece knows its size (a
// font or image shared by its pages is in it once, however many use it).
#pragma once

#include "job/jobplan.h"
#include "job/jobwriter.h"

#include <cstdint>
#include <functional>
#include <string>

// The megabyte of the size limit: the one the window's size column shows.
inline constexpr std::uint64_t BytesPerMegabyte = 1U << 20;
// The limits a piece's size may be given in, in megabytes (a tenth of a
// megabyte still holds a page of text; the largest is far beyond any mail).
inline constexpr double MinPieceMegabytes = 0.1;
inline constexpr double MaxPieceMegabytes = 100000;

// The limit in bytes of `megabytes`, which must be within the limits above.
constexpr std::uint64_t PieceBytesOf(double megabytes)
{
    return static_cast<std::uint64_t>(megabytes * static_cast<double>(BytesPerMegabyte));
}

// Writes pages first..last of the source as a trial and gives the file's size in
// bytes.
using TTrialWrite = std::function<std::uint64_t(std::int32_t first, std::int32_t last)>;

struct TPagesThatFit
{
    std::int32_t Pages = 0;  // at least 1
    bool Oversized = false;  // the first page alone is larger than the limit
    std::uint64_t Bytes = 0; // the size of the last trial of Pages pages
};

// How many pages from `first` (at most `left`) fit in maxBytes: the most for
// which a trial is within it, or the first page alone when even it is larger.
// `guess` is the count tried first; each trial's bytes per page aim the next,
// halving the range between counts known to fit and not to fit at least every
// second trial.
TPagesThatFit PagesThatFit(std::int32_t first, std::int32_t left, std::uint64_t maxBytes, std::int32_t guess,
                           const TTrialWrite& trial);

// The completion's note for a page larger than the limit, written alone.
std::string OversizedPageNote(const std::string& piece, std::int32_t page, std::uint64_t bytes,
                              std::uint64_t maxBytes);

// Writes the plan's source (open in the writer's engine, of sourcePages pages)
// as pieces of at most plan.MaxPieceBytes, named "<first>-<last>" like an
// every-N split's, each through the writer's check; `written` counts the pieces
// moved into place. Pages larger than the limit alone go into the notes.
void WriteSizedPieces(TCall_GS_Thread_Param& param, const TJobPlan& plan, std::int32_t sourcePages,
                      TSafeWriter& writer, const TPageReport& onPage, int& written);
