// Pages drawn by Qt's PDF module, on the renderer's thread.
#include "job/frontdoor.h"
#include "nativepath.h"
#include "pagerenderer.h"
#include "translations.h"

#include <QDateTime>
#include <QFileInfo>
#include <QPainter>
#include <QPdfDocument>

namespace {

class TPdfPageSource final : public IPageSource
{
public:
    TPagePicture Render(const QString& path, int page, QSize box, const QString& password) override
    {
        if (!Open(path, password))
            return {{}, m_reason};
        const QSizeF points = m_document->pagePointSize(page);
        if (page < 0 || page >= m_document->pageCount() || points.isEmpty())
            return {{}, TPageRenderer::tr("Page %1 cannot be drawn.").arg(page + 1)};
        const QSize size = points.scaled(QSizeF(box), Qt::KeepAspectRatio).toSize().expandedTo(QSize(1, 1));
        QImage drawn = m_document->render(page, size);
        if (drawn.isNull())
            return {{}, TPageRenderer::tr("Page %1 cannot be drawn.").arg(page + 1)};
        // The page as paper shows it: on white, not on the transparent ground it
        // is drawn on.
        QImage paper(size, QImage::Format_RGB32);
        paper.fill(Qt::white);
        QPainter(&paper).drawImage(0, 0, drawn);
        return {paper, {}};
    }

private:
    // Keeps the last file open: a view asks for many pages of one file in a row.
    bool Open(const QString& path, const QString& password)
    {
        const QFileInfo info(path);
        const QString stamp = QString::number(info.size()) + QLatin1Char(':') +
                              QString::number(info.lastModified().toMSecsSinceEpoch());
        if (m_document && path == m_path && stamp == m_stamp && password == m_password)
            return m_reason.isEmpty();
        m_document = std::make_unique<QPdfDocument>();
        m_path = path;
        m_stamp = stamp;
        m_password = password;
        m_reason.clear();
        if (!password.isEmpty())
            m_document->setPassword(password);
        if (m_document->load(path) == QPdfDocument::Error::None)
            return true;
        // The front door says why, in the words the rest of the window uses.
        const TCoreText why = WhyNoPictures(toNative(info.fileName()), ProbePdfForList(toNative(path)));
        m_reason =
            why.empty() ? TPageRenderer::tr("%1 cannot be drawn.").arg(info.fileName()) : CoreText(why);
        return false;
    }

    std::unique_ptr<QPdfDocument> m_document;
    QString m_path;
    QString m_stamp;
    QString m_password; // what opened m_document; in memory only
    QString m_reason;
};

} // namespace

std::unique_ptr<IPageSource> CreatePdfPageSource()
{
    return std::make_unique<TPdfPageSource>();
}
