// Ghostscript's own reasons for a failure: the lines of its error stream that
// begin with "****" ("**** Error: ...", "**** Unable to open ..."), a few at most,
// for the second line of a failure message. Qt-free.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Fed the chunks of the error stream as they come (they split lines anywhere).
// Keeps at most MaxLines lines, each trimmed and cut to MaxLineLength bytes;
// memory stays bounded whatever the stream holds. Not thread-safe: one job's
// worker thread feeds it, and the job reads it after the engine has returned.
class TErrorLineCollector
{
public:
    static constexpr std::size_t MaxLines = 5;
    static constexpr std::size_t MaxLineLength = 300;

    void Feed(std::string_view chunk);
    void Feed(const char* data, int length) { Feed(std::string_view(data, length > 0 ? length : 0)); }

    // The lines kept so far, an unfinished last line included.
    std::vector<std::string> Lines() const;
    // Those lines joined by "\n"; "" when there are none.
    std::string Text() const;
    void Clear();

private:
    void endLine();

    std::vector<std::string> m_lines;
    std::string m_current; // the line being received, at most MaxLineLength bytes
};
