// Names of the files a split job writes, known before the job runs so that a
// caller can look for files it would overwrite. Mirrors the job's naming exactly:
// no separator between the base name and the page part.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The file one piece is written to: outputPath + baseName + pagePart + ".pdf",
// where pagePart is "<first>-<last>" (every N pages) or the range-list piece.
std::string SplitPieceFileName(const std::string& outputPath, const std::string& baseName,
                               const std::string& pagePart);

// Every N pages: outputPath + baseName + "<first>-<last>.pdf" for each piece, the
// last piece ending at totalPages. Empty when pagesPerFile or totalPages is below 1.
std::vector<std::string> SplitPieceNames(const std::string& outputPath, const std::string& baseName,
                                         std::int32_t totalPages, std::int32_t pagesPerFile);

// By ranges: outputPath + baseName + piece + ".pdf" for each piece of a range list
// such as "1;2-5;4;", in list order. Text after the last ";" is no piece (the job
// does not write it either).
std::vector<std::string> SplitPieceNames(const std::string& outputPath, const std::string& baseName,
                                         const std::string& rangeList);
