// The check every output passes before it is moved into place.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// How much of a check is done (0..100), reported on its way.
using TCheckReport = std::function<void(int percent)>;

// What the check found about a file just written.
struct TOutputCheck
{
    std::string Problem; // "" when the file can stand as an output; the text names the file
    // The file is a PDF whose structure a reader would have to repair (a
    // cross-reference entry that leads elsewhere than its object, a broken
    // trailer...): rewriting it after repair may give a sound one.
    bool Repairable = false;
    std::string Damage; // what a reader would have to repair, when Repairable
};

// Why a file just written cannot stand as an output: it must be a complete PDF,
// readable without any repair, with exactly expectedPages pages. Proven without
// reading every object: the cross-reference data and trailer are read without
// recovery, every object they list must begin where they say, and the page tree
// is walked, node by node where it is plain; contents, fonts, images and the
// page dictionaries' other entries are not parsed.
// A large output takes seconds: onProgress, when given, hears how far it got.
TOutputCheck CheckOutputPdf(const std::string& path, std::int32_t expectedPages,
                            const TCheckReport& onProgress = {});

// CheckOutputPdf's Problem.
std::string OutputPdfProblem(const std::string& path, std::int32_t expectedPages);

// Reads path repairing what libqpdf can and writes it again in full, through
// scratch (a new name in a private folder), over path itself. "" on success,
// else why in one line. The caller checks the result again.
std::string RewritePdf(const std::string& path, const std::string& scratch);
