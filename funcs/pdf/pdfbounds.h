// What libqpdf may do in the core: print nothing, and follow a PDF's structures
// only so deep. A hostile file can chain page-tree nodes, form fields or
// name-tree nodes thousands deep; libqpdf's walks of them recurse (a crash) or
// repeat work for every level (minutes). These checks walk each structure once,
// without recursion, before anything else does. For the core's own .cpp files:
// the header names libqpdf's types.
#pragma once

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <string>
#include <vector>

// libqpdf prints some warnings itself (those about direct objects), on the
// process's error stream; the core collects warnings instead. Silences that
// printing for the whole process; safe to call from any thread, any number of
// times. The reader calls it; so does everything else that parses with libqpdf.
void QuietQpdf();

// Far beyond what producers write (a page tree of depth 10 holds billions of
// pages; real forms nest a few levels), well within any thread's stack.
inline constexpr int MaxPageTreeDepth = 256;
inline constexpr int MaxFieldDepth = 32;
inline constexpr int MaxNameTreeDepth = 64;
// Bookmarks below this many levels are left out, as libqpdf's own reading does.
inline constexpr int MaxOutlineDepth = 50;

// Why the page tree cannot be walked ("page tree nested more than 256 deep"),
// or "" when it can. A loop is left to libqpdf, which reports it.
std::string PageTreeProblem(QPDF& pdf);

// Why the form fields of these pages' widgets cannot be copied ("form fields
// nested more than 32 deep": a widget below too many /Parent levels, or a
// field tree whose /Kids go deeper), or "".
std::string FormFieldProblem(const std::vector<QPDFObjectHandle>& pages);

// Throws std::runtime_error "damaged (<problem>)" unless problem is "".
void FailIfNested(const std::string& problem);

// Why a name tree cannot be read ("name tree nested more than 64 deep"), or "".
std::string NameTreeProblem(QPDFObjectHandle root);
