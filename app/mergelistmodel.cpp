#include "mergelistmodel.h"

#include "job/pageselection.h"
#include "nativepath.h"
#include "text/filenames.h"
#include "text/naturalsort.h"
#include "text/strutil.h"
#include "translations.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <algorithm>
#include <numeric>

namespace {

QString CountingText()
{
    return TMergeListModel::tr("counting...");
}

QString PagesText(const TMergeListRow& row)
{
    if (row.Status == TRowStatus::Counting)
        return CountingText();
    switch (row.Status) {
    case TRowStatus::NotPdf:
        return TMergeListModel::tr("%1 (not a PDF)").arg(row.Pages);
    case TRowStatus::Guessed:
        return TMergeListModel::tr("%1 (damaged)").arg(row.Pages);
    default:
        break;
    }
    // The pages a merge takes, when they are not all.
    if (const std::optional<std::int32_t> chosen = ChosenPageCount(row); chosen && *chosen != row.Pages)
        return TMergeListModel::tr("%1 of %2").arg(*chosen).arg(row.Pages);
    return QString::number(row.Pages);
}

QString SelectionText(const TMergeListRow& row)
{
    const QString pages =
        SelectsAllPages(row.Selection) ? TMergeListModel::tr("all") : fromNative(Trim(row.Selection));
    return row.Rotate == 0 ? pages : TMergeListModel::tr("%1, turned %2\u00b0").arg(pages).arg(row.Rotate);
}

QString ToolTip(const TMergeListRow& row)
{
    QString tip = fromNative(row.Path);
    if (const TCoreText problem = RowProblem(row); !problem.empty())
        tip += QLatin1Char('\n') + TMergeListModel::tr("%1: a merge leaves it out").arg(CoreText(problem));
    else if (row.Status == TRowStatus::Repaired)
        tip += QLatin1Char('\n') + TMergeListModel::tr("repaired when read (%1)").arg(fromNative(row.Reason));
    if (const TCoreText problem = RowSelectionProblem(row); !problem.empty())
        tip += QLatin1Char('\n') + CoreText(problem);
    return tip;
}

} // namespace

TMergeListModel::TMergeListModel(char decimalSeparator, QObject* parent)
    : QAbstractTableModel(parent), m_decimalSeparator(decimalSeparator)
{
}

void TMergeListModel::Append(TMergeListRow row)
{
    const int at = static_cast<int>(m_rows.size());
    beginInsertRows(QModelIndex(), at, at);
    m_rows.push_back(std::move(row));
    endInsertRows();
}

void TMergeListModel::Settle(const std::string& path, const TMergeListRow* counted)
{
    const auto it = std::find_if(m_rows.begin(), m_rows.end(), [&](const TMergeListRow& row) {
        return row.Status == TRowStatus::Counting && row.Path == path;
    });
    if (it == m_rows.end())
        return;
    const int at = static_cast<int>(it - m_rows.begin());
    if (counted) {
        *it = *counted;
        emit dataChanged(index(at, 0), index(at, ColumnCount - 1));
    } else {
        RemoveRows({at});
    }
}

bool TMergeListModel::IsCounting() const
{
    return std::any_of(m_rows.begin(), m_rows.end(),
                       [](const TMergeListRow& row) { return row.Status == TRowStatus::Counting; });
}

QString TMergeListModel::TotalText() const
{
    std::int64_t pages = 0;
    std::size_t counting = 0;
    for (const TMergeListRow& row : m_rows) {
        pages += row.Status == TRowStatus::Counting || !RowProblem(row).empty()
                     ? 0
                     : ChosenPageCount(row).value_or(0);
        counting += row.Status == TRowStatus::Counting ? 1 : 0;
    }
    // One file and one page have words of their own; other counts take the
    // language's plural forms.
    const int files = static_cast<int>(m_rows.size());
    QString text = files == 1 ? tr("1 file") : tr("%n files", nullptr, files);
    text += pages == 1 ? tr(", 1 page") : tr(", %n pages", nullptr, static_cast<int>(pages));
    if (counting > 0)
        text += tr(", %1 counting...").arg(counting);
    return text;
}

void TMergeListModel::RemoveRows(std::vector<int> rows)
{
    // From the bottom up, so that the positions still to remove stay valid.
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (const int row : rows) {
        if (row < 0 || row >= rowCount())
            continue;
        beginRemoveRows(QModelIndex(), row, row);
        m_rows.erase(m_rows.begin() + row);
        endRemoveRows();
    }
    // The IDs below the removed rows changed.
    if (!m_rows.empty())
        emit dataChanged(index(0, ColId), index(rowCount() - 1, ColId));
}

void TMergeListModel::MoveRows(const std::vector<int>& rows, int before)
{
    std::vector<bool> moving(m_rows.size(), false);
    for (const int row : rows) {
        if (row >= 0 && row < rowCount())
            moving[static_cast<std::size_t>(row)] = true;
    }
    std::vector<int> order;
    const auto stay = [&](int from, int to) {
        for (int i = from; i < to; ++i) {
            if (!moving[static_cast<std::size_t>(i)])
                order.push_back(i);
        }
    };
    before = std::clamp(before, 0, rowCount());
    stay(0, before);
    for (int i = 0; i < rowCount(); ++i) {
        if (moving[static_cast<std::size_t>(i)])
            order.push_back(i);
    }
    stay(before, rowCount());
    Reorder(order);
}

