// The three subcommands of plicora-cli. Each checks its input in a fixed order,
// stops at the first refusal with one message on the error stream, and otherwise
// runs one job of the core and waits for its end.
#pragma once

#include "engines/pdfengine.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

inline constexpr int CLI_EXIT_OK = 0;
inline constexpr int CLI_EXIT_JOB_FAILED = 1; // also: info could not open a file
inline constexpr int CLI_EXIT_REFUSED = 2;

struct TCliStreams
{
    std::ostream& Out;
    std::ostream& Err;
    bool Quiet = false;         // no progress and no completion text
    bool ErrIsTerminal = false; // progress updates one line in place
};

// One line per file: page count, "yes"/"no" encrypted, size text, path, separated
// by tabs. A file no reader can read (and that is not encrypted) gets a line on
// the error stream saying why instead, and makes the result CLI_EXIT_JOB_FAILED;
// the other files are still reported.
int InfoCommand(const std::vector<std::string>& files, TCliStreams& io);

// Where passwords for protected inputs come from; never the arguments.
struct TPasswordOptions
{
    std::optional<std::string> File; // its first line is tried on every protected input
    bool Ask = false;                // asked on the terminal, without echo, for each
};

struct TMergeOptions
{
    std::vector<std::string> Inputs;
    std::string Output;
    bool Force = false; // an existing output may be replaced
    TEngineKind Engine = DefaultEngine;
    TPasswordOptions Passwords;
    std::vector<std::string> Select; // "N=RANGES": the pages of the Nth input (from 1)
    std::vector<std::string> Rotate; // "N=DEGREES": the Nth input's pages turned clockwise
    TBookmarkPolicy Bookmarks = TBookmarkPolicy::FilesAndOwn;
    bool BlankAfterOdd = false;
};
int MergeCommand(const TMergeOptions& options, TCliStreams& io);

struct TSplitOptions
{
    std::string Source;
    std::optional<std::int64_t> Every;         // pages per file
    std::optional<std::string> Pages;          // page-range text such as "1,2-5,4"
    std::optional<std::int32_t> BookmarkLevel; // a piece per bookmark at this level
    std::optional<double> MaxSize;             // pieces of at most this many megabytes
    std::string Location;
    bool Force = false; // existing pieces may be replaced
    TEngineKind Engine = DefaultEngine;
    TPasswordOptions Passwords;
};
int SplitCommand(const TSplitOptions& options, TCliStreams& io);
