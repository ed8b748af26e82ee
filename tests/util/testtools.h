// What every test suite needs around the code under test: running a program,
// PDFs made by the gs command, the two independent checkers (qpdf for the page
// count, pdftotext for the text) and a temporary folder. No Qt here, so the core
// tests can use it; the window tests pass their paths through QFile::encodeName.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

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

// Runs argv[0] (searched on PATH when it holds no "/") with the rest as its
// arguments, through no shell: any character in a path is passed as it is. env
// entries are set for the child only. Its standard input is /dev/null.
TRunResult RunProgram(const std::vector<std::string>& argv,
                      const std::map<std::string, std::string>& env = {});

// Whether a program of that name is found on PATH.
bool HaveProgram(const std::string& name);

// Writes a PDF with the gs command, one page per text; each page shows its text
// (ASCII) and a triangle, so the content holds paths as well as text. False when
// gs fails.
bool MakeTestPdf(const std::string& path, const std::vector<std::string>& pageTexts);
// The same with `pages` pages; page n shows before + n + after.
bool MakeTestPdf(const std::string& path, int pages, const std::string& before = "Page ",
                 const std::string& after = "");

// An encrypted copy of a PDF by qpdf (user and owner password, AES-256); false
// when qpdf fails.
bool MakeEncryptedPdf(const std::string& source, const std::string& path);

// Page count by qpdf; -1 when qpdf refuses the file.
int PdfPageCount(const std::string& path);
// The text of one page (first page 1) by pdftotext, blanks trimmed at both ends.
std::string PdfPageText(const std::string& path, int page);
// Every page's text, page by page as qpdf counts them.
std::vector<std::string> PdfPageTexts(const std::string& path);

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
    // The folder as text, with a trailing separator.
    std::string str() const { return m_path.string() + "/"; }
    // Writes a file in the folder; its full path.
    std::string write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path m_path;
};
