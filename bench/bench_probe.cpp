// Probe speed.
//  1. GetPdfPageCount over a generated ~500 MB PDF-like file with many page lines,
//     warm page cache, as a ratio to plainly reading the same file in the same run
//     (the plain read is the limit; the goal is at least 0.5 of it).
//  2. The time to probe 100 PDFs of 1-5 MB the way adding files to the merge list
//     does (IsPdfEncrypted, then GetPdfPageCount). They are made by Ghostscript from
//     generated PostScript on the first run and kept for later runs.
//
// Usage: bench_probe [--dir D] [--size-mb N] [--reps N] [--pdfs N]
// Files go to D (default /tmp/plicora-bench-probe); nothing is written elsewhere.
#include "job/frontdoor.h"
#include "pdf/pdfprobe.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

struct Options
{
    fs::path dir = "/tmp/plicora-bench-probe";
    std::uint64_t sizeMb = 500;
    int reps = 5;
    int pdfs = 100;
};

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// A PDF-like file: per page a page dictionary on one line and a content stream of
// binary bytes (as compressed content looks), the root with every kid on one long
// line, a classic trailer. Returns the page count it holds.
std::int32_t makeBigFile(const fs::path& path, std::uint64_t targetBytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::mt19937_64 rng(1);
    std::string stream(3000, '\0');
    out << "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n<< /Type /Catalog /Pages 2 0 R >>\nendobj\n";
    std::uint64_t written = 0;
    std::int32_t pages = 0;
    int obj = 3;
    while (written < targetBytes) {
        for (std::size_t i = 0; i < stream.size(); i += 8) {
            const std::uint64_t r = rng();
            std::memcpy(&stream[i], &r, std::min<std::size_t>(8, stream.size() - i));
        }
        std::string page =
            std::to_string(obj) + " 0 obj\n<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents " +
            std::to_string(obj + 1) + " 0 R /Resources << /Font << /F1 5 0 R >> >> >>\nendobj\n" +
            std::to_string(obj + 1) + " 0 obj\n<< /Length " + std::to_string(stream.size()) +
            " /Filter /FlateDecode >>\nstream\n";
        out << page;
        out.write(stream.data(), static_cast<std::streamsize>(stream.size()));
        out << "\nendstream\nendobj\n";
        written += page.size() + stream.size() + 18;
        obj += 2;
        ++pages;
    }
    out << "2 0 obj\n<< /Type /Pages /Kids [";
    for (int i = 0; i < pages; ++i)
        out << (3 + 2 * i) << " 0 R ";
    out << "] /Count " << pages << " >>\nendobj\ntrailer\n<< /Size " << obj
        << " /Root 1 0 R >>\nstartxref\n0\n%%EOF\n";
    return pages;
}

// Reads the whole file and throws the bytes away: the limit for any scan.
std::uint64_t plainRead(const fs::path& path, std::size_t block)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    std::vector<char> buf(block);
    std::uint64_t total = 0;
    for (;;) {
        const ssize_t r = ::read(fd, buf.data(), buf.size());
        if (r <= 0)
            break;
        total += static_cast<std::uint64_t>(r);
    }
    ::close(fd);
    return total;
}

// A PostScript program with `pages` pages, each with some text and a gray image of
// random bytes (kept raw so the PDF's size follows the image sizes).
void writePostScript(const fs::path& path, int pages, int side, std::mt19937& rng)
{
    std::ofstream ps(path, std::ios::binary | std::ios::trunc);
    ps << "%!PS\n/Helvetica findfont 14 scalefont setfont\n/row " << side << " string def\n";
    std::string row(static_cast<std::size_t>(side), '\0');
    for (int p = 1; p <= pages; ++p) {
        ps << "72 760 moveto (Page " << p << " of a generated document) show\n"
           << "gsave 72 200 translate 450 450 scale\n"
           << side << ' ' << side << " 8 [" << side << " 0 0 -" << side << " 0 " << side
           << "] { currentfile row readstring pop } image\n";
        for (int y = 0; y < side; ++y) {
            for (char& c : row)
                c = static_cast<char>(rng() & 0xFF);
            ps.write(row.data(), static_cast<std::streamsize>(row.size()));
        }
        ps << "\ngrestore showpage\n";
    }
}

