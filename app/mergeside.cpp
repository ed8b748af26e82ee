// The "PDF Merge" tab of the main window: the merge list, its keys, menu and
// dragging, and the merge command.
#include "application.h"
#include "formhelpers.h"
#include "job/frontdoor.h"
#include "job/jobchecks.h"
#include "job/messages.h"
#include "listgrid.h"
#include "mainform.h"
#include "mergelistmodel.h"
#include "nativepath.h"
#include "output/outputnames.h"
#include "pgbar.h"
#include "platform/platform.h"
#include "text/filenames.h"
#include "text/strutil.h"
#include "translations.h"
#include "ui_main.h"
#include "uiseam.h"

#include <QAction>
#include <QDropEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

void TfrmMain::SetUpMergeList()
{
    QTreeView* list = m_ui->ListView1;
    list->setModel(m_mergeList);
    list->setColumnWidth(TMergeListModel::ColId, 40);
    list->setColumnWidth(TMergeListModel::ColFileName, 200);
    // Wide enough for a count and why a row is left out.
    list->setColumnWidth(
        TMergeListModel::ColPages,
        std::max(80,
                 list->fontMetrics().horizontalAdvance(TMergeListModel::tr("%1 (not a PDF)").arg(0)) + 16));
    list->setColumnWidth(TMergeListModel::ColSize, 80);
    list->setColumnHidden(TMergeListModel::ColPath, true);
    list->setItemDelegate(new TGridLineDelegate(list));
    // Long names keep their distinguishing end; the tooltip has the full path,
    // and the header's menu shows the path column.
    list->setTextElideMode(Qt::ElideMiddle);
    list->setUniformRowHeights(true);
    QHeaderView* header = list->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(TMergeListModel::ColFileName, QHeaderView::Stretch);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QWidget::customContextMenuRequested, this, [this, list, header](const QPoint& at) {
        QMenu menu(this);
        QAction* path = menu.addAction(
            m_mergeList->headerData(TMergeListModel::ColPath, Qt::Horizontal, Qt::DisplayRole).toString());
        path->setCheckable(true);
        path->setChecked(!list->isColumnHidden(TMergeListModel::ColPath));
        if (menu.exec(header->mapToGlobal(at)) == path)
            list->setColumnHidden(TMergeListModel::ColPath, !path->isChecked());
    });
    // Rows move within the list only: a drag that ends in another program
    // never takes them out of it.
    list->setDragDropMode(QAbstractItemView::InternalMove);
    list->setDefaultDropAction(Qt::MoveAction);
    list->setDragDropOverwriteMode(false);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    SetUpSelectionColumn();
}

// ---- Adding files -------------------------------------------------------------

bool TfrmMain::IsFileListed(const QString& path) const
{
    return IsPathListed(m_mergeList->Rows(), toNative(path));
}

void TfrmMain::AddFileToList(const QString& path, QTreeView* list)
{
    Q_ASSERT(list == m_ui->ListView1);
    if (IsFileListed(path))
        return;
    // One file, counted here and now.
    AddCountingRow(path);
    ShowRefusal(this, SettleCountedRow(path, ProbeWithPassword(toNative(path))));
}

void TfrmMain::AddCountingRow(const QString& path)
{
    TMergeListRow row;
    row.Path = toNative(path);
    row.Status = TRowStatus::Counting;
    m_mergeList->Append(std::move(row));
}

void TfrmMain::ProposeOutputName(const std::string& listedPath)
{
    if (m_ui->edtMergeFileLoc->text().isEmpty())
        m_ui->edtMergeFileLoc->setText(fromNative(ProposedMergeOutput(listedPath)));

    const std::string current = toNative(m_ui->edtMergeFileLoc->text());
    const std::string unlisted = UnlistedOutputName(
        current, [this](const std::string& name) { return IsPathListed(m_mergeList->Rows(), name); });
    if (unlisted != current)
        m_ui->edtMergeFileLoc->setText(fromNative(unlisted));
}

