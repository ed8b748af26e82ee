// Pictures of PDF pages for the window: drawn on a thread of their own, never on
// the window thread, and kept in one cache the whole window shares.
#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// True when this build can draw pages (it was built with Qt's PDF module).
bool PagePicturesAvailable();

// A page's picture, or why there is none: a damaged or protected file gets a
// placeholder of the same size that says so, never a blank page.
struct TPagePicture
{
    QImage Image;
    QString Reason; // empty: Image is the page itself
};

// How a file's pages are shown: the password that opens a protected file (kept
// in memory only), and the turn its pages get in the output.
struct TPageLook
{
    QString Password;
    int Turn = 0; // 0, 90, 180 or 270 degrees clockwise
};

// What draws pages; runs on the renderer's thread only.
class IPageSource
{
public:
    virtual ~IPageSource() = default;
    // Page `page` (0-based) of the file, fitted into `box` with its proportions,
    // the file opened with `password` when it is protected. A failed page has a
    // null Image and the reason.
    virtual TPagePicture Render(const QString& path, int page, QSize box, const QString& password) = 0;
};

// The source this build has: Qt's PDF module, or one that says pictures are not
// part of the build.
std::unique_ptr<IPageSource> CreatePageSource();

// Lives on the window thread. Requests are drawn one at a time, in the order they
// were asked for; Cancel drops those not yet started, so a changed selection does
// not wait behind the old one.
class TPageRenderer final : public QObject
{
    Q_OBJECT

public:
    explicit TPageRenderer(QObject* parent = nullptr,
                           std::unique_ptr<IPageSource> source = CreatePageSource());
    ~TPageRenderer() override;

    // The picture when the cache has it; otherwise none, the page is queued (once)
    // and pageReady follows. A turned page is fitted into `box` as turned.
    std::optional<TPagePicture> Picture(const QString& path, int page, QSize box, const TPageLook& look = {});
    void Cancel();
    // Requests queued, being drawn, or drawn and on their way back to this thread.
    int Pending() const;

signals:
    void pageReady(const QString& path, int page, QSize box);

private:
    struct TRequest
    {
        QString Path;
        int Page = 0;
        QSize Box;
        TPageLook Look;
        QString Key;
    };
    void Run();
    // The page drawn and turned as the request asks; on the renderer's thread.
    static TPagePicture Turned(IPageSource& source, const TRequest& request);
    void Deliver(const TRequest& request, TPagePicture picture);

    std::unique_ptr<IPageSource> m_source;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<TRequest> m_queue;
    QHash<QString, bool> m_queued; // keys queued or being drawn
    bool m_stop = false;
    std::thread m_thread;
};

// The cache every renderer shares, on the window thread only. Its budget: 80 MiB,
// which holds a 5,000-page list's first pages and about 1,700 pages of the panes
// (several screens even at 2x); the pictures used longest ago leave first. The
// drawing itself (the PDF module's documents, pictures on their way) comes on
// top: with it, page pictures stay under 150 MB (bench_thumbs --memory).
inline constexpr int PageCacheBudgetKiB = 80 * 1024;
// The key of a page's picture: the file as it is now (path, size, modification
// time), so a changed file is drawn again, and its look: a picture drawn without
// the password is never served for it with one, nor a page turned otherwise.
QString PageCacheKey(const QString& path, int page, QSize box, const TPageLook& look = {});
// Empties the cache (the tests start from nothing).
void ClearPageCache();

// The placeholder drawn in place of a page that cannot be drawn.
QImage PlaceholderImage(QSize box, const QString& reason);