std::vector<fs::path> ensurePdfs(const fs::path& dir, int count, std::int64_t& expectedPages)
{
    fs::create_directories(dir);
    std::vector<fs::path> files;
    std::mt19937 rng(99);
    expectedPages = 0;
    for (int i = 0; i < count; ++i) {
        // 1 to 5 MB: a few pages of large images or many pages of small ones.
        const int targetMb = 1 + i % 5;
        const int pages = (i % 2 == 0) ? 2 + i % 7 : 20 + i % 41;
        const int side = static_cast<int>(std::sqrt(targetMb * 1000000.0 / pages));
        const fs::path pdf = dir / ("doc" + std::to_string(i) + ".pdf");
        if (!fs::exists(pdf)) {
            const fs::path ps = dir / "gen.ps";
            writePostScript(ps, pages, side, rng);
            const std::string cmd =
                "gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=pdfwrite -dAutoFilterGrayImages=false "
                "-dGrayImageFilter=/FlateEncode -dDownsampleGrayImages=false -sOutputFile='" +
                pdf.string() + "' '" + ps.string() + "'";
            if (std::system(cmd.c_str()) != 0) {
                std::fprintf(stderr, "Ghostscript could not make %s\n", pdf.c_str());
                fs::remove(pdf);
                continue;
            }
            fs::remove(ps);
        }
        expectedPages += pages;
        files.push_back(pdf);
    }
    return files;
}

} // namespace

int main(int argc, char** argv)
{
    Options opt;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--dir")
            opt.dir = argv[i + 1];
        else if (a == "--size-mb")
            opt.sizeMb = std::strtoull(argv[i + 1], nullptr, 10);
        else if (a == "--reps")
            opt.reps = std::max(1, std::atoi(argv[i + 1]));
        else if (a == "--pdfs")
            opt.pdfs = std::max(0, std::atoi(argv[i + 1]));
    }
    fs::create_directories(opt.dir);

    // 1. Throughput on the big file.
    const fs::path big = opt.dir / ("big-" + std::to_string(opt.sizeMb) + "mb.pdf");
    const fs::path pagesNote = opt.dir / ("big-" + std::to_string(opt.sizeMb) + "mb.pages");
    std::int32_t bigPages = 0;
    if (fs::exists(big) && fs::exists(pagesNote)) {
        std::ifstream(pagesNote) >> bigPages;
    } else {
        std::printf("making %s ...\n", big.c_str());
        bigPages = makeBigFile(big, opt.sizeMb << 20);
        std::ofstream(pagesNote) << bigPages;
    }
    const double mb = static_cast<double>(fs::file_size(big)) / (1 << 20);
    plainRead(big, 1 << 20); // warm the page cache

    std::vector<double> readSmall, readLarge, probe;
    std::int32_t result = 0;
    for (int r = 0; r < opt.reps; ++r) {
        auto t = Clock::now();
        plainRead(big, pdfprobe_detail::DefaultBlockSize);
        readSmall.push_back(secondsSince(t));
        t = Clock::now();
        plainRead(big, 4 << 20);
        readLarge.push_back(secondsSince(t));
        t = Clock::now();
        result = GetPdfPageCount(big.string());
        probe.push_back(secondsSince(t));
    }
    const double limit = std::min(median(readSmall), median(readLarge));
    std::printf("big file: %.0f MB, %d pages, probe answered %d%s\n", mb, bigPages, result,
                result == bigPages ? "" : "  <-- WRONG");
    std::printf("  plain read, %zu KiB blocks: median %.3f s (%.0f MB/s)\n",
                pdfprobe_detail::DefaultBlockSize / 1024, median(readSmall), mb / median(readSmall));
    std::printf("  plain read, 4 MiB blocks:   median %.3f s (%.0f MB/s)\n", median(readLarge),
                mb / median(readLarge));
    std::printf("  GetPdfPageCount:            median %.3f s (%.0f MB/s)\n", median(probe),
                mb / median(probe));
    std::printf("  ratio to the read limit: %.2f (target >= 0.50)\n", limit / median(probe));

    // 2. A hundred ordinary PDFs.
    if (opt.pdfs > 0) {
        std::int64_t expected = 0;
        const auto files = ensurePdfs(opt.dir / "pdfs", opt.pdfs, expected);
        std::uint64_t bytes = 0;
        for (const auto& f : files) {
            bytes += fs::file_size(f);
            plainRead(f, 1 << 20);
        }
        std::vector<double> times;
        std::int64_t found = 0;
        for (int r = 0; r < opt.reps; ++r) {
            found = 0;
            const auto t = Clock::now();
            for (const auto& f : files) {
                if (!IsPdfEncrypted(f.string()))
                    found += GetPdfPageCount(f.string());
            }
            times.push_back(secondsSince(t));
        }
        std::printf("%zu PDFs, %.0f MB in all, %lld pages expected, %lld found\n", files.size(),
                    static_cast<double>(bytes) / (1 << 20), static_cast<long long>(expected),
                    static_cast<long long>(found));
        std::printf("  encryption test + page count for all: median %.1f ms (%.2f ms per file)\n",
                    median(times) * 1000, median(times) * 1000 / std::max<std::size_t>(files.size(), 1));
    }
    return 0;
}
