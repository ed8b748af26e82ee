// PDFs that carry what the exact engine must keep, made at test time, and what
// the qpdf command reports about a PDF's structure.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace testutil {

// Four pages of DejaVu text (page 4 with an "fi" ligature). Page 1 links to page
// 3 directly, to page 4 through the named destination "chap2", and to a web
// address. Bookmarks: "Chapter 1" (p2, open) > "Section 1.1" (p3, closed) >
// "Deep 1.1.1" (p4); "Contents" (p1); "Chapter 2" (p4, through "chap2").
// Ghostscript writes it from structured.ps; on Windows it is a copy of the one
// scripts/test-windows.sh made that way (TestFixture).
bool MakeStructuredPdf(const std::string& path);

// Two pages with a form: text field "name" (value `name`) on page 1, checkbox
// "agree" (on) on page 2, and text field "shared" (value "Both") with one widget
// on each page. Every widget has its appearance.
bool MakeFormPdf(const std::string& dir, const std::string& path, const std::string& name);

// Two pages sharing one resource dictionary with two fonts; page 1 uses /F1 only
// and page 2 /F2 only.
bool MakeSharedResourcesPdf(const std::string& path);

// Three pages that carry what a document carries beside its pages, in two
// variants ('A', 'B') that clash where merged files can:
// - page labels i, ii, A-1;
// - Title "Carry <variant>", Author, Subject, Keywords; XMP metadata claiming
//   PDF/A-2B; /Lang en-GB (A) or de-DE (B);
// - the embedded file "notes.txt" ("<variant> notes"), also attached to page 2;
// - layers "Notes" (a box on page 1; shown in A, hidden in B) and "Grid" (a
//   line on page 2, shown);
// - tags: Document > Heading (role-mapped to H1 in A, H2 in B; ID "h-1"),
//   P (pages 1-2), Figure (page 2), Link (page 3, with its web link), Span (in
//   a form XObject on page 3).
bool MakeCarryingPdf(const std::string& path, char variant);

// A copy as PDF 1.7 with object streams, by the qpdf command.
bool MakePackedPdf(const std::string& source, const std::string& path);

// A copy encrypted with an owner password only (anyone can open it).
bool MakeOwnerOnlyPdf(const std::string& source, const std::string& path);

struct TQpdfFacts
{
    bool Loaded = false;
    // One line per bookmark, two blanks per level: "Title @page" (page 0 when it
    // has none) with " (closed)" when it has kids and is closed.
    std::vector<std::string> Bookmarks;
    // "page -> page" for internal links (named ones resolved), "page -> URI".
    std::vector<std::string> Links;
    // "fullname=value @page", one per widget.
    std::vector<std::string> Fields;
    std::map<std::string, int> NamedDests; // name -> page
    // Font resource names of each page.
    std::vector<std::vector<std::string>> PageFonts;
    std::string Version;
    // Each page's label as a viewer shows it ("ii", "A-1").
    std::vector<std::string> Labels;
    // "name: contents" per embedded file, then "@page -> name" per file
    // attachment annotation.
    std::vector<std::string> Files;
    // Each optional content group, in /OCGs order: "Name on" or "Name off" by
    // the default configuration.
    std::vector<std::string> Layers;
    std::string Lang;
    bool Marked = false;
    std::map<std::string, std::string> RoleMap;
};

// What `qpdf --json` says about path.
TQpdfFacts ReadQpdfFacts(const std::string& path);

// Whether `qpdf --check` finds the file sound.
bool QpdfCheckPasses(const std::string& path);

// The checks below need poppler's and pikepdf's tools, found on Linux only:
// why they cannot run here, "" when they can.
std::string MissingDocumentTools();

// pdfinfo's fields (-isodates), and "XMP": the XMP metadata (-meta).
std::map<std::string, std::string> PdfInfo(const std::string& path);

// The structure tree as pdfinfo prints it with each element's text
// (-struct-text), object numbers left out.
std::vector<std::string> StructureText(const std::string& path);

// What check_tags.py (pikepdf) finds wrong with the structure tree and its
// marked content, a line each, then its summary "elements=... marked=...".
std::vector<std::string> TagCheck(const std::string& path);

// Each page's content rendered at 50 dpi by pdftoppm, annotations left out: a
// digest of the image ("size:hash").
std::vector<std::string> PageImages(const std::string& path);

} // namespace testutil
