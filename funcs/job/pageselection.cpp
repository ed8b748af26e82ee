#include "job/pageselection.h"

#include "text/strutil.h"

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

// Adds the pages of one entry ("7", "2-5", "4-", "z", "3-z"); false with problem set.
bool AddEntry(const std::string& entry, std::int32_t pageCount, std::vector<bool>& taken, TPageSelection& out)
{
    const auto dash = entry.find('-');
    const std::string firstText = Trim(entry.substr(0, dash));
    const std::string lastText = dash == std::string::npos ? firstText : Trim(entry.substr(dash + 1));
    const std::optional<std::int32_t> first = ReadPage(firstText, pageCount);
    const std::optional<std::int32_t> last = lastText.empty() ? pageCount : ReadPage(lastText, pageCount);
    if (!first || !last) {
        out.Problem = "\"" + Trim(entry) + "\" is not a page or a range of pages";
        return false;
    }
    if (*first < 1 || *last > pageCount || *first > pageCount) {
        out.Problem = "the file has pages 1 to " + std::to_string(pageCount);
        return false;
    }
    if (*first > *last) {
        out.Problem = "\"" + Trim(entry) + "\" runs backwards";
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
