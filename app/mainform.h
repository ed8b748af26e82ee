// The main window: the "PDF Merge" and "PDF Split" tabs, the state both commands
// share, and the completion handling of a job.
#pragma once

#include "job/job.h"
#include "job/jobchecks.h"
#include "job/jobinputs.h"
#include "jobbridge.h"
#include "settings.h"
#include "widgetstyle.h"

#include <QStringList>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class QAction;
class QActionGroup;
class QDropEvent;
class QMenu;
class QLineEdit;
class QSplitter;
class QToolButton;
class QTreeView;
class TMergeListModel;
struct TListProbe;
class TPagePreview;

namespace Ui {
class TfrmMain;
}

class TfrmMain : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Enabled states of the list buttons and the split-method fields, and the
    // page-count label; runs each time the event loop is about to wait.
    void ApplicationEvents1Idle();

    void Label10Click();
    void Label11Click();
    // The "Options" link: the Options window; an accepted choice is used by the
    // next job and stored for later runs.
    void optionsLinkClick();
    // The engine the next merge or split uses.
    TEngineKind Engine() const { return m_engine; }

    // Merge list.
    void sbAddFilesClick();
    void sbRemoveFilesClick();
    void sbMoveUpClick();
    void sbMoveDownClick();
    // `list` is always ListView1.
    void AddFileToList(const QString& path, QTreeView* list);
    // Adds files to the merge list in their order, counting them on a thread of
    // their own so the window keeps answering; merge and split wait for the rows.
    void AddFilesToList(const QStringList& paths);
    bool IsCountingFiles() const { return m_countingFiles; }
    bool IsFileListed(const QString& path) const;
    // Orders the rows by file name as people read numbers; IDs follow.
    void SortListByName();

    // Files named on the command line, relative ones taken from the current
    // folder: one opens on the split side as its source, several go to the
    // merge list.
    void OpenFiles(const QStringList& names);
    // The split side's source as if chosen with the browse button.
    void OpenSplitSource(const QString& path);
    // Ctrl+Return: the current tab's command, after the focus has left the
    // field being typed in, as a click on its button would.
    void StartCurrentJob();

    // Merge command.
    void mbBrowseMergeLocClick();
    void sbMergeClick();

    // Split command.
    void sbBrowseSrcFileClick();
    void edtSplitSrcExit();
    void sbBrowseSplitLocClick();
    void sbSplitClick();
    // The accepted entries as "1;2-5;4;6;" (empty: refused) and their page total.
    // Raises EConvertError for an entry that does not convert.
    std::string ParsePageRanges(const QString& text, std::int32_t& pageTotal) const;

    // A job notice (wParam the number, lParam the kind).
    void WMGSNotify(std::intptr_t wParam, std::intptr_t lParam);

    const std::string& DefaultFolder() const { return m_defaultFolder; }
    std::int32_t SplitPageCount() const { return m_splitPageCount; }
    // The password that opened the split source, while the field names that
    // source; empty otherwise.
    std::string SplitSourcePassword() const;

signals:
    // The split source was probed (its count and password known) or forgotten.
    void splitSourceSettled();

public:
    const TCall_GS_Thread_Param& JobParam() const { return m_jobParam; }