void TMergeListModel::SwapRows(int a, int b)
{
    if (a < 0 || b < 0 || a >= rowCount() || b >= rowCount() || a == b)
        return;
    std::swap(m_rows[static_cast<std::size_t>(a)], m_rows[static_cast<std::size_t>(b)]);
    emit dataChanged(index(std::min(a, b), ColFileName), index(std::max(a, b), ColPath));
}

void TMergeListModel::SortByName()
{
    std::vector<int> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        const std::string& pathA = m_rows[static_cast<std::size_t>(a)].Path;
        const std::string& pathB = m_rows[static_cast<std::size_t>(b)].Path;
        const std::string nameA = ExtractFileName(pathA);
        const std::string nameB = ExtractFileName(pathB);
        return nameA != nameB ? NaturalLess(nameA, nameB) : NaturalLess(pathA, pathB);
    });
    Reorder(order);
}

std::vector<int> TMergeListModel::DuplicateRows(std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::vector<int> copies;
    for (const int row : rows) {
        // Earlier copies moved this row down by one each.
        const int at = row + static_cast<int>(copies.size());
        if (row < 0 || row >= static_cast<int>(m_rows.size()) - static_cast<int>(copies.size()))
            continue;
        beginInsertRows(QModelIndex(), at + 1, at + 1);
        m_rows.insert(m_rows.begin() + at + 1, m_rows[static_cast<std::size_t>(at)]);
        endInsertRows();
        copies.push_back(at + 1);
    }
    if (!copies.empty())
        emit dataChanged(index(0, ColId), index(rowCount() - 1, ColId));
    return copies;
}

void TMergeListModel::TurnRows(const std::vector<int>& rows, int degrees)
{
    for (const int row : rows) {
        if (row < 0 || row >= rowCount())
            continue;
        int& turn = m_rows[static_cast<std::size_t>(row)].Rotate;
        turn = ((turn + degrees) % 360 + 360) % 360;
        emit dataChanged(index(row, ColSelection), index(row, ColSelection));
    }
}

void TMergeListModel::Reorder(const std::vector<int>& order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRow(order.size());
    std::vector<TMergeListRow> rows;
    rows.reserve(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        newRow[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
        rows.push_back(std::move(m_rows[static_cast<std::size_t>(order[i])]));
    }
    m_rows = std::move(rows);
    const QModelIndexList kept = persistentIndexList();
    QModelIndexList moved;
    moved.reserve(kept.size());
    for (const QModelIndex& old : kept)
        moved << index(newRow[static_cast<std::size_t>(old.row())], old.column());
    changePersistentIndexList(kept, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int TMergeListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TMergeListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString TMergeListModel::Text(int row, int column) const
{
    const TMergeListRow& r = m_rows[static_cast<std::size_t>(row)];
    switch (column) {
    case ColId:
        return QString::number(row + 1);
    case ColFileName:
        return fromNative(ExtractFileName(r.Path));
    case ColPages:
        return PagesText(r);
    case ColSize: // not known before the count
        return r.Status == TRowStatus::Counting
                   ? QString()
                   : QString::fromLocal8Bit(FileSizeText(r.Size, m_decimalSeparator));
    case ColPath:
        return fromNative(r.Path);
    case ColSelection:
        return r.Status == TRowStatus::Counting ? QString() : SelectionText(r);
    default:
        return {};
    }
}

QVariant TMergeListModel::RowRole(const TMergeListRow& row, int role) const
{
    switch (role) {
    case SelectionRole:
        return fromNative(row.Selection);
    case PasswordRole:
        return fromNative(row.Password);
    case RotateRole:
        return row.Rotate;
    default:
        return {};
    }
}

QVariant TMergeListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return Text(index.row(), index.column());
    const TMergeListRow& row = m_rows[static_cast<std::size_t>(index.row())];
    if (role == Qt::ToolTipRole)
        return ToolTip(row);
    if (role == Qt::DecorationRole && index.column() == ColFileName && !RowProblem(row).empty())
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    if (role == Qt::DecorationRole && index.column() == ColSelection && !RowSelectionProblem(row).empty())
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    if (role == Qt::EditRole && index.column() == ColSelection)
        return SelectsAllPages(row.Selection) ? tr("all") : fromNative(Trim(row.Selection));
    if (role >= SelectionRole)
        return RowRole(row, role);
    // The sizes' last digits and units line up in a proportional font.
    if (role == Qt::TextAlignmentRole && index.column() == ColSize)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return {};
}

QVariant TMergeListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole && section == ColSize)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case ColId:
        return tr("ID");
    case ColFileName:
        return tr("File name");
    case ColPages:
        return tr("Page(s)");
    case ColSize:
        return tr("Size");
    case ColPath:
        return tr("Full path");
    case ColSelection:
        return tr("Pages chosen");
    default:
        return {};
    }
}

Qt::ItemFlags TMergeListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    const Qt::ItemFlags flags =
        Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren;
    // Pages are chosen of a file once it is counted.
    const bool counted = index.row() < rowCount() &&
                         m_rows[static_cast<std::size_t>(index.row())].Status != TRowStatus::Counting;
    return index.column() == ColSelection && counted ? flags | Qt::ItemIsEditable : flags;
}

bool TMergeListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || index.column() != ColSelection || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const std::string typed = Trim(toNative(value.toString()));
    // The word shown for every page, in whatever language, means every page.
    m_rows[static_cast<std::size_t>(index.row())].Selection =
        SelectsAllPages(typed) || value.toString().trimmed() == tr("all") ? std::string() : typed;
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
    return true;
}

Qt::DropActions TMergeListModel::supportedDropActions() const
{
    return Qt::MoveAction;
}
