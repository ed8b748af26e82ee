// Fuzz entry point for the reader and the exact engine: the input is counted,
// merged after a small good PDF, and split every page, in a scratch folder, as a
// job would. Whatever the bytes, nothing may crash, run away or leak, every
// failure must come back with a reason, and what the engine wrote must be a PDF
// the reader takes.
#include "engines/exactengine.h"
#include "pdf/pdfreader.h"
#include "util/testtools.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

using namespace testutil;

namespace {

void check(bool ok, const char* what, const std::string& detail = {})
{
    if (!ok) {
        std::fprintf(stderr, "engine fuzz: %s %s\n", what, detail.c_str());
        std::abort();
    }
}

// Pieces beyond these are like the ones before: the time goes to new inputs.
constexpr std::int32_t MaxPieces = 8;

struct TScratch
{
    TempDir Dir;
    // Two pages with a form field, so that the input's fields meet another's.
    std::string Good = Dir.write("good.pdf", HostilePdf(THostile::Fields, 2));
    std::string Input = Dir.str() + "input.pdf";
    std::string Merged = Dir.str() + "merged.pdf";
    std::string Piece = Dir.str() + "piece.pdf";
};

void checkWritten(const TEngineResult& result, const std::string& path, const char* what)
{
    check(result.Ok || !result.Reason.empty(), what, "failed without a reason");
    if (result.Ok) {
        const TPdfFacts written = ReadPdfFacts(path);
        check(written.Status == TPdfFacts::TStatus::Ok, what,
              "wrote what the reader refuses: " + written.Reason);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const TScratch scratch;
    std::ofstream(scratch.Input, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    const TPdfFacts facts = ReadPdfFacts(scratch.Input);
    check(facts.Pages >= 0, "reader", "a negative count");
    check(facts.Status == TPdfFacts::TStatus::Ok || !facts.Reason.empty(), "reader",
          "refused without a reason");

    ExactEngine engine;
    checkWritten(engine.Merge({{scratch.Good, "good"}, {scratch.Input, "input"}}, scratch.Merged, {}),
                 scratch.Merged, "merge");

    const TEngineResult opened = engine.OpenSource(scratch.Input);
    check(opened.Ok || !opened.Reason.empty(), "open", "failed without a reason");
    if (opened.Ok) {
        for (std::int32_t page = 1; page <= std::min(facts.Pages, MaxPieces); ++page)
            checkWritten(engine.WritePiece(page, page, scratch.Piece, {}), scratch.Piece, "split");
        engine.CloseSource();
    }
    return 0;
}
