#include "job/job.h"

#include "engines/gscallbacks.h"
#include "engines/gserrors.h"
#include "job/jobchecks.h"
#include "job/splitnames.h"
#include "output/safeoutput.h"
#include "pdf/pdfreader.h"
#include "platform/platform.h"
#include "text/filenames.h"
#include "text/strutil.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <vector>

std::atomic<std::uint8_t> GS_Job_Kind{0};

namespace {

// The running job's sink, for the stdio callbacks: only one job runs at a time,
// and Ghostscript's own caller handle is left null.
std::atomic<IGsNotifySink*> s_jobSink{nullptr};

class JobSinkScope
{
public:
    explicit JobSinkScope(IGsNotifySink* sink) { s_jobSink.store(sink); }
    ~JobSinkScope() { s_jobSink.store(nullptr); }
    JobSinkScope(const JobSinkScope&) = delete;
    JobSinkScope& operator=(const JobSinkScope&) = delete;
};

void Post(const TCall_GS_Thread_Param& param, std::intptr_t wParam, std::intptr_t lParam)
{
    if (param.Notify)
        param.Notify->PostNotify(wParam, lParam);
}

const IMergeListSource& MergeList(const TCall_GS_Thread_Param& param)
{
    const auto* ref = std::get_if<const IMergeListSource*>(&param.Source);
    if (!ref || !*ref)
        throw std::invalid_argument("The merge job has no file list");
    return **ref;
}

const ITextSource& SplitSource(const TCall_GS_Thread_Param& param)
{
    const auto* ref = std::get_if<const ITextSource*>(&param.Source);
    if (!ref || !*ref)
        throw std::invalid_argument("The split job has no source field");
    return **ref;
}

// Ghostscript's error lines of the running job, for a failure's reason.
std::atomic<TErrorLineCollector*> s_jobErrors{nullptr};

// The job's own folder for engine temporaries and safe names, made only when
// something needs it. Ghostscript finds its temporary folder through the
// environment, so for its jobs the variable points there while the job runs;
// other engines leave the environment alone.
class TJobFolder
{
public:
    explicit TJobFolder(bool forGhostscript)
    {
        if (!forGhostscript)
            return;
        m_saved = plat::getEnv(plat::TempFolderVariable);
        m_setEnv = Folder().Ok();
        if (m_setEnv)
            plat::setEnv(plat::TempFolderVariable, Folder().Path());
    }
    ~TJobFolder()
    {
        if (m_setEnv)
            plat::setEnv(plat::TempFolderVariable, m_saved);
    }
    TJobFolder(const TJobFolder&) = delete;
    TJobFolder& operator=(const TJobFolder&) = delete;

    TPrivateFolder& Folder()
    {
        if (!m_folder)
            m_folder.emplace();
        return *m_folder;
    }

private:
    std::optional<TPrivateFolder> m_folder;
    std::string m_saved;
    bool m_setEnv = false;
};

class TErrorScope
{
public:
    explicit TErrorScope(TErrorLineCollector* errors) { s_jobErrors.store(errors); }
    ~TErrorScope() { s_jobErrors.store(nullptr); }
    TErrorScope(const TErrorScope&) = delete;
    TErrorScope& operator=(const TErrorScope&) = delete;
};

// A failure of the job, with the reason a user reads on the message's second line.
class TJobFailure : public std::runtime_error
{
public:
    TJobFailure(const std::string& reason, int result) : std::runtime_error(reason), Result(result) {}
    const int Result;
};

[[noreturn]] void Fail(const std::string& reason, int result = GS_RESULT_GS_FAILED)
{
    throw TJobFailure(reason, result);
}

std::string JoinLines(const std::string& a, const std::string& b)
{
    if (a.empty())
        return b;
    return b.empty() ? a : a + "\n" + b;
}

// Everything the job needs to write outputs the safe way, whatever the engine:
// each output is written aside under a plain temporary name, checked, and only
// then renamed onto the name the user asked for.
class TSafeWriter
{
public:
    TSafeWriter(IPdfEngine& engine, TJobFolder& folder, TErrorLineCollector& errors, std::string& notes,
                TOverwrite overwrite)
        : m_engine(engine), m_folder(folder), m_errors(errors), m_notes(notes), m_overwrite(overwrite)
    {
    }

    // The name to hand the engine for an existing file.
    std::string EngineName(const std::string& path)
    {
        if (EngineCanTakeName(path))
            return path;
        TPrivateFolder& folder = m_folder.Folder();
        if (!folder.Ok())
            Fail(folder.Reason());
        std::string reason;
        std::string name = SafeInputName(path, folder, &reason);
        if (name.empty())
            Fail(reason);
        return name;
    }

