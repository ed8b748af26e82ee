// Plicora against qpdf at the sizes people meet, each pair timed alternately
// (each side going first every other round) and reported as the median ratio
// of at least five rounds:
//   count    page counts of many manuals through ProbePdfsForList, the window's
//            call (in process), against a loop of `qpdf --show-npages`;
//   merge    `plicora-cli merge` (check and per-file bookmarks included) against
//            `qpdf --empty --pages`, as it is and writing object streams as ours
//            does, time and peak memory;
//   split    `plicora-cli split` against `qpdf --split-pages`, every page and
//            every 10,000 pages, time and peak memory.
// The manual: text in five embedded TrueType fonts, links, named destinations,
// bookmarks three deep, packed into object streams as most producers do. Larger
// inputs are copies and merges of it, made once per run in a private folder.
//
// Usage: bench_sizes [--short | --large | --large-only] [--reps N]
//   (default) 566-page manuals: 100 counted, merges of 566 and 10,188 pages,
//             every page of 566 split, on one core and on two;
//   --large   adds a merge of 100,182 pages and splits of that merge (with
//             its bookmarks and named destinations) every 10,000 pages and
//             every page, on one core and on two (an hour);
//             PLICORA_BENCH_LARGE=1 in the environment does the same;
//   --large-only  those alone; --no-large-every-page leaves out the
//             100,182 pieces of a page each (most of that hour);
//   --short   a 40-page manual and a few copies, for ctest: proves it runs.
// Splits "on one core" run both sides under taskset -c 0.
#include "benchtools.h"
#include "job/frontdoor.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

struct TSizes
{
    int ManualPages = 566;
    int CountedFiles = 100;
    std::vector<int> MergeCopies{18};
    bool Large = false;
    bool LargeOnly = false;
    bool LargeEveryPage = true;
    int Reps = 5;
};

struct TRun
{
    bool Ok = false;
    double Seconds = 0;
    long PeakKiB = 0;
};

