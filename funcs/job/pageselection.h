// The pages chosen of one merge input: the split side's range notation
// ("1-3,7"), plus "N-" for "to the last page" and "z" for the last page, or
// "all" (or nothing) for every page. Pages come out in the order given.
#pragma once

#include "text/coretext.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TPageSelection
{
    // 1-based, in output order, none twice; empty: every page.
    std::vector<std::int32_t> Pages;
    std::string Problem; // why the text is refused; "" when it is not
};

// Whether the text names every page ("", "all", blanks around either).
bool SelectsAllPages(const std::string& text);

// Reads the text for a file of pageCount pages. A page beyond the file, a
// descending range, a page chosen twice or an unreadable entry gives Problem.
TPageSelection ParsePageSelection(const std::string& text, std::int32_t pageCount);

// How many pages the text chooses of a file of pageCount pages; none when it is refused.
std::optional<std::int32_t> SelectedPageCount(const std::string& text, std::int32_t pageCount);

// Which pages the text chooses of a file of pageCount pages, one flag a page
// (page i + 1 at i); every flag false when the text is refused.
std::vector<bool> ChosenPageFlags(const std::string& text, std::int32_t pageCount);

// The text for the pages picked by pointing at them (chosen[i]: page i + 1).
// The pages `before` chose keep its order; a page newly picked goes after the
// nearest page below it (first when there is none), so a choice in page order
// stays in page order and a run grows where it stands. Runs
// are written "2-5", a run to the last page "4-", every page in order "all".
// None when no page is picked: the notation has no word for none.
std::optional<std::string> PickedPagesText(const std::string& before, const std::vector<bool>& chosen);

// "<file>: pages "<text>" cannot be chosen: <problem>": the refusal's text.
TCoreText SelectionRefusalText(const std::string& file, const std::string& text, const std::string& problem);
