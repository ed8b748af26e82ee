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
};
