#include "job/jobchecks.h"

#include "job/jobinputs.h"
#include "job/messages.h"
#include "output/folders.h"
#include "output/outputnames.h"
#include "text/filenames.h"

namespace {

// A specified text, then the cause on a line of its own when there is one.
std::string SecondLine(const std::string& text, const std::string& cause)
{
    return cause.empty() ? text : text + "\n" + cause;
}

} // namespace

std::string CannotCreateFolderText(const std::string& folder)
{
    return TxtCannotCreateFolder + ("\"" + folder + "\"");
}

std::optional<TRefusal> CheckMergeStart(std::size_t fileCount, std::size_t outputNameLength)
{
    if (fileCount < 2)
        return TRefusal{CapTooFewFiles, TxtTooFewFiles, false};
    if (outputNameLength < 3)
        return TRefusal{CapNoOutputFile,
                        SecondLine(TxtNoOutputFile, outputNameLength > 0 ? TxtOutputNameTooShort : ""),
                        false};
    return std::nullopt;
}

std::optional<TRefusal> CheckMergeOutputIsInput(bool isInput)
{
    // Overwriting would delete that input in the creation test.
    if (isInput)
        return TRefusal{CapOutputIsInput, TxtOutputIsInput};
    return std::nullopt;
}

std::optional<TRefusal> CheckMergeOutputCreatable(const std::string& output)
{
    const std::string folder = ExtractFilePath(output);
    std::string why;
    if (!CreateFolderChain(folder, &why))
        return TRefusal{CapCannotCreateFolder, SecondLine(CannotCreateFolderText(folder), why)};
    if (const std::string problem = OutputCreationProblem(output); !problem.empty())
        return TRefusal{CapCannotCreateFile, SecondLine(TxtCannotCreateFile, problem)};
    return std::nullopt;
}

std::optional<TRefusal> CheckSplitSourceGiven(const std::string& source)
{
    if (source.empty())
        return TRefusal{CapNoSource, TxtNoSource};
    return std::nullopt;
}

std::optional<TRefusal> CheckSplitSourcePages(const std::string& source, bool encrypted,
                                              std::int32_t pageCount, const std::string& whyNoPages)
{
    if (encrypted)
        return TRefusal{CapInfo, source + TxtEncryptedCannotSplit};
    if (pageCount < 2)
        return TRefusal{CapTooFewPages, SecondLine(TxtTooFewPages, pageCount < 1 ? whyNoPages : "")};
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

std::optional<TRefusal> CheckSplitLocation(const std::string& typed, const std::string& folder)
{
    if (typed.empty())
        return TRefusal{CapNoLocation, TxtNoLocation};
    std::string why;
    if (!CreateFolderChain(folder, &why))
        return TRefusal{CapCannotCreateFolder, SecondLine(CannotCreateFolderText(typed), why)};
    return std::nullopt;
}

std::string PieceIsSourceText(const std::string& piece)
{
    return "\"" + piece + "\" is the document being split.";
}
