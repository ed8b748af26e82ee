// pdf/: reading PDFs, the light probe (pdfprobe.h) and the real reader (this
// header). Uses text/ and platform/; knows no engine and writes nothing.
//
// The PDF reader: what a real PDF parser (libqpdf) sees in a file, as opposed to
// the light probe's byte scan. It reads the cross-reference data and walks the
// page tree, so incremental updates, object streams, unused page objects and a
// lying /Count do not change its answer. Plain functions without state, safe to
// call from any thread (each call has its own parser); they never throw.
#pragma once

#include "engines/pdfengine.h"

#include <cstdint>
#include <string>
#include <vector>

struct TPdfFacts
{
    enum class TStatus
    {
        Ok,            // Pages is the page tree's real page count
        NeedsPassword, // encrypted with a user password: nothing can be read
        Damaged,       // a PDF, but its page tree cannot be read even after repair
        NotPdf,        // no PDF header
        CannotOpen     // missing, a folder, not a regular file, unreadable
    };
    TStatus Status = TStatus::CannotOpen;
    std::int32_t Pages = 0;
    // Ok only: the file was damaged and has been read after repair (rebuilt
    // cross-reference table, broken objects); the count is what survived.
    bool Repaired = false;
    std::string Reason; // what went wrong, or the first repair warning; a line a user can read
};

// Opens the file with an empty password, repairing what it can. Only regular
// files are read; a named pipe or device answers CannotOpen without waiting.
TPdfFacts ReadPdfFacts(const std::string& path);

// Checks a file just written: a complete PDF (readable without any repair) with
// exactly expectedPages pages. Otherwise a failure whose Reason says why, naming
// the file.
TEngineResult VerifyPdfOutput(const std::string& path, std::int32_t expectedPages);

// ---- The front door: what the merge list, the split source and plicora-cli info
// show for a file. The light probe (CheckPdfTail, ScanPdfPageLines,
// IsPdfEncrypted) runs first with its rules unchanged; the reader then confirms
// the count, and its answer stands whenever it could read the file.
struct TListProbe
{
    // The light probe's trailer test, or the reader needs a user password. A file
    // with an owner password only keeps the light probe's answer.
    bool Encrypted = false;
    // The count to show and to use; 0 means "not recognised as a PDF".
    std::int32_t Pages = 0;
    // True when Pages comes from the reader (false: the light probe's answer,
    // because the reader could not read the file).
    bool ReaderCount = false;
    // The reader read the file only after repairing it.
    bool Repaired = false;
    // When the reader could not read an unencrypted file, or repaired it: a line
    // naming the file and why, "<path>: damaged, cannot be read (<why>)",
    // "<path>: not a PDF document", "<path>: empty"... or
    // "<path>: repaired (<first problem>)".
    std::string ReaderNote;
    // Not empty: the file cannot be opened; the text of EPdfOpenError
    // (Cannot open file "<path>". <system reason>), as GetPdfPageCount throws it.
    std::string OpenError;
};

// Never throws. When the reader cannot read the file (it needs a password, or is
// damaged beyond repair), Pages is the light probe's count; Ghostscript is asked
// only when neither the line scan nor the reader found one, the file is not
// encrypted and has a PDF header. A file failing the light tail check counts 0 as before.
TListProbe ProbePdfForList(const std::string& path);

// The count alone, as GetPdfPageCount reports it (0: not a PDF), but with the
// reader's count where it can read the file. Throws EPdfOpenError as
// GetPdfPageCount does.
std::int32_t CountPdfPages(const std::string& path);

// The same for many files at once, on up to `workers` threads (0: one per
// processor core, at most 4); results in the order of paths. Blocks until all are
// probed: the window calls it on a thread of its own.
std::vector<TListProbe> ProbePdfsForList(const std::vector<std::string>& paths, unsigned workers = 0);
