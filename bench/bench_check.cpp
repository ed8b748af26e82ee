// Cost of the check every output passes before it is moved into place, on a
// 566-page manual-like file and on a 10,000-page merge (20 copies of a 500-page
// one, merged by the exact engine), each against baselines measured in the same
// run, alternated:
//   "check_vs_job": the check / the exact engine writing that file (a merge of
//       the manual alone; of the 20 copies);
//   "check_vs_qpdf": the check / `qpdf --check` on the file (a command, so its
//       start-up counts on qpdf's side);
//   "check_vs_before": the check / the check as it was (cross-reference data
//       and page tree read without recovery, but no object's place proven).
// Needs gs and qpdf on the PATH.
#include "benchtools.h"
#include "engines/pdfengine.h"
#include "output/outputcheck.h"
#include "pdf/pdfreader.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A manual's pages: forty lines of text in an embedded font, a link to the
// next page and one to the web, and a chapter bookmark every fifth page with
// four sections beneath it.
const char* ManualProgram = R"(/Body /DejaVuSans findfont 10 scalefont def
/Line (Forty lines a page in an embedded font, with a link or two.) def
/Link { /Subtype /Link /ANN pdfmark } def
1 1 NPAGES { /n exch def Body setfont
  0 1 40 { /y exch 16 mul 780 exch sub def 72 y moveto y 780 eq { (Page ) show n 10 string cvs show } { Line show } ifelse } for
  [/Rect [72 600 300 620] /Page n NPAGES lt { n 1 add } { 1 } ifelse /View [/XYZ null null null] Link
  [/Rect [72 560 300 580] /Action << /Subtype /URI /URI (https://example.org/) >> Link
  showpage } for
1 5 NPAGES { /n exch def [/Count -4 /Page n /Title (Chapter) /OUT pdfmark
  n 1 add 1 n 4 add dup NPAGES gt { pop NPAGES } if { [/Page 3 -1 roll /Title (Section) /OUT pdfmark } for } for
)";

bool Run(const std::vector<std::string>& args)
{
    int status = 0;
    ::waitpid(StartQuiet(args), &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A folder of the run's own, gone with everything in it at exit.
struct TScratch
{
    fs::path dir = fs::temp_directory_path() / ("plicora-bench-check-" + std::to_string(::getpid()));
    ~TScratch()
    {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

struct Fixture : TScratch
{
    std::string manual = (dir / "manual.pdf").string();
    std::vector<TMergeInput> copies;
    bool ok = false;

    Fixture()
    {
        fs::create_directories(dir);
        const std::string program = (dir / "manual.ps").string();
        std::ofstream(program) << ManualProgram;
        auto make = [&](const std::string& path, int pages) {
            return Run({"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pdfwrite",
                        "-sOutputFile=" + path, "-dNPAGES=" + std::to_string(pages), program});
        };
        const std::string part = (dir / "part.pdf").string();
        ok = make(manual, 566) && make(part, 500);
        for (int i = 0; i < 20; ++i)
            copies.push_back({part, "part" + std::to_string(i)});
    }
};

Fixture& fixture()
{
    static Fixture shared;
    return shared;
}

using Clock = std::chrono::steady_clock;

template <typename Work> double Seconds(Work&& work, bool& ok)
{
    const auto t0 = Clock::now();
    ok = work() && ok;
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

void CheckCost(benchmark::State& state, const std::vector<TMergeInput>& inputs, std::int32_t pages)
{
    Fixture& f = fixture();
    if (!f.ok)
        return state.SkipWithError("could not generate the input PDFs");
    const std::string out = (f.dir / "out.pdf").string();
    auto engine = MakeExactEngine();
    double job = 0, check = 0, before_s = 0, qpdf = 0;
    bool ok = true;
    bool checkFirst = true;
    for (auto _ : state) {
        job += Seconds([&] { return engine->Merge(inputs, out, {}).Ok; }, ok);
        auto ours = [&] { return OutputPdfProblem(out, pages).empty(); };
        auto old = [&] { return ReadPdfFacts(out, false).Pages == pages; };
        if (checkFirst)
            check += Seconds(ours, ok);
        before_s += Seconds(old, ok);
        qpdf += Seconds([&] { return Run({"qpdf", "--check", out}); }, ok);
        if (!checkFirst)
            check += Seconds(ours, ok);
        checkFirst = !checkFirst;
    }
    if (!ok)
        return state.SkipWithError("a merge or a check failed");
    state.counters["check_vs_job"] = check / job;
    state.counters["check_vs_qpdf"] = check / qpdf;
    state.counters["check_vs_before"] = check / before_s;
}

void BM_CheckManual(benchmark::State& state)
{
    CheckCost(state, {{fixture().manual, "manual"}}, 566);
}

void BM_CheckTenThousandPages(benchmark::State& state)
{
    CheckCost(state, fixture().copies, 10000);
}

} // namespace

BENCHMARK(BM_CheckManual)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(6);
BENCHMARK(BM_CheckTenThousandPages)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(6);

BENCHMARK_MAIN();
