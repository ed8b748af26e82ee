#include "job/mergelist.h"

#include "text/strutil.h"

#include <algorithm>

bool IsPathListed(const std::vector<TMergeListRow>& rows, const std::string& path)
{
    return std::any_of(rows.begin(), rows.end(),
                       [&](const TMergeListRow& row) { return SameTextAscii(row.Path, path); });
}

bool RowCountHolds(const TMergeListRow& row)
{
    if (row.Status != TRowStatus::Counted && row.Status != TRowStatus::Repaired)
        return false;
    return row.Stamp && plat::fileStamp(row.Path) == row.Stamp;
}
