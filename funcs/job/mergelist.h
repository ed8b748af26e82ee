// The merge list's rows as values: what the window's list shows, what the
// command line collects from its arguments, and what a merge job reads. The
// texts a row shows (page count, size) are made from these fields where they
// are shown, never read back.
#pragma once

#include "platform/platform.h"
#include "text/coretext.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// How far a row's page count can be trusted.
enum class TRowStatus
{
    Counted,  // the reader walked the page tree
    Repaired, // the reader read the file only after repairing it (Reason: its first problem)
    Guessed,  // the reader could not read it; the light probe's count (Reason: why)
    NotPdf,   // no pages found: listed, but a merge leaves it out
    Counting  // listed as added, its count not in yet: a merge waits for it
};

struct TMergeListRow
{
    std::string Path; // as the dialog, the shell or the command line gave it
    std::int32_t Pages = 0;
    std::uint64_t Size = 0; // 0 when the file's attributes cannot be read
    TRowStatus Status = TRowStatus::Counted;
    std::string Reason = {}; // Repaired and Guessed: the reader's words, without the file name
    // The file as it was when counted; none when unknown, and then a job reads
    // the file again before relying on Pages.
    std::optional<plat::FileStamp> Stamp = {};
    // The password that opens an encrypted file; empty for every other.
    std::string Password = {};
    // The pages to merge, as typed (pageselection.h); "" or "all": every page.
    std::string Selection = {};
    // 0, 90, 180 or 270: the chosen pages are turned clockwise by this much.
    int Rotate = 0;
};

// Whether a row already lists this file: the same file on disk whatever way
// reaches it (a link, "//", ".."), or, for a name that reaches no file, the same
// spelling once made absolute and cleaned of "." and "..". Names that differ only
// in case are two files where the file system tells case apart. A counted row's
// file is the one its stamp names.
bool IsPathListed(const std::vector<TMergeListRow>& rows, const std::string& path);

// Why a merge cannot use the row's file, in a few words for the row itself and
// for messages: "not a PDF", "damaged beyond repair (<the reader's words>)";
// empty for a row a merge uses.
TCoreText RowProblem(const TMergeListRow& row);

// The pages a merge takes of the row: those its selection chooses, every page
// when it chooses all; none while the selection is refused.
std::optional<std::int32_t> ChosenPageCount(const TMergeListRow& row);

// Why a merge refuses the row's page selection, in the words of that refusal
// (SelectionRefusalText, naming the file); empty when it is accepted, and for a
// row still counting or one a merge leaves out anyway.
TCoreText RowSelectionProblem(const TMergeListRow& row);

// The rows a merge is given once the person agreed to leave the unusable ones
// out: those get 0 pages, so the job passes them by and names them at its end.
std::vector<TMergeListRow> WithUnreadableLeftOut(std::vector<TMergeListRow> rows);

// The PDF files directly in a folder (by their ".pdf" ending, in any case), in
// natural name order (chapter2 before chapter10), as full paths; empty when the
// folder cannot be read. What a folder dropped on the merge list adds.
std::vector<std::string> PdfFilesInFolder(const std::string& folder);

// The line a merge's result has for each file it left out.
std::string LeftOutNote(const std::string& path);

// Whether the row's count still describes its file: the reader's count, and the
// file has the same identity, size and modification time as when counted.
bool RowCountHolds(const TMergeListRow& row);
