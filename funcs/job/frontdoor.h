// The front door: what the merge list, the split source and plicora-cli info
// show for a file, and whether it may come in. The light probe (CheckPdfTail,
// ScanPdfPageLines, IsPdfEncrypted) runs first with its rules unchanged; the
// reader then confirms the count, and its answer stands whenever it could read
// the file; Ghostscript is asked only when neither found pages.
#pragma once

#include "job/jobchecks.h"
#include "job/mergelist.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct TListProbe
{
    // The light probe's trailer test, or the reader found encryption: a user
    // password, or an owner password with restrictions, in any layout.
    bool Encrypted = false;
    // Encrypted files only: the password given, when it opens the file (as its
    // user or its owner password); the job opens the file with it.
    std::string Password;
    // A password was given and does not open the file.
    bool WrongPassword = false;
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
    // "<path>: repaired (<first problem>)"; ReaderReason is the reader's own part.
    std::string ReaderNote;
    std::string ReaderReason;
    // Not empty: the file cannot be opened; the text of EPdfOpenError
    // (Cannot open file "<path>". <system reason>), as GetPdfPageCount throws it.
    std::string OpenError;
    // The name leads to a folder.
    bool Folder = false;
    // The file's size, 0 when its attributes cannot be read.
    std::uint64_t Size = 0;
    // The file as it was just before it was read; none when it cannot be reached.
    std::optional<plat::FileStamp> Stamp;
};

// Never throws. When the reader cannot read the file (it needs a password, or is
// damaged beyond repair), Pages is the light probe's count; Ghostscript is asked
// only when neither the line scan nor the reader found one, the file is not
// encrypted and has a PDF header. A file failing the light tail check counts 0 as before.
// `password` (empty: none) is tried on an encrypted file; see Password.
TListProbe ProbePdfForList(const std::string& path, const std::string& password = {});

// Whether the file is encrypted and no password given opens it: it is refused
// as encrypted.
bool IsLocked(const TListProbe& probe);
// The second line of that refusal: why the file stays locked; "" when no
// password was tried.
TCoreText LockedCause(const TListProbe& probe);

// Told of each file as soon as it is probed, with its index in paths; called
// on the probing threads, one call at a time.
using TProbeReport = std::function<void(std::size_t index, const TListProbe& probe)>;

// The same for many files at once, on up to `workers` threads (0: one per
// processor core, at most 4); results in the order of paths. Blocks until all are
// probed: the window calls it on a thread of its own, and may show each row's
// count as onEach tells it, before the last file is read.
std::vector<TListProbe> ProbePdfsForList(const std::vector<std::string>& paths, unsigned workers = 0,
                                         const TProbeReport& onEach = {});

// The light probe's page count: tail check, then the line scan. When the tail
// check passes and the scan finds nothing (page dictionaries inside compressed
// object streams), the Ghostscript library is asked instead (GsCountPages); if it
// is missing or fails the result stays 0. 0 also means "not recognised as a PDF".
// Throws EPdfOpenError only when the file cannot be opened for the tail check.
// Kept on purpose: the product reads through ProbePdfForList, but this is the
// probe's own answer, which the tests and benchmarks measure the reader against.
std::int32_t GetPdfPageCount(const std::string& fileName);

// ---- Verdicts: one rule each, shown by the window as a message box and by the
// command line as its text.

// May this file join the merge list? In the order the list checks: encrypted,
// a folder, cannot be opened, no pages.
enum class TMergeAddOutcome
{
    Ok,
    NotPdf, // no pages found: the window lists it (a merge leaves it out); the command line refuses
    Encrypted,
    Folder, // the window skips it without a word; the command line refuses
    CannotOpen
};

struct TMergeAddVerdict
{
    TMergeAddOutcome Outcome = TMergeAddOutcome::Ok;
    // Every outcome but Ok: what to say, naming the file as `path` names it.
    std::optional<TRefusal> Refusal;
    // Ok and NotPdf: the row to list for `path`.
    TMergeListRow Row;
};

TMergeAddVerdict JudgeMergeAdd(const std::string& path, const TListProbe& probe);

// Is this a split source we can cut? Pieces are cut by the reader's count only:
// a guessed one loses or invents pages. Whether it is encrypted or has enough
// pages is checked when the split starts (CheckSplitSourcePages).
enum class TSplitSourceOutcome
{
    Ok,
    CannotOpen, // the window shows the first line only
    Unreadable  // the reader could not read a file the light probe found pages in
};

struct TSplitSourceVerdict
{
    TSplitSourceOutcome Outcome = TSplitSourceOutcome::Ok;
    // "Invalid PDF document.", with the cause for its second line.
    std::optional<TRefusal> Refusal;
    // Ok: what the split checks and cuts by.
    std::int32_t Pages = 0;
    bool Encrypted = false;   // and locked: no password given opens it
    std::string Password;     // the password that opens it, for the job
    TCoreText EncryptedCause; // the encryption refusal's second line (LockedCause)
    // Ok without pages: why none were found (the probe's note), for the second
    // line of the refusal CheckSplitSourcePages gives.
    std::string WhyNoPages;
    // Ok: the source as it was when Pages was read, where the job may take that
    // count instead of reading the file again (the reader's count, no repair).
    std::optional<plat::FileStamp> Stamp;
};

TSplitSourceVerdict JudgeSplitSource(const TListProbe& probe);

// Why a file's pages cannot be drawn, by the same verdicts, naming it as `name`:
// it cannot be opened (the system's words), is encrypted, is no PDF, or is damaged
// (the reader's note). Empty when the front door found nothing wrong with it.
TCoreText WhyNoPictures(const std::string& name, const TListProbe& probe);
