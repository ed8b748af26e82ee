// A grid of one file's pages: the merge side's preview of the selected row, and
// the split side's source with each page marked with the piece(s) it goes into.
#pragma once

#include "job/splitpreview.h"
#include "pagerenderer.h"

#include <QAbstractListModel>
#include <QImage>
#include <QList>
#include <QListView>
#include <functional>

class QAbstractItemView;
class QLineEdit;
class QRadioButton;
class QSpinBox;

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

    // The file, its page count (0: nothing shown) and how its pages look (its
    // password, their turn). Pages of the file shown before are no longer drawn.
    void SetSource(const QString& path, int pages, const TPageLook& look = {});
    // Which pages are chosen, one flag a page: the others are drawn faded and
    // say "not chosen". Empty: pages are not chosen here.
    void SetChosen(std::vector<bool> chosen);
    // Marks each page by the split's pieces; Valid false marks none as in a piece.
    void SetSplitPreview(TSplitPreview preview);
    void ClearMarks();
    // Every page's place: the grid lays out by its first page, which may have
    // one line of text where the others have two.
    void SetItemSize(QSize size) { m_itemSize = size; }
    const QString& Path() const { return m_path; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void PageReady(const QString& path, int page, QSize box);
    void MarksChanged();
    TMark Mark(int page) const;
    QSize PixelBox() const;
    QString MarkText(int page) const;

    bool NotChosen(int page) const;

    TPageRenderer* m_renderer;
    QSize m_box;
    QImage m_waiting;
    QString m_path;
    int m_pages = 0;
    TPageLook m_look;
    std::vector<bool> m_chosen;
    QSize m_itemSize;
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
    // Lets the person pick pages (click, Ctrl- and Shift-click, keys) and shows
    // these as picked; empty: nothing to pick.
    void ShowChosen(std::vector<bool> chosen);
    // The pages picked in the view, one flag a page.
    std::vector<bool> Picked() const;

signals:
    // The person picked pages; not sent for ShowChosen.
    void pagesPicked();

private:
    TPageRenderer* m_renderer;
    TPageGridModel* m_model;
    bool m_showing = false;
};

// Keeps a split preview's marks on the split side's controls: the source (its page
// count read through pageCount once the field has settled, a protected one opened
// with what password gives), every N pages or the typed ranges, updated as the
// user types. While one of `unmarked` is checked (a method whose pieces are known
// only as the split cuts them) no page is marked. Returns what shows the source
// again, for when it has settled.
std::function<void()> BindSplitPreview(TPagePreview* preview, QLineEdit* source,
                                       std::function<int()> pageCount, std::function<QString()> password,
                                       QRadioButton* byRanges, QSpinBox* perPage, QLineEdit* ranges,
                                       const QList<QRadioButton*>& unmarked = {});

// Shows the merge list's current row in a preview: its path from pathColumn, its
// page count from pagesColumn's Qt::UserRole (-1: still being counted, nothing
// shown yet; 0: a file with no pages to show, one placeholder says why), its
// password and turn from TMergeListModel's roles. With a selectionColumn, the
// pages its SelectionRole chooses show as picked, and pages picked in the
// preview are written back there as the row's selection.
void BindMergePreview(TPagePreview* preview, QAbstractItemView* list, int pathColumn, int pagesColumn,
                      int selectionColumn = -1);
