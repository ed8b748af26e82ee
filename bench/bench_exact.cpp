// Costs of the exact engine, each against a baseline measured in the same run:
//   1. a merge of ten different manual-like PDFs (20 to 180 pages, 542 in all,
//      five embedded TrueType fonts, named destinations, links, bookmarks three
//      deep) against `qpdf --empty --pages ... --` on the same files (counter
//      "ratio": engine / qpdf; target <= 1.1, the engine also writing a bookmark
//      per file) and against the Ghostscript engine as a merge job runs it
//      ("speedup": Ghostscript / exact; target >= 10);
//   2. a split of a 100-page PDF into single pages against `qpdf --split-pages`
//      ("ratio": engine / qpdf; target <= 1.1);
//   3. a merge that chooses the odd pages of each of the ten manuals against a
//      merge of the same pages as whole files, made beforehand by the engine
//      with those pages' bookmarks, links and destinations ("ratio": chosen /
//      whole; target <= 1);
//   4. peak memory of a 5,000-page merge of 100 distinct manual-like files,
//      engine against gs, each in a child process ("memory_ratio": engine / gs;
//      target <= 1).
// The engines run in process and qpdf as a command, so the qpdf ratios carry the
// command's start-up on qpdf's side. Needs gs and qpdf on the PATH and libgs.
#include "benchtools.h"
#include "engines/exactengine.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Page counts of the merged manuals, like a shelf of real ones.
constexpr int MergeFilePages[] = {20, 180, 36, 64, 24, 48, 90, 28, 32, 20};
constexpr int SplitPages = 100;
constexpr int BigFiles = 100;
constexpr int BigFilePages = 50;

const std::vector<std::string> GsSwitches{"gs", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pdfwrite"};

// Runs a command with its output discarded; its exit code and peak memory (KiB).
struct TChild
{
    int ExitCode = -1;
    long PeakKiB = 0;
};

TChild Wait(pid_t pid)
{
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, usage.ru_maxrss};
}

pid_t Start(const std::vector<std::string>& args)
{
    return StartQuiet(args);
}

TChild Run(const std::vector<std::string>& args)
{
    return Wait(Start(args));
}

