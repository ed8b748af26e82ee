#include "pagepreview.h"

#include "job/pageselection.h"
#include "mergelistmodel.h"
#include "nativepath.h"
#include "pagerenderer.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>

namespace {

// A page left out, drawn faint: told apart by more than colour, in any theme.
QImage Faded(const QImage& page)
{
    QImage faded(page.size(), QImage::Format_ARGB32_Premultiplied);
    faded.setDevicePixelRatio(page.devicePixelRatio());
    faded.fill(Qt::transparent);
    QPainter painter(&faded);
    painter.setOpacity(0.3);
    painter.drawImage(QPointF(0, 0), page);
    return faded;
}

// The page as it is whether picked or not: a picked page's place is marked, the
// page itself is not tinted into something it is not.
QIcon Shown(const QImage& page)
{
    const QPixmap pixmap = QPixmap::fromImage(page);
    QIcon icon(pixmap);
    icon.addPixmap(pixmap, QIcon::Selected);
    return icon;
}

} // namespace

TPageGridModel::TPageGridModel(TPageRenderer* renderer, QSize box, QObject* parent)
    : QAbstractListModel(parent), m_renderer(renderer), m_box(box),
      m_waiting(box, QImage::Format_ARGB32_Premultiplied)
{
    m_waiting.fill(Qt::transparent);
    connect(m_renderer, &TPageRenderer::pageReady, this, &TPageGridModel::PageReady);
}

void TPageGridModel::SetSource(const QString& path, int pages, const TPageLook& look)
{
    if (path == m_path && pages == m_pages) {
        // Given the password or turned: the same pages, drawn again.
        if ((look.Password != m_look.Password || look.Turn != m_look.Turn) && m_pages > 0) {
            m_look = look;
            emit dataChanged(index(0), index(m_pages - 1), {Qt::DecorationRole, Qt::ToolTipRole});
        }
        return;
    }
    // The old file's pages still waiting would only delay the new one's.
    m_renderer->Cancel();
    beginResetModel();
    m_path = path;
    m_pages = std::max(pages, 0);
    m_look = look;
    m_chosen.clear();
    m_preview = {};
    m_marked = false;
    endResetModel();
}

void TPageGridModel::SetSplitPreview(TSplitPreview preview)
{
    m_preview = std::move(preview);
    m_marked = true;
    MarksChanged();
}

void TPageGridModel::ClearMarks()
{
    m_preview = {};
    m_marked = false;
    MarksChanged();
}

void TPageGridModel::SetChosen(std::vector<bool> chosen)
{
    if (chosen == m_chosen)
        return;
    m_chosen = std::move(chosen);
    if (m_pages > 0)
        emit dataChanged(index(0), index(m_pages - 1), {Qt::DisplayRole, Qt::DecorationRole});
}

bool TPageGridModel::NotChosen(int page) const
{
    const auto at = static_cast<std::size_t>(page);
    return at < m_chosen.size() && !m_chosen[at];
}

void TPageGridModel::MarksChanged()
{
    if (m_pages > 0)
        emit dataChanged(index(0), index(m_pages - 1),
                         {Qt::DisplayRole, Qt::ToolTipRole, Qt::BackgroundRole, MarkRole});
}

QSize TPageGridModel::PixelBox() const
{
    // Drawn for the screen's pixels, sharp at any scale.
    return m_box * qApp->devicePixelRatio();
}

int TPageGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_pages;
}

TPageGridModel::TMark TPageGridModel::Mark(int page) const
{
    if (!m_marked)
        return TMark::None;
    const auto at = static_cast<std::size_t>(page);
    const std::int32_t count = at < m_preview.PieceCount.size() ? m_preview.PieceCount[at] : 0;
    if (count == 0)
        return TMark::NoPiece;
    return count == 1 ? TMark::OnePiece : TMark::SeveralPieces;
}

