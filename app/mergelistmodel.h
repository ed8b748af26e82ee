// The merge list's rows behind ListView1: the core's typed rows, shown in the
// columns "ID", "File name", "Page(s)" and "Size", with the full path in a
// fifth column the person may show, and the pages chosen of each file (and
// its turn) in an editable sixth. A row that a merge cannot use says why in
// its Page(s) text, a warning sign and its tooltip; a row still being counted
// says "counting...". The texts are made from the fields when shown; the job
// and the checks read the rows themselves.
#pragma once

#include "job/mergelist.h"

#include <QAbstractTableModel>
#include <vector>

class TMergeListModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum TColumn
    {
        ColId = 0,
        ColFileName,
        ColPages,
        ColSize,
        ColPath,
        ColSelection,
        ColumnCount
    };
    // What the thumbnails and other views read of a row besides its texts.
    enum TRole
    {
        SelectionRole = Qt::UserRole + 1, // QString: the pages chosen as typed, "" for all
        PasswordRole,                     // QString: what opens a protected file, "" for others
        RotateRole                        // int: 0, 90, 180 or 270 degrees clockwise
    };

    // Sizes are shown with decimalSeparator (the user's regional setting).
    explicit TMergeListModel(char decimalSeparator, QObject* parent = nullptr);

    const std::vector<TMergeListRow>& Rows() const { return m_rows; }
    void Append(TMergeListRow row);
    // The count of the first row still counting `path` came in: the row takes
    // the counted one's place, or goes when there is none (the file was refused).
    void Settle(const std::string& path, const TMergeListRow* counted);
    bool IsCounting() const;
    // "3 files, 48 pages", and while rows are counted, how many are left.
    QString TotalText() const;
    // Removes the rows at these positions (any order).
    void RemoveRows(std::vector<int> rows);
    // Puts the rows at these positions (in list order) before the row at
    // `before` (RowCount(): at the end), keeping their order.
    void MoveRows(const std::vector<int>& rows, int before);
    // Swaps the files of two rows; each position keeps its ID.
    void SwapRows(int a, int b);
    // Orders the rows by file name as people read numbers, then by path.
    void SortByName();
    // A copy of each of these rows right below it (its choices and password
    // too); the copies' positions, in list order.
    std::vector<int> DuplicateRows(std::vector<int> rows);
    // Turns the chosen pages of these rows by `degrees` clockwise (negative:
    // anticlockwise), on top of their turn so far.
    void TurnRows(const std::vector<int>& rows, int degrees);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The selection column takes the pages to choose ("1-3,7", "all"); a
    // selection the merge would refuse is kept and says why in its row.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    // Rows are dragged within the list and dropped between rows, never into one.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;

private:
    // Reorders the rows: the row at order[i] goes to position i. Selections and
    // other kept positions follow their rows.
    void Reorder(const std::vector<int>& order);
    QString Text(int row, int column) const;
    QVariant RowRole(const TMergeListRow& row, int role) const;

    std::vector<TMergeListRow> m_rows;
    char m_decimalSeparator;
};
