// Page pictures: time to the first picture of a long manual and to a screenful
// (24 pages), against pdftoppm drawing the same pages at the same size in the same
// run; whether a second drawing thread helps; and how long the window thread is
// kept from its events while 1,000 pictures are drawn.
//
// With --memory, instead: the memory page pictures take for a list of at least
// 5,000 pages (Debian's manuals, or copies of F), every page drawn for the pane
// and every first page for the list, against the cache's stated budget; and the
// window thread's longest wait while a shown page grid scrolls through 1,000
// pages as they are drawn.
//
// Usage: bench_thumbs [--file F] [--reps N] [--memory | --stall (the grid's wait alone)]
// F defaults to Debian's memoir manual (texlive-latex-recommended-doc, 615 pages);
// without it, a 500-page PDF is made by gs into /tmp/plicora-bench-thumbs.pdf.
#include "benchtools.h"
#include "pagepreview.h"
#include "pagerenderer.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QPdfDocument>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

constexpr QSize Box(96, 128);
constexpr int Screenful = 24;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::string madeManual()
{
    const std::string pdf = "/tmp/plicora-bench-thumbs.pdf";
    if (std::filesystem::exists(pdf))
        return pdf;
    const std::string ps = "/tmp/plicora-bench-thumbs.ps";
    {
        std::ofstream out(ps);
        out << "%!PS\n/Helvetica findfont 11 scalefont setfont\n1 1 500 {\n /n exch def\n"
               " 0 1 50 { /y exch def 60 760 y 13 mul sub moveto (A line of the manual, page ) show"
               " n 10 string cvs show } for showpage\n} for\n";
    }
    const std::string gs =
        "gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=pdfwrite -sOutputFile=" + pdf + " " + ps + " >/dev/null";
    return std::system(gs.c_str()) == 0 ? pdf : std::string();
}

// Milliseconds until pages [first, first + count) of every renderer are drawn,
// the pages dealt out to the renderers in turn; from a cold cache.
double drawPages(const QString& file, int first, int count, int renderers = 1)
{
    ClearPageCache();
    std::vector<std::unique_ptr<TPageRenderer>> drawing;
    for (int i = 0; i < renderers; ++i)
        drawing.push_back(std::make_unique<TPageRenderer>());
    int left = count;
    QEventLoop loop;
    for (auto& renderer : drawing)
        QObject::connect(renderer.get(), &TPageRenderer::pageReady, &loop, [&] {
            if (--left == 0)
                loop.quit();
        });
    QElapsedTimer timer;
    timer.start();
    for (int page = first; page < first + count; ++page)
        drawing[static_cast<std::size_t>(page) % drawing.size()]->Picture(file, page, Box);
    loop.exec();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double pdftoppm(const std::string& file, int first, int count)
{
    const std::filesystem::path out = "/tmp/plicora-bench-thumbs-ppm";
    std::filesystem::create_directories(out);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = StartQuiet({"pdftoppm", "-f", std::to_string(first + 1), "-l",
                                  std::to_string(first + count), "-scale-to-x", std::to_string(Box.width()),
                                  "-scale-to-y", "-1", "-png", file, (out / "page").string()});
    int status = 0;
    ::waitpid(pid, &status, 0);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::filesystem::remove_all(out);
    return ms;
}

// The longest a 5 ms timer, started with the meter, was late: how long the
// window thread was kept from its events.
class TStallMeter
{
public:
    TStallMeter()
    {
        QObject::connect(&m_tick, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, static_cast<double>(m_since.nsecsElapsed()) / 1e6);
            m_since.restart();
        });
        m_tick.start(5);
        m_since.start();
    }
    double Longest() const { return m_longest - 5; }

private:
    QTimer m_tick;
    QElapsedTimer m_since;
    double m_longest = 0;
};

// The longest the window thread waited for its turn (a 5 ms timer's lateness)
// while `count` pages were drawn and delivered to it.
double longestStall(const QString& file, int count, int pages, double& askMs)
{
    ClearPageCache();
    TPageRenderer renderer;
    int left = count;
    QEventLoop loop;
    QObject::connect(&renderer, &TPageRenderer::pageReady, &loop, [&] {
        if (--left == 0)
            loop.quit();
    });
    // Two sizes of each page, as the list and the preview ask; asking is timed
    // on its own (a view asks only for what it shows).
    QElapsedTimer asking;
    asking.start();
    for (int i = 0; i < count; ++i)
        renderer.Picture(file, i % pages, i < pages ? Box : Box / 2);
    askMs = static_cast<double>(asking.nsecsElapsed()) / 1e6;
    const TStallMeter meter;
    loop.exec();
    return meter.Longest();
}

// The process's resident memory now, and at its highest, in MiB.
double residentMiB(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::atof(line.c_str() + std::strlen(field)) / 1024.0;
    return 0;
}

// Manuals of at least 50 pages until there are 5,000 pages; copies of `file`
// where Debian's are not installed.
QStringList manualsFor5000(const QString& file, int& total)
{
    QStringList files;
    total = 0;
    QDirIterator found(QStringLiteral("/usr/share/doc/texlive-doc"), {QStringLiteral("*.pdf")}, QDir::Files,
                       QDirIterator::Subdirectories);
    QStringList candidates;
    while (found.hasNext())
        candidates << found.next();
    candidates.sort();
    for (int i = 0; total < 5000; ++i) {
        const QString path = i < candidates.size() ? candidates[i] : file;
        QPdfDocument document;
        if (document.load(path) != QPdfDocument::Error::None || document.pageCount() < 50) {
            if (i >= candidates.size())
                break;
            continue;
        }
        files << path;
        total += document.pageCount();
    }
    return files;
}

