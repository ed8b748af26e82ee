// The texts both front ends show, each written once. Captions are the window's
// message-box titles; the command line prints only the texts. %1 stands for the
// file or folder (text/coretext.h fills it in; the window translates first).
#pragma once

#include "text/coretext.h"

// Merge
inline constexpr char TxtEncryptedCannotMerge[] = CORE_TEXT("Plicora", "%1 is encrypted, cannot be merged!");
inline constexpr char CapError[] =
    CORE_TEXT("Plicora", "error"); // a file that cannot be opened: the system's words
// What the command line says where the window lists silently or skips.
inline constexpr char TxtFolderCannotMerge[] = CORE_TEXT("Plicora", "%1 is a folder, cannot be merged!");
inline constexpr char TxtNotPdfCannotMerge[] =
    CORE_TEXT("Plicora", "%1 is not a PDF document, cannot be merged!");
inline constexpr char CapTooFewFiles[] = CORE_TEXT("Plicora", "less file");
inline constexpr char TxtTooFewFiles[] =
    CORE_TEXT("Plicora", "There must have two or more pdf documents in the list.");
inline constexpr char CapNoOutputFile[] = CORE_TEXT("Plicora", "missed output file");
inline constexpr char TxtNoOutputFile[] = CORE_TEXT("Plicora", "Please specify output file nanme.");
inline constexpr char TxtOutputNameTooShort[] =
    CORE_TEXT("Plicora", "An output name needs 3 characters or more."); // its second line
inline constexpr char CapOutputIsInput[] = CORE_TEXT("Plicora", "invalid output file");
inline constexpr char TxtOutputIsInput[] =
    CORE_TEXT("Plicora", "The output file cannot be one of the files to merge.");
inline constexpr char CapCannotCreateFile[] = CORE_TEXT("Plicora", "Warning");
inline constexpr char TxtCannotCreateFile[] = CORE_TEXT("Plicora", "Cannot create output file.");

// Split
inline constexpr char CapNoSource[] = CORE_TEXT("Plicora", "missed source file");
inline constexpr char TxtNoSource[] = CORE_TEXT("Plicora", "Please select a PDF document to split.");
inline constexpr char TxtEncryptedCannotSplit[] = CORE_TEXT("Plicora", "%1 is encrypted, cannot be split.");
inline constexpr char CapTooFewPages[] = CORE_TEXT("Plicora", "pages less");
inline constexpr char TxtTooFewPages[] = CORE_TEXT("Plicora", "Pages must be greate then 2.");
inline constexpr char CapNoRanges[] = CORE_TEXT("Plicora", "missed page range");
inline constexpr char TxtNoRanges[] = CORE_TEXT("Plicora", "Please specify page range(s) for spliting.");
inline constexpr char CapInvalidRanges[] = CORE_TEXT("Plicora", "invalid page range");
inline constexpr char TxtInvalidRanges[] =
    CORE_TEXT("Plicora", "Page ranges is invalid or page number exceed total pages.");
inline constexpr char CapNoLocation[] = CORE_TEXT("Plicora", "missed output location");
inline constexpr char TxtNoLocation[] = CORE_TEXT("Plicora", "Please specify a location for spliting.");
inline constexpr char CapTip[] = CORE_TEXT("Plicora", "Tip");
inline constexpr char TxtSourceMissing[] = CORE_TEXT("Plicora", "Specified file not exists.");
inline constexpr char TxtInvalidPdf[] = CORE_TEXT("Plicora", "Invalid PDF document.");
// The causes on those refusals' second lines.
inline constexpr char TxtNoPagesFound[] =
    CORE_TEXT("Plicora", "%1: no pages were found, it is not a PDF document.");
inline constexpr char TxtFolderNotSource[] = CORE_TEXT("Plicora", "%1 is a folder, not a PDF document.");

// Both
// Second lines for a protected file, the question for its password (%1: the
// file), and the completion's note on its result.
inline constexpr char TxtWrongPassword[] = CORE_TEXT("Plicora", "The password given does not open it.");
inline constexpr char TxtPasswordFor[] = CORE_TEXT("Plicora", "Password for %1:");
inline constexpr char TxtWrittenUnencrypted[] =
    CORE_TEXT("Plicora", "%1: opened with its password; the result is written without encryption.");
inline constexpr char CapInfo[] = CORE_TEXT("Plicora", "Info");
inline constexpr char CapCannotCreateFolder[] = CORE_TEXT("Plicora", "create folder failed");
inline constexpr char TxtCannotCreateFolder[] = CORE_TEXT("Plicora", "cannot create folder \"%1\"");
// "\"%1\" aleady exists": output/outputnames.h, since a commit says it too.
// The window's page pictures: why a file shows a placeholder.
inline constexpr char TxtEncryptedNoPictures[] =
    CORE_TEXT("Plicora", "%1 is encrypted: its pages cannot be shown.");
inline constexpr char TxtNotPdfNoPictures[] =
    CORE_TEXT("Plicora", "%1 is not a PDF document: its pages cannot be shown.");

// A job's end
inline constexpr char TxtMergeCompleted[] = CORE_TEXT("Plicora", "Merging PDF completed.");
inline constexpr char TxtMergeFailed[] = CORE_TEXT("Plicora", "Merging PDF failed.");
inline constexpr char TxtSplitCompleted[] = CORE_TEXT("Plicora", "Splitting PDF completed.");
inline constexpr char TxtSplitFailed[] = CORE_TEXT("Plicora", "Splitting PDF failed.");
// A job the person cancelled; a split adds how many pieces it kept.
inline constexpr char TxtMergeCancelled[] = CORE_TEXT("Plicora", "Merging PDF cancelled.");
inline constexpr char TxtSplitCancelled[] = CORE_TEXT("Plicora", "Splitting PDF cancelled.");

// The window's question before a merge with listed files it cannot use; the
// files follow, one a line, then the question.
inline constexpr char CapLeftOut[] = CORE_TEXT("Plicora", "files left out");
inline constexpr char TxtLeftOut[] = CORE_TEXT("Plicora", "These files cannot be read and will be left out:");
inline constexpr char TxtMergeTheOthers[] = CORE_TEXT("Plicora", "Merge the other files?");
