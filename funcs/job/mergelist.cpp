#include "job/mergelist.h"

#include "job/pageselection.h"
#include "text/naturalsort.h"
#include "text/strutil.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

// A name as compared when no file answers to it.
std::string CleanName(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(plat::fsPath(path), ec);
    return plat::fsText((ec ? plat::fsPath(path) : absolute).lexically_normal());
}

bool SameSpelling(const std::string& a, const std::string& b)
{
    return plat::CaseFoldedNames ? SameTextAscii(a, b) : a == b;
}

bool SameFile(const std::string& a, const std::optional<plat::FileIdentity>& idA, const std::string& b,
              const std::optional<plat::FileIdentity>& idB)
{
    if (SameSpelling(a, b))
        return true;
    if (idA && idB)
        return *idA == *idB;
    return SameSpelling(CleanName(a), CleanName(b));
}

} // namespace

bool IsPathListed(const std::vector<TMergeListRow>& rows, const std::string& path)
{
    const std::optional<plat::FileIdentity> identity = plat::fileIdentity(path);
    return std::any_of(rows.begin(), rows.end(), [&](const TMergeListRow& row) {
        // The file it was counted from; asked again only for a row not counted.
        const std::optional<plat::FileIdentity> rowIdentity =
            row.Stamp ? std::optional(row.Stamp->Identity) : plat::fileIdentity(row.Path);
        return SameFile(row.Path, rowIdentity, path, identity);
    });
}

TCoreText RowProblem(const TMergeListRow& row)
{
    switch (row.Status) {
    case TRowStatus::NotPdf:
        return CORE_TEXT("Plicora", "not a PDF");
    case TRowStatus::Guessed:
        if (row.Reason.empty())
            return CORE_TEXT("Plicora", "damaged beyond repair");
        return {CORE_TEXT("Plicora", "damaged beyond repair (%1)"), {row.Reason}};
    case TRowStatus::Counted:
    case TRowStatus::Repaired:
    case TRowStatus::Counting:
        break;
    }
    return {};
}

std::optional<std::int32_t> ChosenPageCount(const TMergeListRow& row)
{
    return SelectedPageCount(row.Selection, row.Pages);
}

TCoreText RowSelectionProblem(const TMergeListRow& row)
{
    if (row.Status == TRowStatus::Counting || !RowProblem(row).empty())
        return {};
    const TPageSelection selection = ParsePageSelection(row.Selection, row.Pages);
    return selection.Problem.empty() ? TCoreText()
                                     : SelectionRefusalText(row.Path, row.Selection, selection.Problem);
}

std::vector<TMergeListRow> WithUnreadableLeftOut(std::vector<TMergeListRow> rows)
{
    for (TMergeListRow& row : rows) {
        if (!RowProblem(row).empty())
            row.Pages = 0;
    }
    return rows;
}

std::vector<std::string> PdfFilesInFolder(const std::string& folder)
{
    std::vector<std::string> files;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(plat::fsPath(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = plat::fsText(it->path().filename());
        std::error_code typeError;
        if (name.size() > 4 && SameTextAscii(name.substr(name.size() - 4), ".pdf") &&
            !it->is_directory(typeError))
            files.push_back(plat::fsText(it->path()));
    }
    std::sort(files.begin(), files.end(),
              [](const std::string& a, const std::string& b) { return NaturalLess(a, b); });
    return files;
}

std::string LeftOutNote(const std::string& path)
{
    return path + ": left out, it cannot be read as a PDF document";
}

bool RowCountHolds(const TMergeListRow& row)
{
    if (row.Status != TRowStatus::Counted && row.Status != TRowStatus::Repaired)
        return false;
    return row.Stamp && plat::fileStamp(row.Path) == row.Stamp;
}
