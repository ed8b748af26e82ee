// Adding files to the merge list: 100 PDFs whose pages sit in object streams (as
// most real PDFs do), counted through ProbePdfsForList, the call the window makes
// off its thread, against the light probe alone (encryption test, tail check, line
// scan) in the same run. Also one file at a time, and the old Ghostscript count on
// a few files for scale.
//
// Usage: bench_listadd [--dir D] [--reps N]
// Files are made by gs and qpdf on the first run into D (default
// /tmp/plicora-bench-listadd) and kept.
#include "engines/gsbinding.h"
#include "job/frontdoor.h"
#include "pdf/pdfprobe.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int FileCount = 100;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Pages of text and line art; page counts 2 to 81.
bool makePdf(const fs::path& dir, const fs::path& pdf, int pages)
{
    const fs::path ps = dir / "gen.ps";
    {
        std::ofstream out(ps);
        out << "%!PS\n/Helvetica findfont 14 scalefont setfont\n1 1 " << pages
            << " {\n /n exch def\n 0 1 40 { /y exch def 60 760 y 18 mul sub moveto"
               " (Line of text on page ) show n 10 string cvs show } for\n"
               " newpath 100 100 moveto 300 120 lineto 200 300 lineto closepath stroke showpage\n} for\n";
    }
    const fs::path plain = dir / "plain.pdf";
    const std::string gs = "gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=pdfwrite -sOutputFile='" +
                           plain.string() + "' '" + ps.string() + "'";
    const std::string qpdf = "qpdf --object-streams=generate '" + plain.string() + "' '" + pdf.string() + "'";
    const bool ok = std::system(gs.c_str()) == 0 && std::system(qpdf.c_str()) == 0;
    fs::remove(ps);
    fs::remove(plain);
    return ok;
}

std::vector<std::string> ensurePdfs(const fs::path& dir, std::int64_t& expectedPages)
{
    fs::create_directories(dir);
    std::vector<std::string> files;
    expectedPages = 0;
    for (int i = 0; i < FileCount; ++i) {
        const int pages = 2 + (i * 37) % 80;
        const fs::path pdf = dir / ("packed" + std::to_string(i) + ".pdf");
        if (!fs::exists(pdf) && !makePdf(dir, pdf, pages)) {
            std::fprintf(stderr, "gs or qpdf could not make %s\n", pdf.c_str());
            fs::remove(pdf);
            continue;
        }
        expectedPages += pages;
        files.push_back(pdf.string());
    }
    return files;
}

} // namespace

int main(int argc, char** argv)
{
    fs::path dir = "/tmp/plicora-bench-listadd";
    int reps = 5;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--dir")
            dir = argv[i + 1];
        else if (a == "--reps")
            reps = std::max(1, std::atoi(argv[i + 1]));
    }
    std::int64_t expected = 0;
    const std::vector<std::string> files = ensurePdfs(dir, expected);
    if (files.empty())
        return 1;
    const double n = static_cast<double>(files.size());

    std::vector<double> light, batch, single;
    std::int64_t lightPages = 0, batchPages = 0;
    for (int r = 0; r < reps + 1; ++r) { // the first round warms the page cache
        lightPages = 0;
        auto t = Clock::now();
        for (const std::string& f : files) {
            if (!IsPdfEncrypted(f) && CheckPdfTail(f))
                lightPages += ScanPdfPageLines(f);
        }
        const double lightMs = msSince(t);

        t = Clock::now();
        const std::vector<TListProbe> probes = ProbePdfsForList(files);
        const double batchMs = msSince(t);
        batchPages = 0;
        for (const TListProbe& p : probes)
            batchPages += p.Pages;

        t = Clock::now();
        for (const std::string& f : files)
            (void)ProbePdfForList(f);
        const double singleMs = msSince(t);
        if (r > 0) {
            light.push_back(lightMs);
            batch.push_back(batchMs);
            single.push_back(singleMs);
        }
    }

    // The count this replaces, on the first few files only: it is slow.
    const std::size_t gsFiles = std::min<std::size_t>(files.size(), 5);
    const auto t = Clock::now();
    for (std::size_t i = 0; i < gsFiles; ++i)
        (void)GsCountPages(files[i]);
    const double gsPerFile = msSince(t) / static_cast<double>(gsFiles);

    std::printf("%zu object-stream PDFs, %lld pages expected\n", files.size(),
                static_cast<long long>(expected));
    std::printf("  light probe alone:        %8.1f ms (%.2f ms/file), %lld pages found\n", median(light),
                median(light) / n, static_cast<long long>(lightPages));
    std::printf("  ProbePdfsForList (window): %8.1f ms (%.2f ms/file), %lld pages found, ratio %.1fx light\n",
                median(batch), median(batch) / n, static_cast<long long>(batchPages),
                median(batch) / median(light));
    std::printf("  ProbePdfForList, 1 thread: %8.1f ms (%.2f ms/file)\n", median(single), median(single) / n);
    std::printf("  Ghostscript count (before): %.1f ms/file -> %.0f ms for all\n", gsPerFile, gsPerFile * n);
    std::printf("  target: under 1000 ms for 100 files: %s\n", median(batch) < 1000 ? "met" : "MISSED");
    return batchPages == expected ? 0 : 2;
}