std::optional<TRefusal> TfrmMain::SettleCountedRow(const QString& path, const TListProbe& probe)
{
    const std::string nativePath = toNative(path);
    TMergeAddVerdict verdict = JudgeMergeAdd(nativePath, probe);
    switch (verdict.Outcome) {
    case TMergeAddOutcome::Ok:
    case TMergeAddOutcome::NotPdf: // listed, saying why; a merge asks before leaving it out
        m_mergeList->Settle(nativePath, &verdict.Row);
        ProposeOutputName(nativePath);
        if (verdict.Outcome == TMergeAddOutcome::Ok)
            AddRecentFile(path);
        return std::nullopt;
    case TMergeAddOutcome::Folder: // folders are never listed
        m_mergeList->Settle(nativePath, nullptr);
        return std::nullopt;
    case TMergeAddOutcome::Encrypted:
    case TMergeAddOutcome::CannotOpen:
        break;
    }
    m_mergeList->Settle(nativePath, nullptr);
    return verdict.Refusal;
}

void TfrmMain::sbAddFilesClick()
{
    const QStringList files = uiSeam().openFileNames(this, RecentFolder(TRecentFolder::AddFiles), true);
    if (files.isEmpty())
        return;
    KeepRecentFolder(TRecentFolder::AddFiles, files.constFirst());
    AddFilesToList(files);
}

void TfrmMain::AddFilesToList(const QStringList& paths)
{
    // Each file shows at once, counted on a thread of its own in the order given.
    for (const QString& path : paths) {
        if (IsFileListed(path))
            continue;
        AddCountingRow(path);
        m_pendingAdds << path;
    }
    if (!m_countingFiles && !m_pendingAdds.isEmpty())
        StartCounting();
}

void TfrmMain::StartCounting()
{
    if (m_countThread.joinable())
        m_countThread.join(); // its batch is in, so it has ended or is about to
    QStringList batch;
    batch.swap(m_pendingAdds);
    m_countingFiles = true;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    // A few files at a time, so that counts come in while the rest are counted.
    const auto count = [this, batch] {
        constexpr qsizetype Chunk = 8;
        for (qsizetype from = 0; from < batch.size(); from += Chunk) {
            const QStringList chunk = batch.mid(from, Chunk);
            std::vector<std::string> natives;
            for (const QString& path : chunk)
                natives.push_back(toNative(path));
            std::vector<TListProbe> probes = ProbePdfsForList(natives);
            const bool last = from + Chunk >= batch.size();
            QMetaObject::invokeMethod(
                this, [this, chunk, probes = std::move(probes), last] { CountingDone(chunk, probes, last); },
                Qt::QueuedConnection);
        }
    };
    try {
        m_countThread = std::thread(count);
    } catch (const std::system_error&) {
        count(); // no thread to be had: count here, still delivered through the queue
    }
}

void TfrmMain::CountingDone(const QStringList& paths, const std::vector<TListProbe>& probes, bool last)
{
    std::vector<TRefusal> refusals;
    RunGuarded([&] {
        for (qsizetype i = 0; i < paths.size(); ++i) {
            const TListProbe& probe = probes[static_cast<std::size_t>(i)];
            // A protected file's row counts on until its password is asked.
            if (IsLocked(probe) && probe.OpenError.empty())
                m_waitingPasswords << paths[i];
            else if (std::optional<TRefusal> refusal = SettleCountedRow(paths[i], probe))
                refusals.push_back(std::move(*refusal));
        }
    });
    if (last) {
        QApplication::restoreOverrideCursor();
        m_countingFiles = false;
    }
    // Said once the rows are settled: a message waits for the person, and more
    // counts may come in meanwhile.
    for (const TRefusal& refusal : refusals)
        ShowRefusal(this, refusal);
    if (!AskWaitingPasswords() || m_countingFiles)
        return;
    ContinueAfterCounting();
}

