// How a job writes, whatever the engine: each output is written aside under a
// plain temporary name, checked, and only then renamed onto the name the user
// asked for. Used by the worker only (job.cpp).
#pragma once

#include "engines/pdfengine.h"
#include "job/inputstamps.h"
#include "job/job.h"
#include "job/mergelist.h"
#include "output/safeoutput.h"

#include <cstdint>
#include <mutex>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

// A failure of the job, with the reason a user reads on the message's second line.
class TJobFailure : public std::runtime_error
{
public:
    TJobFailure(const std::string& reason, int result) : std::runtime_error(reason), Result(result) {}
    const int Result;
};

// The job stopped because it was cancelled; Reason says what was kept.
struct TJobCancelled
{
    std::string Reason;
};

[[noreturn]] void Fail(const std::string& reason, int result = GS_RESULT_GS_FAILED);

// a, then b on a line of its own; either alone when the other is empty.
std::string JoinLines(const std::string& a, const std::string& b);

// The pages an input holds now. A file still as it was counted keeps the
// reader's count; any other is read again, and one that needs a password or
// cannot be read fails the job, naming the file. A repair is added to notes.
// The file's stamp (the count's, or taken before reading it) goes to stamps.
// (A cache by identity, size and time would answer here first.)
// The row's password opens it.
std::int32_t ConfirmedPages(const TMergeListRow& input, std::string& notes, TInputStamps& stamps);

// The job's own folder for safe names, made only when a name needs it, under
// the system's temporary folder as it was when the job started.
class TJobFolder
{
public:
    TJobFolder();
    TJobFolder(const TJobFolder&) = delete;
    TJobFolder& operator=(const TJobFolder&) = delete;

    TPrivateFolder& Folder();

private:
    std::string m_base;
    std::optional<TPrivateFolder> m_folder;
};

class TSafeWriter
{
public:
    // overwrite: whether an output may replace a file of its name (one this
    // writer wrote itself it always may).
    TSafeWriter(IPdfEngine& engine, TJobFolder& folder, std::string& notes, TOverwrite overwrite)
        : m_engine(engine), m_folder(folder), m_notes(notes), m_overwrite(overwrite)
    {
    }

    // The name to hand the engine for an existing file.
    std::string EngineName(const std::string& path);

    // Writes one output through `write` (given the temporary's name for the
    // engine), checks it holds `pages` pages and moves it into place.
    template <typename Write> void Output(const std::string& finalPath, std::int32_t pages, Write&& write)
    {
        RefuseOutputName(finalPath);
        TSafeOutput out(finalPath);
        WriteChecked(out, m_engine, pages, write);
        Commit(out, m_engine, m_warningsSeen);
    }

    // Fails on a name no output may take, before its temporary is made.
    static void RefuseOutputName(const std::string& finalPath)
    {
        if (const std::string problem = OutputNameProblem(finalPath); !problem.empty())
            Fail(problem);
    }

    // The first half of Output, for an engine of another thread: the output is
    // written by `engine` and checked but stays under its temporary name.
    template <typename Write>
    void WriteChecked(TSafeOutput& out, IPdfEngine& engine, std::int32_t pages, Write&& write)
    {
        if (!out.Ok())
            Fail(out.Reason());
        const TEngineResult written = write(EngineName(out.TempPath()));
        // An engine that cannot stop inside a run (Ghostscript's pieces) finishes
        // it, or fails for the cancel: either way the output goes with its temporary.
        engine.Control().StopIfCancelled();
        Check(out, engine, pages, written);
    }

    // The second half: moves it into place and notes what `engine` reported
    // since `warningsSeen` of its warnings. Called by one thread at a time.
    void Commit(TSafeOutput& out, IPdfEngine& engine, std::size_t& warningsSeen);

    // Many outputs (a split's pieces): each new name is forced to the disk by
    // FlushCommitted, once for all, instead of one by one before its rename.
    void FlushLater() { m_flush = TFlush::Later; }
    // Forces what was committed without its flush to the disk. "" on success,
    // else why, naming the folder.
    std::string FlushCommitted();

    IPdfEngine& Engine() { return m_engine; }
    // What the job's inputs were when it first read them; no output is
    // committed once one of them changed.
    TInputStamps& Inputs() { return m_inputs; }

private:
    // Checks what the engine wrote.
    void Check(TSafeOutput& out, IPdfEngine& engine, std::int32_t pages, const TEngineResult& written);
    // The check's problem with the output ("" when none). An engine's output
    // whose structure is damaged is rewritten by libqpdf when the engine allows
    // it; a rewrite that passes the check is noted as a repair.
    std::string CheckedOrRepaired(const TSafeOutput& out, const IPdfEngine& engine, std::int32_t pages);
    // Adds what the engine reported since warningsSeen to the job's notes,
    // except for files already noted as repaired and lines already there (each
    // thread's engine reads the same source), and a few lines at most.
    void TakeEngineWarnings(IPdfEngine& engine, std::size_t& warningsSeen);

    static constexpr int MaxWarningLines = 5;

    IPdfEngine& m_engine;
    TJobFolder& m_folder;
    std::string& m_notes;
    TOverwrite m_overwrite;
    TInputStamps m_inputs;
    std::set<std::string> m_written;
    TFlush m_flush = TFlush::First;
    std::vector<std::string> m_unflushed; // committed with TFlush::Later
    std::mutex m_folderLock;              // the folder and the notes, from several threads
    std::size_t m_warningsSeen = 0;
    int m_shownWarnings = 0;
};
