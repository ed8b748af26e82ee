// The page count by a walk of the page tree's nodes alone. The parser resolves
// an object packed in an object stream by parsing every object of that stream
// (fonts, links, bookmarks): on a typical 600-page manual that is 15,000 objects
// and a third of a second, where the tree itself holds a few hundred.
#pragma once

#include <cstddef>
#include <optional>

class QPDF;

// The number of pages QPDF::getAllPages would find, reading only the tree's
// nodes: those in object streams are parsed one by one from the stream's
// decoded data. None when the tree holds anything the full walk would repair
// or warn about (a loop, a page listed twice, a direct or mistyped page, an
// unreadable node): the caller then walks it the full way.
std::optional<std::size_t> CountPagesByTree(QPDF& pdf);
