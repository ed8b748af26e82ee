// job/: a merge or split from its set-up to its last notice: the front door
// (frontdoor.h), the merge list's rows, checks and their messages, page ranges,
// piece names, progress, the plan and the worker thread. Uses every other
// folder; the front ends use it.
//
// The conversion job: one merge or split run by a PDF engine on a worker thread,
// reporting to the window only through posted notices.
#pragma once

#include "engines/pdfengine.h"
#include "job/mergelist.h"
#include "output/safeoutput.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <variant>

// The notice message number (WM_USER + 100) and its four notices (the lParam).
inline constexpr unsigned WM_GS_NOTIFY = 0x0400 + 100;
inline constexpr std::intptr_t GSN_TOTAL = -1; // wParam: pages the job will report
inline constexpr std::intptr_t GSN_DONE = -2;  // wParam: the job's result code, last
inline constexpr std::intptr_t GSN_PAGE = -3;  // wParam: page number Ghostscript reported
inline constexpr std::intptr_t GSN_PIECE = -4; // wParam: first page of the split piece
// Beside them, for an engine that writes each output out after copying its pages:
inline constexpr std::intptr_t GSN_WRITESHARE = -5; // wParam: percent of an output's work after its pages
inline constexpr std::intptr_t GSN_WRITE = -6; // wParam: percent of that done (written out, then checked)
// And for a split whose source takes long to read and to let go:
inline constexpr std::intptr_t GSN_SOURCESHARE = -7; // wParam: percent of the job that is, half each
inline constexpr std::intptr_t GSN_CLOSED = -8;      // the source is let go; wParam: 0

// The job kinds: TCall_GS_Thread_Param::Kind and GS_Job_Kind (0: none).
inline constexpr std::uint8_t JOB_MERGE = 1;
inline constexpr std::uint8_t JOB_SPLIT = 2;

// Job result codes (the wParam of GSN_DONE and Call_GS_Thread's result).
inline constexpr int GS_RESULT_OK = 0;
inline constexpr int GS_RESULT_GS_FAILED = 1; // binding failed or a run returned non-zero
inline constexpr int GS_RESULT_ERROR = -1;    // an error was raised, or Kind names no job
inline constexpr int GS_RESULT_CANCELLED = 2; // Cancel was set; finished pieces stay (Reason: how many)

// Where a job posts its notices. PostNotify is called on the worker thread and
// must never block (the window posts an event; tests record under a mutex).
class IGsNotifySink
{
public:
    virtual ~IGsNotifySink() = default;
    virtual void PostNotify(std::intptr_t wParam, std::intptr_t lParam) noexcept = 0;
};

// The window controls a job reads, seen through small interfaces. Every method is
// called on the worker thread: an implementation either marshals the read to the
// window thread or answers from a copy taken when the job starts.
class IMergeListSource // the merge list: rows in list order
{
public:
    virtual ~IMergeListSource() = default;
    virtual int RowCount() const = 0;
    // The row at 0 .. RowCount() - 1; an empty row (no path, no pages) for any other.
    virtual TMergeListRow Row(int row) const = 0;
};

class ITextSource // a single-line text field (the split source, the range field)
{
public:
    virtual ~ITextSource() = default;
    virtual std::string Text() const = 0;
};

class IUpDownSource // the pages-per-file up-down control
{
public:
    virtual ~IUpDownSource() = default;
    virtual std::int16_t Position() const = 0;
};

// Source: the merge list for a merge, the source-path field for a split.
using TSourceRef = std::variant<std::monostate, const IMergeListSource*, const ITextSource*>;
// PageSpec: which kind of control it refers to decides the split mode (an up-down
// control: every N pages; a text field: by ranges).
using TPageSpecRef = std::variant<std::monostate, const IUpDownSource*, const ITextSource*>;

// The job record. The window owns one (JobParam) and fills it before each job
// (jobinputs.h); the worker reads it once into its plan (jobplan.h), borrows it
// until GSN_DONE and changes only RangeList, Reason and Notes.
struct TCall_GS_Thread_Param
{
    std::uint8_t Kind = 0; // JOB_MERGE or JOB_SPLIT; anything else: result -1
    std::int32_t TotalPages = 0;
    TSourceRef Source;
    TPageSpecRef PageSpec;
    std::string OutputPath;          // merge: output file; split: output folder ending in a separator
    std::string BaseName;            // split: source name without folder and extension
    std::string RangeList;           // split by ranges: "1;2-5;4;6;", consumed from the front
    IGsNotifySink* Notify = nullptr; // where notices go; nothing is posted when null
    TEngineKind Engine = TEngineKind::Ghostscript; // what writes the PDFs
    // Allow only when the person agreed to replace existing outputs; otherwise
    // an output whose name was taken during the job fails it.
    TOverwrite Overwrite = TOverwrite::Refuse;
    std::string Reason; // why the job failed, set before GSN_DONE; empty on success
    std::string Notes;  // warnings of a job that went through (an input read after repair)
    // Merge: the choices for the whole list.
    TBookmarkPolicy Bookmarks = TBookmarkPolicy::FilesAndOwn;
    bool BlankAfterOdd = false; // a blank page after each input with an odd number of chosen pages
    std::string Password;       // split: the source's password; empty when it needs none
    // Split: the source as TotalPages was read; while the file still matches it,
    // the job takes that count rather than reading the file again. None: read.
    std::optional<plat::FileStamp> SourceStamp;
    std::int32_t BookmarkLevel = 0;  // split: one piece per bookmark at this level (1: the top); 0: not
    std::uint64_t MaxPieceBytes = 0; // split: pieces of at most this many bytes; 0: not by size
    // Set by the front end to stop the job at the next page, piece or part of the
    // writing; none: the job runs to its end.
    const std::atomic<bool>* Cancel = nullptr;
};

// The running job's kind (0 none yet, JOB_MERGE, JOB_SPLIT). Written by the window
// thread before the worker starts; read by the job's page reports (none while it
// is 0) and by the window.
extern std::atomic<std::uint8_t> GS_Job_Kind;

// Runs one job to its end on the calling thread and returns its result code; the
// last notice posted is always GSN_DONE with that code.
int Call_GS_Thread(TCall_GS_Thread_Param* param);

// Starts Call_GS_Thread on a new thread. The caller joins it after GSN_DONE.
std::thread StartGsJob(TCall_GS_Thread_Param& param);

// A job on a thread of its own whose end is known without its notices: a
// GSN_DONE that could not be posted (no memory left for it) must not leave the
// progress window waiting for it forever.
class TJobThread
{
public:
    TJobThread() = default;
    TJobThread(const TJobThread&) = delete;
    TJobThread& operator=(const TJobThread&) = delete;
    ~TJobThread() { Join(); }

    // Waits for the job before, then runs Call_GS_Thread(&param) on a new
    // thread. Throws std::system_error when no thread can be had.
    void Start(TCall_GS_Thread_Param& param);
    // The job's result once Call_GS_Thread has returned, whether or not its
    // final notice was posted; none while it runs. Any thread may ask.
    std::optional<int> Ended() const noexcept;
    // Waits for the job's end; returns at once when none was started.
    void Join();

private:
    std::thread m_thread;
    std::atomic<int> m_result{GS_RESULT_OK};
    std::atomic<bool> m_ended{false};
};

// The engine of the given kind, loading nothing until it is used. Throws
// std::runtime_error for an engine this build does not have.
std::unique_ptr<IPdfEngine> MakeEngine(TEngineKind kind);
