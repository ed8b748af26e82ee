#include "mainform.h"

#include "about.h"
#include "application.h"
#include "job/jobchecks.h"
#include "job/messages.h"
#include "job/pageranges.h"
#include "job/progressmeter.h"
#include "listgrid.h"
#include "nativepath.h"
#include "options.h"
#include "output/folders.h"
#include "output/outputnames.h"
#include "pdf/pdfprobe.h"
#include "pdf/pdfreader.h"
#include "pgbar.h"
#include "platform/platform.h"
#include "text/filenames.h"
#include "text/naturalsort.h"
#include "text/strutil.h"
#include "ui_main.h"
#include "uiseam.h"
#include "widgetstyle.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFocusEvent>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <string>
#include <vector>

TfrmMain* frmMain = nullptr;

namespace {

// Columns of the merge list; the full path is kept in a hidden one.
enum TListColumn
{
    ColId = 0,
    ColFileName = 1,
    ColPages = 2,
    ColSize = 3,
    ColPath = 4
};

// The hourglass over a long operation, restored on every path.
class TWaitCursor
{
public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

char DecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 0x80 ? static_cast<char>(point.at(0).unicode()) : '.';
}

QString TrimmedText(const QString& text)
{
    return fromNative(Trim(toNative(text)));
}

bool FileExists(const std::string& path)
{
    return plat::pathExists(path) && !plat::isDirectory(path);
}

// Shows a refusal from the core's checks; true when there was one.
bool ShowRefusal(QWidget* owner, const std::optional<TRefusal>& refusal)
{
    if (!refusal)
        return false;
    uiSeam().messageBox(owner, refusal->Warning ? QMessageBox::Warning : QMessageBox::Information,
                        fromNative(refusal->Caption), fromNative(refusal->Text), QMessageBox::Ok);
    return true;
}

// The first selected row in list order, or -1.
int FirstSelectedRow(const QTreeWidget* list)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->isSelected())
            return i;
    }
    return -1;
}

// Swallows the next mouse press in the program, then stops filtering.
class TPressSwallower : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
            return QObject::eventFilter(watched, event);
        QCoreApplication::instance()->removeEventFilter(this);
        return true;
    }
};

void DropPendingMousePress()
{
    auto* swallower = new TPressSwallower(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(swallower);
    // The pending press comes before any other event; without one, the filter
    // is gone before the next press.
    QTimer::singleShot(0, swallower, &QObject::deleteLater);
}

} // namespace

