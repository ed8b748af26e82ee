// The merge list's first-page pictures: drawn beside each row's file name once
// they arrive, the row shown at once without one.
#pragma once

#include "listgrid.h"

class TPageRenderer;

// The list's grid lines stay: it draws them as the other columns do.
class TMergeThumbDelegate final : public TGridLineDelegate
{
    Q_OBJECT

public:
    // `pathColumn` is the model column that holds each row's full path; `view`
    // is repainted as pictures arrive.
    TMergeThumbDelegate(QAbstractItemView* view, int pathColumn, QSize box = QSize(24, 32));

    TPageRenderer* Renderer() const { return m_renderer; }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    TPageRenderer* m_renderer;
    int m_pathColumn;
    QSize m_box;
};
