// output/: where outputs go and how they are written: folders, output names,
// temporaries moved into place, the check before the move (outputcheck.h), the
// signal guard. Uses pdf/, text/ and platform/.
//
// Writing outputs aside and moving them into place, the job's private folder,
// safe names for engines, and the list of temporaries an interruption removes.
//
// An engine never writes under the name the user asked for: it writes a
// temporary file that the job created exclusively beside it, and only Commit()
// renames that file onto the final name. An existing file is therefore either
// the old file or the new whole one, never missing, never partial. Qt-free.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// True when text is well-formed UTF-8 (no overlong forms, no surrogates, nothing
// above U+10FFFF). Engines that take names as UTF-8 drop or replace the other bytes.
bool IsValidUtf8(std::string_view text);

// ---------------------------------------------------------------------------
// Temporaries of running jobs. Thread-safe; TSafeOutput and TPrivateFolder
// register and unregister themselves.

// How many temporaries are registered now.
std::size_t RegisteredTemporaryCount();
// Removes every registered temporary file and folder, then keeps the list locked
// for good, so that no output is committed and no temporary made afterwards.
// For an interruption just before the process ends (_exit): call it from an
// ordinary thread, not from inside a signal handler. Never returns to a state in
// which jobs can go on.
void RemoveTemporariesForExit() noexcept;

// ---------------------------------------------------------------------------

// Why an output name cannot be used ("" when it can): the file name or the whole
// path is longer than the file system of its folder allows. The text names the
// name that is too long and the limit.
std::string OutputNameProblem(const std::string& finalPath);

// One line saying why writing `path` (an output, or a temporary beside it)
// failed with error, a code of the platform layer: the disk is full, the folder
// is gone or cannot be written, the name is too long, the name is taken...
std::string WriteFailureText(int error, const std::string& path);

// "A folder of that name exists: <path>".
std::string FolderInTheWayText(const std::string& path);

// For a writer that says only that it failed: what the disk shows now about
// writing `path`, worded as WriteFailureText does (its folder is gone, its disk
// or the temporary folder's is full); "" when nothing there explains it.
std::string OutputWriteProblem(const std::string& path);

// Whether committing may replace a file that has the output's name by then:
// only when the person asked for it (confirmed, or --force).
enum class TOverwrite
{
    Refuse,
    Allow
};

// When a committed output is forced to the disk: before its rename, or by the
// caller after it (many outputs at once).
enum class TFlush
{
    First,
    Later
};

// An output written aside. Construction creates the temporary file
// ".plicora-XXXXXX.pdf" (plain ASCII, new, mode 0666 less the umask) in the
// final name's folder and registers it; the engine writes TempPath(). Commit()
// renames it onto FinalPath(); the destructor removes it unless committed.
// One thread uses an object; Commit is safe against a concurrent interruption.
class TSafeOutput
{
public:
    explicit TSafeOutput(std::string finalPath);
    ~TSafeOutput();
    TSafeOutput(const TSafeOutput&) = delete;
    TSafeOutput& operator=(const TSafeOutput&) = delete;

    // False when the temporary could not be made, or after a failed Commit;
    // Reason() then says why in one line (folder not writable, name too long,
    // disk full, folder gone...).
    bool Ok() const { return m_reason.empty(); }
    const std::string& Reason() const { return m_reason; }
    const std::string& TempPath() const { return m_tempPath; }
    const std::string& FinalPath() const { return m_finalPath; }
    bool Committed() const { return m_committed; }

    // Forces the temporary to the disk and renames it onto the final name. With
    // Allow it replaces whatever file is there and takes that file's permission
    // bits and owner; with Refuse a name taken meanwhile fails the commit
    // (Reason: ""<final>" aleady exists"). False (with Reason()) on failure;
    // the temporary is then removed and the final name left as it was.
    // With TFlush::Later, a name that holds no file yet gets the file as the
    // writer closed it, and FlushedLater() says the caller must force it to the
    // disk (flushAllToDisk) before the job may report it done: a power cut can
    // then cost only a file that did not exist, never the one it replaces.
    bool Commit(TOverwrite overwrite, TFlush flush = TFlush::First);
    bool FlushedLater() const { return m_flushLater; }
    // Removes the temporary now (a failed job). Harmless when already gone.
    void Discard();

private:
    std::string m_finalPath;
    std::string m_tempPath;
    std::string m_reason;
    bool m_committed = false;
    bool m_flushLater = false;
};

// The system's temporary folder: TMPDIR when it is set, plain ASCII and an
// existing folder, else /tmp (Windows: TEMP, or its short name when TEMP is not
// plain, else "."). No trailing separator.
std::string SystemTempFolder();

// A folder of the job's own, for engine temporaries (Ghostscript's TMPDIR) and
// safe names: made new (owner only) under base, or under SystemTempFolder() when
// base is empty, and removed with everything in it by the destructor.
// Registered while it exists. Give it the default base when it will hold
// aliases: a base whose name is not plain would spoil every alias in it.
class TPrivateFolder
{
public:
    explicit TPrivateFolder(const std::string& base = {});
    ~TPrivateFolder();
    TPrivateFolder(const TPrivateFolder&) = delete;
    TPrivateFolder& operator=(const TPrivateFolder&) = delete;

    bool Ok() const { return m_reason.empty(); }
    const std::string& Reason() const { return m_reason; }
    // The folder, without a trailing separator.
    const std::string& Path() const { return m_path; }
    // A name in the folder not handed out before ("in-1.pdf", "in-2.pdf"...).
    std::string NewName(std::string_view suffix);

private:
    std::string m_path;
    std::string m_reason;
    unsigned m_counter = 0;
};

// Whether an engine may be given this name as it is: valid UTF-8, and within
// the path limit of its file system.
bool EngineCanTakeName(const std::string& path);

// The name to hand an engine for an existing file: the path itself when
// EngineCanTakeName, else a link with a plain name in folder that leads to
// exactly that file (symbolic, or hard when symbolic links fail). Serves inputs
// and temporaries in a folder with an unusual name alike. "" on failure, with
// the reason in *reason.
std::string SafeInputName(const std::string& path, TPrivateFolder& folder, std::string* reason = nullptr);

// True when both names lead to one file (the same device and file, through any
// symbolic or hard link). False when either cannot be reached.
bool ResolvesToSameFile(const std::string& a, const std::string& b);
