// An every-N split on two threads. Each thread has its own engine, which reads
// the source for itself, and takes the next piece when it is done with one;
// pieces are moved into place and announced strictly in order, so the notices,
// and what a failure leaves behind, are those of a split on one thread.
#pragma once

#include "job/jobplan.h"
#include "job/jobwriter.h"

#include <cstdint>
#include <string>

// A second reader holds its own parsed copy of the source, which costs a few
// times the file's size: above this size a split keeps to one thread.
inline constexpr std::uint64_t ParallelSplitSourceBudget = 64U << 20;

// How many threads may write this split's pieces: two for an every-N split by
// the exact engine (Ghostscript's library runs one instance per process) with
// more than one piece, on more than one core, of a source within the budget;
// else one.
unsigned SplitWorkers(const TJobPlan& plan, std::int32_t sourcePages, std::uint64_t sourceBytes);

// The completion's note when the second thread could not open the source.
std::string SecondReaderNote(const std::string& source, const std::string& problem);

// Fails the job unless the piece's pages are in the source.
void CheckPieceInSource(const TSplitPieces::TPiece& piece, std::int32_t sourcePages,
                        const std::string& source);

// Writes the plan's pieces with `first` (whose source is open) on this thread
// and a second engine that opens engineSource on another; `written` counts the
// pieces moved into place. A second engine that cannot open the source leaves
// the work to the first and adds SecondReaderNote to the record's Notes. Throws
// the first failure in piece order.
void WritePiecesInParallel(TCall_GS_Thread_Param& param, const TJobPlan& plan, std::int32_t sourcePages,
                           const std::string& engineSource, TSafeWriter& writer, const TPageReport& onPage,
                           int& written);
