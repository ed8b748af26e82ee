// Runs the built plicora-cli for the end-to-end tests, and small text helpers for
// checking what it wrote. Programs, PDFs and checkers come from util/testtools.h.
#pragma once

#include "util/testtools.h"

#include <map>
#include <string>
#include <vector>

// Runs the built plicora-cli.
TRunResult RunCliBinary(const std::vector<std::string>& args,
                        const std::map<std::string, std::string>& env = {});

// An encrypted copy of a PDF (qpdf, owner and user password).
void MakeEncryptedPdf(const std::string& source, const std::string& path);

std::string ReadFile(const std::string& path);
// The text with every occurrence of each key replaced by its value.
std::string Expand(std::string text, const std::map<std::string, std::string>& vars);

// Non-empty lines of a text.
std::vector<std::string> Lines(const std::string& text);