    // Adds what the engine reported since the last call to the job's notes,
    // except for files already noted as repaired, and a few lines at most.
    void TakeEngineWarnings()
    {
        const std::vector<std::string> warnings = m_engine.Warnings();
        if (warnings.size() < m_warningsSeen)
            m_warningsSeen = 0; // a new merge or source started over
        for (std::size_t i = m_warningsSeen; i < warnings.size(); ++i) {
            const std::string& line = warnings[i];
            if (m_shownWarnings >= MaxWarningLines)
                break;
            const auto colon = line.find(':');
            const std::string file = colon == std::string::npos ? std::string() : line.substr(0, colon);
            if (!file.empty() && m_notes.find(file + ": repaired") != std::string::npos)
                continue;
            m_notes = JoinLines(m_notes, line);
            ++m_shownWarnings;
        }
        m_warningsSeen = warnings.size();
    }

    // Writes one output through `write`, checks it holds `pages` pages and moves it
    // into place.
    template <typename Write> void Output(const std::string& finalPath, std::int32_t pages, Write&& write)
    {
        if (const std::string problem = OutputNameProblem(finalPath); !problem.empty())
            Fail(problem);
        TSafeOutput out(finalPath);
        if (!out.Ok())
            Fail(out.Reason());
        m_errors.Clear();
        const TEngineResult written = write(EngineName(out.TempPath()));
        if (!written.Ok)
            Fail(JoinLines(ShownReason(written.Reason, out), m_errors.Text()));
        // An engine that did not notice its writes failing: what the disk shows.
        if (const TEngineResult checked = VerifyPdfOutput(out.TempPath(), pages); !checked.Ok)
            Fail(JoinLines(JoinLines(ShownReason(checked.Reason, out), OutputWriteProblem(out.TempPath())),
                           m_errors.Text()));
        // A name this job wrote before (a range listed twice) is its own to replace.
        if (!out.Commit(m_written.contains(finalPath) ? TOverwrite::Allow : m_overwrite))
            Fail(out.Reason());
        m_written.insert(finalPath);
        TakeEngineWarnings();
    }

    IPdfEngine& Engine() { return m_engine; }

private:
    // The check names the temporary file; the user knows the final name.
    static std::string ShownReason(std::string reason, const TSafeOutput& out)
    {
        for (auto at = reason.find(out.TempPath()); at != std::string::npos;
             at = reason.find(out.TempPath(), at + out.FinalPath().size()))
            reason.replace(at, out.TempPath().size(), out.FinalPath());
        return reason;
    }

    static constexpr int MaxWarningLines = 5;

    IPdfEngine& m_engine;
    TJobFolder& m_folder;
    TErrorLineCollector& m_errors;
    std::string& m_notes;
    TOverwrite m_overwrite;
    std::set<std::string> m_written;
    std::size_t m_warningsSeen = 0;
    int m_shownWarnings = 0;
};

// An input as a reader sees it: one that needs a password or cannot be read
// fails the job before anything is written, naming the file.
TPdfFacts ReadableInput(const std::string& path, std::string& notes)
{
    TPdfFacts facts = ReadPdfFacts(path);
    switch (facts.Status) {
    case TPdfFacts::TStatus::Ok:
        if (facts.Repaired)
            notes = JoinLines(notes,
                              path + ": repaired" + (facts.Reason.empty() ? "" : " (" + facts.Reason + ")"));
        return facts;
    case TPdfFacts::TStatus::NeedsPassword:
        Fail(path + ": needs a password");
    default:
        // The reader names the file in its reasons, except for a failed open.
        if (facts.Reason.rfind(path, 0) == 0)
            Fail(facts.Reason);
        Fail(path + ": cannot be read" + (facts.Reason.empty() ? "" : " (" + facts.Reason + ")"));
    }
}

int RunMerge(TCall_GS_Thread_Param& param, TSafeWriter& writer, const TPageReport& onPage)
{
    const IMergeListSource& list = MergeList(param);
    std::vector<TMergeInput> inputs;
    std::int64_t total = 0;
    const int rows = list.RowCount();
    for (int row = 0; row < rows; ++row) {
        const std::string pages = list.SubItem(row, 1);
        // The probe found no pages: not passed, not counted.
        if (pages == "0")
            continue;
        const std::string path = list.SubItem(row, 3);
        inputs.push_back({path, RemoveFileExt(ExtractFileName(path))});
        total += StrToInt(pages);
    }
    Post(param, static_cast<std::intptr_t>(total), GSN_TOTAL);
    // Without inputs Ghostscript still succeeds and writes one blank page.
    if (inputs.empty())
        Fail("No file in the list has pages to merge.", GS_RESULT_ERROR);

    // What the output must hold is what the inputs really have now.
    std::int64_t expected = 0;
    for (TMergeInput& input : inputs) {
        expected += ReadableInput(input.Path, param.Notes).Pages;
        input.Path = writer.EngineName(input.Path);
    }
    if (expected > std::numeric_limits<std::int32_t>::max())
        Fail("The merged document would have more pages than a PDF can hold.");
    writer.Output(param.OutputPath, static_cast<std::int32_t>(expected),
                  [&](const std::string& out) { return writer.Engine().Merge(inputs, out, onPage); });
    return GS_RESULT_OK;
}

// The pieces of a split, produced as the job goes, so that nothing the file
// claims makes the job build more than the pieces it writes.
class TPieceWalker
{
public:
    struct TPiece
    {
        std::int32_t First = 0;
        std::int32_t Last = 0;
        std::string PagePart; // what the piece's file name carries
    };

