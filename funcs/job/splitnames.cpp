#include "job/splitnames.h"

#include <algorithm>

std::string SplitPieceFileName(const std::string& outputPath, const std::string& baseName,
                               const std::string& pagePart)
{
    return outputPath + baseName + pagePart + ".pdf";
}

std::vector<std::string> SplitPieceNames(const std::string& outputPath, const std::string& baseName,
                                         std::int32_t totalPages, std::int32_t pagesPerFile)
{
    std::vector<std::string> names;
    if (pagesPerFile < 1 || totalPages < 1)
        return names;
    // 64-bit so that first + N cannot overflow near the top of the 32-bit range.
    for (std::int64_t first = 1; first <= totalPages; first += pagesPerFile) {
        const std::int64_t last = std::min<std::int64_t>(first + pagesPerFile - 1, totalPages);
        names.push_back(
            SplitPieceFileName(outputPath, baseName, std::to_string(first) + "-" + std::to_string(last)));
    }
    return names;
}

std::vector<std::string> SplitPieceNames(const std::string& outputPath, const std::string& baseName,
                                         const std::string& rangeList)
{
    std::vector<std::string> names;
    std::string::size_type start = 0;
    for (auto end = rangeList.find(';'); end != std::string::npos; end = rangeList.find(';', start)) {
        names.push_back(SplitPieceFileName(outputPath, baseName, rangeList.substr(start, end - start)));
        start = end + 1;
    }
    return names;
}
