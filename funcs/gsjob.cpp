#include "gsjob.h"

#include "fileservices.h"
#include "gscallbacks.h"
#include "splitnames.h"
#include "strutil.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
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

// Runs one engine step; a failure's reason goes into the record.
bool Succeeded(TCall_GS_Thread_Param& param, const TEngineResult& result)
{
    if (!result.Ok)
        param.Reason = result.Reason;
    return result.Ok;
}

int RunMerge(TCall_GS_Thread_Param& param, IPdfEngine& engine, const TPageReport& onPage)
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
    if (inputs.empty()) {
        param.Reason = "No file in the list has pages to merge.";
        return GS_RESULT_ERROR;
    }
    return Succeeded(param, engine.Merge(inputs, param.OutputPath, onPage)) ? GS_RESULT_OK
                                                                            : GS_RESULT_GS_FAILED;
}

int SplitByRanges(TCall_GS_Thread_Param& param, IPdfEngine& engine, const TPageReport& onPage)
{
    do {
        const auto end = param.RangeList.find(';');
        // Text without a closing ";" is no piece: it yields an empty one, which
        // does not convert below.
        const std::string piece = end == std::string::npos ? std::string() : param.RangeList.substr(0, end);
        const auto dash = piece.find('-');
        const std::int32_t first = StrToInt(dash == std::string::npos ? piece : piece.substr(0, dash));
        // The piece text goes into a file name as it stands, so its last page
        // must be a number too.
        const std::int32_t last = StrToInt(dash == std::string::npos ? piece : piece.substr(dash + 1));
        Post(param, first, GSN_PIECE);
        const std::string outPath = SplitPieceFileName(param.OutputPath, param.BaseName, piece);
        if (!Succeeded(param, engine.WritePiece(first, last, outPath, onPage)))
            return GS_RESULT_GS_FAILED;
        param.RangeList.erase(0, end + 1);
    } while (!param.RangeList.empty());
    return GS_RESULT_OK;
}

int SplitEveryN(TCall_GS_Thread_Param& param, IPdfEngine& engine, const TPageReport& onPage)
{
    Post(param, param.TotalPages, GSN_TOTAL);
    const auto* ref = std::get_if<const IUpDownSource*>(&param.PageSpec);
    if (!ref || !*ref)
        throw std::invalid_argument("The split job has no pages-per-file control");
    const std::int64_t n = (*ref)->Position();
    // The control's minimum is 1; anything less would never reach the end.
    if (n < 1)
        throw std::invalid_argument("'" + std::to_string(n) + "' is not a valid number of pages per file");
    for (std::int64_t first = 1; first <= param.TotalPages; first += n) {
        Post(param, static_cast<std::intptr_t>(first), GSN_PIECE);
        const std::int64_t last = std::min<std::int64_t>(first + n - 1, param.TotalPages);
        const std::string outPath = SplitPieceFileName(param.OutputPath, param.BaseName,
                                                       std::to_string(first) + "-" + std::to_string(last));
        if (!Succeeded(param, engine.WritePiece(static_cast<std::int32_t>(first),
                                                static_cast<std::int32_t>(last), outPath, onPage)))
            return GS_RESULT_GS_FAILED;
    }
    return GS_RESULT_OK;
}

int RunSplit(TCall_GS_Thread_Param& param, IPdfEngine& engine, const TPageReport& onPage)
{
    const std::string source = SplitSource(param).Text();
    if (!Succeeded(param, engine.OpenSource(source)))
        return GS_RESULT_GS_FAILED;
    const bool byRanges = std::holds_alternative<const ITextSource*>(param.PageSpec);
    const int result = byRanges ? SplitByRanges(param, engine, onPage) : SplitEveryN(param, engine, onPage);
    engine.CloseSource();
    return result;
}

} // namespace

int Call_GS_Thread(TCall_GS_Thread_Param* param)
{
    if (!param)
        return GS_RESULT_ERROR;
    param->Reason.clear();
    int result = GS_RESULT_ERROR;
    {
        const JobSinkScope sinkScope(param->Notify);
        // The engine lives inside this block, so whatever it loaded is released
        // before GSN_DONE, on every path.
        try {
            if (param->Kind == JOB_MERGE || param->Kind == JOB_SPLIT) {
                const std::unique_ptr<IPdfEngine> engine = MakeEngine(param->Engine);
                // Engines that report pages themselves; Ghostscript's come from
                // its stdio callbacks.
                const TPageReport onPage = [param](std::int32_t page) { Post(*param, page, GSN_PAGE); };
                result = param->Kind == JOB_MERGE ? RunMerge(*param, *engine, onPage)
                                                  : RunSplit(*param, *engine, onPage);
            } else {
                param->Reason = "The job is neither a merge nor a split.";
            }
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
    throw std::runtime_error("The exact-copy engine is not available yet.");
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
    return GS_StdOut(callerHandle, str, len);
}
