#include "job/jobchecks.h"

#include "job/jobinputs.h"
#include "job/messages.h"
#include "output/folders.h"
#include "output/outputnames.h"
#include "text/filenames.h"

#include <utility>

TCoreText CannotCreateFolderText(const std::string& folder)
{
    return {TxtCannotCreateFolder, {folder}};
}

std::optional<TRefusal> CheckMergeStart(std::size_t fileCount, std::size_t outputNameLength)
{
    if (fileCount < 2)
        return TRefusal{CapTooFewFiles, TxtTooFewFiles, TRefusalIcon::Information};
    if (outputNameLength < 3)
        return TRefusal{CapNoOutputFile, TxtNoOutputFile, TRefusalIcon::Information,
                        outputNameLength > 0 ? TxtOutputNameTooShort : ""};
    return std::nullopt;
}

std::optional<TRefusal> CheckMergeOutputIsInput(bool isInput)
{
    // Overwriting would delete that input in the creation test.
    if (isInput)
        return TRefusal{CapOutputIsInput, TxtOutputIsInput};
    return std::nullopt;
}

std::optional<TRefusal> CheckMergeSelections(const std::vector<TMergeListRow>& rows)
{
    for (const TMergeListRow& row : rows) {
        if (TCoreText problem = RowSelectionProblem(row); !problem.empty())
            return TRefusal{CapInvalidRanges, std::move(problem)};
    }
    return std::nullopt;
}

std::optional<TRefusal> CheckMergeOutputCreatable(const std::string& output)
{
    const std::string folder = ExtractFilePath(output);
    std::string why;
    if (!CreateFolderChain(folder, &why))
        return TRefusal{CapCannotCreateFolder, CannotCreateFolderText(folder), TRefusalIcon::Warning,
                        TCoreText::Verbatim(why)};
    if (std::string problem = OutputCreationProblem(output); !problem.empty())
        return TRefusal{CapCannotCreateFile, TxtCannotCreateFile, TRefusalIcon::Warning,
                        TCoreText::Verbatim(std::move(problem))};
    return std::nullopt;
}

std::optional<TRefusal> CheckSplitSourceGiven(const std::string& source)
{
    if (source.empty())
        return TRefusal{CapNoSource, TxtNoSource};
    return std::nullopt;
}

std::optional<TRefusal> CheckSplitSourcePages(const std::string& source, bool encrypted,
                                              std::int32_t pageCount, const std::string& whyNoPages,
                                              const TCoreText& encryptedCause)
{
    if (encrypted)
        return TRefusal{CapInfo, {TxtEncryptedCannotSplit, {source}}, TRefusalIcon::Warning, encryptedCause};
    // Why there are none, as the reader said it, when it said it.
    if (pageCount < 1)
        return TRefusal{CapTooFewPages, TxtTooFewPages, TRefusalIcon::Warning,
                        whyNoPages.empty() ? TCoreText(TxtNoPagesFound, {source})
                                           : TCoreText::Verbatim(whyNoPages)};
    if (pageCount < 2)
        return TRefusal{CapTooFewPages, TxtTooFewPages, TRefusalIcon::Warning, ""};
    return std::nullopt;
}

std::optional<TRefusal> CheckSplitRanges(const std::string& rangeText, std::int32_t pageCount,
                                         TPageRanges& ranges, IGsNotifySink* notify)
{
    if (rangeText.empty())
        return TRefusal{CapNoRanges, TxtNoRanges};
    ranges = ParsePageRanges(rangeText, pageCount);
    if (ranges.RangeList.empty())
        return TRefusal{CapInvalidRanges, TxtInvalidRanges};
    PostRangesTotal(ranges, notify);
    return std::nullopt;
}

std::optional<TRefusal> CheckSplitMethodEngine(TSplitKind method, TEngineKind engine)
{
    if (engine != TEngineKind::Ghostscript)
        return std::nullopt;
    if (method == TSplitKind::Bookmarks)
        return TRefusal{CapInfo, TxtSplitFailed, TRefusalIcon::Warning, TxtGsNoChapters};
    if (method == TSplitKind::Size)
        return TRefusal{CapInfo, TxtSplitFailed, TRefusalIcon::Warning, TxtGsNoSizeSplit};
    return std::nullopt;
}

std::optional<TRefusal> CheckSplitLocation(const std::string& typed, const std::string& folder)
{
    if (typed.empty())
        return TRefusal{CapNoLocation, TxtNoLocation};
    std::string why;
    if (!CreateFolderChain(folder, &why))
        return TRefusal{CapCannotCreateFolder, CannotCreateFolderText(typed), TRefusalIcon::Warning,
                        TCoreText::Verbatim(why)};
    return std::nullopt;
}

TCoreText PieceIsSourceText(const std::string& piece)
{
    return {CORE_TEXT("Plicora", "\"%1\" is the document being split."), {piece}};
}