    TPieceWalker(const TCall_GS_Thread_Param& param, std::string rangeList)
        : m_rangeList(std::move(rangeList)), m_totalPages(param.TotalPages)
    {
        m_byRanges = std::holds_alternative<const ITextSource*>(param.PageSpec);
        if (!m_byRanges) {
            const auto* ref = std::get_if<const IUpDownSource*>(&param.PageSpec);
            if (!ref || !*ref)
                throw std::invalid_argument("The split job has no pages-per-file control");
            m_perPiece = (*ref)->Position();
            // The control's minimum is 1; anything less would never reach the end.
            if (m_perPiece < 1)
                throw std::invalid_argument("'" + std::to_string(m_perPiece) +
                                            "' is not a valid number of pages per file");
        }
    }

    bool ByRanges() const { return m_byRanges; }
    // The range list not yet handed out.
    const std::string& Remaining() const { return m_rangeList; }

    std::optional<TPiece> Next()
    {
        if (m_byRanges) {
            if (m_done)
                return std::nullopt;
            const auto end = m_rangeList.find(';');
            // Text without a closing ";" is no piece: it yields an empty one, which
            // does not convert below.
            const std::string piece = end == std::string::npos ? std::string() : m_rangeList.substr(0, end);
            const auto dash = piece.find('-');
            TPiece result;
            result.First = StrToInt(dash == std::string::npos ? piece : piece.substr(0, dash));
            // The piece text goes into a file name as it stands, so its last page
            // must be a number too.
            result.Last = StrToInt(dash == std::string::npos ? piece : piece.substr(dash + 1));
            result.PagePart = piece;
            m_rangeList.erase(0, end + 1);
            m_done = m_rangeList.empty();
            return result;
        }
        if (m_next > m_totalPages)
            return std::nullopt;
        TPiece result;
        result.First = static_cast<std::int32_t>(m_next);
        result.Last =
            static_cast<std::int32_t>(std::min<std::int64_t>(m_next + m_perPiece - 1, m_totalPages));
        result.PagePart = std::to_string(result.First) + "-" + std::to_string(result.Last);
        m_next += m_perPiece;
        return result;
    }

private:
    std::string m_rangeList;
    std::int64_t m_totalPages;
    std::int64_t m_perPiece = 1;
    std::int64_t m_next = 1;
    bool m_byRanges = false;
    bool m_done = false;
};

std::string PiecesWrittenText(int written)
{
    return written == 1 ? "1 file was written before the failure."
                        : std::to_string(written) + " files were written before the failure.";
}

int RunSplit(TCall_GS_Thread_Param& param, TSafeWriter& writer, const TPageReport& onPage)
{
    const std::string source = SplitSource(param).Text();
    const TPdfFacts facts = ReadableInput(source, param.Notes);
    // Pieces are cut by the count the file really backs; one taken earlier may
    // be stale or a guess, and would lose or invent pages.
    if (facts.Pages != param.TotalPages)
        Fail(source + ": has " + std::to_string(facts.Pages) + " pages, not " +
             std::to_string(param.TotalPages) + " as counted before.");

    // No piece may be the source itself, through any link: checked before
    // anything is written.
    {
        TPieceWalker names(param, param.RangeList);
        while (const std::optional<TPieceWalker::TPiece> piece = names.Next()) {
            const std::string outPath = SplitPieceFileName(param.OutputPath, param.BaseName, piece->PagePart);
            if (ResolvesToSameFile(outPath, source))
                Fail(PieceIsSourceText(outPath), GS_RESULT_ERROR);
        }
    }

    TPieceWalker pieces(param, param.RangeList);
    if (!pieces.ByRanges())
        Post(param, param.TotalPages, GSN_TOTAL);
    // Every-N pieces follow each other page after page, which lets an engine keep
    // one run for all of them; range lists may repeat or reorder pages.
    writer.Engine().SetConsecutivePieces(!pieces.ByRanges());
    const TEngineResult opened = writer.Engine().OpenSource(writer.EngineName(source));
    if (!opened.Ok)
        Fail(opened.Reason);
    int written = 0;
    try {
        while (const std::optional<TPieceWalker::TPiece> piece = pieces.Next()) {
            Post(param, piece->First, GSN_PIECE);
            if (piece->First < 1 || piece->Last < piece->First || piece->Last > facts.Pages)
                Fail("Pages " + piece->PagePart + " are not in " + source + ".");
            const std::string outPath = SplitPieceFileName(param.OutputPath, param.BaseName, piece->PagePart);
            writer.Output(outPath, piece->Last - piece->First + 1, [&](const std::string& out) {
                return writer.Engine().WritePiece(piece->First, piece->Last, out, onPage);
            });
            ++written;
            if (pieces.ByRanges())
                param.RangeList = pieces.Remaining();
        }
    } catch (const TJobFailure& failure) {
        writer.Engine().CloseSource();
        Fail(JoinLines(failure.what(), written > 0 ? PiecesWrittenText(written) : std::string()),
             failure.Result);
    }
    writer.Engine().CloseSource();
    return GS_RESULT_OK;
}

} // namespace

