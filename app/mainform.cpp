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
#include "pgbar.h"
#include "platform/platform.h"
#include "text/strutil.h"
#include "ui_main.h"
#include "uiseam.h"
#include "widgetstyle.h"

#include <QAbstractEventDispatcher>
#include <QDir>
#include <QFocusEvent>
#include <QLocale>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <algorithm>

TfrmMain* frmMain = nullptr;

namespace {

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
    uiSeam().messageBox(owner, BoxIcon(refusal->Icon), fromNative(refusal->Caption),
                        fromNative(refusal->Message()), QMessageBox::Ok);
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
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::TfrmMain>())
{
    m_ui->setupUi(this);
    setFixedSize(692, 412);

    ApplyWindowFont(this, 12);

    // The tabs overlap the header strip by design; they are drawn above it.
    m_ui->PageControl1->raise();
    m_ui->PageControl1->setStyleSheet(QStringLiteral("QTabBar::tab { width: 140px; height: 30px; }"));

    m_mergeList = new TMergeListModel(DecimalSeparator(), this);
    SetUpMergeList();

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
    const int count = m_mergeList->rowCount();
    const std::vector<int> rows = SelectedRows();
    const int selected = rows.empty() ? -1 : rows.front();
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
    case GSN_DONE:
        JobDone(wParam);
        break;
    default:
        break;
    }
}

void TfrmMain::JobDone(std::intptr_t result)
{
    const bool ok = result == 0;
    const std::uint8_t kind = GS_Job_Kind;
    // The worker wrote the record's reason and notes before posting this.
    const QString text = fromNative(JobEndMessage(kind, static_cast<int>(result), m_jobParam));
    uiSeam().messageBox(frmProgress, QMessageBox::Information,
                        ok ? QStringLiteral("Success") : QStringLiteral("Failure"), text, QMessageBox::Ok);
    frmProgress->CloseJobWindow();
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
