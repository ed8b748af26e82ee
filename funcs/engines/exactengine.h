// The exact-copy engine: pages go into the output as they are (content streams,
// fonts and images untouched) by libqpdf, together with what a user keeps a PDF
// for: bookmarks, internal and external links, named destinations and form
// fields. Links and bookmarks whose targets are not written are left out. What
// the document carries beside its pages (labels, information, embedded files,
// layers, tagging) goes along too: see exactdocument.h.
#pragma once

#include "engines/pdfengine.h"

#include <future>
#include <memory>
#include <string>
#include <vector>

struct ExactEngineSource; // an open input, with what was read from it

class ExactEngine final : public IPdfEngine
{
public:
    ExactEngine();
    ~ExactEngine() override;
    ExactEngine(const ExactEngine&) = delete;
    ExactEngine& operator=(const ExactEngine&) = delete;

    // Merge: every page of every input in list order; each input becomes one
    // closed top-level bookmark (its Title) on its first page, holding that
    // input's own bookmarks. Clashing form field names, named destinations,
    // embedded files and structure types of later inputs are renamed. The output
    // takes the first input's information and language, every input's page
    // labels, files, layers and tags. onPage gets the page number within its input.
    // Each input's choices (pages, turn, a blank page, bookmarks) apply to it alone.
    TEngineResult Merge(const std::vector<TMergeInput>& inputs, const std::string& outPath,
                        const TPageReport& onPage) override;

    // The source is read once; each piece keeps the bookmarks, links and named
    // destinations that point into it, the form fields, labels and structure
    // elements of its pages, only the resources its pages use, and the source's
    // information, files and layers. onPage gets the page number in the source.
    TEngineResult OpenSource(const std::string& source, const std::string& password) override;
    using IPdfEngine::OpenSource;
    TEngineResult WritePiece(std::int32_t first, std::int32_t last, const std::string& outPath,
                             const TPageReport& onPage) override;
    void CloseSource() override;
    TEngineResult SourceChapters(int level, std::vector<TSourceChapter>& chapters) override;

    // What libqpdf had to repair or could not read in the inputs of the last
    // Merge, or of the open source and its pieces, one line each, beginning with
    // the file's path. Empty for sound files.
    std::vector<std::string> Warnings() const override { return m_warnings; }

    // Of a merge of twenty 615-page manuals, copying the pages took about 40% of
    // the time; writing the file out, letting the copy go and checking it the
    // rest. Each of these walks the same objects, so the shares hold for others.
    int WriteShare() const override { return 60; }

    // Of splits of a 615-page manual every page and every 10 pages: reading the
    // source and letting it go took as long as copying 0.4 of each of its
    // pages; each piece's writing and check as long as copying 6 pages.
    double SourceCostPerPage() const override { return 0.4; }
    double PieceCost() const override { return 6; }

private:
    std::unique_ptr<ExactEngineSource> m_source;
    std::vector<std::string> m_warnings;
    // A written merge's copy, let go on a thread of its own while the job checks
    // the file (a tenth of a large merge); the next job and the destructor wait.
    std::future<void> m_letGo;
};
