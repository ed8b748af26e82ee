#include "gsjob.h"

#include "gsbinding.h"
#include "splitnames.h"
#include "strutil.h"

#include <algorithm>
#include <cstring>
#include <limits>
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

// Every run starts with these five entries.
std::vector<std::string> FixedArgs()
{
    return {"verezeri", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pdfwrite"};
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

int RunMerge(const TCall_GS_Thread_Param& param)
{
    const IMergeListSource& list = MergeList(param);
    std::vector<std::string> args = FixedArgs();
    args.push_back(GsOutputFileSwitch(param.OutputPath));
    args.push_back("-f");
    const std::size_t switches = args.size();
    std::int64_t total = 0;
    const int rows = list.RowCount();
    for (int row = 0; row < rows; ++row) {
        const std::string pages = list.SubItem(row, 1);
        // The probe found no pages: not passed, not counted.
        if (pages == "0")
            continue;
        args.push_back(GsInputFileName(list.SubItem(row, 3)));
        total += StrToInt(pages);
    }
    Post(param, static_cast<std::intptr_t>(total), GSN_TOTAL);
    // Without inputs Ghostscript still succeeds and writes one blank page.
    if (args.size() == switches)
        return GS_RESULT_ERROR;
    return Run_GS(args) ? GS_RESULT_OK : GS_RESULT_GS_FAILED;
}

// Writes the split pieces. Ghostscript 10 refuses a second gsapi_init_with_args
// on an instance, so the library stays loaded for the whole job but every piece
// gets an instance of its own; Load_GS made the first one.
class SplitRunner
{
public:
    SplitRunner(const TCall_GS_Thread_Param& param, TGsBinding& binding)
        : m_param(param), m_source(SplitSource(param)), m_binding(binding)
    {
    }

    bool RunPiece(const std::string& firstPage, const std::string& lastPage, const std::string& pagePart)
    {
        if (!m_firstPiece && !m_binding.NewInstance())
            return false;
        m_firstPiece = false;
        std::vector<std::string> args = FixedArgs();
        args.push_back("-dFirstPage=" + firstPage);
        args.push_back("-dLastPage=" + lastPage);
        args.push_back(
            GsOutputFileSwitch(SplitPieceFileName(m_param.OutputPath, m_param.BaseName, pagePart)));
        // Read again for each piece, as the window's field is the source of truth.
        args.push_back(GsInputFileName(m_source.Text()));
        const TGsBinding::RunCodes codes = m_binding.RunInstance(args);
        m_binding.DeleteInstance();
        return codes.Init == 0 && codes.Exit == 0;
    }

private:
    const TCall_GS_Thread_Param& m_param;
    const ITextSource& m_source;
    TGsBinding& m_binding;
    bool m_firstPiece = true;
};

int SplitByRanges(TCall_GS_Thread_Param& param, SplitRunner& runner)
{
    do {
        const auto end = param.RangeList.find(';');
        // Text without a closing ";" is no piece: it yields an empty one, which
        // does not convert below.
        const std::string piece = end == std::string::npos ? std::string() : param.RangeList.substr(0, end);
        const auto dash = piece.find('-');
        const std::string firstPage = dash == std::string::npos ? piece : piece.substr(0, dash);
        const std::string lastPage = dash == std::string::npos ? piece : piece.substr(dash + 1);
        const std::int32_t first = StrToInt(firstPage);
        // The last page text goes into a switch and a file name as it stands, so
        // it must be a number too.
        StrToInt(lastPage);
        Post(param, first, GSN_PIECE);
        if (!runner.RunPiece(firstPage, lastPage, piece))
            return GS_RESULT_GS_FAILED;
        param.RangeList.erase(0, end + 1);
    } while (!param.RangeList.empty());
    return GS_RESULT_OK;
}

int SplitEveryN(const TCall_GS_Thread_Param& param, SplitRunner& runner)
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
        const std::string firstText = std::to_string(first);
        const std::string lastText = std::to_string(last);
        if (!runner.RunPiece(firstText, lastText, firstText + "-" + lastText))
            return GS_RESULT_GS_FAILED;
    }
    return GS_RESULT_OK;
}

int RunSplit(TCall_GS_Thread_Param& param)
{
    TGsBinding binding;
    if (!Load_GS(binding))
        return GS_RESULT_GS_FAILED;
    SplitRunner runner(param, binding);
    const bool byRanges = std::holds_alternative<const ITextSource*>(param.PageSpec);
    const int result = byRanges ? SplitByRanges(param, runner) : SplitEveryN(param, runner);
    Free_GS(binding);
    return result;
}

} // namespace

int Call_GS_Thread(TCall_GS_Thread_Param* param)
{
    if (!param)
        return GS_RESULT_ERROR;
    int result = GS_RESULT_ERROR;
    {
        const JobSinkScope sinkScope(param->Notify);
        // Every binding lives inside this block, so the instance is deleted and the
        // library unloaded before GSN_DONE, on every path.
        try {
            if (param->Kind == 1)
                result = RunMerge(*param);
            else if (param->Kind == 2)
                result = RunSplit(*param);
        } catch (...) {
            result = GS_RESULT_ERROR;
        }
    }
    Post(*param, result, GSN_DONE);
    return result;
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
    if ((kind != 1 && kind != 2) || !str || len < 5 || std::memcmp(str, "Page ", 5) != 0)
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
