// engines/: what writes PDFs: the exact copy (libqpdf) and Ghostscript (its
// binding, the callbacks of each instance, its error lines and temporary
// folder) behind this interface. Uses pdf/, output/, text/ and platform/;
// never the job.
//
// The engines that write PDFs, behind one interface. The job decides what is
// written and under which (temporary) name; an engine only copies pages into the
// file it is given. Engines run on the job's worker thread, one job at a time.
#pragma once

#include "text/coretext.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum class TEngineKind
{
    Exact,      // pages copied as they are (libqpdf)
    Ghostscript // pages rewritten by Ghostscript's pdfwrite device
};

// What a job uses unless the person chose otherwise, in the window and on the
// command line alike.
inline constexpr TEngineKind DefaultEngine = TEngineKind::Exact;

// The engine's name on the command line and in stored settings.
constexpr const char* EngineName(TEngineKind kind)
{
    return kind == TEngineKind::Ghostscript ? "ghostscript" : "exact";
}

// The engine of that name (exactly as EngineName spells it); empty for any other text.
constexpr std::optional<TEngineKind> ParseEngineName(std::string_view name)
{
    for (const TEngineKind kind : {TEngineKind::Exact, TEngineKind::Ghostscript}) {
        if (name == EngineName(kind))
            return kind;
    }
    return std::nullopt;
}

// One line on what the engine keeps and changes, for the choice in the window
// and the command line's help.
constexpr const char* EngineEffect(TEngineKind kind)
{
    return kind == TEngineKind::Ghostscript
               ? CORE_TEXT("Plicora", "may change text and drop bookmarks, links and forms; repairs some "
                                      "damaged files; smaller split pieces")
               : CORE_TEXT("Plicora", "keeps text, bookmarks, links and forms as they are");
}

// What an engine reports: success, or why not, in a few lines a user can read.
struct TEngineResult
{
    bool Ok = false;
    std::string Reason; // empty when Ok

    static TEngineResult Success() { return {true, {}}; }
    static TEngineResult Failure(std::string reason) { return {false, std::move(reason)}; }
};

// Called on the worker thread after each page is written, with the page number
// as the engine knows it: the exact engine gives, for a merge, the page within
// its input (starting again at 1 for each input) and, for a split, the page's
// number in the source; Ghostscript gives the numbers its page reports print.
using TPageReport = std::function<void(std::int32_t page)>;

// Which bookmarks a merge writes.
enum class TBookmarkPolicy
{
    FilesAndOwn, // one per file, the file's own beneath it
    Own,         // the files' own only
    Files,       // one per file only
    None
};

// The policy's name on the command line and in stored settings.
constexpr const char* BookmarkPolicyName(TBookmarkPolicy policy)
{
    switch (policy) {
    case TBookmarkPolicy::Own:
        return "own";
    case TBookmarkPolicy::Files:
        return "files";
    case TBookmarkPolicy::None:
        return "none";
    case TBookmarkPolicy::FilesAndOwn:
        break;
    }
    return "files+own";
}

// The policy of that name (as BookmarkPolicyName spells it); empty for any other text.
constexpr std::optional<TBookmarkPolicy> ParseBookmarkPolicy(std::string_view name)
{
    for (const TBookmarkPolicy policy : {TBookmarkPolicy::FilesAndOwn, TBookmarkPolicy::Own,
                                         TBookmarkPolicy::Files, TBookmarkPolicy::None}) {
        if (name == BookmarkPolicyName(policy))
            return policy;
    }
    return std::nullopt;
}

// What an output's work after its pages is made of: the engine writing it out
// (finishing the document, writing the file, letting the copy go), then the
// job's check that reads it back.
enum class TWriteStage
{
    Writing,
    Checking
};

// Called on the worker thread while an output is written out, after its pages
// are in, with how much of that stage is done (0..100). Only engines that write
// after copying report it (the exact engine); Ghostscript writes as it goes.
using TWriteReport = std::function<void(TWriteStage stage, int percent)>;

// Thrown by an engine, through its own error handling, when the job's cancel
// flag was seen between two pages or while writing: the output is unfinished
// and goes with its temporary. Not an std::exception, so that no "could not be
// written" handler takes it for a failure.
struct TEngineCancelled
{
};

// What a running job tells its engine besides the pages: whether to stop, and
// where writing progress goes. Set once before the first output.
struct TEngineControl
{
    const std::atomic<bool>* Cancel = nullptr; // none: never cancelled
    TWriteReport OnWrite;                      // none: not reported

    bool Cancelled() const { return Cancel && Cancel->load(std::memory_order_relaxed); }
    void ReportWrite(TWriteStage stage, int percent) const
    {
        if (OnWrite)
            OnWrite(stage, percent);
    }
    // Throws TEngineCancelled once the flag is set; engines call it between pages.
    void StopIfCancelled() const
    {
        if (Cancelled())
            throw TEngineCancelled{};
    }
};