TRun RunCommand(const std::vector<std::string>& args)
{
    const auto t0 = Clock::now();
    const pid_t pid = StartQuiet(args);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    return {WIFEXITED(status) && WEXITSTATUS(status) == 0,
            std::chrono::duration<double>(Clock::now() - t0).count(), usage.ru_maxrss};
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Both sides, alternately; the medians of time and of peak memory.
struct TPair
{
    double Ours = 0, Theirs = 0, OursKiB = 0, TheirsKiB = 0;
    bool Ok = true;
};

TPair Alternate(int reps, const std::function<TRun()>& ours, const std::function<TRun()>& theirs)
{
    std::vector<double> a, b, am, bm;
    TPair pair;
    for (int r = 0; r < reps; ++r) {
        for (int turn = 0; turn < 2; ++turn) {
            const bool oursNow = (turn == 0) == (r % 2 == 0);
            const TRun run = oursNow ? ours() : theirs();
            pair.Ok = pair.Ok && run.Ok;
            (oursNow ? a : b).push_back(run.Seconds);
            (oursNow ? am : bm).push_back(static_cast<double>(run.PeakKiB));
        }
    }
    pair.Ours = Median(a);
    pair.Theirs = Median(b);
    pair.OursKiB = Median(am);
    pair.TheirsKiB = Median(bm);
    return pair;
}

bool g_allRan = true;

// The program measured: the one built beside, or PLICORA_BENCH_CLI (a copy
// that a rebuild during a long run leaves alone).
std::string Cli()
{
    const char* other = std::getenv("PLICORA_BENCH_CLI");
    return other && *other ? other : PLICORA_CLI;
}

void Print(const std::string& what, const TPair& p, double target, bool memory)
{
    g_allRan = g_allRan && p.Ok;
    std::printf("%-44s time ratio %5.2f (target <= %.1f)", what.c_str(), p.Ours / p.Theirs, target);
    if (memory)
        std::printf("  memory ratio %5.2f (target <= 1.0)", p.OursKiB / p.TheirsKiB);
    // The medians behind the ratios, to compare runs on other machines.
    std::printf("  [%.2f s against %.2f s", p.Ours, p.Theirs);
    if (memory)
        std::printf(", %.0f MB against %.0f MB", p.OursKiB / 1024, p.TheirsKiB / 1024);
    std::printf("]%s\n", p.Ok ? "" : "  FAILED RUNS");
    std::fflush(stdout);
}

class TInputs
{
public:
    TInputs() : m_dir(fs::temp_directory_path() / ("plicora-bench-sizes-" + std::to_string(::getpid())))
    {
        fs::create_directories(m_dir);
    }
    ~TInputs()
    {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }
    fs::path Dir() const { return m_dir; }

    // The manual, packed into object streams.
    std::string Manual(int pages, const std::string& name)
    {
        const std::string plain = (m_dir / "plain.pdf").string();
        const std::string packed = (m_dir / (name + ".pdf")).string();
        std::ofstream(m_dir / "manual.ps") << ManualProgram;
        const bool ok = RunCommand({"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pdfwrite",
                                    "-sOutputFile=" + plain, "-dNPAGES=" + std::to_string(pages),
                                    "-sTAG=manual", (m_dir / "manual.ps").string()})
                            .Ok &&
                        RunCommand({"qpdf", "--object-streams=generate", plain, packed}).Ok;
        return ok ? packed : std::string();
    }

    std::vector<std::string> Copies(const std::string& file, int count, const std::string& stem)
    {
        std::vector<std::string> copies;
        for (int i = 0; i < count; ++i) {
            copies.push_back((m_dir / (stem + std::to_string(i) + ".pdf")).string());
            fs::copy_file(file, copies.back(), fs::copy_options::overwrite_existing);
        }
        return copies;
    }

private:
    fs::path m_dir;
};

void BenchCount(const std::vector<std::string>& files, int reps)
{
    const auto ours = [&] {
        const auto t0 = Clock::now();
        const std::vector<TListProbe> probes = ProbePdfsForList(files);
        const bool ok =
            std::all_of(probes.begin(), probes.end(), [](const TListProbe& p) { return p.Pages > 0; });
        return TRun{ok, std::chrono::duration<double>(Clock::now() - t0).count(), 0};
    };
    const auto theirs = [&] {
        TRun all{true, 0, 0};
        for (const std::string& f : files) {
            const TRun one = RunCommand({"qpdf", "--show-npages", f});
            all.Ok = all.Ok && one.Ok;
            all.Seconds += one.Seconds;
        }
        return all;
    };
    Print("count " + std::to_string(files.size()) + " files", Alternate(reps, ours, theirs), 0.5, false);
}

void BenchMerge(const std::vector<std::string>& files, int pages, const fs::path& dir, int reps)
{
    std::vector<std::string> ours{Cli(), "merge", "--quiet", "--force", "-o", (dir / "ours.pdf").string()};
    ours.insert(ours.end(), files.begin(), files.end());
    std::vector<std::string> theirs{"qpdf", "--empty", "--pages"};
    theirs.insert(theirs.end(), files.begin(), files.end());
    theirs.insert(theirs.end(), {"--", (dir / "theirs.pdf").string()});
    Print("merge " + std::to_string(pages) + " pages",
          Alternate(
              reps, [&] { return RunCommand(ours); }, [&] { return RunCommand(theirs); }),
          1.0, true);
    // qpdf packs no object streams unless asked and ours does (10,188 pages: 10.5 MB
    // against 18.5 MB); packing costs time on either side, so also the same kind of file.
    std::vector<std::string> packed = theirs;
    packed.insert(packed.begin() + 1, "--object-streams=generate");
    Print("merge " + std::to_string(pages) + " pages, qpdf packing as ours does",
          Alternate(
              reps, [&] { return RunCommand(ours); }, [&] { return RunCommand(packed); }),
          1.0, true);
}

// Both sides kept to the first core, or free to use every core.
enum class TCores
{
    One,
    All
};

std::vector<std::string> OnCores(TCores cores, std::vector<std::string> args)
{
    if (cores == TCores::One)
        args.insert(args.begin(), {"taskset", "-c", "0"});
    return args;
}

void BenchSplit(const std::string& file, int pages, int every, const fs::path& dir, int reps,
                TCores cores = TCores::One)
{
    const fs::path oursDir = dir / "pieces-ours";
    const fs::path theirsDir = dir / "pieces-theirs";
    const auto clean = [](const fs::path& d) {
        fs::remove_all(d);
        fs::create_directories(d);
    };
    const std::vector<std::string> ours =
        OnCores(cores, {Cli(), "split", "--quiet", "--force", "--every", std::to_string(every), "-o",
                        oursDir.string(), file});
    const std::vector<std::string> theirs = OnCores(cores, {"qpdf", "--split-pages=" + std::to_string(every),
                                                            file, (theirsDir / "piece-%d.pdf").string()});
    const TPair pair = Alternate(
        reps,
        [&] {
            clean(oursDir);
            return RunCommand(ours);
        },
        [&] {
            clean(theirsDir);
            return RunCommand(theirs);
        });
    Print("split " + std::to_string(pages) + " pages every " + std::to_string(every) +
              (cores == TCores::One ? ", one core" : ", two cores"),
          pair, cores == TCores::One ? 1.0 : 0.6, true);
}

TSizes ParseSizes(int argc, char** argv)
{
    TSizes sizes;
    // Opt-in from the environment too, for a CI job that runs bench_sizes as is.
    if (const char* large = std::getenv("PLICORA_BENCH_LARGE"); large && std::string(large) == "1")
        sizes.Large = true;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--short")
            sizes = {40, 10, {}, false, false, false, 5};
        else if (a == "--large")
            sizes.Large = true;
        else if (a == "--large-only")
            sizes.Large = sizes.LargeOnly = true;
        else if (a == "--no-large-every-page")
            sizes.LargeEveryPage = false;
        else if (a == "--reps" && i + 1 < argc)
            sizes.Reps = std::max(5, std::atoi(argv[++i]));
    }
    return sizes;
}

} // namespace