QString TPageGridModel::MarkText(int page) const
{
    if (NotChosen(page))
        return tr("not chosen");
    switch (Mark(page)) {
    case TMark::None:
        return {};
    case TMark::NoPiece:
        return tr("in no piece");
    case TMark::OnePiece:
        return tr("piece %1").arg(m_preview.PiecesOf(page + 1).front());
    case TMark::SeveralPieces:
        break;
    }
    QStringList numbers;
    for (const std::int32_t piece : m_preview.PiecesOf(page + 1))
        numbers << QString::number(piece);
    return tr("pieces %1").arg(numbers.join(QStringLiteral(", ")));
}

QVariant TPageGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_pages)
        return {};
    const int page = index.row();
    switch (role) {
    case Qt::DisplayRole: {
        const QString mark = MarkText(page);
        return mark.isEmpty() ? QString::number(page + 1)
                              : QString::number(page + 1) + QLatin1Char('\n') + mark;
    }
    case Qt::DecorationRole:
        // Asked for as the view paints, so pages are drawn in the order they show.
        if (auto picture = m_renderer->Picture(m_path, page, PixelBox(), m_look)) {
            picture->Image.setDevicePixelRatio(qApp->devicePixelRatio());
            return Shown(NotChosen(page) ? Faded(picture->Image) : picture->Image);
        }
        // Until it arrives, an empty place of its size: the grid lays out by the
        // first page it is given, and nothing that could pass for a page shows.
        return m_waiting;
    case Qt::ToolTipRole: {
        const auto picture = m_renderer->Picture(m_path, page, PixelBox(), m_look);
        const QString reason = picture ? picture->Reason : QString();
        const QString mark = MarkText(page);
        return reason.isEmpty() ? mark : (mark.isEmpty() ? reason : reason + QLatin1Char('\n') + mark);
    }
    case Qt::BackgroundRole:
        if (Mark(page) == TMark::NoPiece)
            return QColor(128, 128, 128, 60);
        if (Mark(page) == TMark::SeveralPieces)
            return QColor(255, 165, 0, 110);
        return {};
    case MarkRole:
        return static_cast<int>(Mark(page));
    case Qt::SizeHintRole:
        return m_itemSize.isValid() ? QVariant(m_itemSize) : QVariant();
    default:
        return {};
    }
}

void TPageGridModel::PageReady(const QString& path, int page, QSize box)
{
    if (path != m_path || box != PixelBox() || page >= m_pages)
        return;
    emit dataChanged(index(page), index(page), {Qt::DecorationRole, Qt::ToolTipRole});
}

TPagePreview::TPagePreview(QWidget* parent, QSize box)
    : QListView(parent), m_renderer(new TPageRenderer(this)),
      m_model(new TPageGridModel(m_renderer, box, this))
{
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true); // thousands of pages lay out without asking each one
    setWordWrap(true);
    setIconSize(box);
    // Room for the picture and two lines: the page's number and its pieces.
    setGridSize(box + QSize(16, 2 * fontMetrics().height() + 12));
    m_model->SetItemSize(box + QSize(8, 2 * fontMetrics().height() + 8));
    setSelectionMode(QAbstractItemView::NoSelection);
    // A shade darker than the window, so white pages show their edges.
    QPalette shaded = palette();
    shaded.setColor(QPalette::Base, shaded.color(QPalette::Window).darker(108));
    setPalette(shaded);
    setModel(m_model);
    // Pages scrolled past are not waited for: the next paint asks for those shown.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, m_renderer, &TPageRenderer::Cancel);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_showing)
            emit pagesPicked();
    });
}

void TPagePreview::ShowChosen(std::vector<bool> chosen)
{
    setSelectionMode(chosen.empty() ? QAbstractItemView::NoSelection : QAbstractItemView::ExtendedSelection);
    // What the person just picked is already shown: the view keeps its anchor.
    if (chosen != Picked()) {
        QItemSelection picked;
        for (std::size_t first = 0; first < chosen.size(); ++first) {
            if (!chosen[first])
                continue;
            std::size_t last = first;
            while (last + 1 < chosen.size() && chosen[last + 1])
                ++last;
            picked.select(m_model->index(static_cast<int>(first)), m_model->index(static_cast<int>(last)));
            first = last;
        }
        m_showing = true;
        selectionModel()->select(picked, QItemSelectionModel::ClearAndSelect);
        m_showing = false;
    }
    m_model->SetChosen(std::move(chosen));
}

