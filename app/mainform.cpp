#include "mainform.h"

#include "about.h"
#include "application.h"
#include "formhelpers.h"
#include "job/progressmeter.h"
#include "listgrid.h"
#include "mergelistmodel.h"
#include "nativepath.h"
#include "options.h"
#include "output/folders.h"
#include "pagepreview.h"
#include "pgbar.h"
#include "platform/platform.h"
#include "text/filenames.h"
#include "text/strutil.h"
#include "translations.h"
#include "ui_main.h"
#include "uiseam.h"
#include "widgetstyle.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QEventLoop>
#include <QFocusEvent>
#include <QLocale>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QSplitter>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <utility>

TfrmMain* frmMain = nullptr;

namespace {

// How often the progress window looks whether a job ended without telling it.
constexpr int JobWatchInterval = 250; // ms

char DecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 0x80 ? static_cast<char>(point.at(0).unicode()) : '.';
}

QMessageBox::Icon BoxIcon(TRefusalIcon icon)
{
    switch (icon) {
    case TRefusalIcon::Information:
        return QMessageBox::Information;
    case TRefusalIcon::Error:
        return QMessageBox::Critical;
    case TRefusalIcon::Warning:
        break;
    }
    return QMessageBox::Warning;
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

bool ShowRefusal(QWidget* owner, const std::optional<TRefusal>& refusal)
{
    if (!refusal)
        return false;
    QString text = CoreText(refusal->Text);
    if (!refusal->Cause.empty())
        text += QLatin1Char('\n') + CoreText(refusal->Cause);
    uiSeam().messageBox(owner, BoxIcon(refusal->Icon), CoreText(refusal->Caption.c_str()), text,
                        QMessageBox::Ok);
    return true;
}

QString TrimmedText(const QString& text)
{
    return fromNative(Trim(toNative(text)));
}

bool FileExists(const std::string& path)
{
    return plat::pathExists(path) && !plat::isDirectory(path);
}

TfrmMain::TfrmMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::TfrmMain>())
{
    m_ui->setupUi(this);
    // The laid-out size is the smallest; the list takes what the window grows by.
    setMinimumSize(692, 412);
    resize(692, 412);

    // The tabs overlap the header strip by design; they are drawn above it.
    m_ui->PageControl1->raise();
    m_ui->PageControl1->setStyleSheet(QStringLiteral("QTabBar::tab { min-width: 9em; min-height: 2em; }"));

    m_mergeList = new TMergeListModel(DecimalSeparator(), this);
    SetUpMergeList();
    SetUpPagePictures();

    edtSplitPerPage = m_ui->UpDown1->findChild<QLineEdit*>();
    edtSplitPerPage->setObjectName(QStringLiteral("edtSplitPerPage"));

    m_ui->Label11->setText(QString::fromLatin1(MakerWebAddress));
    // The words in the two buttons' pictures, in the window's language.
    SetCaptionedPicture(m_ui->sbMerge, QStringLiteral(":/icons/merge.svg"), QStringLiteral("Merge"),
                        tr("Merge", "the caption in the Merge button's picture"));
    SetCaptionedPicture(m_ui->sbSplit, QStringLiteral(":/icons/split.svg"), QStringLiteral("Split"),
                        tr("Split", "the caption in the Split button's picture"));
    // "About" keeps its right edge, whatever width the font and the language give it.
    const int aboutRight = m_ui->Label10->geometry().right();
    for (QLabel* link : {m_ui->Label10, m_ui->Label11, m_ui->linkOptions}) {
        SetSmallerFont(link);
        StyleLinkLabel(link);
    }
    m_ui->Label10->move(aboutRight + 1 - m_ui->Label10->width(), m_ui->Label10->y());
    // Right-aligned before "About".
    m_ui->linkOptions->move(m_ui->Label10->x() - 12 - m_ui->linkOptions->width(), m_ui->Label10->y());
    for (QLabel* label : {m_ui->Label3, m_ui->Label6, m_ui->Label7, m_ui->Label8, m_ui->lblSplitSizeUnit})
        label->adjustSize();
    m_ui->Label3->setVisible(false);
    AnchorParts();

    ConnectHandlers();
    FormCreate();
}

