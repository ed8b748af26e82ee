// Parts of file names and paths, and the merge list's size text. Pure text
// work: nothing here touches the disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Name cut before its last "." (the search does not stop at a separator); the
// name unchanged when it holds no ".".
std::string RemoveFileExt(const std::string& name);

// The file-name part of a path (after the last separator).
std::string ExtractFileName(const std::string& path);
// The folder part of a path including its trailing separator ("" when none).
std::string ExtractFilePath(const std::string& path);
// The extension of the file-name part, from its last "." on; "" when none.
std::string ExtractFileExt(const std::string& path);

// Text (UTF-8) made fit to be part of a file name on every file system: the
// characters Windows refuses (control characters, < > : " / \ | ? *) become
// "_", blanks around it and dots at its end go (Windows drops them), and it is
// cut to at most maxBytes bytes between two characters. "" when nothing is left.
std::string SafeFileNamePart(const std::string& text, std::size_t maxBytes = 120);

// Size text of the merge list: "%6d B", "%6.2f K", "%6.2f M", "%.2f G", with the
// given decimal separator.
std::string FileSizeText(std::uint64_t size, char decimalSeparator = '.');
