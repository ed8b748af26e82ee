// The pages of the merge list's files: duplicated rows, turns, the choices a
// merge takes for the whole list, and the passwords of protected files.
#include "application.h"
#include "formhelpers.h"
#include "job/frontdoor.h"
#include "job/messages.h"
#include "mainform.h"
#include "mergelistmodel.h"
#include "nativepath.h"
#include "translations.h"
#include "ui_main.h"
#include "uiseam.h"

#include <QAction>
#include <QActionGroup>
#include <QHeaderView>
#include <QMenu>
#include <utility>

void TfrmMain::SetUpSelectionColumn()
{
    QTreeView* list = m_ui->ListView1;
    // Beside the count it chooses from, whatever its place among the columns.
    list->header()->moveSection(list->header()->visualIndex(TMergeListModel::ColSelection),
                                list->header()->visualIndex(TMergeListModel::ColPages) + 1);
    list->setColumnWidth(TMergeListModel::ColSelection, 110);
    list->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
}

void TfrmMain::CreatePageActions()
{
    QTreeView* list = m_ui->ListView1;
    const Qt::ShortcutContext onList = Qt::WidgetWithChildrenShortcut;
    m_actChoosePages = AddListAction(list, "actChoosePages", tr("Choose pages"), {QKeySequence(Qt::Key_F2)},
                                     onList, &TfrmMain::EditSelectedRowPages);
    m_actDuplicateRows =
        AddListAction(list, "actDuplicateRows", tr("Duplicate row"), {QKeySequence(Qt::CTRL | Qt::Key_D)},
                      onList, &TfrmMain::DuplicateSelectedRows);
    m_actTurnClockwise =
        AddListAction(list, "actTurnClockwise", tr("Rotate clockwise"), {QKeySequence(Qt::CTRL | Qt::Key_R)},
                      onList, &TfrmMain::TurnSelectedRowsClockwise);
    m_actTurnAnticlockwise = AddListAction(list, "actTurnAnticlockwise", tr("Rotate anticlockwise"),
                                           {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R)}, onList,
                                           &TfrmMain::TurnSelectedRowsAnticlockwise);

    // The merge-wide choices, kept while the window is open.
    m_actBlankAfterOdd = new QAction(tr("Add a blank page after files with an odd number of pages"), list);
    m_actBlankAfterOdd->setObjectName(QStringLiteral("actBlankAfterOdd"));
    m_actBlankAfterOdd->setCheckable(true);
    m_bookmarkChoices = new QActionGroup(list);
    const std::pair<TBookmarkPolicy, QString> policies[] = {
        {TBookmarkPolicy::FilesAndOwn, tr("One per file, with the file's own beneath it")},
        {TBookmarkPolicy::Own, tr("The files' own only")},
        {TBookmarkPolicy::Files, tr("One per file only")},
        {TBookmarkPolicy::None, tr("None")}};
    for (const auto& [policy, text] : policies) {
        QAction* choice = m_bookmarkChoices->addAction(text);
        choice->setObjectName(QStringLiteral("actBookmarks_") +
                              QString::fromLatin1(BookmarkPolicyName(policy)));
        choice->setCheckable(true);
        choice->setData(static_cast<int>(policy));
        choice->setChecked(policy == TBookmarkPolicy::FilesAndOwn);
    }
}

void TfrmMain::AddPageActions(QMenu& menu)
{
    menu.addSeparator();
    menu.addActions({m_actChoosePages, m_actDuplicateRows, m_actTurnClockwise, m_actTurnAnticlockwise});
    menu.addSeparator();
    QMenu* bookmarks = menu.addMenu(tr("Bookmarks"));
    bookmarks->setObjectName(QStringLiteral("BookmarksMenu"));
    bookmarks->addActions(m_bookmarkChoices->actions());
    menu.addAction(m_actBlankAfterOdd);
}

void TfrmMain::UpdatePageActions()
{
    const bool selected = !SelectedRows().empty();
    for (QAction* action : {m_actChoosePages, m_actDuplicateRows, m_actTurnClockwise, m_actTurnAnticlockwise})
        action->setEnabled(selected);
}

void TfrmMain::EditSelectedRowPages()
{
    const std::vector<int> rows = SelectedRows();
    if (rows.empty())
        return;
    const QModelIndex cell = m_mergeList->index(rows.front(), TMergeListModel::ColSelection);
    m_ui->ListView1->setCurrentIndex(cell);
    m_ui->ListView1->edit(cell);
}

void TfrmMain::DuplicateSelectedRows()
{
    SelectRows(m_mergeList->DuplicateRows(SelectedRows()));
}

void TfrmMain::TurnSelectedRowsClockwise()
{
    m_mergeList->TurnRows(SelectedRows(), 90);
}

void TfrmMain::TurnSelectedRowsAnticlockwise()
{
    m_mergeList->TurnRows(SelectedRows(), -90);
}

TMergeChoices TfrmMain::MergeChoices() const
{
    TMergeChoices choices;
    choices.BlankAfterOdd = m_actBlankAfterOdd->isChecked();
    if (const QAction* policy = m_bookmarkChoices->checkedAction())
        choices.Bookmarks = static_cast<TBookmarkPolicy>(policy->data().toInt());
    return choices;
}

TListProbe TfrmMain::ProbeWithPassword(const std::string& path, const std::string& known)
{
    TListProbe probe = ProbePdfForList(path, known);
    if (!IsLocked(probe) || !probe.OpenError.empty())
        return probe;
    const std::optional<QString> typed = uiSeam().askPassword(this, CoreText({TxtPasswordFor, {path}}));
    // Cancelled: refused as a protected file always was.
    if (!typed || typed->isEmpty())
        return probe;
    return ProbePdfForList(path, toNative(*typed));
}

bool TfrmMain::AskWaitingPasswords()
{
    if (m_askingPassword)
        return false;
    m_askingPassword = true;
    // More may be counted while a question waits for the person.
    while (!m_waitingPasswords.isEmpty()) {
        const QString path = m_waitingPasswords.takeFirst();
        std::optional<TRefusal> refusal;
        RunGuarded([&] { refusal = SettleCountedRow(path, ProbeWithPassword(toNative(path))); });
        ShowRefusal(this, refusal);
    }
    m_askingPassword = false;
    return true;
}