struct TMergeInput
{
    std::string Path;          // the file to read
    std::string Title;         // the top-level bookmark for this file (its name without extension)
    std::string Password = {}; // opens an encrypted file; empty: none
    // The pages to take, 1-based, in output order, none twice; empty: every page.
    std::vector<std::int32_t> Pages = {};
    int Rotate = 0;             // 0, 90, 180 or 270: added clockwise to each page's own turn
    bool BlankAfterOdd = false; // a blank page after an odd number of pages, the size of the last
    TBookmarkPolicy Bookmarks = TBookmarkPolicy::FilesAndOwn;
};

// Whether an input asks for more than its pages as they are, in order.
inline bool HasPageChoices(const TMergeInput& input)
{
    return !input.Pages.empty() || input.Rotate != 0 || input.BlankAfterOdd ||
           input.Bookmarks != TBookmarkPolicy::FilesAndOwn;
}

// The deepest bookmark level a split goes by: the exact engine reads no deeper
// (MaxOutlineDepth).
inline constexpr int MaxBookmarkLevel = 50;

// Why the Ghostscript engine refuses the split methods it cannot do: the
// second line of their refusal.
inline constexpr char TxtGsNoChapters[] =
    CORE_TEXT("Plicora", "The Ghostscript engine cannot read bookmarks to split by; the exact engine can.");
inline constexpr char TxtGsNoSizeSplit[] = CORE_TEXT(
    "Plicora", "The Ghostscript engine cannot measure pieces to split by size; the exact engine can.");

// A bookmark of a split source at one level: where a chapter starts.
struct TSourceChapter
{
    std::string Title;     // UTF-8
    std::int32_t Page = 0; // 1-based; 0 when it leads to no page of the file
};

class IPdfEngine
{
public:
    virtual ~IPdfEngine() = default;

    // Writes every input's pages, in order, into outPath, replacing whatever is
    // there (the job hands over a temporary file it created).
    virtual TEngineResult Merge(const std::vector<TMergeInput>& inputs, const std::string& outPath,
                                const TPageReport& onPage) = 0;

    // Opens a split source; its pieces are then written one by one, and the
    // source is closed again by CloseSource or the destructor.
    virtual TEngineResult OpenSource(const std::string& source, const std::string& password) = 0;
    TEngineResult OpenSource(const std::string& source) { return OpenSource(source, {}); }
    // Writes pages first..last (1-based, inclusive) of the open source into
    // outPath, replacing whatever is there.
    virtual TEngineResult WritePiece(std::int32_t first, std::int32_t last, const std::string& outPath,
                                     const TPageReport& onPage) = 0;
    virtual void CloseSource() = 0;
    // The open source's bookmarks at `level` (1: the top ones), in the order
    // they are listed, into chapters. Default: a failure saying the engine
    // cannot read them.
    virtual TEngineResult SourceChapters(int level, std::vector<TSourceChapter>& chapters)
    {
        static_cast<void>(level);
        chapters.clear();
        return TEngineResult::Failure("This engine cannot read a file's bookmarks.");
    }

    // Told before the first piece: the pieces that follow are consecutive,
    // ascending and do not overlap (an every-N split). An engine may use it to
    // write them faster; their contents stay the same. Default: ignored.
    virtual void SetConsecutivePieces(bool consecutive) { static_cast<void>(consecutive); }

    // What the engine had to repair or leave out so far in this merge or this
    // open source (a damaged bookmark, a destination that leads nowhere), one
    // line each, naming the file. Default: nothing.
    virtual std::vector<std::string> Warnings() const { return {}; }

    // Whether the job may rewrite an output of this engine whose structure is
    // damaged (libqpdf reads it after repair and writes it again) rather than
    // fail. Default: no, the output fails its check.
    virtual bool OutputMayNeedRewrite() const { return false; }

    // What the engine's library printed as errors while writing the last output
    // (Ghostscript's "****" lines), a few lines; "" when nothing. A failed result
    // already carries them; the job adds them when a written output fails its
    // check. Default: nothing.
    virtual std::string OutputMessages() const { return {}; }

    // Cancelling and writing progress for the outputs that follow. The exact
    // engine stops at its next page or part of its writing; Ghostscript stops a
    // merge at the end of its page and finishes a split's piece; either way the
    // job drops the output.
    void SetControl(TEngineControl control) { m_control = std::move(control); }
    const TEngineControl& Control() const { return m_control; }

    // Percent of an output's time spent writing it out once its pages are
    // copied, as progress shows it; 0 for an engine that writes as it goes.
    virtual int WriteShare() const { return 0; }

    // What a split costs besides its pieces, as progress weighs it, in the time
    // one page takes to copy: reading the source before the first piece and
    // letting it go after the last (per page of the source), and each piece's
    // own writing and check (per piece). 0: not worth showing.
    virtual double SourceCostPerPage() const { return 0; }
    virtual double PieceCost() const { return 0; }

private:
    TEngineControl m_control;
};

// Engine factories. Neither loads anything until it is used.
std::unique_ptr<IPdfEngine> MakeExactEngine();
std::unique_ptr<IPdfEngine> MakeGhostscriptEngine();
