// Runs programs (plicora-cli, gs, qpdf, pdftotext) for the end-to-end tests and
// makes the PDFs they work on.
#pragma once

#include <map>
#include <string>
#include <vector>

struct TRunResult
{
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

// Runs a program with arguments (no shell); env entries are set in the child only.
TRunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::map<std::string, std::string>& env = {});

// Runs the built plicora-cli.
TRunResult RunCliBinary(const std::vector<std::string>& args,
                        const std::map<std::string, std::string>& env = {});

// Writes a PDF of `pages` pages with Ghostscript; page n shows "<label> page <n>".
void MakePdf(const std::string& path, const std::string& label, int pages);
// An encrypted copy of a PDF (qpdf, owner and user password).
void MakeEncryptedPdf(const std::string& source, const std::string& path);

// Page count by qpdf; -1 when qpdf refuses the file.
int QpdfPageCount(const std::string& path);
// The text of each page by pdftotext, trimmed.
std::vector<std::string> PageTexts(const std::string& path);

std::string ReadFile(const std::string& path);
// The text with every occurrence of each key replaced by its value.
std::string Expand(std::string text, const std::map<std::string, std::string>& vars);

// Non-empty lines of a text.
std::vector<std::string> Lines(const std::string& text);
