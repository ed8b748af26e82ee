// pdf/: reading PDFs, the light probe (pdfprobe.h) and the real reader (this
// header). Uses text/ and platform/; knows no engine and writes nothing.
//
// The PDF reader: what a real PDF parser (libqpdf) sees in a file, as opposed to
// the light probe's byte scan. It reads the cross-reference data and walks the
// page tree, so incremental updates, object streams, unused page objects and a
// lying /Count do not change its answer. Plain functions without state, safe to
// call from any thread (each call has its own parser); they never throw.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class InputSource;
namespace plat {
class ReadOnlyFile;
}

struct TPdfFacts
{
    enum class TStatus
    {
        Ok,            // Pages is the page tree's real page count
        NeedsPassword, // encrypted with a user password: nothing can be read
        Damaged,       // a PDF, but its page tree cannot be read even after repair
        NotPdf,        // no PDF header
        CannotOpen     // missing, a folder, not a regular file, unreadable
    };
    TStatus Status = TStatus::CannotOpen;
    std::int32_t Pages = 0;
    // Ok only: the file was damaged and has been read after repair (rebuilt
    // cross-reference table, broken objects); the count is what survived.
    bool Repaired = false;
    // Ok only: the file is encrypted, whether it needed the password or opens
    // without one (an owner password and restrictions), whatever its layout.
    bool Encrypted = false;
    std::string Reason; // what went wrong, or the first repair warning; a line a user can read
};

// How much of the file the count reads.
enum class TPageWalk
{
    // Every page object, and with each one everything packed beside it in its
    // object stream: what the check of a written output wants, as any damage
    // there shows as a warning.
    Whole,
    // The page tree's nodes alone (pdf/pagetree.h), falling back to the whole
    // walk whenever that would mend something: the same count, about 15 times
    // faster on a manual. Damage outside the tree shows when a job reads the file.
    TreeOnly
};

// Opens the file with `password` (empty: none), repairing what it can; a file
// whose user or owner password it is answers Ok. Only regular files are read;
// a named pipe or device answers CannotOpen without waiting.
// Without repair, a file that needs one is Damaged, or Ok but Repaired when
// the parser only had to warn.
TPdfFacts ReadPdfFacts(const std::string& path, bool repair = true, TPageWalk walk = TPageWalk::Whole,
                       const std::string& password = {});

// Why a file the light probe's tail check turned down is no PDF to read: it
// cannot be read, is not a regular file, is empty, is not a PDF document, or its
// end is missing.
std::string TailRefusalReason(const std::string& path);

// The line a job or the front door shows for a file read after repair:
// "<path>: repaired (<reason>)", or without brackets when there is no reason.
std::string RepairedNote(const std::string& path, const std::string& reason);

// libqpdf's input over an open file, read in cached blocks: what the reader
// parses through, for other checks that parse with libqpdf. The file must
// outlive it.
std::shared_ptr<InputSource> MakeReadOnlySource(const plat::ReadOnlyFile& file, const std::string& name);
