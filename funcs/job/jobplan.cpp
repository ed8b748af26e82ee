#include "job/jobplan.h"

#include "text/filenames.h"
#include "text/strutil.h"

#include <algorithm>
#include <stdexcept>
#include <variant>

namespace {

void ReadMerge(const TCall_GS_Thread_Param& param, TJobPlan& plan)
{
    const auto* ref = std::get_if<const IMergeListSource*>(&param.Source);
    if (!ref || !*ref)
        throw std::invalid_argument("The merge job has no file list");
    const IMergeListSource& list = **ref;
    const int rows = list.RowCount();
    for (int row = 0; row < rows; ++row) {
        TMergeListRow input = list.Row(row);
        if (input.Pages < 0)
            throw std::invalid_argument("'" + std::to_string(input.Pages) + "' is not a valid page count");
        if (input.Rotate % 90 != 0)
            throw std::invalid_argument("'" + std::to_string(input.Rotate) + "' is not a quarter turn");
        // The probe found no pages: not passed, not counted, but named at the end.
        if (input.Pages > 0)
            plan.Inputs.push_back(std::move(input));
        else
            plan.LeftOut.push_back(input.Path);
    }
}

void ReadSplit(const TCall_GS_Thread_Param& param, TJobPlan& plan)
{
    const auto* source = std::get_if<const ITextSource*>(&param.Source);
    if (!source || !*source)
        throw std::invalid_argument("The split job has no source field");
    TMergeListRow input;
    input.Path = (*source)->Text();
    input.Pages = param.TotalPages;
    input.Password = param.Password;
    input.Stamp = param.SourceStamp;
    plan.Inputs.push_back(std::move(input));
    plan.TotalPages = param.TotalPages;
    plan.BaseName = param.BaseName;
    plan.BookmarkLevel = param.BookmarkLevel;
    plan.MaxPieceBytes = param.MaxPieceBytes;
    // Which kind of control PageSpec refers to decides the method.
    plan.ByRanges = std::holds_alternative<const ITextSource*>(param.PageSpec);
    if (plan.ByRanges) {
        plan.RangeList = param.RangeList;
        return;
    }
    const auto* upDown = std::get_if<const IUpDownSource*>(&param.PageSpec);
    if (!upDown || !*upDown)
        throw std::invalid_argument("The split job has no pages-per-file control");
    plan.PagesPerFile = (*upDown)->Position();
    // The control's minimum is 1; anything less would never reach the end.
    if (plan.PagesPerFile < 1)
        throw std::invalid_argument("'" + std::to_string(plan.PagesPerFile) +
                                    "' is not a valid number of pages per file");
}

} // namespace

TJobPlan ReadJobPlan(const TCall_GS_Thread_Param& param)
{
    TJobPlan plan;
    plan.Kind = param.Kind;
    plan.Engine = param.Engine;
    plan.Overwrite = param.Overwrite;
    plan.OutputPath = param.OutputPath;
    plan.Bookmarks = param.Bookmarks;
    plan.BlankAfterOdd = param.BlankAfterOdd;
    if (param.Kind == JOB_MERGE)
        ReadMerge(param, plan);
    else if (param.Kind == JOB_SPLIT)
        ReadSplit(param, plan);
    else
        throw std::invalid_argument("The job is neither a merge nor a split.");
    return plan;
}

TSplitPieces::TSplitPieces(const TJobPlan& plan)
    : m_pieces(plan.Pieces), m_rangeList(plan.RangeList), m_totalPages(plan.TotalPages),
      m_perPiece(plan.PagesPerFile), m_byRanges(plan.ByRanges)
{
}

std::optional<TSplitPieces::TPiece> TSplitPieces::Next()
{
    if (!m_pieces.empty())
        return m_nextPiece < m_pieces.size() ? std::optional(m_pieces[m_nextPiece++]) : std::nullopt;
    if (m_byRanges)
        return NextRange();
    if (m_next > m_totalPages)
        return std::nullopt;
    TPiece result;
    result.First = static_cast<std::int32_t>(m_next);
    result.Last = static_cast<std::int32_t>(std::min<std::int64_t>(m_next + m_perPiece - 1, m_totalPages));
    result.PagePart = std::to_string(result.First) + "-" + std::to_string(result.Last);
    m_next += m_perPiece;
    return result;
}

std::optional<TSplitPieces::TPiece> TSplitPieces::NextRange()
{
    if (m_done)
        return std::nullopt;
    const auto end = m_rangeList.find(';');
    // Text without a closing ";" is no piece: it yields an empty one, which does
    // not convert below.
    const std::string piece = end == std::string::npos ? std::string() : m_rangeList.substr(0, end);
    const auto dash = piece.find('-');
    TPiece result;
    result.First = StrToInt(dash == std::string::npos ? piece : piece.substr(0, dash));
    // The piece text goes into a file name as it stands, so its last page must
    // be a number too.
    result.Last = StrToInt(dash == std::string::npos ? piece : piece.substr(dash + 1));
    result.PagePart = piece;
    m_rangeList.erase(0, end + 1);
    m_done = m_rangeList.empty();
    return result;
}

std::vector<TSplitPiece> ChapterPieces(const std::vector<TSourceChapter>& chapters, std::int32_t pageCount,
                                       const std::string& baseName)
{
    std::vector<TSourceChapter> starts;
    for (const TSourceChapter& chapter : chapters) {
        if (chapter.Page >= 1 && chapter.Page <= pageCount)
            starts.push_back(chapter);
    }
    std::stable_sort(starts.begin(), starts.end(),
                     [](const TSourceChapter& a, const TSourceChapter& b) { return a.Page < b.Page; });
    starts.erase(
        std::unique(starts.begin(), starts.end(),
                    [](const TSourceChapter& a, const TSourceChapter& b) { return a.Page == b.Page; }),
        starts.end());
    if (starts.empty())
        return {};
    if (starts.front().Page > 1)
        starts.insert(starts.begin(), TSourceChapter{baseName, 1});
    const std::size_t width = std::max<std::size_t>(2, std::to_string(starts.size()).size());
    std::vector<TSplitPiece> pieces;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        std::string number = std::to_string(i + 1);
        number.insert(0, width - number.size(), '0');
        const std::string title = SafeFileNamePart(starts[i].Title);
        const std::int32_t last = i + 1 < starts.size() ? starts[i + 1].Page - 1 : pageCount;
        pieces.push_back({starts[i].Page, last, title.empty() ? number : number + " " + title});
    }
    return pieces;
}
