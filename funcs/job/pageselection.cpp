#include "job/pageselection.h"

#include "text/strutil.h"

#include <algorithm>
#include <charconv>

namespace {

// One page number or "z"; none when the text is neither or beyond 32 bits.
std::optional<std::int32_t> ReadPage(const std::string& text, std::int32_t pageCount)
{
    if (text == "z")
        return pageCount;
    std::int32_t page = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), page);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return page;
}

// The entry in double quotes, built by appending: GCC 12 warns falsely (-Wrestrict)
// on a literal put before a temporary string.
std::string Quoted(const std::string& entry)
{
    std::string quoted(1, '"');
    quoted += Trim(entry);
    quoted += '"';
    return quoted;
}

// Adds the pages of one entry ("7", "2-5", "4-", "z", "3-z"); false with problem set.
bool AddEntry(const std::string& entry, std::int32_t pageCount, std::vector<bool>& taken, TPageSelection& out)
{
    const auto dash = entry.find('-');
    const std::string firstText = Trim(entry.substr(0, dash));
    const std::string lastText = dash == std::string::npos ? firstText : Trim(entry.substr(dash + 1));
    const std::optional<std::int32_t> first = ReadPage(firstText, pageCount);
    const std::optional<std::int32_t> last = lastText.empty() ? pageCount : ReadPage(lastText, pageCount);
    if (!first || !last) {
        out.Problem = Quoted(entry) + " is not a page or a range of pages";
        return false;
    }
    if (*first < 1 || *last > pageCount || *first > pageCount) {
        out.Problem = "the file has pages 1 to " + std::to_string(pageCount);
        return false;
    }
    if (*first > *last) {
        out.Problem = Quoted(entry) + " runs backwards";
        return false;
    }
    for (std::int32_t page = *first; page <= *last; ++page) {
        if (taken[static_cast<std::size_t>(page - 1)]) {
            out.Problem =
                "page " + std::to_string(page) + " is chosen twice (list the file again for a second copy)";
            return false;
        }
        taken[static_cast<std::size_t>(page - 1)] = true;
        out.Pages.push_back(page);
    }
    return true;
}

// Pages in their order, runs of consecutive ascending pages as "a-b".
std::string RunsText(const std::vector<std::int32_t>& pages, std::int32_t pageCount)
{
    std::string text;
    for (std::size_t i = 0; i < pages.size();) {
        std::size_t end = i + 1;
        while (end < pages.size() && pages[end] == pages[end - 1] + 1)
            ++end;
        if (!text.empty())
            text += ',';
        text += std::to_string(pages[i]);
        if (end - i > 1)
            text += '-' + (pages[end - 1] == pageCount ? std::string() : std::to_string(pages[end - 1]));
        i = end;
    }
    return text;
}

} // namespace

bool SelectsAllPages(const std::string& text)
{
    const std::string trimmed = Trim(text);
    return trimmed.empty() || trimmed == "all";
}

TPageSelection ParsePageSelection(const std::string& text, std::int32_t pageCount)
{
    TPageSelection result;
    if (SelectsAllPages(text) || pageCount < 1)
        return result;
    std::vector<bool> taken(static_cast<std::size_t>(pageCount), false);
    std::size_t start = 0;
    for (;;) {
        const auto comma = text.find(',', start);
        const std::string entry =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (Trim(entry).empty()) {
            result.Problem = "an entry between commas is empty";
        } else if (AddEntry(entry, pageCount, taken, result)) {
            if (comma == std::string::npos)
                return result;
            start = comma + 1;
            continue;
        }
        result.Pages.clear();
        return result;
    }
}

std::optional<std::int32_t> SelectedPageCount(const std::string& text, std::int32_t pageCount)
{
    const TPageSelection selection = ParsePageSelection(text, pageCount);
    if (!selection.Problem.empty())
        return std::nullopt;
    return selection.Pages.empty() ? pageCount : static_cast<std::int32_t>(selection.Pages.size());
}

TCoreText SelectionRefusalText(const std::string& file, const std::string& text, const std::string& problem)
{
    // The problem is the parser's own English, as the range field's is.
    return {CORE_TEXT("Plicora", "%1: pages \"%2\" cannot be chosen: %3."), {file, Trim(text), problem}};
}

std::vector<bool> ChosenPageFlags(const std::string& text, std::int32_t pageCount)
{
    const TPageSelection selection = ParsePageSelection(text, pageCount);
    const auto count = static_cast<std::size_t>(std::max(pageCount, 0));
    std::vector<bool> chosen(count, selection.Problem.empty() && selection.Pages.empty());
    for (const std::int32_t page : selection.Pages)
        chosen[static_cast<std::size_t>(page - 1)] = true;
    return chosen;
}

std::optional<std::string> PickedPagesText(const std::string& before, const std::vector<bool>& chosen)
{
    const auto pageCount = static_cast<std::int32_t>(chosen.size());
    std::vector<std::int32_t> pages;
    const TPageSelection old = ParsePageSelection(before, pageCount);
    std::vector<bool> kept(chosen.size(), false);
    for (const std::int32_t page : old.Pages)
        if (chosen[static_cast<std::size_t>(page - 1)]) {
            pages.push_back(page);
            kept[static_cast<std::size_t>(page - 1)] = true;
        }
    std::vector<std::int32_t> picked;
    for (std::size_t i = 0; i < chosen.size(); ++i)
        if (chosen[i] && !kept[i])
            picked.push_back(static_cast<std::int32_t>(i + 1));
    if (std::is_sorted(pages.begin(), pages.end())) {
        // The usual case, kept linear for a file of thousands of pages.
        pages.insert(pages.end(), picked.begin(), picked.end());
        std::sort(pages.begin(), pages.end());
    } else {
        for (const std::int32_t page : picked) {
            // After the nearest page below it, so a run grows where it stands.
            auto at = pages.begin();
            std::int32_t below = 0;
            for (auto it = pages.begin(); it != pages.end(); ++it)
                if (*it<page&& * it> below) {
                    below = *it;
                    at = it + 1;
                }
            pages.insert(at, page);
        }
    }
    if (pages.empty())
        return std::nullopt;
    if (pages.size() == chosen.size() && std::is_sorted(pages.begin(), pages.end()))
        return std::string("all");
    return RunsText(pages, pageCount);
}
