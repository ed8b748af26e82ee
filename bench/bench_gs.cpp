// Whole-job costs of the Ghostscript bridge, each against the gs command doing the
// same work in the same run:
//   1. a merge of ten 30-page PDFs through Call_GS_Thread against one gs command
//      with the same switches (counter "ratio": job time / command time);
//   2. a split of a 100-page PDF into single pages: cost per piece against one gs
//      command per piece (counters per_piece_job, per_piece_cmd, ratio);
//   3. the same split through the engine, all pieces in one instance against a
//      fresh instance per piece (counter "speedup": fresh time / one-instance time);
//   4. GetPdfPageCount on PDFs whose pages sit in object streams (the Ghostscript
//      fallback): cost per file, with plain PDFs (the line scan) for comparison.
// Job and command alternate within each iteration, so that load from other work
// on the machine falls on both alike. Needs gs and qpdf on the PATH.
#include "benchtools.h"
#include "engines/gsbinding.h"
#include "engines/pdfengine.h"
#include "job/frontdoor.h"
#include "job/job.h"
#include "job/jobinputs.h"
#include "pdf/pdfprobe.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int MergeFiles = 10;
constexpr int MergeFilePages = 30;
constexpr int SplitPages = 100;
constexpr int CountFiles = 10;

const std::vector<std::string> FixedSwitches{"-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pdfwrite"};