TfrmMain::TfrmMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::TfrmMain>())
{
    m_ui->setupUi(this);
    setFixedSize(692, 412);

    ApplyWindowFont(this, 12);

    // The tabs overlap the header strip by design; they are drawn above it.
    m_ui->PageControl1->raise();
    m_ui->PageControl1->setStyleSheet(QStringLiteral("QTabBar::tab { width: 140px; height: 30px; }"));

    QTreeWidget* list = m_ui->ListView1;
    list->setColumnWidth(ColId, 40);
    list->setColumnWidth(ColFileName, 200);
    list->setColumnWidth(ColPages, 80);
    list->setColumnWidth(ColSize, 80);
    list->setColumnHidden(ColPath, true);
    list->setItemDelegate(new TGridLineDelegate(list));

    edtSplitPerPage = m_ui->UpDown1->findChild<QLineEdit*>();
    edtSplitPerPage->setObjectName(QStringLiteral("edtSplitPerPage"));

    m_ui->Label11->setText(QString::fromLatin1(MakerWebAddress));
    StyleLinkLabel(m_ui->Label10);
    StyleLinkLabel(m_ui->Label11);
    StyleLinkLabel(m_ui->linkOptions);
    // Right-aligned before "About", whatever width the font gives it.
    m_ui->linkOptions->move(m_ui->Label10->x() - 12 - m_ui->linkOptions->width(), m_ui->Label10->y());
    for (QLabel* label : {m_ui->Label3, m_ui->Label6, m_ui->Label7, m_ui->Label8})
        label->adjustSize();
    m_ui->Label3->setVisible(false);

    const auto guarded = [this](void (TfrmMain::*handler)()) {
        return [this, handler] { RunGuarded([this, handler] { (this->*handler)(); }); };
    };
    connect(m_ui->sbAddFiles, &QToolButton::clicked, this, guarded(&TfrmMain::sbAddFilesClick));
    connect(m_ui->sbRemoveFiles, &QToolButton::clicked, this, guarded(&TfrmMain::sbRemoveFilesClick));
    connect(m_ui->sbMoveUp, &QToolButton::clicked, this, guarded(&TfrmMain::sbMoveUpClick));
    connect(m_ui->sbMoveDown, &QToolButton::clicked, this, guarded(&TfrmMain::sbMoveDownClick));
    connect(m_ui->mbBrowseMergeLoc, &QToolButton::clicked, this, guarded(&TfrmMain::mbBrowseMergeLocClick));
    connect(m_ui->sbMerge, &QToolButton::clicked, this, guarded(&TfrmMain::sbMergeClick));
    connect(m_ui->sbBrowseSrcFile, &QToolButton::clicked, this, guarded(&TfrmMain::sbBrowseSrcFileClick));
    connect(m_ui->sbBrowseSplitLoc, &QToolButton::clicked, this, guarded(&TfrmMain::sbBrowseSplitLocClick));
    connect(m_ui->sbSplit, &QToolButton::clicked, this, guarded(&TfrmMain::sbSplitClick));
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(thread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                guarded(&TfrmMain::ApplicationEvents1Idle));
    connect(new TClickableLabel(m_ui->Label10), &TClickableLabel::clicked, this,
            guarded(&TfrmMain::Label10Click));
    connect(new TClickableLabel(m_ui->Label11), &TClickableLabel::clicked, this,
            guarded(&TfrmMain::Label11Click));
    connect(new TClickableLabel(m_ui->linkOptions), &TClickableLabel::clicked, this,
            guarded(&TfrmMain::optionsLinkClick));
    m_ui->edtSplitSrc->installEventFilter(this);
    CreateListActions();
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(thread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TfrmMain::UpdateListActions);
    connect(m_ui->ListView1->model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex& where, int first, int last) {
                if (!where.isValid())
                    PrepareNewRows(first, last);
            });
    connect(m_ui->ListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { RunGuarded([&] { ListContextMenu(position); }); });

    FormCreate();
}

TfrmMain::~TfrmMain()
{
    // A job still borrows JobParam and posts to this window until its end.
    if (m_jobThread.joinable())
        m_jobThread.join();
    if (m_countThread.joinable())
        m_countThread.join();
    // The count's queued result never arrives now; its wait cursor goes here.
    if (m_countingFiles)
        QApplication::restoreOverrideCursor();
}