void TfrmMain::ContinueAfterCounting()
{
    // Files added while these were counted, or while a message about one was up.
    if (!m_pendingAdds.isEmpty()) {
        StartCounting();
        return;
    }
    if (std::exchange(m_mergeWhenCounted, false))
        RunGuarded([this] { sbMergeClick(); });
}

bool TfrmMain::ListViewWndProc(QEvent* event)
{
    // Rows dragged within the list: the view shows where they would go; the drop
    // moves them here, and the drag is told nothing was moved, so that the view
    // does not also delete them once it ends.
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
        event->type() == QEvent::Drop) {
        if (static_cast<QDropEvent*>(event)->source() == m_ui->ListView1) {
            if (event->type() != QEvent::Drop)
                return false;
            MoveDroppedRows(static_cast<QDropEvent*>(event));
            return true;
        }
    }
    return TakeDroppedFiles(event);
}

bool TfrmMain::TakeDroppedFiles(QEvent* event)
{
    return TakeLocalFileDrop(event, [this](const QStringList& dropped) {
        QStringList names;
        for (const QString& name : dropped) {
            // A dropped folder brings the PDF files in it.
            if (!plat::isDirectory(toNative(name))) {
                names << name;
                continue;
            }
            for (const std::string& file : PdfFilesInFolder(toNative(name)))
                names << fromNative(file);
        }
        AddFilesToList(names);
    });
}

// ---- Rows: remove, move, drag, sort ---------------------------------------------

