#include "job/jobinputs.h"

#include "job/messages.h"
#include "text/filenames.h"
#include "text/strutil.h"

#include <utility>

TMergeRows::TMergeRows(std::vector<TMergeListRow> rows) : Rows(std::move(rows)) {}

int TMergeRows::RowCount() const
{
    return static_cast<int>(Rows.size());
}

TMergeListRow TMergeRows::Row(int row) const
{
    if (row < 0 || row >= RowCount())
        return {};
    return Rows[static_cast<std::size_t>(row)];
}

TFixedText::TFixedText(std::string text) : Value(std::move(text)) {}

namespace {

// The part both kinds of split share; the caller sets PageSpec and RangeList.
// Fields neither kind uses keep what the last job left.
void PrepareSplit(TCall_GS_Thread_Param& param, TJobInputs& inputs, const std::string& source,
                  const std::string& outputFolder, std::int32_t totalPages, IGsNotifySink* notify,
                  TEngineKind engine, TOverwrite overwrite, const std::string& password,
                  const std::optional<plat::FileStamp>& counted)
{
    param.Kind = JOB_SPLIT;
    param.Password = password;
    param.SourceStamp = counted;
    param.BookmarkLevel = 0;
    param.MaxPieceBytes = 0;
    param.Engine = engine;
    param.Overwrite = overwrite;
    inputs.SplitSource.Value = source;
    param.Source = static_cast<const ITextSource*>(&inputs.SplitSource);
    param.OutputPath = IncludeTrailingSeparator(outputFolder);
    param.BaseName = RemoveFileExt(ExtractFileName(source));
    param.TotalPages = totalPages;
    param.Notify = notify;
}

} // namespace

void PrepareMergeJob(TCall_GS_Thread_Param& param, TJobInputs& inputs, std::vector<TMergeListRow> rows,
                     const std::string& outputPath, IGsNotifySink* notify, TEngineKind engine,
                     TOverwrite overwrite, const TMergeChoices& choices)
{
    param.Kind = JOB_MERGE;
    param.Bookmarks = choices.Bookmarks;
    param.BlankAfterOdd = choices.BlankAfterOdd;
    param.Engine = engine;
    param.Overwrite = overwrite;
    inputs.MergeList.Rows = std::move(rows);
    param.Source = static_cast<const IMergeListSource*>(&inputs.MergeList);
    param.OutputPath = outputPath;
    param.Notify = notify;
    GS_Job_Kind = JOB_MERGE;
}

void PrepareSplitEveryJob(TCall_GS_Thread_Param& param, TJobInputs& inputs, const std::string& source,
                          const std::string& outputFolder, std::int32_t totalPages, std::int16_t pagesPerFile,
                          IGsNotifySink* notify, TEngineKind engine, TOverwrite overwrite,
                          const std::string& password, const std::optional<plat::FileStamp>& counted)
{
    PrepareSplit(param, inputs, source, outputFolder, totalPages, notify, engine, overwrite, password,
                 counted);
    inputs.PagesPerFile.Value = pagesPerFile;
    param.PageSpec = static_cast<const IUpDownSource*>(&inputs.PagesPerFile);
    param.RangeList.clear();
    GS_Job_Kind = JOB_SPLIT;
}

void PrepareSplitRangesJob(TCall_GS_Thread_Param& param, TJobInputs& inputs, const std::string& source,
                           const std::string& outputFolder, std::int32_t totalPages,
                           const std::string& rangeText, const std::string& rangeList, IGsNotifySink* notify,
                           TEngineKind engine, TOverwrite overwrite, const std::string& password,
                           const std::optional<plat::FileStamp>& counted)
{
    PrepareSplit(param, inputs, source, outputFolder, totalPages, notify, engine, overwrite, password,
                 counted);
    inputs.RangeField.Value = rangeText;
    param.PageSpec = static_cast<const ITextSource*>(&inputs.RangeField);
    param.RangeList = rangeList;
    GS_Job_Kind = JOB_SPLIT;
}

void PrepareSplitBookmarksJob(TCall_GS_Thread_Param& param, TJobInputs& inputs, const std::string& source,
                              const std::string& outputFolder, std::int32_t totalPages, std::int32_t level,
                              IGsNotifySink* notify, TEngineKind engine, TOverwrite overwrite,
                              const std::string& password, const std::optional<plat::FileStamp>& counted)
{
    // Pieces follow each other as an every-page split's do; the job cuts them.
    PrepareSplitEveryJob(param, inputs, source, outputFolder, totalPages, 1, notify, engine, overwrite,
                         password, counted);
    param.BookmarkLevel = level;
}

void PrepareSplitSizeJob(TCall_GS_Thread_Param& param, TJobInputs& inputs, const std::string& source,
                         const std::string& outputFolder, std::int32_t totalPages, std::uint64_t maxBytes,
                         IGsNotifySink* notify, TEngineKind engine, TOverwrite overwrite,
                         const std::string& password, const std::optional<plat::FileStamp>& counted)
{
    // Pieces follow each other as an every-page split's do; the job sizes them.
    PrepareSplitEveryJob(param, inputs, source, outputFolder, totalPages, 1, notify, engine, overwrite,
                         password, counted);
    param.MaxPieceBytes = maxBytes;
}

void PostRangesTotal(const TPageRanges& ranges, IGsNotifySink* notify)
{
    if (notify)
        notify->PostNotify(ranges.PageTotal, GSN_TOTAL);
}

TJobEnd JobEndParts(std::uint8_t kind, int result, const TCall_GS_Thread_Param& param)
{
    const bool ok = result == GS_RESULT_OK;
    if (kind != JOB_MERGE && kind != JOB_SPLIT)
        return {};
    if (result == GS_RESULT_CANCELLED)
        return {kind == JOB_MERGE ? TxtMergeCancelled : TxtSplitCancelled, " ", param.Reason};
    if (kind == JOB_MERGE)
        return {ok ? TxtMergeCompleted : TxtMergeFailed, "\n", ok ? param.Notes : param.Reason};
    return {ok ? TxtSplitCompleted : TxtSplitFailed, "\n", ok ? param.Notes : param.Reason};
}

std::string JobEndMessage(std::uint8_t kind, int result, const TCall_GS_Thread_Param& param)
{
    const TJobEnd end = JobEndParts(kind, result, param);
    return end.More.empty() ? std::string(end.Headline) : end.Headline + (end.Separator + end.More);
}