// Pages of text in an embedded font, like a manual's. Each page links to the
// next and to a web address; every fifth page starts a closed chapter bookmark
// with four section bookmarks below it.
const char* LinkedProgram = R"(/F { /DejaVuSans findfont 10 scalefont setfont } def
1 1 NPAGES { /n exch def F 72 780 moveto (Page ) show n 10 string cvs show ( of ) show TAG show
  1 1 40 { 16 mul 760 exch sub 72 exch moveto
    (Text set in an embedded font, as in a manual: fifty-odd characters a line.) show } for
  [/Rect [72 600 300 620] /Page n NPAGES lt { n 1 add } { 1 } ifelse /View [/XYZ null null null] /Subtype /Link /ANN pdfmark
  [/Rect [72 560 300 580] /Action << /Subtype /URI /URI (https://example.org/) >> /Subtype /Link /ANN pdfmark
  showpage } for
1 5 NPAGES { /n exch def
  [/Count -4 /Page n /Title (Chapter) /OUT pdfmark
  1 1 4 { n add /p exch def [/Page p /Title (Section) /OUT pdfmark } for } for
)";

// Starts every command, at most two at a time (the machine has two cores);
// true when all succeeded.
bool RunAll(const std::vector<std::vector<std::string>>& commands)
{
    bool ok = true;
    for (std::size_t i = 0; i < commands.size(); i += 2) {
        std::vector<pid_t> running;
        for (std::size_t j = i; j < std::min(i + 2, commands.size()); ++j)
            running.push_back(Start(commands[j]));
        for (const pid_t pid : running)
            ok = Wait(pid).ExitCode == 0 && ok;
    }
    return ok;
}

struct Fixture
{
    fs::path dir;
    std::vector<std::string> mergeInputs;
    std::vector<std::string> bigInputs;
    std::string splitSource;
    bool ok = false;

    Fixture()
    {
        dir = fs::temp_directory_path() / ("plicora-bench-exact-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        const std::string program = (dir / "linked.ps").string();
        std::ofstream(program) << LinkedProgram;
        auto make = [&](const std::string& path, int pages, const std::string& tag) {
            return Run({"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pdfwrite",
                        "-sOutputFile=" + path, "-dNPAGES=" + std::to_string(pages), "-sTAG=" + tag, program})
                       .ExitCode == 0;
        };
        splitSource = (dir / "source.pdf").string();
        ok = make(splitSource, SplitPages, "source");
        std::vector<std::vector<std::string>> commands;
        int i = 0;
        for (const int pages : MergeFilePages) {
            mergeInputs.push_back((dir / ("guide" + std::to_string(i) + ".pdf")).string());
            commands.push_back(MakeManual(mergeInputs.back(), pages, "guide" + std::to_string(i)));
            ++i;
        }
        ok = ok && RunAll(commands);
        fs::create_directories(dir / "pieces-exact");
        fs::create_directories(dir / "pieces-qpdf");
    }
    ~Fixture()
    {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    // The command that writes a manual-like PDF of that many pages.
    std::vector<std::string> MakeManual(const std::string& path, int pages, const std::string& tag)
    {
        const std::string program = (dir / "manual.ps").string();
        if (!fs::exists(program))
            std::ofstream(program) << ManualProgram;
        return {"gs",
                "-q",
                "-dNOPAUSE",
                "-dBATCH",
                "-dSAFER",
                "-sDEVICE=pdfwrite",
                "-sOutputFile=" + path,
                "-dNPAGES=" + std::to_string(pages),
                "-sTAG=" + tag,
                program};
    }

    // The 5,000-page inputs, made only when that benchmark runs.
    bool MakeBig()
    {
        if (!bigInputs.empty())
            return true;
        std::vector<std::vector<std::string>> commands;
        for (int i = 0; i < BigFiles; ++i) {
            bigInputs.push_back((dir / ("manual" + std::to_string(i) + ".pdf")).string());
            commands.push_back(MakeManual(bigInputs.back(), BigFilePages, "manual" + std::to_string(i)));
        }
        return RunAll(commands);
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

std::vector<TMergeInput> MergeList(const std::vector<std::string>& paths)
{
    std::vector<TMergeInput> inputs;
    for (const std::string& path : paths)
        inputs.push_back({path, fs::path(path).stem().string()});
    return inputs;
}

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// Times the exact engine and a baseline alternately, each going first every
// other time, so that load from other work on the machine falls on both alike.
template <typename Engine, typename Baseline>
bool TimePair(benchmark::State& state, Engine engine, Baseline baseline, const std::string& baselineName,
              double& engineSeconds, double& baselineSeconds)
{
    bool engineFirst = true;
    for (auto _ : state) {
        for (int turn = 0; turn < 2; ++turn) {
            const auto t0 = Clock::now();
            if ((turn == 0) == engineFirst) {
                if (!engine()) {
                    state.SkipWithError("the exact engine failed");
                    return false;
                }
                engineSeconds += Seconds(Clock::now() - t0);
            } else {
                if (!baseline()) {
                    state.SkipWithError((baselineName + " failed").c_str());
                    return false;
                }
                baselineSeconds += Seconds(Clock::now() - t0);
            }
        }
        engineFirst = !engineFirst;
    }
    return true;
}

template <typename Engine>
bool TimePair(benchmark::State& state, Engine engine, const std::vector<std::string>& command,
              double& engineSeconds, double& commandSeconds)
{
    return TimePair(
        state, engine, [&] { return Run(command).ExitCode == 0; }, command[0], engineSeconds, commandSeconds);
}

void Report(benchmark::State& state, double engineSeconds, double commandSeconds, const char* commandName)
{
    const double n = static_cast<double>(state.iterations());
    state.counters["exact_s"] = engineSeconds / n;
    state.counters[commandName] = commandSeconds / n;
}

void BM_MergeVsQpdf(benchmark::State& state)
{
    Fixture& f = fixture();
    if (!f.ok)
        return state.SkipWithError("could not generate the input PDFs");
    const std::string out = (f.dir / "merged-exact.pdf").string();
    const auto inputs = MergeList(f.mergeInputs);
    std::vector<std::string> command{"qpdf", "--empty", "--pages"};
    command.insert(command.end(), f.mergeInputs.begin(), f.mergeInputs.end());
    command.insert(command.end(), {"--", (f.dir / "merged-qpdf.pdf").string()});
    double engine = 0, qpdf = 0;
    auto exact = MakeExactEngine();
    if (!TimePair(
            state, [&] { return exact->Merge(inputs, out, {}).Ok; }, command, engine, qpdf))
        return;
    Report(state, engine, qpdf, "qpdf_s");
    state.counters["ratio"] = qpdf > 0 ? engine / qpdf : 0;
}

void BM_MergeChosenVsWhole(benchmark::State& state)
{
    Fixture& f = fixture();
    if (!f.ok)
        return state.SkipWithError("could not generate the input PDFs");
    auto chosen = MergeList(f.mergeInputs);
    std::vector<std::string> odd;
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        for (std::int32_t page = 1; page <= MergeFilePages[i]; page += 2)
            chosen[i].Pages.push_back(page);
        odd.push_back((f.dir / ("odd" + std::to_string(i) + ".pdf")).string());
        // By the engine itself, so that the whole files carry what the chosen
        // pages bring along (their bookmarks, links and named destinations);
        // qpdf's page extraction leaves bookmarks and destinations out, and a
        // merge of its files has less to write.
        TMergeInput extract = chosen[i];
        extract.Bookmarks = TBookmarkPolicy::Own;
        if (!MakeExactEngine()->Merge({extract}, odd.back(), {}).Ok)
            return state.SkipWithError("could not extract the odd pages");
    }
    const auto whole = MergeList(odd);
    const std::string out = (f.dir / "merged-chosen.pdf").string();
    double chosenSeconds = 0, wholeSeconds = 0;
    auto exact = MakeExactEngine();
    if (!TimePair(
            state, [&] { return exact->Merge(chosen, out, {}).Ok; },
            [&] { return MakeExactEngine()->Merge(whole, out + ".whole.pdf", {}).Ok; },
            "the whole-file merge", chosenSeconds, wholeSeconds))
        return;
    Report(state, chosenSeconds, wholeSeconds, "whole_s");
    state.counters["ratio"] = wholeSeconds > 0 ? chosenSeconds / wholeSeconds : 0;
}

void BM_MergeVsGhostscript(benchmark::State& state)
{
    Fixture& f = fixture();
    if (!f.ok)
        return state.SkipWithError("could not generate the input PDFs");
    const std::string out = (f.dir / "merged-exact.pdf").string();
    const std::string gsOut = (f.dir / "merged-gs.pdf").string();
    const auto inputs = MergeList(f.mergeInputs);
    double engine = 0, gs = 0;
    auto exact = MakeExactEngine();
    if (!TimePair(
            state, [&] { return exact->Merge(inputs, out, {}).Ok; },
            [&] { return MakeGhostscriptEngine()->Merge(inputs, gsOut, {}).Ok; }, "the Ghostscript engine",
            engine, gs))
        return;
    Report(state, engine, gs, "gs_s");
    state.counters["speedup"] = engine > 0 ? gs / engine : 0;
}

void BM_SplitEveryPageVsQpdf(benchmark::State& state)
{
    Fixture& f = fixture();
    if (!f.ok)
        return state.SkipWithError("could not generate the input PDFs");
    const std::string pieces = (f.dir / "pieces-exact").string() + "/source";
    const std::vector<std::string> command{"qpdf", "--split-pages", f.splitSource,
                                           (f.dir / "pieces-qpdf").string() + "/source-%d.pdf"};
    auto exact = MakeExactEngine();
    auto split = [&] {
        if (!exact->OpenSource(f.splitSource).Ok)
            return false;
        for (int page = 1; page <= SplitPages; ++page) {
            const std::string p = std::to_string(page);
            if (!exact->WritePiece(page, page, pieces + p + "-" + p + ".pdf", {}).Ok)
                return false;
        }
        exact->CloseSource();
        return true;
    };
    double engine = 0, qpdf = 0;
    if (!TimePair(state, split, command, engine, qpdf))
        return;
    Report(state, engine, qpdf, "qpdf_s");
    state.counters["ratio"] = qpdf > 0 ? engine / qpdf : 0;
}

void BM_MergePeakMemory(benchmark::State& state)
{
    Fixture& f = fixture();
    if (!f.ok || !f.MakeBig())
        return state.SkipWithError("could not generate the input PDFs");
    const auto inputs = MergeList(f.bigInputs);
    const std::string out = (f.dir / "big-exact.pdf").string();
    std::vector<std::string> command = GsSwitches;
    command.push_back("-sOutputFile=" + (f.dir / "big-gs.pdf").string());
    command.push_back("-f");
    command.insert(command.end(), f.bigInputs.begin(), f.bigInputs.end());
    long exactKiB = 0, gsKiB = 0;
    double exactSeconds = 0, gsSeconds = 0;
    for (auto _ : state) {
        auto t0 = Clock::now();
        const pid_t pid = ::fork();
        if (pid == 0)
            ::_exit(MakeExactEngine()->Merge(inputs, out, {}).Ok ? 0 : 1);
        const TChild exact = Wait(pid);
        exactSeconds += Seconds(Clock::now() - t0);
        t0 = Clock::now();
        const TChild gs = Run(command);
        gsSeconds += Seconds(Clock::now() - t0);
        if (exact.ExitCode != 0 || gs.ExitCode != 0)
            return state.SkipWithError("a 5,000-page merge failed");
        exactKiB = std::max(exactKiB, exact.PeakKiB);
        gsKiB = std::max(gsKiB, gs.PeakKiB);
    }
    state.counters["exact_MiB"] = static_cast<double>(exactKiB) / 1024;
    state.counters["gs_MiB"] = static_cast<double>(gsKiB) / 1024;
    state.counters["memory_ratio"] =
        gsKiB > 0 ? static_cast<double>(exactKiB) / static_cast<double>(gsKiB) : 0;
    Report(state, exactSeconds, gsSeconds, "gs_s");
}

} // namespace

BENCHMARK(BM_MergeVsQpdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_MergeChosenVsWhole)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_MergeVsGhostscript)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_SplitEveryPageVsQpdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_MergePeakMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

BENCHMARK_MAIN();