std::vector<int> TfrmMain::SelectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : m_ui->ListView1->selectionModel()->selectedIndexes()) {
        if (index.column() == TMergeListModel::ColId)
            rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TfrmMain::SelectRows(const std::vector<int>& rows)
{
    QItemSelectionModel* selection = m_ui->ListView1->selectionModel();
    selection->clearSelection();
    for (const int row : rows)
        selection->select(m_mergeList->index(row, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (!rows.empty())
        selection->setCurrentIndex(m_mergeList->index(rows.front(), 0), QItemSelectionModel::NoUpdate);
}

void TfrmMain::sbRemoveFilesClick()
{
    m_mergeList->RemoveRows(SelectedRows());
}

void TfrmMain::MoveSelectedRow(int direction)
{
    const std::vector<int> selected = SelectedRows();
    if (selected.empty())
        return;
    // One row per click, whatever is selected: the first, which then alone is.
    const int row = selected.front();
    const int neighbour = row + direction;
    if (neighbour < 0 || neighbour >= m_mergeList->rowCount())
        return;
    m_mergeList->SwapRows(row, neighbour);
    SelectRows({neighbour});
}

void TfrmMain::sbMoveUpClick()
{
    MoveSelectedRow(-1);
}

void TfrmMain::sbMoveDownClick()
{
    MoveSelectedRow(+1);
}

void TfrmMain::MoveDroppedRows(QDropEvent* drop)
{
    QTreeView* list = m_ui->ListView1;
    // Between rows, as the drop indicator shows: above a row when dropped on
    // its upper half, below it on its lower half, after the last row below them.
    const QPoint at = drop->position().toPoint();
    const QModelIndex target = list->indexAt(at);
    int before = m_mergeList->rowCount();
    if (target.isValid())
        before = target.row() + (at.y() >= list->visualRect(target).center().y() ? 1 : 0);
    const std::vector<int> moving = SelectedRows();
    m_mergeList->MoveRows(moving, before);
    // Where the moved rows are now: together, in their order.
    const int first = before - static_cast<int>(std::count_if(moving.begin(), moving.end(),
                                                              [before](int row) { return row < before; }));
    std::vector<int> moved(moving.size());
    for (std::size_t i = 0; i < moving.size(); ++i)
        moved[i] = first + static_cast<int>(i);
    SelectRows(moved);
    drop->setDropAction(Qt::IgnoreAction);
    drop->accept();
}

void TfrmMain::SortListByName()
{
    m_mergeList->SortByName();
}

// ---- Keys and the context menu ----------------------------------------------------

QAction* TfrmMain::AddListAction(QWidget* owner, const char* name, const QString& text,
                                 const QList<QKeySequence>& keys, Qt::ShortcutContext context,
                                 void (TfrmMain::*handler)())
{
    auto* action = new QAction(text, owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    action->setShortcutContext(context);
    connect(action, &QAction::triggered, this,
            [this, handler] { RunGuarded([this, handler] { (this->*handler)(); }); });
    owner->addAction(action);
    return action;
}

void TfrmMain::CreateListActions()
{
    QTreeView* list = m_ui->ListView1;
    // A widget's shortcuts work only while it shows: Ctrl+O and Ctrl+Return act
    // on the tab in front.
    const auto add = [this](QWidget* owner, const char* name, const QString& text,
                            const QList<QKeySequence>& keys, Qt::ShortcutContext context,
                            void (TfrmMain::*handler)()) {
        return AddListAction(owner, name, text, keys, context, handler);
    };
    const QList<QKeySequence> start{QKeySequence(Qt::CTRL | Qt::Key_Return),
                                    QKeySequence(Qt::CTRL | Qt::Key_Enter)};
    const QList<QKeySequence> open{QKeySequence(Qt::CTRL | Qt::Key_O)};
    m_actAddFiles = add(list, "actAddFiles", m_ui->sbAddFiles->toolTip(), open, Qt::WindowShortcut,
                        &TfrmMain::sbAddFilesClick);
    m_actRemoveFiles =
        add(list, "actRemoveFiles", m_ui->sbRemoveFiles->toolTip(), {QKeySequence(Qt::Key_Delete)},
            Qt::WidgetWithChildrenShortcut, &TfrmMain::sbRemoveFilesClick);
    m_actMoveUp = add(list, "actMoveUp", m_ui->sbMoveUp->toolTip(), {QKeySequence(Qt::ALT | Qt::Key_Up)},
                      Qt::WidgetWithChildrenShortcut, &TfrmMain::sbMoveUpClick);
    m_actMoveDown =
        add(list, "actMoveDown", m_ui->sbMoveDown->toolTip(), {QKeySequence(Qt::ALT | Qt::Key_Down)},
            Qt::WidgetWithChildrenShortcut, &TfrmMain::sbMoveDownClick);
    m_actSortByName = add(list, "actSortByName", tr("Sort by name"), {}, Qt::WidgetWithChildrenShortcut,
                          &TfrmMain::SortListByName);
    add(m_ui->TabSheet1, "actStartMerge", m_ui->sbMerge->toolTip(), start, Qt::WindowShortcut,
        &TfrmMain::StartCurrentJob);
    add(m_ui->TabSheet2, "actBrowseSrcFile", m_ui->sbBrowseSrcFile->toolTip(), open, Qt::WindowShortcut,
        &TfrmMain::sbBrowseSrcFileClick);
    add(m_ui->TabSheet2, "actStartSplit", m_ui->sbSplit->toolTip(), start, Qt::WindowShortcut,
        &TfrmMain::StartCurrentJob);
    CreatePageActions();
}

void TfrmMain::UpdateListActions()
{
    // The buttons' rule (applied just before, at the same idle moment), so that
    // menu and keys offer what the buttons offer.
    m_actRemoveFiles->setEnabled(m_ui->sbRemoveFiles->isEnabled());
    m_actMoveUp->setEnabled(m_ui->sbMoveUp->isEnabled());
    m_actMoveDown->setEnabled(m_ui->sbMoveDown->isEnabled());
    m_actSortByName->setEnabled(m_mergeList->rowCount() > 1);
    UpdatePageActions();
}

void TfrmMain::ListContextMenu(const QPoint& position)
{
    // The press that opened the menu may have changed the selection since the
    // last idle moment.
    ApplicationEvents1Idle();
    UpdateListActions();
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("ListMenu"));
    menu.addActions({m_actAddFiles, m_actRemoveFiles, m_actMoveUp, m_actMoveDown});
    menu.addSeparator();
    menu.addAction(m_actSortByName);
    AddPageActions(menu);
    menu.addSeparator();
    AddRecentFilesMenu(*menu.addMenu(tr("Recent files")), true);
    menu.exec(m_ui->ListView1->viewport()->mapToGlobal(position));
}

// ---- Merge command ----------------------------------------------------------------

void TfrmMain::mbBrowseMergeLocClick()
{
    const std::string typed = Trim(toNative(m_ui->edtMergeFileLoc->text()));
    QString folder;
    if (!typed.empty() && plat::isDirectory(ExtractFilePath(typed)))
        folder = fromNative(ExtractFilePath(typed));
    const QString chosen = uiSeam().saveFileName(this, folder, fromNative(ExtractFileName(typed)));
    if (!chosen.isEmpty())
        m_ui->edtMergeFileLoc->setText(chosen);
}

void TfrmMain::sbMergeClick()
{
    // The rows are not all counted yet: the merge starts once they are.
    if (m_countingFiles || m_mergeList->IsCounting()) {
        m_mergeWhenCounted = true;
        ShowListTotal();
        return;
    }
    const QString typed = m_ui->edtMergeFileLoc->text();
    if (ShowRefusal(this,
                    CheckMergeStart(m_mergeList->Rows().size(), static_cast<std::size_t>(typed.size()))) ||
        ShowRefusal(this, CheckMergeSelections(m_mergeList->Rows())))
        return;
    const std::string out = FinalMergeOutputName(toNative(typed));
    if (ShowRefusal(this, CheckMergeOutputIsInput(IsPathListed(m_mergeList->Rows(), out))))
        return;
    if (!ConfirmLeftOutRows())
        return;
    // Only a file the person agreed to overwrite is replaced; one that appears
    // while the job runs stays.
    const bool replace = FileExists(out);
    if (replace && uiSeam().messageBox(this, QMessageBox::Question, tr("overwrite?"),
                                       tr("%1, overwrite?").arg(CoreText(AlreadyExistsText(out))),
                                       QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    if (ShowRefusal(this, CheckMergeOutputCreatable(out)))
        return;

    PrepareMergeJob(m_jobParam, m_jobInputs, WithUnreadableLeftOut(m_mergeList->Rows()), out, &m_notifier,
                    m_engine, replace ? TOverwrite::Allow : TOverwrite::Refuse, MergeChoices());
    if (frmProgress)
        frmProgress->FirstPage = 0;
    RunJob(QPoint(160, 200));
}

bool TfrmMain::ConfirmLeftOutRows()
{
    // The rows a merge cannot use, one line each in list order.
    QStringList lines;
    for (const TMergeListRow& row : m_mergeList->Rows()) {
        if (const TCoreText problem = RowProblem(row); !problem.empty())
            lines << QStringLiteral("%1 (%2)").arg(fromNative(row.Path), CoreText(problem));
    }
    if (lines.isEmpty())
        return true;
    const QString text = CoreText(TxtLeftOut) + QLatin1Char('\n') + lines.join(QLatin1Char('\n')) +
                         QLatin1Char('\n') + CoreText(TxtMergeTheOthers);
    return uiSeam().messageBox(this, QMessageBox::Question, CoreText(CapLeftOut), text,
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TfrmMain::ShowListTotal()
{
    QString text = m_mergeList->TotalText();
    if (m_mergeWhenCounted)
        text += tr(" - the merge starts when all are counted");
    if (m_ui->lblListTotal->text() != text)
        m_ui->lblListTotal->setText(text);
}
