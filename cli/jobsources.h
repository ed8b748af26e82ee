// The job reads the window's controls through small interfaces; the command line
// has no controls, so it answers from values fixed before the job starts. Nothing
// here changes while the worker runs, so the reads need no lock.
#pragma once

#include "gsjob.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// One row of the merge list: file name, page count, size text, full path.
struct TMergeRow
{
    std::string FileName;
    std::string PageCount;
    std::string SizeText;
    std::string FullPath;
};

class TMergeRows final : public IMergeListSource
{
public:
    explicit TMergeRows(std::vector<TMergeRow> rows) : m_rows(std::move(rows)) {}
    int RowCount() const override { return static_cast<int>(m_rows.size()); }
    std::string SubItem(int row, int index) const override
    {
        if (row < 0 || row >= RowCount())
            return {};
        const TMergeRow& r = m_rows[static_cast<std::size_t>(row)];
        switch (index) {
        case 0:
            return r.FileName;
        case 1:
            return r.PageCount;
        case 2:
            return r.SizeText;
        case 3:
            return r.FullPath;
        default:
            return {};
        }
    }

private:
    std::vector<TMergeRow> m_rows;
};

class TFixedText final : public ITextSource
{
public:
    explicit TFixedText(std::string text) : m_text(std::move(text)) {}
    std::string Text() const override { return m_text; }

private:
    std::string m_text;
};

class TFixedUpDown final : public IUpDownSource
{
public:
    explicit TFixedUpDown(std::int16_t position) : m_position(position) {}
    std::int16_t Position() const override { return m_position; }

private:
    std::int16_t m_position;
};