protected:
    // During a job, asks whether to cancel it and closes once it has ended.
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    // Which parts move and which stretch as the window grows.
    void AnchorParts();
    bool ListViewWndProc(QEvent* event);
    void ConnectHandlers();
    void SetUpMergeList();
    void CreateListActions();
    // An action of `owner` with these keys, running `handler` guarded.
    QAction* AddListAction(QWidget* owner, const char* name, const QString& text,
                           const QList<QKeySequence>& keys, Qt::ShortcutContext context,
                           void (TfrmMain::*handler)());
    void UpdateListActions();
    void ListContextMenu(const QPoint& position);
    // Local files dragged onto a part of the window: accepted while dragged,
    // handed to `take` once the drop has ended. False for other events and drags.
    bool TakeLocalFileDrop(QEvent* event, const std::function<void(const QStringList&)>& take);
    // Files dragged onto the list from outside, taken once the drop has ended.
    bool TakeDroppedFiles(QEvent* event);
    // Rows dragged within the list go where the drop indicator showed.
    void MoveDroppedRows(QDropEvent* drop);
    // The selected rows in list order.
    std::vector<int> SelectedRows() const;
    // Selects exactly these rows, the first of them current.
    void SelectRows(const std::vector<int>& rows);
    void MoveSelectedRow(int direction);
    // Probes the source field; false (reported, page count 0) when it cannot be
    // opened or split: not a PDF, damaged, protected.
    bool ProbeSplitSource();
    // No source counted: no page count, no split fields.
    void ForgetSplitSource();
    // A file dropped on the split side becomes its source.
    bool TakeDroppedSource(QEvent* event);
    void UpdateUpDownMaximum();
    // The typed ranges' checks (their total posted once they pass); false when
    // one refused, with the field selected for a fix.
    bool CheckRangeField(std::string& rangeText, TPageRanges& ranges);
    // The split method whose radio button is checked.
    TSplitKind ChosenSplitKind() const;
    // Fills the job record for that method through the core's set-up.
    void PrepareChosenSplit(TSplitKind kind, const std::string& source, const std::string& location,
                            const std::string& rangeText, const TPageRanges& ranges,
                            const std::string& password, const std::optional<plat::FileStamp>& counted);
    // Each method's field is usable while its method is chosen for a source that can be split.
    void EnableSplitMethodFields();
    void RunJob(const QPoint& progressCorner);
    void JobDone(std::intptr_t result);
    // Ends the job's display when its thread has ended but no final notice came.
    void WatchJobEnd();
    // The job stops at its next page, piece or part of its writing.
    void CancelJob();
    // The progress window names the input whose pages come in, or the writing.
    void ShowJobActivity(std::intptr_t wParam, std::intptr_t lParam);

    // A row that says "counting..." until its count comes in.
    void AddCountingRow(const QString& path);
    // The output field proposes a name from the first listed file, never one
    // of the listed files.
    void ProposeOutputName(const std::string& listedPath);
    // The count came in: the row shows it, or goes with the refusal to show.
    std::optional<TRefusal> SettleCountedRow(const QString& path, const TListProbe& probe);
    void StartCounting();
    // `last`: the batch's final counts.
    void CountingDone(const QStringList& paths, const std::vector<TListProbe>& probes, bool last);
    // Rows a merge cannot use: the person agrees to leave them out, or no merge.
    bool ConfirmLeftOutRows();
    // Batches counted, protected files' passwords asked: Merge pressed meanwhile starts.
    void ContinueAfterCounting();

    // ---- Pages of the merge list's files (mergepages.cpp) ----
    // The keys and menu items for duplicating and turning rows and the choices
    // a merge takes for the whole list.
    void SetUpSelectionColumn();
    void CreatePageActions();
    void AddPageActions(QMenu& menu);
    void UpdatePageActions();
    void EditSelectedRowPages();
    void DuplicateSelectedRows();
    void TurnSelectedRowsClockwise();
    void TurnSelectedRowsAnticlockwise();
    TMergeChoices MergeChoices() const;
    // The probe of a protected file (one that `known`, when given, does not
    // open) again with the password the person types; the probe as it was when
    // they cancel. A file that needs none is probed once.
    TListProbe ProbeWithPassword(const std::string& path, const std::string& known = {});
    // Asks the passwords of the protected files counted meanwhile, one at a
    // time, and settles their rows; false while an earlier call still asks.
    bool AskWaitingPasswords();
    // The files and pages listed, under the list.
    void ShowListTotal();

    // A pane of page pictures and the button that shows or hides it.
    struct TPagesPane
    {
        TPagePreview* Pages = nullptr;
        QToolButton* Toggle = nullptr;
        std::optional<bool> Chosen; // the person's choice; none: shown when there is room
    };
    // The merge rows' first pages, the merge list's pane and the split side's
    // pages; nothing in a build without page pictures.
    void SetUpPagePictures();
    // Shown: the window grows to make room for the pane, where the screen allows.
    void TogglePages(TPagesPane& pane, bool shown);
    void UpdatePagePanes();

    // ---- Habits kept between runs (habits.cpp) ----
    // The window's size and the list's column widths as last left.
    void RestoreWindowHabits();
    void KeepWindowHabits();
    // Where a dialog starts: the folder last used for it, else "" (the dialog's own).
    QString RecentFolder(TRecentFolder which) const;
    void KeepRecentFolder(TRecentFolder which, const QString& fileOrFolder);
    // The proposed output: in the folder last merged or split into, else the
    // first-run default under DefaultFolder().
    std::string ProposedMergeOutput(const std::string& listedPath) const;
    std::string ProposedSplitLocation() const;
    // A job that went through: its output folder is remembered.
    void KeepJobFolder(std::uint8_t kind);
    // The last files used, offered again in `menu`; a chosen one comes in with
    // the usual checks (to the merge list, or as the split source).
    void AddRecentFilesMenu(QMenu& menu, bool toMergeList);
    void SetUpRecentSourceMenu();

    std::unique_ptr<Ui::TfrmMain> m_ui;
    QLineEdit* edtSplitPerPage = nullptr;   // the edit inside UpDown1
    TMergeListModel* m_mergeList = nullptr; // owned by the window

    std::string m_defaultFolder;
    std::int32_t m_splitPageCount = 0;
    // What the last probe of the split source said (a reader's answer included);
    // the split refuses by it without reading the file again on this thread.
    bool m_splitEncrypted = false;
    // Why the probe found no pages in it, for the split's refusal.
    std::string m_splitWhyNoPages;
    TEngineKind m_engine = DefaultEngine;
    TCall_GS_Thread_Param m_jobParam;
    TJobThread m_jobThread;
    bool m_jobDoneSeen = false;

    // What the running job reads instead of the controls.
    TGsNotifyPoster m_notifier{this};
    TJobInputs m_jobInputs;
    std::atomic<bool> m_cancelJob{false};
    bool m_jobRunning = false;
    bool m_closeAfterJob = false;
    int m_jobInputNumber = 0; // the merged input or split piece whose pages come in

    // Files waiting to be counted, and the thread counting the current batch.
    QStringList m_pendingAdds;
    std::thread m_countThread;
    bool m_countingFiles = false;
    // Merge was pressed while rows were counted: it starts when they are in.
    bool m_mergeWhenCounted = false;
    // Protected files counted while a password was asked, waiting for theirs.
    QStringList m_waitingPasswords;
    bool m_askingPassword = false;
    // The split source's password, for the source it opens; kept in memory only.
    std::string m_splitPassword;
    std::string m_splitPasswordFor;
    // That source as its count was read: the split takes the count while it holds.
    std::optional<plat::FileStamp> m_splitCounted;

    bool m_centred = false;
    TAnchors m_anchors;

    QSplitter* m_mergeSplitter = nullptr; // the list and its pane
    int m_mergeListWidth = 0;             // the list's laid-out width
    TPagesPane m_mergePane;
    TPagesPane m_splitPane;

    QAction* m_actAddFiles = nullptr;
    QAction* m_actRemoveFiles = nullptr;
    QAction* m_actMoveUp = nullptr;
    QAction* m_actMoveDown = nullptr;
    QAction* m_actSortByName = nullptr;
    QAction* m_actChoosePages = nullptr;
    QAction* m_actDuplicateRows = nullptr;
    QAction* m_actTurnClockwise = nullptr;
    QAction* m_actTurnAnticlockwise = nullptr;
    QAction* m_actBlankAfterOdd = nullptr;
    QActionGroup* m_bookmarkChoices = nullptr;
};

// The main window, created first at start-up.
extern TfrmMain* frmMain;