void TfrmMain::FormCreate()
{
    m_defaultFolder = DefaultOutputFolder();
    m_engine = LoadEngineSetting();

    // Files dropped on the list arrive at its viewport.
    m_ui->ListView1->setAcceptDrops(true);
    m_ui->ListView1->viewport()->setAcceptDrops(true);
    m_ui->ListView1->viewport()->installEventFilter(this);

    ApplyWindowPalette(this);
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_centred && !event->spontaneous()) {
        m_centred = true;
        if (const QScreen* s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
}

bool TfrmMain::event(QEvent* event)
{
    if (event->type() == TGsNotifyEvent::EventType) {
        const auto* notice = static_cast<const TGsNotifyEvent*>(event);
        RunGuarded([&] { WMGSNotify(notice->WParam, notice->LParam); });
        return true;
    }
    return QWidget::event(event);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->ListView1->viewport()) {
        bool taken = false;
        RunGuarded([&] { taken = ListViewWndProc(event); });
        return taken;
    }
    if (watched == m_ui->edtSplitSrc && event->type() == QEvent::FocusOut) {
        // Only a move of the focus to another control of this window counts as
        // leaving the field, not a message box or another window coming up.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            // The field ends its own focus handling first; done afterwards, it
            // would drop the selection and hide the cursor that a refusal gives
            // back to it.
            watched->event(event);
            RunGuarded([this] { edtSplitSrcExit(); });
            // A refused name took the focus back: the mouse press that moved it
            // away, delivered once this returns, is not carried out.
            if (reason == Qt::MouseFocusReason && focusWidget() == m_ui->edtSplitSrc)
                DropPendingMousePress();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmMain::ApplicationEvents1Idle()
{
    const QTreeWidget* list = m_ui->ListView1;
    const int count = list->topLevelItemCount();
    const int selected = FirstSelectedRow(list);
    m_ui->sbRemoveFiles->setEnabled(selected >= 0);
    m_ui->sbMoveUp->setEnabled(selected > 0);
    m_ui->sbMoveDown->setEnabled(selected >= 0 && selected != count - 1);

    const bool perPage = m_splitPageCount >= 2 && m_ui->RadioButton1->isChecked();
    m_ui->UpDown1->setEnabled(perPage);
    edtSplitPerPage->setEnabled(m_ui->UpDown1->isEnabled());
    m_ui->edtSplitPageRange->setEnabled(m_splitPageCount >= 2 && m_ui->RadioButton2->isChecked());

    const QString pages = QStringLiteral("Pages: ") + QString::number(m_splitPageCount);
    if (m_ui->Label3->text() != pages) {
        m_ui->Label3->setText(pages);
        m_ui->Label3->adjustSize();
    }
    m_ui->Label3->setVisible(m_splitPageCount > 0);
}

void TfrmMain::Label10Click()
{
    auto about = std::make_unique<TfrmAbout>(this);
    frmAbout = about.get();
    about->exec();
    frmAbout = nullptr;
}

void TfrmMain::Label11Click()
{
    uiSeam().openUrl(QUrl(QString::fromLatin1(ProductPageUrl)));
}

void TfrmMain::optionsLinkClick()
{
    const std::optional<TEngineKind> chosen = uiSeam().chooseEngine(this, m_engine);
    if (!chosen)
        return;
    m_engine = *chosen;
    SaveEngineSetting(m_engine);
}

// ---- Merge list -------------------------------------------------------------

QString TfrmMain::MergeRowPath(int row) const
{
    return m_ui->ListView1->topLevelItem(row)->text(ColPath);
}

bool TfrmMain::IsFileListed(const QString& path) const
{
    const std::string wanted = toNative(path);
    const int count = m_ui->ListView1->topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        if (SameTextAscii(toNative(MergeRowPath(i)), wanted))
            return true;
    }
    return false;
}

void TfrmMain::AddFileToList(const QString& path, QTreeWidget* list)
{
    if (IsFileListed(path))
        return;
    AddProbedFile(path, ProbePdfForList(toNative(path)), list);
}

void TfrmMain::AddProbedFile(const QString& path, const TListProbe& probe, QTreeWidget* list)
{
    if (IsFileListed(path))
        return;
    const std::string nativePath = toNative(path);
    if (probe.Encrypted) {
        uiSeam().messageBox(this, QMessageBox::Information, QString::fromLatin1(CapInfo),
                            path + QString::fromLatin1(TxtEncryptedCannotMerge), QMessageBox::Ok);
        return;
    }
    if (plat::isDirectory(nativePath))
        return;
    const std::uint64_t size = plat::fileSize(nativePath).value_or(0);
    if (!probe.OpenError.empty()) {
        uiSeam().messageBox(this, QMessageBox::Critical, QStringLiteral("error"),
                            QString::fromLocal8Bit(probe.OpenError), QMessageBox::Ok);
        return;
    }
    const std::int32_t pages = probe.Pages;

    auto* row = new QTreeWidgetItem;
    row->setText(ColId, QString::number(list->topLevelItemCount() + 1));
    row->setText(ColFileName, fromNative(ExtractFileName(nativePath)));
    row->setText(ColPages, QString::number(pages));
    row->setText(ColSize, QString::fromLocal8Bit(FileSizeText(size, DecimalSeparator())));
    row->setText(ColPath, path);
    list->addTopLevelItem(row);

    if (m_ui->edtMergeFileLoc->text().isEmpty())
        m_ui->edtMergeFileLoc->setText(fromNative(DefaultMergeOutputName(m_defaultFolder, nativePath)));

    const std::string current = toNative(m_ui->edtMergeFileLoc->text());
    const std::string unlisted = UnlistedOutputName(
        current, [this](const std::string& name) { return IsFileListed(fromNative(name)); });
    if (unlisted != current)
        m_ui->edtMergeFileLoc->setText(fromNative(unlisted));
}

void TfrmMain::sbAddFilesClick()
{
    const QStringList files = uiSeam().openFileNames(this, QString(), true);
    if (files.isEmpty())
        return;
    AddFilesToList(files);
}

void TfrmMain::AddFilesToList(const QStringList& paths)
{
    m_pendingAdds += paths;
    if (!m_countingFiles && !m_pendingAdds.isEmpty())
        StartCounting();
}

void TfrmMain::StartCounting()
{
    if (m_countThread.joinable())
        m_countThread.join(); // its batch is in, so it has ended or is about to
    QStringList batch;
    batch.swap(m_pendingAdds);
    std::vector<std::string> natives;
    natives.reserve(static_cast<std::size_t>(batch.size()));
    for (const QString& path : batch)
        natives.push_back(toNative(path));

    m_countingFiles = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto count = [this, batch, natives] {
        std::vector<TListProbe> probes = ProbePdfsForList(natives);
        QMetaObject::invokeMethod(
            this, [this, batch, probes = std::move(probes)] { CountingDone(batch, probes); },
            Qt::QueuedConnection);
    };
    try {
        m_countThread = std::thread(count);
    } catch (const std::system_error&) {
        count(); // no thread to be had: count here, still delivered through the queue
    }
}

void TfrmMain::CountingDone(const QStringList& paths, const std::vector<TListProbe>& probes)
{
    QApplication::restoreOverrideCursor();
    RunGuarded([&] {
        for (qsizetype i = 0; i < paths.size(); ++i)
            AddProbedFile(paths[i], probes[static_cast<std::size_t>(i)], m_ui->ListView1);
    });
    m_countingFiles = false;
    // Files added while these were counted, or while a message about one was up.
    if (!m_pendingAdds.isEmpty())
        StartCounting();
}

bool TfrmMain::ListViewWndProc(QEvent* event)
{
    // Rows dragged within the list: the list shows where they would go and moves
    // them itself (so that it does not also delete them once the drag ends, as
    // it does after a move it did not make); the IDs and selection follow here.
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
        event->type() == QEvent::Drop) {
        if (static_cast<QDropEvent*>(event)->source() == m_ui->ListView1) {
            if (event->type() != QEvent::Drop || m_forwardingDrop)
                return false;
            MoveDroppedRows(static_cast<QDropEvent*>(event));
            return true;
        }
    }
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        const QList<QUrl> urls = drag->mimeData()->urls();
        const bool local =
            std::any_of(urls.begin(), urls.end(), [](const QUrl& u) { return u.isLocalFile(); });
        if (!local)
            return false;
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        QStringList names;
        for (const QUrl& url : drop->mimeData()->urls()) {
            if (const QString name = url.toLocalFile(); !name.isEmpty())
                names << name;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // The files are taken once the drop has ended: the file manager that
        // dragged them is held until this returns, and probing them or a
        // message about one would keep it waiting.
        QMetaObject::invokeMethod(
            this, [this, names] { RunGuarded([&] { AddFilesToList(names); }); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}

void TfrmMain::sbRemoveFilesClick()
{
    QTreeWidget* list = m_ui->ListView1;
    qDeleteAll(list->selectedItems());
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        list->topLevelItem(i)->setText(ColId, QString::number(i + 1));
}

namespace {

void MoveSelectedRow(QTreeWidget* list, int direction)
{
    const int count = list->topLevelItemCount();
    const int selected = FirstSelectedRow(list);
    const int neighbour = selected + direction;
    if (selected < 0 || neighbour < 0 || neighbour >= count)
        return;
    QTreeWidgetItem* a = list->topLevelItem(selected);
    QTreeWidgetItem* b = list->topLevelItem(neighbour);
    for (int column = ColFileName; column <= ColPath; ++column) {
        const QString text = a->text(column);
        a->setText(column, b->text(column));
        b->setText(column, text);
    }
    list->clearSelection();
    b->setSelected(true);
    list->selectionModel()->setCurrentIndex(list->indexFromItem(b), QItemSelectionModel::NoUpdate);
}

} // namespace

void TfrmMain::sbMoveUpClick()
{
    MoveSelectedRow(m_ui->ListView1, -1);
}

void TfrmMain::sbMoveDownClick()
{
    MoveSelectedRow(m_ui->ListView1, +1);
}

// ---- Merge command ----------------------------------------------------------

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
    if (m_countingFiles)
        return; // the rows are not all in yet
    QTreeWidget* list = m_ui->ListView1;
    const QString typed = m_ui->edtMergeFileLoc->text();
    if (ShowRefusal(this, CheckMergeStart(static_cast<std::size_t>(list->topLevelItemCount()),
                                          static_cast<std::size_t>(typed.size()))))
        return;
    const std::string out = FinalMergeOutputName(toNative(typed));
    const QString outText = fromNative(out);
    if (ShowRefusal(this, CheckMergeOutputIsInput(IsFileListed(outText))))
        return;
    // Only a file the person agreed to overwrite is replaced; one that appears
    // while the job runs stays.
    const bool replace = FileExists(out);
    if (replace && uiSeam().messageBox(this, QMessageBox::Question, QStringLiteral("overwrite?"),
                                       fromNative(AlreadyExistsText(out)) + QStringLiteral(", overwrite?"),
                                       QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    if (ShowRefusal(this, CheckMergeOutputCreatable(out)))
        return;

    std::vector<TMergeRow> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = list->topLevelItem(i);
        rows.push_back({toNative(row->text(ColFileName)), toNative(row->text(ColPages)),
                        toNative(row->text(ColSize)), toNative(row->text(ColPath))});
    }
    PrepareMergeJob(m_jobParam, m_jobInputs, std::move(rows), out, &m_notifier, m_engine,
                    replace ? TOverwrite::Allow : TOverwrite::Refuse);
    if (frmProgress)
        frmProgress->FirstPage = 0;
    RunJob(QPoint(160, 200));
}

void TfrmMain::RunJob(const QPoint& progressCorner)
{
    if (m_jobThread.joinable())
        m_jobThread.join();
    if (frmProgress)
        frmProgress->move(mapToGlobal(progressCorner));
    m_jobThread = StartGsJob(m_jobParam);
    if (frmProgress)
        frmProgress->exec();
    // GSN_DONE, which closed the window, is the job's last act.
    m_jobThread.join();
}

// ---- Split command ----------------------------------------------------------

void TfrmMain::UpdateUpDownMaximum()
{
    // The up-down control holds 16-bit positions.
    if (m_splitPageCount > 1)
        m_ui->UpDown1->setMaximum(std::min<std::int32_t>(m_splitPageCount - 1, 32767));
}

bool TfrmMain::ProbeSplitSource()
{
    const TListProbe probe = ProbePdfForList(toNative(m_ui->edtSplitSrc->text()));
    // A split cuts by the reader's count only: a guessed one loses or invents pages.
    const bool unreadable = !probe.Encrypted && !probe.ReaderCount && probe.Pages > 0;
    if (!probe.OpenError.empty() || unreadable) {
        QString text = QString::fromLatin1(TxtInvalidPdf);
        if (unreadable)
            text += QLatin1Char('\n') + fromNative(probe.ReaderNote);
        uiSeam().messageBox(this, QMessageBox::Warning, QString::fromLatin1(CapTip), text, QMessageBox::Ok);
        m_splitPageCount = 0;
        m_splitEncrypted = false;
        return false;
    }
    m_splitPageCount = probe.Pages;
    m_splitEncrypted = probe.Encrypted;
    m_ui->Label3->setText(QString::number(m_splitPageCount));
    if (Trim(toNative(m_ui->edtSplitLocation->text())).empty())
        m_ui->edtSplitLocation->setText(fromNative(m_defaultFolder + "Tarvex" + plat::PathSeparator));
    return true;
}

void TfrmMain::sbBrowseSrcFileClick()
{
    const QStringList files = uiSeam().openFileNames(this, QString(), false);
    if (files.isEmpty())
        return;
    OpenSplitSource(files.constFirst());
}

void TfrmMain::OpenSplitSource(const QString& path)
{
    m_ui->edtSplitSrc->setText(path);
    ProbeSplitSource(); // a failure is reported there; the path stays in the field
    UpdateUpDownMaximum();
}

void TfrmMain::edtSplitSrcExit()
{
    QLineEdit* source = m_ui->edtSplitSrc;
    const std::string path = Trim(toNative(source->text()));
    source->setText(fromNative(path));
    if (path.empty()) {
        m_splitPageCount = 0;
        m_splitEncrypted = false;
        UpdateUpDownMaximum();
        return;
    }
    if (!FileExists(path)) {
        uiSeam().messageBox(this, QMessageBox::Warning, QString::fromLatin1(CapTip),
                            QString::fromLatin1(TxtSourceMissing), QMessageBox::Ok);
        source->selectAll();
        source->setFocus();
        return;
    }
    if (!ProbeSplitSource()) {
        source->selectAll();
        source->setFocus();
    }
    UpdateUpDownMaximum();
}

void TfrmMain::sbBrowseSplitLocClick()
{
    QString initial = TrimmedText(m_ui->edtSplitLocation->text());
    if (initial.isEmpty())
        initial = fromNative(m_defaultFolder);
    const QString folder =
        uiSeam().browseForFolder(this, QStringLiteral("select destination location"), initial);
    if (!folder.isEmpty())
        m_ui->edtSplitLocation->setText(folder);
}

std::string TfrmMain::ParsePageRanges(const QString& text, std::int32_t& pageTotal) const
{
    const TPageRanges ranges = ::ParsePageRanges(toNative(text), m_splitPageCount);
    pageTotal = ranges.PageTotal;
    return ranges.RangeList;
}

void TfrmMain::sbSplitClick()
{
    const std::string source = Trim(toNative(m_ui->edtSplitSrc->text()));
    m_ui->edtSplitSrc->setText(fromNative(source));
    if (ShowRefusal(this, CheckSplitSourceGiven(source)) ||
        ShowRefusal(this, CheckSplitSourcePages(source, IsPdfEncrypted(source) || m_splitEncrypted,
                                                m_splitPageCount)))
        return;

    const bool byRanges = m_ui->RadioButton2->isChecked();
    std::string rangeText;
    TPageRanges ranges;
    if (byRanges) {
        rangeText = Trim(toNative(m_ui->edtSplitPageRange->text()));
        const std::optional<TRefusal> refusal =
            CheckSplitRanges(rangeText, m_splitPageCount, ranges, &m_notifier);
        if (ShowRefusal(this, refusal)) {
            if (refusal->Caption == CapInvalidRanges) {
                m_ui->edtSplitPageRange->selectAll();
                m_ui->edtSplitPageRange->setFocus();
            }
            return;
        }
    }

    const QString location = m_ui->edtSplitLocation->text();
    if (ShowRefusal(this, CheckSplitLocation(toNative(location), toNative(location))))
        return;
    if (uiSeam().messageBox(
            this, QMessageBox::Question, QStringLiteral("continue?"),
            QStringLiteral("Files with the same name of the output file will be overwritten.\n"
                           "Do you want to continue?"),
            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;

    if (byRanges)
        PrepareSplitRangesJob(m_jobParam, m_jobInputs, source, toNative(location), m_splitPageCount,
                              rangeText, ranges.RangeList, &m_notifier, m_engine, TOverwrite::Allow);
    else
        PrepareSplitEveryJob(m_jobParam, m_jobInputs, source, toNative(location), m_splitPageCount,
                             static_cast<std::int16_t>(m_ui->UpDown1->value()), &m_notifier, m_engine,
                             TOverwrite::Allow);
    RunJob(QPoint(160, 270));
}

// ---- Job notices ------------------------------------------------------------

void TfrmMain::WMGSNotify(std::intptr_t wParam, std::intptr_t lParam)
{
    if (!frmProgress)
        return;
    QProgressBar* bar = frmProgress->ProgressBar1();
    TProgressState state{bar->maximum(), bar->value(), frmProgress->BasePosition, frmProgress->FirstPage};
    const std::optional<int> percent = ApplyProgressNotice(state, GS_Job_Kind, wParam, lParam);
    const auto toInt = [](std::int64_t n) {
        return static_cast<int>(std::clamp<std::int64_t>(n, INT32_MIN, INT32_MAX));
    };
    switch (lParam) {
    case GSN_TOTAL:
        bar->setMaximum(toInt(state.Maximum));
        bar->setValue(0);
        frmProgress->SetLabelText(QString());
        break;
    case GSN_PIECE:
        frmProgress->FirstPage = toInt(state.FirstPage);
        frmProgress->BasePosition = toInt(state.BasePosition);
        break;
    case GSN_PAGE:
        frmProgress->BasePosition = toInt(state.BasePosition);
        bar->setValue(toInt(state.Position));
        frmProgress->SetLabelText(QString::fromLatin1(PercentText(percent.value_or(0))));
        break;
    case GSN_DONE: {
        const bool ok = wParam == 0;
        const std::uint8_t kind = GS_Job_Kind;
        // The worker wrote the record's reason and notes before posting this.
        const QString text = fromNative(JobEndMessage(kind, static_cast<int>(wParam), m_jobParam));
        uiSeam().messageBox(frmProgress, QMessageBox::Information,
                            ok ? QStringLiteral("Success") : QStringLiteral("Failure"), text,
                            QMessageBox::Ok);
        frmProgress->CloseJobWindow();
        if (ok && kind == JOB_MERGE)
            uiSeam().openUrl(QUrl::fromLocalFile(fromNative(m_jobParam.OutputPath)));
        else if (ok && kind == JOB_SPLIT)
            uiSeam().openUrl(QUrl::fromLocalFile(m_ui->edtSplitLocation->text()));
        break;
    }
    default:
        break;
    }
}

// ---- Keyboard, drag, sorting and files from outside -------------------------

namespace {

void RenumberRows(QTreeWidget* list)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        list->topLevelItem(i)->setText(ColId, QString::number(i + 1));
}

} // namespace

void TfrmMain::CreateListActions()
{
    QTreeWidget* list = m_ui->ListView1;
    // Rows move within the list only: a drag that ends in another program
    // never takes them out of it.
    list->setDragDropMode(QAbstractItemView::InternalMove);
    list->setDefaultDropAction(Qt::MoveAction);
    list->setDragDropOverwriteMode(false);
    list->setContextMenuPolicy(Qt::CustomContextMenu);

    // A widget's shortcuts work only while it shows: Ctrl+O and Ctrl+Return act
    // on the tab in front.
    const auto add = [this](QWidget* owner, const char* name, const QString& text,
                            const QList<QKeySequence>& keys, Qt::ShortcutContext context,
                            void (TfrmMain::*handler)()) {
        auto* action = new QAction(text, owner);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        action->setShortcutContext(context);
        connect(action, &QAction::triggered, this,
                [this, handler] { RunGuarded([this, handler] { (this->*handler)(); }); });
        owner->addAction(action);
        return action;
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
    m_actSortByName = add(list, "actSortByName", QStringLiteral("Sort by name"), {},
                          Qt::WidgetWithChildrenShortcut, &TfrmMain::SortListByName);
    add(m_ui->TabSheet1, "actStartMerge", m_ui->sbMerge->toolTip(), start, Qt::WindowShortcut,
        &TfrmMain::StartCurrentJob);
    add(m_ui->TabSheet2, "actBrowseSrcFile", m_ui->sbBrowseSrcFile->toolTip(), open, Qt::WindowShortcut,
        &TfrmMain::sbBrowseSrcFileClick);
    add(m_ui->TabSheet2, "actStartSplit", m_ui->sbSplit->toolTip(), start, Qt::WindowShortcut,
        &TfrmMain::StartCurrentJob);
}

void TfrmMain::UpdateListActions()
{
    // The buttons' rule (applied just before, at the same idle moment), so that
    // menu and keys offer what the buttons offer.
    m_actRemoveFiles->setEnabled(m_ui->sbRemoveFiles->isEnabled());
    m_actMoveUp->setEnabled(m_ui->sbMoveUp->isEnabled());
    m_actMoveDown->setEnabled(m_ui->sbMoveDown->isEnabled());
    m_actSortByName->setEnabled(m_ui->ListView1->topLevelItemCount() > 1);
}

void TfrmMain::PrepareNewRows(int first, int last)
{
    QTreeWidget* list = m_ui->ListView1;
    for (int i = first; i <= last && i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = list->topLevelItem(i);
        // Rows go between rows, never into one.
        row->setFlags(row->flags() & ~Qt::ItemIsDropEnabled);
        // The sizes' last digits and units line up in a proportional font.
        row->setTextAlignment(ColSize, Qt::AlignRight | Qt::AlignVCenter);
    }
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
    menu.exec(m_ui->ListView1->viewport()->mapToGlobal(position));
}

void TfrmMain::MoveDroppedRows(QDropEvent* drop)
{
    QTreeWidget* list = m_ui->ListView1;
    // The list moves the rows in the order they were selected: make that their
    // order in the list.
    QList<QTreeWidgetItem*> moving;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->isSelected())
            moving << list->topLevelItem(i);
    }
    list->clearSelection();
    for (QTreeWidgetItem* row : moving)
        row->setSelected(true);

    m_forwardingDrop = true;
    QCoreApplication::sendEvent(list->viewport(), drop);
    m_forwardingDrop = false;

    RenumberRows(list);
    list->clearSelection();
    for (QTreeWidgetItem* row : moving)
        row->setSelected(true);
    if (!moving.isEmpty())
        list->selectionModel()->setCurrentIndex(list->indexFromItem(moving.constFirst()),
                                                QItemSelectionModel::NoUpdate);
}

void TfrmMain::SortListByName()
{
    QTreeWidget* list = m_ui->ListView1;
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    QTreeWidgetItem* current = list->currentItem();
    struct TKeyedRow
    {
        std::string Name;
        std::string Path;
        QTreeWidgetItem* Row;
    };
    std::vector<TKeyedRow> rows;
    for (QTreeWidgetItem* row : list->invisibleRootItem()->takeChildren())
        rows.push_back({toNative(row->text(ColFileName)), toNative(row->text(ColPath)), row});
    std::stable_sort(rows.begin(), rows.end(), [](const TKeyedRow& a, const TKeyedRow& b) {
        return a.Name != b.Name ? NaturalLess(a.Name, b.Name) : NaturalLess(a.Path, b.Path);
    });
    QList<QTreeWidgetItem*> ordered;
    for (const TKeyedRow& row : rows)
        ordered << row.Row;
    list->insertTopLevelItems(0, ordered);
    RenumberRows(list);
    for (QTreeWidgetItem* row : selected)
        row->setSelected(true);
    if (current)
        list->selectionModel()->setCurrentIndex(list->indexFromItem(current), QItemSelectionModel::NoUpdate);
}

void TfrmMain::OpenFiles(const QStringList& names)
{
    QStringList paths;
    const QDir folder = QDir::current();
    for (const QString& name : names)
        paths << QDir::cleanPath(folder.absoluteFilePath(name));
    if (paths.size() == 1) {
        m_ui->PageControl1->setCurrentWidget(m_ui->TabSheet2);
        OpenSplitSource(paths.constFirst());
    } else if (paths.size() > 1) {
        m_ui->PageControl1->setCurrentWidget(m_ui->TabSheet1);
        AddFilesToList(paths);
    }
}

void TfrmMain::StartCurrentJob()
{
    QToolButton* button =
        m_ui->PageControl1->currentWidget() == m_ui->TabSheet1 ? m_ui->sbMerge : m_ui->sbSplit;
    button->setFocus(Qt::ShortcutFocusReason);
    // A field that refused what was typed in it keeps the focus, and nothing starts.
    if (focusWidget() != button)
        return;
    button->click();
}