void measureMemory(const QString& file)
{
    int total = 0;
    const QStringList files = manualsFor5000(file, total);
    const double before = residentMiB("VmRSS:");
    ClearPageCache();
    double peak = before;
    {
        TPageRenderer renderer;
        int left = 0;
        QEventLoop loop;
        QObject::connect(&renderer, &TPageRenderer::pageReady, &loop, [&] {
            peak = std::max(peak, residentMiB("VmRSS:"));
            if (--left == 0)
                loop.quit();
        });
        // As the list asks (every first page) and the pane when scrolled through
        // every file (every page).
        for (const QString& path : files) {
            QPdfDocument document;
            document.load(path);
            ++left;
            renderer.Picture(path, 0, QSize(24, 32));
            for (int page = 0; page < document.pageCount(); ++page, ++left)
                renderer.Picture(path, page, Box);
        }
        QElapsedTimer timer;
        timer.start();
        loop.exec();
        std::printf("%d pictures of %d pages in %lld files drawn in %.1f s\n", total + int(files.size()),
                    total, static_cast<long long>(files.size()),
                    static_cast<double>(timer.elapsed()) / 1000.0);
    }
    std::printf("cache budget %d MiB; resident memory %.0f MiB before, at most %.0f MiB while drawing: "
                "%.0f MiB for page pictures\n",
                PageCacheBudgetKiB / 1024, before, peak, peak - before);
}

// The same wait with nothing drawn for as long: what the machine's other work
// costs the window thread on its own.
double idleStall(int ms)
{
    QTimer::singleShot(ms, &QCoreApplication::quit);
    const TStallMeter meter;
    QCoreApplication::exec();
    return meter.Longest();
}

// The window thread's longest wait (a 5 ms timer's lateness) while a shown page
// grid of 1,000 pages, some picked and some left out, is scrolled through as its
// pictures are drawn.
double viewStall(const QString& file, qint64& tookMs)
{
    QElapsedTimer took;
    took.start();
    ClearPageCache();
    int pages = 0;
    {
        // Closed before the measure: the PDF module's documents share one lock,
        // which the window thread never takes in the window.
        QPdfDocument document;
        document.load(file);
        pages = std::min(1000, document.pageCount());
    }
    TPagePreview view;
    view.resize(700, 500);
    view.Pages()->SetSource(file, pages);
    // As the merge pane shows a file with pages left out: every third drawn faint.
    std::vector<bool> chosen(static_cast<std::size_t>(pages), true);
    for (std::size_t page = 2; page < chosen.size(); page += 3)
        chosen[page] = false;
    view.ShowChosen(chosen);
    view.show();
    QTimer scroll;
    QObject::connect(&scroll, &QTimer::timeout, [&] {
        QScrollBar* bar = view.verticalScrollBar();
        bar->setValue(bar->value() + bar->pageStep() / 4);
        if (bar->value() >= bar->maximum())
            QCoreApplication::quit();
    });
    scroll.start(40);
    const TStallMeter meter;
    QCoreApplication::exec();
    tookMs = took.elapsed();
    return meter.Longest();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::string file = "/usr/share/doc/texlive-doc/latex/memoir/memman.pdf";
    int reps = 5;
    bool memory = false;
    bool stallOnly = false;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (flag == "--memory" || flag == "--stall") {
            memory = true;
            stallOnly = flag == "--stall";
            continue;
        }
        if (i + 1 >= argc)
            break;
        if (flag == "--file")
            file = argv[i + 1];
        else if (flag == "--reps")
            reps = std::max(1, std::atoi(argv[i + 1]));
        ++i;
    }
    if (!std::filesystem::exists(file))
        file = madeManual();
    if (file.empty() || !PagePicturesAvailable()) {
        std::fprintf(stderr, "no manual to draw, or built without page pictures\n");
        return 1;
    }
    const QString path = QString::fromStdString(file);
    if (memory) {
        if (!stallOnly)
            measureMemory(path);
        for (int r = 0; r < reps; ++r) {
            qint64 took = 0;
            const double drawing = viewStall(path, took);
            std::printf(
                "window thread's longest wait while a shown grid scrolled through 1000 pages: %.1f ms;"
                " with nothing drawn for as long (%.1f s): %.1f ms\n",
                drawing, static_cast<double>(took) / 1000.0, idleStall(static_cast<int>(took)));
        }
        return 0;
    }
    std::vector<double> first, firstPpm, screen, screenPpm, twoThreads;
    for (int r = 0; r < reps; ++r) {
        first.push_back(drawPages(path, 0, 1));
        firstPpm.push_back(pdftoppm(file, 0, 1));
        screen.push_back(drawPages(path, 0, Screenful));
        screenPpm.push_back(pdftoppm(file, 0, Screenful));
        twoThreads.push_back(drawPages(path, 0, Screenful, 2));
    }
    std::printf("%s, %dx%d, median of %d\n", file.c_str(), Box.width(), Box.height(), reps);
    std::printf("first picture:  %7.1f ms   pdftoppm %7.1f ms   ratio %.2f\n", median(first),
                median(firstPpm), median(first) / median(firstPpm));
    std::printf("screenful (%d): %7.1f ms   pdftoppm %7.1f ms   ratio %.2f\n", Screenful, median(screen),
                median(screenPpm), median(screen) / median(screenPpm));
    std::printf("two drawing threads for the screenful: %.1f ms, ratio to one %.2f\n", median(twoThreads),
                median(twoThreads) / median(screen));
    double askMs = 0;
    const double stall = longestStall(path, 1000, 500, askMs);
    std::printf("window thread's longest wait while 1000 pictures were drawn: %.1f ms"
                " (asking for all 1000 at once: %.1f ms)\n",
                stall, askMs);
    return 0;
}
