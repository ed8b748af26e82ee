// The texts both front ends show, each written once. Captions are the window's
// message-box titles; the command line prints only the texts.
#pragma once

// Merge
inline constexpr char TxtEncryptedCannotMerge[] = " is encrypted, cannot be merged!"; // after the file name
inline constexpr char CapError[] = "error"; // a file that cannot be opened: the system's words
// What the command line says where the window lists silently or skips.
inline constexpr char TxtFolderCannotMerge[] = " is a folder, cannot be merged!";           // after the name
inline constexpr char TxtNotPdfCannotMerge[] = " is not a PDF document, cannot be merged!"; // after the name
inline constexpr char CapTooFewFiles[] = "less file";
inline constexpr char TxtTooFewFiles[] = "There must have two or more pdf documents in the list.";
inline constexpr char CapNoOutputFile[] = "missed output file";
inline constexpr char TxtNoOutputFile[] = "Please specify output file nanme.";
inline constexpr char TxtOutputNameTooShort[] =
    "An output name needs 3 characters or more."; // its second line
inline constexpr char CapOutputIsInput[] = "invalid output file";
inline constexpr char TxtOutputIsInput[] = "The output file cannot be one of the files to merge.";
inline constexpr char CapCannotCreateFile[] = "Warning";
inline constexpr char TxtCannotCreateFile[] = "Cannot create output file.";

// Split
inline constexpr char CapNoSource[] = "missed source file";
inline constexpr char TxtNoSource[] = "Please select a PDF document to split.";
inline constexpr char TxtEncryptedCannotSplit[] = " is encrypted, cannot be split."; // after the file name
inline constexpr char CapTooFewPages[] = "pages less";
inline constexpr char TxtTooFewPages[] = "Pages must be greate then 2.";
inline constexpr char CapNoRanges[] = "missed page range";
inline constexpr char TxtNoRanges[] = "Please specify page range(s) for spliting.";
inline constexpr char CapInvalidRanges[] = "invalid page range";
inline constexpr char TxtInvalidRanges[] = "Page ranges is invalid or page number exceed total pages.";
inline constexpr char CapNoLocation[] = "missed output location";
inline constexpr char TxtNoLocation[] = "Please specify a location for spliting.";
inline constexpr char CapTip[] = "Tip";
inline constexpr char TxtSourceMissing[] = "Specified file not exists.";
inline constexpr char TxtInvalidPdf[] = "Invalid PDF document.";
// The causes on those refusals' second lines, after the file's name.
inline constexpr char TxtNoPagesFound[] = ": no pages were found, it is not a PDF document.";
inline constexpr char TxtFolderNotSource[] = " is a folder, not a PDF document.";

// Both
// Second lines for a protected file, and the completion's note on its result.
inline constexpr char TxtWrongPassword[] = "The password given does not open it.";
// The question for a protected file's password, before the file's name.
inline constexpr char TxtPasswordFor[] = "Password for ";
inline constexpr char TxtWrittenUnencrypted[] =
    "opened with its password; the result is written without encryption.";
inline constexpr char CapInfo[] = "Info";
inline constexpr char CapCannotCreateFolder[] = "create folder failed";
inline constexpr char TxtCannotCreateFolder[] = "cannot create folder "; // then the folder in double quotes
// " aleady exists", after a quoted name: output/outputnames.h, since a commit says it too.
// The window's page pictures: why a file shows a placeholder (after the file name).
inline constexpr char TxtEncryptedNoPictures[] = " is encrypted: its pages cannot be shown.";
inline constexpr char TxtNotPdfNoPictures[] = " is not a PDF document: its pages cannot be shown.";

// A job's end
inline constexpr char TxtMergeCompleted[] = "Merging PDF completed.";
inline constexpr char TxtMergeFailed[] = "Merging PDF failed.";
inline constexpr char TxtSplitCompleted[] = "Splitting PDF completed.";
inline constexpr char TxtSplitFailed[] = "Splitting PDF failed.";
// A job the person cancelled; a split adds how many pieces it kept.
inline constexpr char TxtMergeCancelled[] = "Merging PDF cancelled.";
inline constexpr char TxtSplitCancelled[] = "Splitting PDF cancelled.";

// The window's question before a merge with listed files it cannot use; the
// files follow, one a line, then the question.
inline constexpr char CapLeftOut[] = "files left out";
inline constexpr char TxtLeftOut[] = "These files cannot be read and will be left out:";
inline constexpr char TxtMergeTheOthers[] = "Merge the other files?";
