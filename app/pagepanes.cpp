// Page pictures in the main window: each merge row's first page, a pane beside
// the merge list with the current row's pages, and the split source's pages
// marked with their pieces. Each pane shows when the window has room for it or
// when its toggle asks for it; a build without pictures has none of them.
#include "mainform.h"
#include "mergelistmodel.h"
#include "mergethumbs.h"
#include "nativepath.h"
#include "pagepreview.h"
#include "pagerenderer.h"
#include "ui_main.h"

#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QToolButton>
#include <algorithm>

namespace {

// The pane's narrowest: two columns of pages and the scroll bar.
int PaneWidth(const TPagePreview* pages)
{
    return 2 * pages->gridSize().width() + pages->verticalScrollBar()->sizeHint().width() +
           2 * pages->frameWidth() + 4;
}

// The split view's lowest: one row of pages with their marks.
int PaneHeight(const TPagePreview* pages)
{
    return pages->gridSize().height() + 2 * pages->frameWidth() + 4;
}

QToolButton* MakeToggle(QWidget* parent, const QString& name, const QRect& geometry,
                        const QString& description)
{
    auto* toggle = new QToolButton(parent);
    toggle->setObjectName(name);
    toggle->setGeometry(geometry);
    toggle->setIcon(QIcon(QStringLiteral(":/icons/pages.svg")));
    toggle->setIconSize(QSize(24, 24));
    toggle->setAutoRaise(true);
    toggle->setCheckable(true);
    toggle->setToolTip(TfrmMain::tr("Show pages"));
    toggle->setAccessibleName(TfrmMain::tr("Show pages"));
    toggle->setAccessibleDescription(description);
    return toggle;
}

} // namespace

void TfrmMain::SetUpPagePictures()
{
    if (!PagePicturesAvailable())
        return;
    Ui::TfrmMain& ui = *m_ui;
    ui.ListView1->setItemDelegateForColumn(TMergeListModel::ColFileName,
                                           new TMergeThumbDelegate(ui.ListView1, TMergeListModel::ColPath));

    // The list and its pane share the list's place; the list takes what the
    // window grows by, the pane keeps its width.
    m_mergeSplitter = new QSplitter(Qt::Horizontal, ui.ListView1->parentWidget());
    m_mergeSplitter->setObjectName(QStringLiteral("MergeSplitter"));
    m_mergeSplitter->setGeometry(ui.ListView1->geometry());
    m_mergeListWidth = ui.ListView1->width();
    m_mergeSplitter->setChildrenCollapsible(false);
    m_mergeSplitter->addWidget(ui.ListView1);
    m_mergePane.Pages = new TPagePreview(m_mergeSplitter);
    m_mergePane.Pages->setObjectName(QStringLiteral("MergePages"));
    m_mergePane.Pages->setAccessibleName(tr("Pages of the selected file"));
    m_mergePane.Pages->setAccessibleDescription(
        tr("The pages of the file selected in the list, as pictures; the pages picked (click, Ctrl+click, "
           "Shift+click) are the ones the merge takes, the others are faint and marked \"not chosen\"."));
    m_mergeSplitter->addWidget(m_mergePane.Pages);
    m_mergeSplitter->setStretchFactor(0, 1);
    m_mergeSplitter->setStretchFactor(1, 0);
    m_mergePane.Pages->hide();
    BindMergePreview(m_mergePane.Pages, ui.ListView1, TMergeListModel::ColPath, TMergeListModel::ColPages,
                     TMergeListModel::ColSelection);
    m_mergePane.Toggle = MakeToggle(ui.sbMoveDown->parentWidget(), QStringLiteral("sbMergePages"),
                                    ui.sbMoveDown->geometry().translated(0, 38),
                                    tr("Shows or hides the pages of the selected file beside the list."));
    setTabOrder(ui.sbMoveDown, m_mergePane.Toggle);

    // The split side's pages take the room below its fields as the window grows.
    m_splitPane.Pages = new TPagePreview(ui.TabSheet2);
    m_splitPane.Pages->setObjectName(QStringLiteral("SplitPages"));
    m_splitPane.Pages->setAccessibleName(tr("Pages and pieces"));
    m_splitPane.Pages->setAccessibleDescription(
        tr("The source's pages as pictures, each marked with the piece it goes into; a page in no piece is "
           "greyed, a page in several pieces is orange."));
    m_splitPane.Pages->setGeometry(ui.GroupBox2->x(), ui.sbSplit->geometry().bottom() + 2,
                                   ui.GroupBox2->width(), 0);
    m_splitPane.Pages->hide();
    const auto showSource = BindSplitPreview(
        m_splitPane.Pages, ui.edtSplitSrc, [this] { return SplitPageCount(); },
        [this] { return fromNative(SplitSourcePassword()); }, ui.RadioButton2, ui.UpDown1,
        ui.edtSplitPageRange, {ui.rbSplitBookmarks, ui.rbSplitSize});
    connect(this, &TfrmMain::splitSourceSettled, m_splitPane.Pages, showSource);
    // Left of Split, level with its foot: the split methods reach down to above it.
    m_splitPane.Toggle =
        MakeToggle(ui.TabSheet2, QStringLiteral("sbSplitPages"),
                   QRect(ui.sbSplit->x() - 34, ui.sbSplit->geometry().bottom() - 27, 28, 28),
                   tr("Shows or hides the source's pages, each marked with the piece it goes into."));
    setTabOrder(ui.sbSplit, m_splitPane.Toggle);

    connect(m_mergePane.Toggle, &QToolButton::clicked, this,
            [this](bool shown) { TogglePages(m_mergePane, shown); });
    connect(m_splitPane.Toggle, &QToolButton::clicked, this,
            [this](bool shown) { TogglePages(m_splitPane, shown); });
}

