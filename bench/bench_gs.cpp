// Whole-job costs of the Ghostscript bridge, each against the gs command doing the
// same work in the same run:
//   1. a merge of ten 30-page PDFs through Call_GS_Thread against one gs command;
//   2. a split of a 100-page PDF into single pages: cost per piece against one gs
//      command per piece;
//   3. GetPdfPageCount on PDFs whose pages sit in object streams (the Ghostscript
//      fallback): cost per file.
// The ratios are printed after the table. Needs gs and qpdf on the PATH.
#include "gsbinding.h"
#include "gsjob.h"
#include "pdfprobe.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
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
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int devnull = ::open("/dev/null", O_WRONLY);
        ::dup2(devnull, 1);
        ::dup2(devnull, 2);
        std::vector<char*> argv;
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
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
            return Run({"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pdfwrite", "-sOutputFile=" + path,
                        "-dNPAGES=" + std::to_string(pages), "-sTAG=" + tag, program})
                == 0;
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
            ok = ok && Run({"qpdf", "--object-streams=generate", mergeInputs[static_cast<std::size_t>(i)], packed.back()}) == 0;
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

class MergeRows : public IMergeListSource
{
public:
    explicit MergeRows(const std::vector<std::string>& paths) : m_paths(paths) {}
    int RowCount() const override { return static_cast<int>(m_paths.size()); }
    std::string SubItem(int row, int index) const override
    {
        return index == 1 ? std::to_string(MergeFilePages) : index == 3 ? m_paths[static_cast<std::size_t>(row)] : "";
    }

private:
    const std::vector<std::string>& m_paths;
};

class SourceField : public ITextSource
{
public:
    explicit SourceField(std::string t) : m_text(std::move(t)) {}
    std::string Text() const override { return m_text; }

private:
    std::string m_text;
};

class OnePagePerFile : public IUpDownSource
{
public:
    std::int16_t Position() const override { return 1; }
};

// As the window runs a job: on a thread of its own, joined at the end.
int RunJob(TCall_GS_Thread_Param& param)
{
    int result = -1;
    std::thread job([&] { result = Call_GS_Thread(&param); });
    job.join();
    return result;
}

void BM_MergeJob(benchmark::State& state)
{
    Fixture& f = fixture();
    if (!f.ok)
        return state.SkipWithError("could not generate the input PDFs");
    NullSink sink;
    MergeRows rows(f.mergeInputs);
    TCall_GS_Thread_Param param;
    param.Kind = 1;
    param.Source = static_cast<const IMergeListSource*>(&rows);
    param.OutputPath = (f.dir / "merged-job.pdf").string();
    param.Notify = &sink;
    GS_Job_Kind = 1;
    for (auto _ : state)
        if (RunJob(param) != 0)
            return state.SkipWithError("merge job failed");
}

void BM_MergeCommand(benchmark::State& state)
{
    Fixture& f = fixture();
    if (!f.ok)
        return state.SkipWithError("could not generate the input PDFs");
    std::vector<std::string> args{"gs"};
    args.insert(args.end(), FixedSwitches.begin(), FixedSwitches.end());
    args.push_back("-sOutputFile=" + (f.dir / "merged-cmd.pdf").string());
    args.push_back("-f");
    args.insert(args.end(), f.mergeInputs.begin(), f.mergeInputs.end());
    for (auto _ : state)
        if (Run(args) != 0)
            return state.SkipWithError("gs failed");
}

void PerPiece(benchmark::State& state)
{
    state.counters["per_piece"] = benchmark::Counter(static_cast<double>(state.iterations()) * SplitPages,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_SplitJob(benchmark::State& state)
{
    Fixture& f = fixture();
    if (!f.ok)
        return state.SkipWithError("could not generate the input PDFs");
    NullSink sink;
    SourceField source(f.splitSource);
    OnePagePerFile upDown;
    TCall_GS_Thread_Param param;
    param.Kind = 2;
    param.TotalPages = SplitPages;
    param.Source = static_cast<const ITextSource*>(&source);
    param.PageSpec = static_cast<const IUpDownSource*>(&upDown);
    param.OutputPath = (f.dir / "pieces-job").string() + "/";
    param.BaseName = "source";
    param.Notify = &sink;
    GS_Job_Kind = 2;
    for (auto _ : state)
        if (RunJob(param) != 0)
            return state.SkipWithError("split job failed");
    PerPiece(state);
}

void BM_SplitCommand(benchmark::State& state)
{
    Fixture& f = fixture();
    if (!f.ok)
        return state.SkipWithError("could not generate the input PDFs");
    const std::string out = (f.dir / "pieces-cmd").string() + "/source";
    for (auto _ : state) {
        for (int page = 1; page <= SplitPages; ++page) {
            std::vector<std::string> args{"gs"};
            args.insert(args.end(), FixedSwitches.begin(), FixedSwitches.end());
            const std::string p = std::to_string(page);
            args.push_back("-dFirstPage=" + p);
            args.push_back("-dLastPage=" + p);
            args.push_back("-sOutputFile=" + out + p + "-" + p + ".pdf");
            args.push_back(f.splitSource);
            if (Run(args) != 0)
                return state.SkipWithError("gs failed");
        }
    }
    PerPiece(state);
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
    state.counters["per_file"] = benchmark::Counter(static_cast<double>(state.iterations()) * CountFiles,
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
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
    state.counters["per_file"] = benchmark::Counter(static_cast<double>(state.iterations()) * MergeFiles,
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_MergeJob)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_MergeCommand)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_SplitJob)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_SplitCommand)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_GetPdfPageCountObjectStreams)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_GetPdfPageCountPlain)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Keeps each run's real time per iteration, to print the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs)
            if (!r.error_occurred)
                times[r.benchmark_name()] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto ratio = [&](const char* label, const std::string& a, const std::string& b, const char* target) {
        const auto ia = reporter.times.find(a), ib = reporter.times.find(b);
        if (ia != reporter.times.end() && ib != reporter.times.end() && ib->second > 0)
            std::printf("%-48s %.3f   (target %s)\n", label, ia->second / ib->second, target);
    };
    ratio("merge: job / gs command", "BM_MergeJob/iterations:5/real_time", "BM_MergeCommand/iterations:5/real_time",
          "<= 1.05");
    ratio("split per piece: job / gs command per piece", "BM_SplitJob/iterations:2/real_time",
          "BM_SplitCommand/iterations:2/real_time", "< 1");
    benchmark::Shutdown();
    return 0;
}
