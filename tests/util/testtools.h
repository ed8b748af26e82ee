// What every test suite needs around the code under test: running a program,
// PDFs made by the gs command, the two independent checkers (qpdf for the page
// count, pdftotext for the text) and a temporary folder. No Qt here, so the core
// tests can use it; the window tests pass their paths through QFile::encodeName.
//
// Windows builds run under Wine on a Linux machine, where no Linux program can
// help: there qpdf runs in-process through libqpdf's QPDFJob (same checker, same
// library), and test PDFs are made and read with libqpdf. Paths are UTF-8.
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

namespace testutil {

// A row of a table for a function from text to text; tests print it by its
// input, so a failure names the row instead of dumping its bytes.
struct TextCase
{
    const char* In;
    const char* Out;
};
void PrintTo(const TextCase& c, std::ostream* os);

struct TRunResult
{
    int ExitCode = -1; // 128 + the signal when the program was killed, 127 when it could not start
    std::string Out;
    std::string Err;
};

// Runs argv[0] (searched on PATH when it holds no separator) with the rest as its
// arguments, through no shell: any character in a path is passed as it is. env
// entries are set for the child only. Its standard input is /dev/null (NUL).
// Windows: "qpdf" runs in-process, with qpdf's exit codes (0, 2 errors, 3
// warnings); env does not apply to it.
TRunResult RunProgram(const std::vector<std::string>& argv,
                      const std::map<std::string, std::string>& env = {});

#ifndef _WIN32
// Runs check in a child process that has given up the superuser's rights (as
// "nobody") when this one has them, else here; returns what check returned, or
// why the child could not run it. For what root is never refused: the tests
// run as root in CI.
std::string RunUnprivileged(const std::function<std::string()>& check);
#endif

// Whether a program of that name is found on PATH (Windows: with ".exe"; "qpdf"
// always, being in-process).
bool HaveProgram(const std::string& name);

// Why MakeTestPdf and the checkers (PdfPageCount, PdfPageText, MakeEncryptedPdf)
// cannot work here, "" when they can: the gs, qpdf and pdftotext commands, or
// nothing on Windows, where they are built in.
std::string MissingTestTools();

// A file made on the build machine before a Windows run under Wine, in the folder
// the PLICORA_TEST_FIXTURES variable names; "" when there is none.
std::string TestFixture(const std::string& name);

// Writes a PDF with the gs command (Windows: libqpdf), one page per text; each
// page shows its text (ASCII) in Helvetica and a triangle, so the content holds
// paths as well as text. False when it fails. A PDF of the same texts made
// before in this process is copied instead: Ghostscript takes a good part of a
// second to start.
bool MakeTestPdf(const std::string& path, const std::vector<std::string>& pageTexts);
// The same, always made anew.
bool WriteTestPdf(const std::string& path, const std::vector<std::string>& pageTexts);
// The same with `pages` pages; page n shows before + n + after.
bool MakeTestPdf(const std::string& path, int pages, const std::string& before = "Page ",
                 const std::string& after = "");

// An encrypted copy of a PDF by qpdf (user and owner password, AES-256); false
// when qpdf fails.
bool MakeEncryptedPdf(const std::string& source, const std::string& path);

// A ten-digit offset, as a cross-reference table writes it.
std::string Padded(std::size_t offset);
// A PDF by hand: objects numbered from 1, a classic cross-reference table with
// right offsets, every line ended by eol.
std::string BuildPdf(const std::vector<std::string>& objects, const std::string& eol = "\n");

// Two blank pages whose structure of that kind nests `depth` levels: the page
// tree (the second page at the bottom), a form field's /Parent chain (its widget
// on page 1), the named destinations' name tree, the bookmarks. PageTreeLoop: a
// page-tree node whose kid is the root again; OutlineLoop: a bookmark below the
// first whose /Next is itself (depth unused for both). Hand-made bytes.
enum class THostile
{
    PageTree,
    Fields,
    NameTree,
    Outlines,
    PageTreeLoop,
    OutlineLoop
};
std::string HostilePdf(THostile kind, int depth);

// Page count by qpdf; -1 when qpdf refuses the file.
int PdfPageCount(const std::string& path);
// The text of one page (first page 1) by pdftotext, blanks trimmed at both ends.
// Windows: the strings the page's content shows (Tj, TJ, ' and "), byte for byte,
// one line per text object: enough for PDFs made with simple fonts, as the tests'
// own are.
std::string PdfPageText(const std::string& path, int page);
// Every page's text, page by page as qpdf counts them.
std::vector<std::string> PdfPageTexts(const std::string& path);

// Text between parentheses with "(", ")" and "\\" escaped: a string literal of
// PostScript and of PDF alike, for test fixtures.
std::string LiteralString(const std::string& text);
// Blanks and line ends cut off at both ends.
std::string Trimmed(const std::string& text);

// A path from UTF-8 text. Windows reads a plain std::string as the ANSI code page,
// so any name a test hands to std::filesystem or a file stream goes through here.
std::filesystem::path U8(const std::string& utf8);
// The path as UTF-8 text.
std::string Utf8(const std::filesystem::path& path);

// A folder under the system's temporary folder for one test, removed with
// everything in it afterwards (made writable first, should a test have locked it).
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // The folder as text (UTF-8), with a trailing separator.
    std::string str() const;
    // Writes a file in the folder; its full path.
    std::string write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path m_path;
};

} // namespace testutil
