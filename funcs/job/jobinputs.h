// Setting up a job in one place: the values the job reads instead of window
// controls, and the functions that fill the job record for a merge or a split.
// Every front end (window, command line, benchmark, tests) starts jobs this way.
#pragma once

#include "job/job.h"
#include "job/mergelist.h"
#include "job/pageranges.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The merge list's rows as they were when the job started. Nothing here changes
// while the worker runs, so its reads need no lock.
class TMergeRows final : public IMergeListSource
{
public:
    TMergeRows() = default;
    explicit TMergeRows(std::vector<TMergeListRow> rows);

    std::vector<TMergeListRow> Rows;

    int RowCount() const override;
    TMergeListRow Row(int row) const override;
};

// A text field's value as it was when the job started.
class TFixedText final : public ITextSource
{
public:
    TFixedText() = default;
    explicit TFixedText(std::string text);

    std::string Value;

    std::string Text() const override { return Value; }
};

// The pages-per-file position as it was when the job started.
class TFixedUpDown final : public IUpDownSource
{
public:
    TFixedUpDown() = default;
    explicit TFixedUpDown(std::int16_t position) : Value(position) {}

    std::int16_t Value = 1;

    std::int16_t Position() const override { return Value; }
};

// Everything a job borrows besides its record. The starter owns it and keeps it
// unchanged until GSN_DONE.
struct TJobInputs
{
    TMergeRows MergeList;
    TFixedText SplitSource;
    TFixedText RangeField;
    TFixedUpDown PagesPerFile;
};

// Each Prepare function sets the record's fields its kind of job reads (Engine
// and Overwrite included; the others keep what the last job left), fills `inputs`, points the
// record at them and sets GS_Job_Kind. The caller then starts the job
// (StartGsJob or Call_GS_Thread). Call only while no job runs.

// The choices a merge takes for the whole list.
struct TMergeChoices
{
    TBookmarkPolicy Bookmarks = TBookmarkPolicy::FilesAndOwn;
    bool BlankAfterOdd = false;
};

// A merge of `rows` (in list order; rows without pages are left out by the job;
// each row's password, page selection and turn go along) into outputPath.
void PrepareMergeJob(TCall_GS_Thread_Param& param, TJobInputs& inputs, std::vector<TMergeListRow> rows,
                     const std::string& outputPath, IGsNotifySink* notify, TEngineKind engine = DefaultEngine,
                     TOverwrite overwrite = TOverwrite::Refuse, const TMergeChoices& choices = {});

// Every split kind sets the record's Password to `password`: the source's, or
// empty when it needs none; and its SourceStamp to `counted`, the verdict's
// Stamp (JudgeSplitSource) of the count given as totalPages.

// A split of `source` (totalPages pages) into pieces of pagesPerFile pages each,
// written to outputFolder (a separator is added when missing). The job posts the
// total itself.
void PrepareSplitEveryJob(TCall_GS_Thread_Param& param, TJobInputs& inputs, const std::string& source,
                          const std::string& outputFolder, std::int32_t totalPages, std::int16_t pagesPerFile,
                          IGsNotifySink* notify, TEngineKind engine = DefaultEngine,
                          TOverwrite overwrite = TOverwrite::Refuse, const std::string& password = {},
                          const std::optional<plat::FileStamp>& counted = {});

// A split of `source` by the range text (rangeText as typed, rangeList the
// non-empty list ParsePageRanges made of it). The job posts no total for ranges:
// PostRangesTotal does, as soon as the ranges pass their check.
void PrepareSplitRangesJob(TCall_GS_Thread_Param& param, TJobInputs& inputs, const std::string& source,
                           const std::string& outputFolder, std::int32_t totalPages,
                           const std::string& rangeText, const std::string& rangeList, IGsNotifySink* notify,
                           TEngineKind engine = DefaultEngine, TOverwrite overwrite = TOverwrite::Refuse,
                           const std::string& password = {},
                           const std::optional<plat::FileStamp>& counted = {});

// A split of `source` into one piece per bookmark at `level` (1: the top
// ones), named "<number> <title>.pdf" in outputFolder. The job posts the total.
void PrepareSplitBookmarksJob(TCall_GS_Thread_Param& param, TJobInputs& inputs, const std::string& source,
                              const std::string& outputFolder, std::int32_t totalPages, std::int32_t level,
                              IGsNotifySink* notify, TEngineKind engine = DefaultEngine,
                              TOverwrite overwrite = TOverwrite::Refuse, const std::string& password = {},
                              const std::optional<plat::FileStamp>& counted = {});

// A split of `source` into pieces of at most maxBytes each (a page larger than
// that alone), named "<first>-<last>" as every N pages. The job posts the total.
void PrepareSplitSizeJob(TCall_GS_Thread_Param& param, TJobInputs& inputs, const std::string& source,
                         const std::string& outputFolder, std::int32_t totalPages, std::uint64_t maxBytes,
                         IGsNotifySink* notify, TEngineKind engine = DefaultEngine,
                         TOverwrite overwrite = TOverwrite::Refuse, const std::string& password = {},
                         const std::optional<plat::FileStamp>& counted = {});

// Posts GSN_TOTAL with the ranges' page total to `notify` (nothing when null).
// Called before any later check, so that a refused or cancelled split still
// leaves the progress bar's range set, as it always has.
void PostRangesTotal(const TPageRanges& ranges, IGsNotifySink* notify);

// The message a finished job of `kind` ends with: the completed or failed text,
// then, on further lines, why it failed (the record's Reason) or what a job that
// went through has to warn about (its Notes). "" for no known kind.
// A cancelled job says so, and a split how many pieces it kept, on the same line.
std::string JobEndMessage(std::uint8_t kind, int result, const TCall_GS_Thread_Param& param);

// That message in its parts, for a front end that translates the headline:
// Headline, then Separator and More when More is not empty.
struct TJobEnd
{
    const char* Headline = "";
    const char* Separator = "\n";
    std::string More;
};
TJobEnd JobEndParts(std::uint8_t kind, int result, const TCall_GS_Thread_Param& param);