void TfrmMain::ConnectHandlers()
{
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
    // After the buttons' rule above: the actions follow the buttons.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(thread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TfrmMain::UpdateListActions);
    connect(m_ui->ListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { RunGuarded([&] { ListContextMenu(position); }); });
}

TfrmMain::~TfrmMain()
{
    // A job still borrows JobParam and posts to this window until its end.
    m_jobThread.Join();
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
    // The split side takes a dropped file as its source.
    m_ui->TabSheet2->setAcceptDrops(true);
    m_ui->TabSheet2->installEventFilter(this);
    RestoreWindowHabits();
    SetUpRecentSourceMenu();
}

void TfrmMain::AnchorParts()
{
    using A = TAnchors;
    const Ui::TfrmMain& ui = *m_ui;
    // The list shares its place with its page pane where pages are drawn.
    QWidget* const listArea = m_mergeSplitter ? static_cast<QWidget*>(m_mergeSplitter) : ui.ListView1;
    const std::pair<QWidget*, int> parts[] = {{ui.Panel1, A::Widen},
                                              {ui.linkOptions, A::MoveRight},
                                              {ui.Label10, A::MoveRight},
                                              {ui.PageControl1, A::Widen | A::Heighten},
                                              {ui.Label11, A::MoveHalfRight | A::MoveDown},
                                              // Merge: the list takes the room.
                                              {listArea, A::Widen | A::Heighten},
                                              {ui.lblListTotal, A::Widen | A::MoveDown},
                                              {ui.sbAddFiles, A::MoveRight},
                                              {ui.sbRemoveFiles, A::MoveRight},
                                              {ui.sbMoveUp, A::MoveRight},
                                              {ui.sbMoveDown, A::MoveRight},
                                              {ui.GroupBox1, A::Widen | A::MoveDown},
                                              {ui.edtMergeFileLoc, A::Widen},
                                              {ui.mbBrowseMergeLoc, A::MoveRight},
                                              {ui.sbMerge, A::MoveRight | A::MoveDown},
                                              // Split: the fields take the width.
                                              {ui.GroupBox2, A::Widen},
                                              {ui.edtSplitSrc, A::Widen},
                                              {ui.sbBrowseSrcFile, A::MoveRight},
                                              {ui.Label3, A::MoveRight},
                                              {ui.GroupBox3, A::Widen},
                                              {ui.GroupBox4, A::Widen},
                                              {ui.edtSplitLocation, A::Widen},
                                              {ui.sbBrowseSplitLoc, A::MoveRight},
                                              {ui.sbSplit, A::MoveRight}};
    for (const auto& [part, flags] : parts)
        m_anchors.Add(part, flags);
    // The page toggles, and the split side's pages in the room below its fields.
    for (const auto& [part, flags] : {std::pair<QWidget*, int>{m_mergePane.Toggle, A::MoveRight},
                                      {m_splitPane.Toggle, A::MoveRight},
                                      {m_splitPane.Pages, A::Widen | A::Heighten}})
        if (part)
            m_anchors.Add(part, flags);
}

void TfrmMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_anchors.Follow(size() - minimumSize());
    UpdatePagePanes();
    // The page-count label is placed by its text.
    m_ui->Label3->adjustSize();
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Drawn for the screen the window shows on.
    SetLogoPicture(m_ui->Image1, QStringLiteral(":/icons/logo.svg"));
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
    if (watched == m_ui->edtSplitSrc || watched == m_ui->TabSheet2) {
        bool taken = false;
        RunGuarded([&] { taken = TakeDroppedSource(event); });
        if (taken)
            return true;
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
    const int count = m_mergeList->rowCount();
    const std::vector<int> rows = SelectedRows();
    const int selected = rows.empty() ? -1 : rows.front();
    m_ui->sbRemoveFiles->setEnabled(selected >= 0);
    m_ui->sbMoveUp->setEnabled(selected > 0);
    m_ui->sbMoveDown->setEnabled(selected >= 0 && selected != count - 1);

    EnableSplitMethodFields();

    const QString pages = tr("Pages: %1").arg(m_splitPageCount);
    if (m_ui->Label3->text() != pages) {
        m_ui->Label3->setText(pages);
        m_ui->Label3->adjustSize();
    }
    m_ui->Label3->setVisible(m_splitPageCount > 0);
    ShowListTotal();
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

void TfrmMain::RunJob(const QPoint& progressCorner)
{
    m_jobThread.Join();
    m_jobDoneSeen = false;
    m_cancelJob = false;
    m_jobParam.Cancel = &m_cancelJob;
    m_jobInputNumber = 0;
    if (frmProgress) {
        frmProgress->StartJob(m_jobParam.Kind == JOB_MERGE,
                              fromNative(ExtractFileName(m_jobParam.OutputPath)));
        frmProgress->move(mapToGlobal(progressCorner));
        connect(frmProgress, &TfrmProgress::cancelRequested, this, &TfrmMain::CancelJob,
                Qt::UniqueConnection);
    }
    m_jobThread.Start(m_jobParam);
    m_jobRunning = true;
    QTimer watch;
    watch.setInterval(JobWatchInterval);
    connect(&watch, &QTimer::timeout, this, [this] { RunGuarded([this] { WatchJobEnd(); }); });
    watch.start();
    // The window stays open to a close request (which asks to cancel), its
    // controls closed to everything else until the job has ended.
    m_ui->Panel1->setEnabled(false);
    m_ui->PageControl1->setEnabled(false);
    if (frmProgress) {
        QEventLoop wait;
        connect(frmProgress, &QDialog::finished, &wait, &QEventLoop::quit);
        frmProgress->show();
        frmProgress->raise();
        frmProgress->activateWindow();
        if (frmProgress->isVisible())
            wait.exec();
    }
    // GSN_DONE, which closed the window, is the job's last act.
    m_jobThread.Join();
    m_jobRunning = false;
    m_ui->Panel1->setEnabled(true);
    m_ui->PageControl1->setEnabled(true);
    if (std::exchange(m_closeAfterJob, false))
        QTimer::singleShot(0, this, &QWidget::close);
}

void TfrmMain::CancelJob()
{
    m_cancelJob = true;
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (!m_jobRunning) {
        KeepWindowHabits();
        QWidget::closeEvent(event);
        return;
    }
    event->ignore();
    if (m_cancelJob || uiSeam().messageBox(this, QMessageBox::Question, tr("cancel?"),
                                           tr("A merge or split is running.\nCancel it and close Plicora?"),
                                           QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    m_closeAfterJob = true;
    if (frmProgress)
        frmProgress->reject();
    CancelJob();
}

void TfrmMain::WatchJobEnd()
{
    const std::optional<int> result = m_jobThread.Ended();
    if (!result || m_jobDoneSeen)
        return;
    // Whatever the job posted comes first, its final notice too when it went out.
    QCoreApplication::sendPostedEvents(this, TGsNotifyEvent::EventType);
    if (!m_jobDoneSeen)
        WMGSNotify(*result, GSN_DONE);
}

// ---- Job notices ------------------------------------------------------------

void TfrmMain::WMGSNotify(std::intptr_t wParam, std::intptr_t lParam)
{
    if (!frmProgress)
        return;
    QProgressBar* bar = frmProgress->ProgressBar1();
    // The window's own fields first, as other code may have set them; the rest is the meter's.
    TProgressState& state = frmProgress->Meter;
    state.Maximum = bar->maximum();
    state.BasePosition = frmProgress->BasePosition;
    state.FirstPage = frmProgress->FirstPage;
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
        frmProgress->ShowPiece(++m_jobInputNumber, state.FirstPage);
        break;
    case GSN_PAGE:
    case GSN_WRITE:
    case GSN_SOURCESHARE:
    case GSN_CLOSED:
        frmProgress->BasePosition = toInt(state.BasePosition);
        bar->setValue(toInt(ShownPosition(state)));
        frmProgress->SetLabelText(QString::fromLatin1(PercentText(percent.value_or(0))));
        ShowJobActivity(wParam, lParam);
        break;
    case GSN_DONE:
        JobDone(wParam);
        break;
    default:
        break;
    }
}

void TfrmMain::ShowJobActivity(std::intptr_t wParam, std::intptr_t lParam)
{
    if (lParam == GSN_WRITE) {
        frmProgress->ShowWriting();
        return;
    }
    // A merged file's pages number from 1 again.
    if (GS_Job_Kind != JOB_MERGE || wParam != 1)
        return;
    const std::vector<TMergeListRow>& rows = m_jobInputs.MergeList.Rows;
    std::vector<const TMergeListRow*> inputs;
    for (const TMergeListRow& row : rows) {
        if (row.Pages > 0)
            inputs.push_back(&row);
    }
    ++m_jobInputNumber;
    if (m_jobInputNumber <= static_cast<int>(inputs.size()))
        frmProgress->ShowInput(
            fromNative(ExtractFileName(inputs[static_cast<std::size_t>(m_jobInputNumber - 1)]->Path)),
            m_jobInputNumber, static_cast<int>(inputs.size()));
}

void TfrmMain::JobDone(std::intptr_t result)
{
    m_jobDoneSeen = true;
    const bool ok = result == 0;
    const std::uint8_t kind = GS_Job_Kind;
    // The worker wrote the record's reason and notes before posting this.
    const TJobEnd end = JobEndParts(kind, static_cast<int>(result), m_jobParam);
    QString text = CoreText(end.Headline);
    if (!end.More.empty())
        text += QString::fromLatin1(end.Separator) + fromNative(end.More);
    const QString caption = ok                              ? tr("Success")
                            : result == GS_RESULT_CANCELLED ? tr("Cancelled")
                                                            : tr("Failure");
    uiSeam().messageBox(frmProgress, QMessageBox::Information, caption, text, QMessageBox::Ok);
    frmProgress->CloseJobWindow();
    if (ok)
        KeepJobFolder(kind);
    if (!LoadOpenResultSetting())
        return;
    if (ok && kind == JOB_MERGE)
        uiSeam().openUrl(QUrl::fromLocalFile(fromNative(m_jobParam.OutputPath)));
    else if (ok && kind == JOB_SPLIT)
        uiSeam().openUrl(QUrl::fromLocalFile(m_ui->edtSplitLocation->text()));
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

bool TfrmMain::TakeLocalFileDrop(QEvent* event, const std::function<void(const QStringList&)>& take)
{
    const auto localFiles = [](const QMimeData* mime) {
        QStringList files;
        for (const QUrl& url : mime->urls()) {
            if (const QString file = url.toLocalFile(); !file.isEmpty())
                files << file;
        }
        return files;
    };
    const bool drop = event->type() == QEvent::Drop;
    if (!drop && event->type() != QEvent::DragEnter && event->type() != QEvent::DragMove)
        return false;
    auto* dropEvent = static_cast<QDropEvent*>(event);
    const QStringList files = localFiles(dropEvent->mimeData());
    if (files.isEmpty())
        return false;
    dropEvent->setDropAction(Qt::CopyAction);
    dropEvent->accept();
    // The files are taken once the drop has ended: the file manager that
    // dragged them is held until this returns, and probing them or a message
    // about one would keep it waiting.
    if (drop)
        QMetaObject::invokeMethod(
            this, [take, files] { RunGuarded([&] { take(files); }); }, Qt::QueuedConnection);
    return true;
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
