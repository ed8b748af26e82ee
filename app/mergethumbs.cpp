#include "mergethumbs.h"

#include "mergelistmodel.h"
#include "pagerenderer.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>

TMergeThumbDelegate::TMergeThumbDelegate(QAbstractItemView* view, int pathColumn, QSize box)
    : TGridLineDelegate(view), m_renderer(new TPageRenderer(this)), m_pathColumn(pathColumn), m_box(box)
{
    connect(m_renderer, &TPageRenderer::pageReady, view->viewport(), qOverload<>(&QWidget::update));
    // Rows scrolled past are not waited for: the next paint asks for those shown.
    connect(view->verticalScrollBar(), &QScrollBar::valueChanged, m_renderer, &TPageRenderer::Cancel);
}

void TMergeThumbDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    TGridLineDelegate::initStyleOption(option, index);
    const QString path = index.siblingAtColumn(m_pathColumn).data(Qt::DisplayRole).toString();
    // A row that has its own picture (the warning of a file a merge leaves out) keeps it.
    if (path.isEmpty() || index.data(Qt::DecorationRole).isValid())
        return;
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->decorationSize = m_box;
    // Drawn for the screen's pixels, sharp at any scale.
    const qreal ratio = option->widget ? option->widget->devicePixelRatioF() : 1.0;
    // Until the picture arrives, an empty place of its size keeps the text still.
    QPixmap picture(m_box * ratio);
    picture.fill(Qt::transparent);
    // The page as the merge writes it: opened with the row's password, turned as it turns.
    const TPageLook look{index.data(TMergeListModel::PasswordRole).toString(),
                         index.data(TMergeListModel::RotateRole).toInt()};
    if (const auto drawn = m_renderer->Picture(path, 0, m_box * ratio, look)) {
        picture = QPixmap::fromImage(drawn->Image);
        picture.setDevicePixelRatio(ratio);
        // Its edge, so a white page shows on a white list.
        QPainter edge(&picture);
        QColor line = option->palette.color(QPalette::Text);
        line.setAlphaF(0.35);
        edge.setPen(line);
        edge.drawRect(QRectF(QPointF(0, 0), picture.deviceIndependentSize()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    picture.setDevicePixelRatio(ratio);
    option->icon = QIcon(picture);
}