int main(int argc, char** argv)
{
    const TSizes sizes = ParseSizes(argc, argv);
    TInputs inputs;
    const std::string manual = inputs.Manual(sizes.ManualPages, "manual");
    // The smallest merge: two halves (a merge takes two files at least).
    const std::string half = inputs.Manual(sizes.ManualPages / 2, "half");
    if (manual.empty() || half.empty()) {
        std::fprintf(stderr, "gs or qpdf could not make the manual\n");
        return 1;
    }
    const int reps = sizes.Reps;
    if (!sizes.LargeOnly) {
        BenchCount(inputs.Copies(manual, sizes.CountedFiles, "counted"), reps);
        BenchMerge(inputs.Copies(half, 2, "half"), sizes.ManualPages / 2 * 2, inputs.Dir(), reps);
        for (const int copies : sizes.MergeCopies)
            BenchMerge(inputs.Copies(manual, copies, "part"), copies * sizes.ManualPages, inputs.Dir(), reps);
        BenchSplit(manual, sizes.ManualPages, 1, inputs.Dir(), reps);
        BenchSplit(manual, sizes.ManualPages, 1, inputs.Dir(), reps, TCores::All);
    }
    if (sizes.Large) {
        const int copies = (100000 + sizes.ManualPages - 1) / sizes.ManualPages;
        const std::vector<std::string> parts = inputs.Copies(manual, copies, "part");
        BenchMerge(parts, copies * sizes.ManualPages, inputs.Dir(), reps);
        // Our merge is what is split: unlike qpdf's it keeps every copy's
        // bookmarks and named destinations, which each piece must sort out.
        const std::string big = (inputs.Dir() / "big.pdf").string();
        std::error_code moved;
        fs::rename(inputs.Dir() / "ours.pdf", big, moved);
        if (moved)
            return 1;
        BenchSplit(big, copies * sizes.ManualPages, 10000, inputs.Dir(), reps);
        BenchSplit(big, copies * sizes.ManualPages, 10000, inputs.Dir(), reps, TCores::All);
        if (sizes.LargeEveryPage) {
            BenchSplit(big, copies * sizes.ManualPages, 1, inputs.Dir(), reps);
            BenchSplit(big, copies * sizes.ManualPages, 1, inputs.Dir(), reps, TCores::All);
        }
    }
    return g_allRan ? 0 : 2;
}
