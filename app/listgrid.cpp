#include "listgrid.h"

#include <QPainter>
#include <algorithm>

void TGridLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    // A faint line in the text's colour reads on light and dark lists alike.
    QColor line = option.palette.color(QPalette::Text);
    line.setAlphaF(0.18);
    painter->setPen(line);
    const QRect r = option.rect;
    painter->drawLine(r.topRight(), r.bottomRight());
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    painter->restore();
}

QSize TGridLineDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const int spacing = std::max(4, option.fontMetrics.height() / 3);
    size.setHeight(std::max(size.height(), option.fontMetrics.height() + spacing));
    return size;
}