int Call_GS_Thread(TCall_GS_Thread_Param* param)
{
    if (!param)
        return GS_RESULT_ERROR;
    param->Reason.clear();
    param->Notes.clear();
    int result = GS_RESULT_ERROR;
    {
        const JobSinkScope sinkScope(param->Notify);
        // The engine lives inside this block, so whatever it loaded is released
        // before GSN_DONE, on every path.
        try {
            if (param->Kind == JOB_MERGE || param->Kind == JOB_SPLIT) {
                TErrorLineCollector errors;
                const TErrorScope errorScope(&errors);
                TJobFolder jobFolder(param->Engine == TEngineKind::Ghostscript);
                const std::unique_ptr<IPdfEngine> engine = MakeEngine(param->Engine);
                TSafeWriter writer(*engine, jobFolder, errors, param->Notes, param->Overwrite);
                // Engines that report pages themselves; Ghostscript's come from
                // its stdio callbacks.
                const TPageReport onPage = [param](std::int32_t page) { Post(*param, page, GSN_PAGE); };
                result = param->Kind == JOB_MERGE ? RunMerge(*param, writer, onPage)
                                                  : RunSplit(*param, writer, onPage);
            } else {
                param->Reason = "The job is neither a merge nor a split.";
            }
        } catch (const TJobFailure& failure) {
            param->Reason = failure.what();
            result = failure.Result;
        } catch (const std::exception& error) {
            param->Reason = error.what();
            result = GS_RESULT_ERROR;
        } catch (...) {
            param->Reason = "An unknown error ended the job.";
            result = GS_RESULT_ERROR;
        }
    }
    Post(*param, result, GSN_DONE);
    return result;
}

std::unique_ptr<IPdfEngine> MakeEngine(TEngineKind kind)
{
    switch (kind) {
    case TEngineKind::Ghostscript:
        return MakeGhostscriptEngine();
    case TEngineKind::Exact:
        return MakeExactEngine();
    }
    throw std::invalid_argument("Unknown engine");
}

std::thread StartGsJob(TCall_GS_Thread_Param& param)
{
    return std::thread(Call_GS_Thread, &param);
}

int GSDLLCALL GS_StdIn(void*, char*, int)
{
    return 0;
}

int GSDLLCALL GS_StdOut(void*, const char* str, int len)
{
    const std::uint8_t kind = GS_Job_Kind.load();
    if ((kind != JOB_MERGE && kind != JOB_SPLIT) || !str || len < 5 || std::memcmp(str, "Page ", 5) != 0)
        return len;
    std::int64_t page = 0;
    int i = 5;
    for (; i < len && str[i] >= '0' && str[i] <= '9'; ++i) {
        page = page * 10 + (str[i] - '0');
        // A number this long is no page report.
        if (page > std::numeric_limits<std::int32_t>::max())
            return len;
    }
    if (i > 5) {
        if (IGsNotifySink* sink = s_jobSink.load())
            sink->PostNotify(static_cast<std::intptr_t>(page), GSN_PAGE);
    }
    return len;
}

int GSDLLCALL GS_StdErr(void* callerHandle, const char* str, int len)
{
    if (TErrorLineCollector* errors = s_jobErrors.load(); errors && str)
        errors->Feed(str, len);
    return GS_StdOut(callerHandle, str, len);
}
