// A grid of one file's pages: the merge side's preview of the selected row, and
// the split side's source with each page marked with the piece(s) it goes into.
#pragma once

#include "job/splitpreview.h"

#include <QAbstractListModel>
#include <QImage>
#include <QList>
#include <QListView>
#include <functional>

class QAbstractItemView;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class TPageRenderer;

// One row per page; the picture arrives after the row (DecorationRole), the
// page's number and marks are its text.
class TPageGridModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    // The split mark of a page, as the model's MarkRole gives it.
    enum class TMark
    {
        None,    // no method given: nothing to mark
        NoPiece, // written into no piece
        OnePiece,
        SeveralPieces
    };
    static constexpr int MarkRole = Qt::UserRole + 1;

    TPageGridModel(TPageRenderer* renderer, QSize box, QObject* parent = nullptr);

    // The file and its page count (0: nothing shown). Pages of the file shown
    // before are no longer drawn.
    void SetSource(const QString& path, int pages);
    // Marks each page by the split's pieces; Valid false marks none as in a piece.
    void SetSplitPreview(TSplitPreview preview);
    void ClearMarks();
    const QString& Path() const { return m_path; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void PageReady(const QString& path, int page, QSize box);
    void MarksChanged();
    TMark Mark(int page) const;
    QSize PixelBox() const;
    QString MarkText(int page) const;

    TPageRenderer* m_renderer;
    QSize m_box;
    QImage m_waiting;
    QString m_path;
    int m_pages = 0;
    bool m_marked = false;
    TSplitPreview m_preview;
};

class TPagePreview final : public QListView
{
    Q_OBJECT

public:
    // Pictures fitted into `box` (a page's width and height at most).
    explicit TPagePreview(QWidget* parent = nullptr, QSize box = QSize(96, 128));

    TPageGridModel* Pages() const { return m_model; }
    TPageRenderer* Renderer() const { return m_renderer; }

private:
    TPageRenderer* m_renderer;
    TPageGridModel* m_model;
};

// Keeps a split preview's marks on the split side's controls: the source (its page
// count read through pageCount once the field has settled), every N pages or the
// typed ranges, updated as the user types. While one of `unmarked` is checked (a
// method whose pieces are known only as the split cuts them) no page is marked.
void BindSplitPreview(TPagePreview* preview, QLineEdit* source, std::function<int()> pageCount,
                      QRadioButton* byRanges, QSpinBox* perPage, QLineEdit* ranges,
                      const QList<QRadioButton*>& unmarked = {});

// Shows the merge list's current row in a preview: its path from pathColumn, its
// page count from pagesColumn's Qt::UserRole (-1: still being counted, nothing
// shown yet; 0: a file with no pages to show, one placeholder says why).
void BindMergePreview(TPagePreview* preview, QAbstractItemView* list, int pathColumn, int pagesColumn);