std::vector<bool> TPagePreview::Picked() const
{
    std::vector<bool> picked(static_cast<std::size_t>(m_model->rowCount()), false);
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            picked[static_cast<std::size_t>(row)] = true;
    return picked;
}

std::function<void()> BindSplitPreview(TPagePreview* preview, QLineEdit* source,
                                       std::function<int()> pageCount, std::function<QString()> password,
                                       QRadioButton* byRanges, QSpinBox* perPage, QLineEdit* ranges,
                                       const QList<QRadioButton*>& unmarked)
{
    auto refresh = [=] {
        const int pages = pageCount();
        TPageGridModel* model = preview->Pages();
        model->SetSource(pages > 0 ? source->text().trimmed() : QString(), pages,
                         {pages > 0 ? password() : QString()});
        if (std::any_of(unmarked.begin(), unmarked.end(),
                        [](const QRadioButton* b) { return b->isChecked(); })) {
            model->ClearMarks();
            return;
        }
        model->SetSplitPreview(
            PreviewSplit(pages, {byRanges->isChecked(), perPage->value(), ranges->text().toStdString()}));
    };
    // The window counts the source's pages when the field is left or set: read
    // the count after it has.
    auto afterSource = [preview, refresh] { QTimer::singleShot(0, preview, refresh); };
    QObject::connect(source, &QLineEdit::editingFinished, preview, afterSource);
    QObject::connect(source, &QLineEdit::textChanged, preview, [source, afterSource] {
        if (!source->hasFocus())
            afterSource();
    });
    QObject::connect(ranges, &QLineEdit::textChanged, preview, refresh);
    QObject::connect(perPage, &QSpinBox::valueChanged, preview, refresh);
    QObject::connect(byRanges, &QRadioButton::toggled, preview, refresh);
    for (QRadioButton* method : unmarked)
        QObject::connect(method, &QRadioButton::toggled, preview, refresh);
    refresh();
    return refresh;
}

void BindMergePreview(TPagePreview* preview, QAbstractItemView* list, int pathColumn, int pagesColumn,
                      int selectionColumn)
{
    auto refresh = [=] {
        const QModelIndex current = list->currentIndex();
        const QVariant count = current.siblingAtColumn(pagesColumn).data(Qt::UserRole);
        const int pages = current.isValid() && count.isValid() ? count.toInt() : -1;
        const QString path =
            current.isValid() ? current.siblingAtColumn(pathColumn).data().toString() : QString();
        // The pages as the merge writes them: opened with the row's password, turned as it turns them.
        const TPageLook look{current.data(TMergeListModel::PasswordRole).toString(),
                             current.data(TMergeListModel::RotateRole).toInt()};
        preview->Pages()->SetSource(pages >= 0 ? path : QString(), pages == 0 ? 1 : pages, look);
        const QString chosen = current.data(TMergeListModel::SelectionRole).toString();
        preview->ShowChosen(selectionColumn >= 0 && pages > 0 ? ChosenPageFlags(toNative(chosen), pages)
                                                              : std::vector<bool>());
    };
    QObject::connect(preview, &TPagePreview::pagesPicked, preview, [=] {
        const QModelIndex current = list->currentIndex();
        const std::optional<std::string> text = PickedPagesText(
            toNative(current.data(TMergeListModel::SelectionRole).toString()), preview->Picked());
        // None picked: the row keeps its pages (a row gives at least one), and shows them again.
        if (!text || !list->model()->setData(current.siblingAtColumn(selectionColumn), fromNative(*text)))
            refresh();
    });
    QObject::connect(list->selectionModel(), &QItemSelectionModel::currentChanged, preview, refresh);
    QObject::connect(list->model(), &QAbstractItemModel::dataChanged, preview, refresh);
    QObject::connect(list->model(), &QAbstractItemModel::rowsRemoved, preview, refresh);
    QObject::connect(list->model(), &QAbstractItemModel::modelReset, preview, refresh);
    refresh();
}
