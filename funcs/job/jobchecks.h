// The checks a merge or a split passes before it starts, in the order both front
// ends run them. Each returns the refusal to show, or nothing when the check
// passes. The window shows caption and message in a message box with the given
// icon; the command line prints the message. Confirmations, focus and --force
// stay with the front ends. (Whether a file may come in: frontdoor.h.)
#pragma once

#include "job/job.h"
#include "job/mergelist.h"
#include "job/pageranges.h"
#include "text/coretext.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The icon of the window's message box for a refusal.
enum class TRefusalIcon
{
    Warning,
    Information,
    Error
};

struct TRefusal
{
    std::string Caption;
    TCoreText Text; // the first line, in the system's own words
    TRefusalIcon Icon = TRefusalIcon::Warning;
    TCoreText Cause = {}; // why, for a second line; empty when the text says it all

    // The text, then the cause on a line of its own, in English.
    std::string Message() const { return Cause.empty() ? Text.Str() : Text.Str() + "\n" + Cause.Str(); }
};

// "cannot create folder "<folder>"".
TCoreText CannotCreateFolderText(const std::string& folder);
// ""<piece>" is the document being split.": a piece name that leads to the source.
TCoreText PieceIsSourceText(const std::string& piece);

// The merge list holds fileCount files and the typed output name has
// outputNameLength characters (as the front end counts them).
std::optional<TRefusal> CheckMergeStart(std::size_t fileCount, std::size_t outputNameLength);
// The final output name must not be one of the inputs.
std::optional<TRefusal> CheckMergeOutputIsInput(bool isInput);
// Every row a merge uses must choose pages its file has: the first refused
// selection in list order, naming the file and why.
std::optional<TRefusal> CheckMergeSelections(const std::vector<TMergeListRow>& rows);
// Creates the output's folder chain, then tests that the output can be created.
// Touches the file system.
std::optional<TRefusal> CheckMergeOutputCreatable(const std::string& output);

// The trimmed split source must be given.
std::optional<TRefusal> CheckSplitSourceGiven(const std::string& source);
// The source must not be encrypted (as the front door's probe sees it) and have
// at least two pages; why a source that has none could not be read (the probe's
// ReaderNote), or why a locked one stays locked (LockedCause), is the refusal's
// second line.
std::optional<TRefusal> CheckSplitSourcePages(const std::string& source, bool encrypted,
                                              std::int32_t pageCount, const std::string& whyNoPages = {},
                                              const TCoreText& encryptedCause = {});
// The trimmed range text must be given and valid for pageCount pages; ranges gets
// the parsed result, whose total is posted to `notify` when they pass
// (PostRangesTotal). Throws EConvertError as ParsePageRanges does.
std::optional<TRefusal> CheckSplitRanges(const std::string& rangeText, std::int32_t pageCount,
                                         TPageRanges& ranges, IGsNotifySink* notify);
// How a split cuts: every N pages, typed ranges, a piece per bookmark at a
// level, pieces of at most a size.
enum class TSplitKind
{
    Every,
    Ranges,
    Bookmarks,
    Size
};
// The engine must be able to cut by the method: the Ghostscript engine reads no
// bookmarks and cannot measure pieces ("Splitting PDF failed.", then why).
// Checked before the engine loads anything.
std::optional<TRefusal> CheckSplitMethodEngine(TSplitKind method, TEngineKind engine);
// The location must be given (as typed) and its folder chain (folder: the
// location the job will write to) created. Touches the file system.
std::optional<TRefusal> CheckSplitLocation(const std::string& typed, const std::string& folder);