int Run(const std::vector<std::string>& args)
{
    const pid_t pid = StartQuiet(args);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Fixture
{
    fs::path dir;
    std::vector<std::string> mergeInputs;
    std::string splitSource;
    std::vector<std::string> packed; // object-stream PDFs
    bool ok = false;

    Fixture()
    {
        dir = fs::temp_directory_path() / ("plicora-bench-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        const std::string program = (dir / "pages.ps").string();
        std::ofstream(program) << "/Helvetica findfont 24 scalefont setfont\n"
                                  "1 1 NPAGES { /n exch def 72 700 moveto (Page ) show n 10 string cvs show\n"
                                  "( of ) show TAG show showpage } for\n";
        auto make = [&](const std::string& path, int pages, const std::string& tag) {
            return Run({"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pdfwrite",
                        "-sOutputFile=" + path, "-dNPAGES=" + std::to_string(pages), "-sTAG=" + tag,
                        program}) == 0;
        };
        ok = true;
        for (int i = 0; i < MergeFiles; ++i) {
            mergeInputs.push_back((dir / ("in" + std::to_string(i) + ".pdf")).string());
            ok = ok && make(mergeInputs.back(), MergeFilePages, "file" + std::to_string(i));
        }
        splitSource = (dir / "source.pdf").string();
        ok = ok && make(splitSource, SplitPages, "source");
        for (int i = 0; i < CountFiles; ++i) {
            packed.push_back((dir / ("packed" + std::to_string(i) + ".pdf")).string());
            ok = ok && Run({"qpdf", "--object-streams=generate", mergeInputs[static_cast<std::size_t>(i)],
                            packed.back()}) == 0;
        }
        fs::create_directories(dir / "pieces-job");
        fs::create_directories(dir / "pieces-cmd");
    }
    ~Fixture()
    {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

class NullSink : public IGsNotifySink
{
public:
    void PostNotify(std::intptr_t, std::intptr_t) noexcept override {}
};

std::vector<TMergeListRow> MergeRowsOf(const std::vector<std::string>& paths)
{
    std::vector<TMergeListRow> rows;
    for (const std::string& path : paths)
        rows.push_back({path, MergeFilePages});
    return rows;
}

// As the window runs a job: on a thread of its own, joined at the end.
int RunJob(TCall_GS_Thread_Param& param)
{
    int result = -1;
    std::thread job([&] { result = Call_GS_Thread(&param); });
    job.join();
    return result;
}

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// Job and command times of a paired benchmark, as counters.
void ReportPair(benchmark::State& state, double jobSeconds, double commandSeconds, int unitsPerIteration,
                const char* jobName, const char* commandName)
{
    const double units = static_cast<double>(state.iterations()) * unitsPerIteration;
    state.counters[jobName] = jobSeconds / units;
    state.counters[commandName] = commandSeconds / units;
    state.counters["ratio"] = commandSeconds > 0 ? jobSeconds / commandSeconds : 0;
}

std::vector<std::string> CommandStart()
{
    std::vector<std::string> args{"gs"};
    args.insert(args.end(), FixedSwitches.begin(), FixedSwitches.end());
    return args;
}

void BM_Merge(benchmark::State& state)
{
    Fixture& f = fixture();
    if (!f.ok)
        return state.SkipWithError("could not generate the input PDFs");
    NullSink sink;
    TJobInputs inputs;
    TCall_GS_Thread_Param param;
    PrepareMergeJob(param, inputs, MergeRowsOf(f.mergeInputs), (f.dir / "merged-job.pdf").string(), &sink,
                    TEngineKind::Ghostscript);
    std::vector<std::string> command = CommandStart();
    command.push_back("-sOutputFile=" + (f.dir / "merged-cmd.pdf").string());
    command.push_back("-f");
    command.insert(command.end(), f.mergeInputs.begin(), f.mergeInputs.end());
    double job = 0, cmd = 0;
    bool jobFirst = true;
    for (auto _ : state) {
        // Each goes first every other time, so neither gains from the other's
        // warm caches.
        for (int turn = 0; turn < 2; ++turn) {
            const auto t0 = Clock::now();
            if ((turn == 0) == jobFirst) {
                if (RunJob(param) != 0)
                    return state.SkipWithError("merge job failed");
                job += Seconds(Clock::now() - t0);
            } else {
                if (Run(command) != 0)
                    return state.SkipWithError("gs failed");
                cmd += Seconds(Clock::now() - t0);
            }
        }
        jobFirst = !jobFirst;
    }
    ReportPair(state, job, cmd, 1, "job_s", "cmd_s");
}

void BM_SplitEveryPage(benchmark::State& state)
{
    Fixture& f = fixture();
    if (!f.ok)
        return state.SkipWithError("could not generate the input PDFs");
    NullSink sink;
    TJobInputs inputs;
    TCall_GS_Thread_Param param;
    PrepareSplitEveryJob(param, inputs, f.splitSource, (f.dir / "pieces-job").string(), SplitPages, 1, &sink,
                         TEngineKind::Ghostscript);
    const std::string out = (f.dir / "pieces-cmd").string() + "/source";
    double job = 0, cmd = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        if (RunJob(param) != 0)
            return state.SkipWithError("split job failed");
        const auto t1 = Clock::now();
        for (int page = 1; page <= SplitPages; ++page) {
            std::vector<std::string> args = CommandStart();
            const std::string p = std::to_string(page);
            args.push_back("-dFirstPage=" + p);
            args.push_back("-dLastPage=" + p);
            args.push_back("-sOutputFile=" + out + p + "-" + p + ".pdf");
            args.push_back(f.splitSource);
            if (Run(args) != 0)
                return state.SkipWithError("gs failed");
        }
        job += Seconds(t1 - t0);
        cmd += Seconds(Clock::now() - t1);
    }
    ReportPair(state, job, cmd, SplitPages, "per_piece_job_s", "per_piece_cmd_s");
}

// Every page into a piece of its own through the Ghostscript engine; seconds.
double EngineSplit(const Fixture& f, bool oneInstance, const fs::path& folder)
{
    const auto t0 = Clock::now();
    const std::unique_ptr<IPdfEngine> engine = MakeGhostscriptEngine();
    engine->SetConsecutivePieces(oneInstance);
    if (!engine->OpenSource(f.splitSource).Ok)
        return -1;
    for (int page = 1; page <= SplitPages; ++page) {
        const std::string p = std::to_string(page);
        if (!engine->WritePiece(page, page, (folder / ("source" + p + "-" + p + ".pdf")).string(), {}).Ok)
            return -1;
    }
    engine->CloseSource();
    return Seconds(Clock::now() - t0);
}

void BM_SplitEveryPageOneInstance(benchmark::State& state)
{
    Fixture& f = fixture();
    if (!f.ok)
        return state.SkipWithError("could not generate the input PDFs");
    GS_Dll_Path = "libgs.so.10";
    fs::create_directories(f.dir / "pieces-one");
    fs::create_directories(f.dir / "pieces-fresh");
    double one = 0, fresh = 0;
    bool oneFirst = true;
    for (auto _ : state) {
        for (int turn = 0; turn < 2; ++turn) {
            const bool shared = (turn == 0) == oneFirst;
            const double s = EngineSplit(f, shared, f.dir / (shared ? "pieces-one" : "pieces-fresh"));
            if (s < 0)
                return state.SkipWithError("split failed");
            (shared ? one : fresh) += s;
        }
        oneFirst = !oneFirst;
    }
    const double pieces = static_cast<double>(state.iterations()) * SplitPages;
    state.counters["per_piece_one_s"] = one / pieces;
    state.counters["per_piece_fresh_s"] = fresh / pieces;
    state.counters["speedup"] = one > 0 ? fresh / one : 0;
}

void PerFile(benchmark::State& state, int files)
{
    state.counters["per_file"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * files,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_GetPdfPageCountObjectStreams(benchmark::State& state)
{
    Fixture& f = fixture();
    if (!f.ok)
        return state.SkipWithError("could not generate the input PDFs");
    for (auto _ : state) {
        for (const std::string& path : f.packed) {
            const std::int32_t n = GetPdfPageCount(path);
            if (n != MergeFilePages)
                return state.SkipWithError("wrong page count");
            benchmark::DoNotOptimize(n);
        }
    }
    PerFile(state, CountFiles);
}

// Plain files for comparison: the line scan answers without Ghostscript.
void BM_GetPdfPageCountPlain(benchmark::State& state)
{
    Fixture& f = fixture();
    if (!f.ok)
        return state.SkipWithError("could not generate the input PDFs");
    for (auto _ : state)
        for (const std::string& path : f.mergeInputs)
            benchmark::DoNotOptimize(GetPdfPageCount(path));
    PerFile(state, MergeFiles);
}

} // namespace

BENCHMARK(BM_Merge)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_SplitEveryPage)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_SplitEveryPageOneInstance)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_GetPdfPageCountObjectStreams)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_GetPdfPageCountPlain)->Unit(benchmark::kMicrosecond)->UseRealTime();

BENCHMARK_MAIN();
