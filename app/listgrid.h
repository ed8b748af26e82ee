// Grid lines between the cells of a report-style list, which QTreeView lacks.
#pragma once

#include <QStyledItemDelegate>

class TGridLineDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // Room above and below the text, so that the grid line never covers an
    // underscore or a descender at any font size.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
