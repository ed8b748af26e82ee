#include "pagerenderer.h"

#include "platform/platform.h"

#include <QCache>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>
#include <QPainter>
#include <QPointer>

namespace {

QCache<QString, TPagePicture>& PageCache()
{
    static QCache<QString, TPagePicture> cache(PageCacheBudgetKiB);
    return cache;
}

int CostKiB(const TPagePicture& picture)
{
    return static_cast<int>(picture.Image.sizeInBytes() / 1024) + 1;
}

#ifndef PLICORA_PAGE_PICTURES
class TNoPageSource final : public IPageSource
{
public:
    TPagePicture Render(const QString& /*path*/, int /*page*/, QSize /*box*/,
                        const QString& /*password*/) override
    {
        return {{}, TPageRenderer::tr("Page pictures are not part of this build.")};
    }
};
#endif

} // namespace

#ifdef PLICORA_PAGE_PICTURES
std::unique_ptr<IPageSource> CreatePdfPageSource(); // pdfpagesource.cpp

bool PagePicturesAvailable()
{
    return true;
}

std::unique_ptr<IPageSource> CreatePageSource()
{
    return CreatePdfPageSource();
}
#else
bool PagePicturesAvailable()
{
    return false;
}

std::unique_ptr<IPageSource> CreatePageSource()
{
    return std::make_unique<TNoPageSource>();
}
#endif

QString PageCacheKey(const QString& path, int page, QSize box, const TPageLook& look)
{
    const QFileInfo info(path);
    // The password's digest tells pictures apart without the key holding it.
    const QString password =
        look.Password.isEmpty()
            ? QString()
            : QString::fromLatin1(
                  QCryptographicHash::hash(look.Password.toUtf8(), QCryptographicHash::Sha256).toHex());
    return QStringLiteral("%1\n%2\n%3\n%4\n%5x%6\n%7\n%8")
        .arg(path)
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .arg(page)
        .arg(box.width())
        .arg(box.height())
        .arg(look.Turn)
        .arg(password);
}

void ClearPageCache()
{
    PageCache().clear();
}

QImage PlaceholderImage(QSize box, const QString& reason)
{
    QImage image(box, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xe8, 0xe8, 0xe8));
    QPainter painter(&image);
    painter.setPen(QPen(QColor(0x90, 0x90, 0x90), 1, Qt::DashLine));
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    QFont font = painter.font();
    font.setPixelSize(std::max(7, box.height() / 14));
    painter.setFont(font);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawText(image.rect().adjusted(3, 3, -3, -3), Qt::AlignCenter | Qt::TextWrapAnywhere, reason);
    return image;
}

TPageRenderer::TPageRenderer(QObject* parent, std::unique_ptr<IPageSource> source)
    : QObject(parent), m_source(std::move(source)), m_thread([this] { Run(); })
{
}

TPageRenderer::~TPageRenderer()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
        m_queue.clear();
    }
    m_wake.notify_all();
    m_thread.join();
}

std::optional<TPagePicture> TPageRenderer::Picture(const QString& path, int page, QSize box,
                                                   const TPageLook& look)
{
    TRequest request{path, page, box, look, PageCacheKey(path, page, box, look)};
    if (const TPagePicture* cached = PageCache().object(request.Key))
        return *cached;
    {
        std::lock_guard lock(m_mutex);
        if (m_queued.contains(request.Key))
            return std::nullopt;
        m_queued.insert(request.Key, true);
        m_queue.push_back(std::move(request));
    }
    m_wake.notify_one();
    return std::nullopt;
}

void TPageRenderer::Cancel()
{
    std::lock_guard lock(m_mutex);
    for (const TRequest& request : m_queue)
        m_queued.remove(request.Key);
    m_queue.clear();
}

int TPageRenderer::Pending() const
{
    std::lock_guard lock(m_mutex);
    return static_cast<int>(m_queued.size());
}

TPagePicture TPageRenderer::Turned(IPageSource& source, const TRequest& request)
{
    const int turn = ((request.Look.Turn % 360) + 360) % 360;
    // A page turned a quarter is drawn into the box on its side, then turned to fit it.
    const QSize box = turn == 90 || turn == 270 ? request.Box.transposed() : request.Box;
    TPagePicture picture = source.Render(request.Path, request.Page, box, request.Look.Password);
    if (turn != 0 && !picture.Image.isNull())
        picture.Image = picture.Image.transformed(QTransform().rotate(turn));
    return picture;
}

void TPageRenderer::Run()
{
    // The window's events come first: drawing takes the time they leave.
    plat::lowerThreadPriority();
    for (;;) {
        TRequest request;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stop || !m_queue.empty(); });
            if (m_stop)
                break;
            request = std::move(m_queue.front());
            m_queue.pop_front();
        }
        TPagePicture picture = Turned(*m_source, request);
        // Back to the window thread as a value; dropped if the renderer has gone.
        QMetaObject::invokeMethod(
            this,
            [this, request, picture = std::move(picture)]() mutable { Deliver(request, std::move(picture)); },
            Qt::QueuedConnection);
    }
    // Its documents were opened on this thread: closed here too.
    m_source.reset();
}

void TPageRenderer::Deliver(const TRequest& request, TPagePicture picture)
{
    {
        std::lock_guard lock(m_mutex);
        m_queued.remove(request.Key);
    }
    if (picture.Image.isNull())
        picture.Image = PlaceholderImage(request.Box, picture.Reason);
    auto* kept = new TPagePicture(std::move(picture));
    PageCache().insert(request.Key, kept, CostKiB(*kept));
    emit pageReady(request.Path, request.Page, request.Box);
}
