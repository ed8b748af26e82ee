#include "engines/gserrors.h"

#include "text/strutil.h"

namespace {

bool isErrorLine(std::string_view line)
{
    const std::size_t start = line.find_first_not_of(" \t");
    return start != std::string_view::npos && line.substr(start, 4) == "****";
}

} // namespace

void TErrorLineCollector::Feed(std::string_view chunk)
{
    for (const char c : chunk) {
        if (c == '\n' || c == '\r') {
            endLine();
        } else if (m_current.size() < MaxLineLength) {
            m_current += c; // the rest of an overlong line is dropped
        }
    }
}

void TErrorLineCollector::endLine()
{
    if (m_lines.size() < MaxLines && isErrorLine(m_current))
        m_lines.push_back(Trim(m_current));
    m_current.clear();
}

std::vector<std::string> TErrorLineCollector::Lines() const
{
    std::vector<std::string> lines = m_lines;
    if (lines.size() < MaxLines && isErrorLine(m_current))
        lines.push_back(Trim(m_current));
    return lines;
}

std::string TErrorLineCollector::Text() const
{
    std::string text;
    for (const std::string& line : Lines()) {
        if (!text.empty())
            text += '\n';
        text += line;
    }
    return text;
}

void TErrorLineCollector::Clear()
{
    m_lines.clear();
    m_current.clear();
}