void TfrmMain::TogglePages(TPagesPane& pane, bool shown)
{
    pane.Chosen = shown;
    if (shown && !isMaximized() && !isFullScreen()) {
        // Room for the pane where the screen allows; else it shares the list's.
        QSize wanted = size();
        if (&pane == &m_mergePane)
            wanted.rwidth() = std::max(width(), minimumWidth() + PaneWidth(pane.Pages));
        else
            wanted.rheight() = std::max(height(), minimumHeight() + PaneHeight(pane.Pages));
        const QSize frame = frameGeometry().size() - size();
        QRect grown(frameGeometry().topLeft(), wanted + frame);
        if (const QScreen* s = screen()) {
            // Kept on the screen: moved back from its right and bottom edges first.
            const QRect area = s->availableGeometry();
            grown.setSize(grown.size().boundedTo(area.size()));
            grown.moveRight(std::min(grown.right(), area.right()));
            grown.moveBottom(std::min(grown.bottom(), area.bottom()));
        }
        if (grown.size() != frameGeometry().size()) {
            move(grown.topLeft());
            resize((grown.size() - frame).expandedTo(size()));
        }
    }
    UpdatePagePanes();
}

void TfrmMain::UpdatePagePanes()
{
    if (!m_mergeSplitter)
        return;
    // The list keeps at least its laid-out width beside the pane.
    const bool mergeRoom = m_mergeSplitter->width() >= m_mergeListWidth + PaneWidth(m_mergePane.Pages);
    const bool mergeShown = m_mergePane.Chosen.value_or(mergeRoom);
    if (mergeShown != m_mergePane.Pages->isVisibleTo(this)) {
        m_mergePane.Pages->setVisible(mergeShown);
        if (mergeShown) {
            const int total = m_mergeSplitter->width();
            const int pane = std::max(PaneWidth(m_mergePane.Pages), total - m_mergeListWidth);
            m_mergeSplitter->setSizes({std::max(1, total - pane), pane});
        }
    }
    m_mergePane.Toggle->setChecked(mergeShown);

    const bool splitRoom = m_splitPane.Pages->height() >= PaneHeight(m_splitPane.Pages);
    const bool splitShown = m_splitPane.Chosen.value_or(splitRoom);
    m_splitPane.Pages->setVisible(splitShown);
    m_splitPane.Toggle->setChecked(splitShown);
}
