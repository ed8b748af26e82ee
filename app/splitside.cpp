// The "PDF Split" tab of the main window: the source, the method, the location
// and the split command.
#include "application.h"
#include "formhelpers.h"
#include "job/frontdoor.h"
#include "job/jobchecks.h"
#include "job/messages.h"
#include "job/pageranges.h"
#include "job/sizesplit.h"
#include "mainform.h"
#include "nativepath.h"
#include "pdf/pdfprobe.h"
#include "platform/platform.h"
#include "text/strutil.h"
#include "ui_main.h"
#include "uiseam.h"

#include <algorithm>

void TfrmMain::UpdateUpDownMaximum()
{
    // The up-down control holds 16-bit positions.
    if (m_splitPageCount > 1)
        m_ui->UpDown1->setMaximum(std::min<std::int32_t>(m_splitPageCount - 1, 32767));
    // Its pages are shown once known: a password asked meanwhile ran the events before.
    emit splitSourceSettled();
}

void TfrmMain::ForgetSplitSource()
{
    m_splitPageCount = 0;
    m_splitEncrypted = false;
    m_splitWhyNoPages.clear();
    m_splitPassword.clear();
    m_splitPasswordFor.clear();
    m_splitCounted.reset();
    UpdateUpDownMaximum();
}

bool TfrmMain::ProbeSplitSource()
{
    const std::string source = toNative(m_ui->edtSplitSrc->text());
    // The password that opened this source before is tried first: the field
    // is probed again each time the focus leaves it.
    const std::string known = source == m_splitPasswordFor ? m_splitPassword : std::string();
    const TSplitSourceVerdict verdict = JudgeSplitSource(ProbeWithPassword(source, known));
    // The old source's count goes before anything is said about the new one.
    ForgetSplitSource();
    if (ShowRefusal(this, verdict.Refusal))
        return false;
    // A source the split would refuse says so when it is chosen.
    if (verdict.Encrypted || verdict.Pages < 1) {
        m_splitEncrypted = verdict.Encrypted;
        m_splitWhyNoPages = verdict.WhyNoPages;
        ShowRefusal(this, CheckSplitSourcePages(source, verdict.Encrypted, verdict.Pages, verdict.WhyNoPages,
                                                verdict.EncryptedCause));
        return false;
    }
    m_splitPageCount = verdict.Pages;
    m_splitPassword = verdict.Password;
    m_splitPasswordFor = source;
    m_splitCounted = verdict.Stamp;
    m_ui->Label3->setText(QString::number(m_splitPageCount));
    if (Trim(toNative(m_ui->edtSplitLocation->text())).empty())
        m_ui->edtSplitLocation->setText(fromNative(ProposedSplitLocation()));
    AddRecentFile(fromNative(source));
    return true;
}

void TfrmMain::sbBrowseSrcFileClick()
{
    const QStringList files = uiSeam().openFileNames(this, RecentFolder(TRecentFolder::SplitSource), false);
    if (files.isEmpty())
        return;
    KeepRecentFolder(TRecentFolder::SplitSource, files.constFirst());
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
        ForgetSplitSource();
        return;
    }
    if (!FileExists(path)) {
        ForgetSplitSource();
        ShowRefusal(this,
                    TRefusal{CapTip, TxtSourceMissing, TRefusalIcon::Warning,
                             plat::isDirectory(path) ? TCoreText(TxtFolderNotSource, {path}) : TCoreText()});
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
    const QString folder = uiSeam().browseForFolder(this, tr("select destination location"), initial);
    if (!folder.isEmpty())
        m_ui->edtSplitLocation->setText(folder);
}

std::string TfrmMain::ParsePageRanges(const QString& text, std::int32_t& pageTotal) const
{
    const TPageRanges ranges = ::ParsePageRanges(toNative(text), m_splitPageCount);
    pageTotal = ranges.PageTotal;
    return ranges.RangeList;
}

bool TfrmMain::CheckRangeField(std::string& rangeText, TPageRanges& ranges)
{
    rangeText = Trim(toNative(m_ui->edtSplitPageRange->text()));
    const std::optional<TRefusal> refusal =
        CheckSplitRanges(rangeText, m_splitPageCount, ranges, &m_notifier);
    if (!ShowRefusal(this, refusal))
        return true;
    if (refusal->Caption == CapInvalidRanges) {
        m_ui->edtSplitPageRange->selectAll();
        m_ui->edtSplitPageRange->setFocus();
    }
    return false;
}

void TfrmMain::sbSplitClick()
{
    const std::string source = Trim(toNative(m_ui->edtSplitSrc->text()));
    m_ui->edtSplitSrc->setText(fromNative(source));
    // A protected source goes on with the password that opened it.
    const std::string password = SplitSourcePassword();
    const std::optional<plat::FileStamp> counted =
        source == m_splitPasswordFor ? m_splitCounted : std::nullopt;
    const bool locked = (IsPdfEncrypted(source) && password.empty()) || m_splitEncrypted;
    if (ShowRefusal(this, CheckSplitSourceGiven(source)) ||
        ShowRefusal(this, CheckSplitSourcePages(source, locked, m_splitPageCount, m_splitWhyNoPages)))
        return;

    const TSplitKind kind = ChosenSplitKind();
    std::string rangeText;
    TPageRanges ranges;
    if (kind == TSplitKind::Ranges && !CheckRangeField(rangeText, ranges))
        return;
    if (ShowRefusal(this, CheckSplitMethodEngine(kind, m_engine)))
        return;

    const QString location = m_ui->edtSplitLocation->text();
    if (ShowRefusal(this, CheckSplitLocation(toNative(location), toNative(location))))
        return;
    if (uiSeam().messageBox(this, QMessageBox::Question, tr("continue?"),
                            tr("Files with the same name of the output file will be overwritten.\n"
                               "Do you want to continue?"),
                            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;

    PrepareChosenSplit(kind, source, toNative(location), rangeText, ranges, password, counted);
    RunJob(QPoint(160, 270));
}

TSplitKind TfrmMain::ChosenSplitKind() const
{
    if (m_ui->rbSplitBookmarks->isChecked())
        return TSplitKind::Bookmarks;
    if (m_ui->rbSplitSize->isChecked())
        return TSplitKind::Size;
    return m_ui->RadioButton2->isChecked() ? TSplitKind::Ranges : TSplitKind::Every;
}

void TfrmMain::PrepareChosenSplit(TSplitKind kind, const std::string& source, const std::string& location,
                                  const std::string& rangeText, const TPageRanges& ranges,
                                  const std::string& password, const std::optional<plat::FileStamp>& counted)
{
    switch (kind) {
    case TSplitKind::Ranges:
        PrepareSplitRangesJob(m_jobParam, m_jobInputs, source, location, m_splitPageCount, rangeText,
                              ranges.RangeList, &m_notifier, m_engine, TOverwrite::Allow, password, counted);
        return;
    case TSplitKind::Bookmarks:
        PrepareSplitBookmarksJob(m_jobParam, m_jobInputs, source, location, m_splitPageCount,
                                 m_ui->spnSplitLevel->value(), &m_notifier, m_engine, TOverwrite::Allow,
                                 password, counted);
        return;
    case TSplitKind::Size:
        PrepareSplitSizeJob(m_jobParam, m_jobInputs, source, location, m_splitPageCount,
                            PieceBytesOf(m_ui->spnSplitSize->value()), &m_notifier, m_engine,
                            TOverwrite::Allow, password, counted);
        return;
    case TSplitKind::Every:
        break;
    }
    PrepareSplitEveryJob(m_jobParam, m_jobInputs, source, location, m_splitPageCount,
                         static_cast<std::int16_t>(m_ui->UpDown1->value()), &m_notifier, m_engine,
                         TOverwrite::Allow, password, counted);
}

void TfrmMain::EnableSplitMethodFields()
{
    const bool splittable = m_splitPageCount >= 2;
    m_ui->UpDown1->setEnabled(splittable && m_ui->RadioButton1->isChecked());
    edtSplitPerPage->setEnabled(m_ui->UpDown1->isEnabled());
    m_ui->edtSplitPageRange->setEnabled(splittable && m_ui->RadioButton2->isChecked());
    m_ui->spnSplitLevel->setEnabled(splittable && m_ui->rbSplitBookmarks->isChecked());
    m_ui->spnSplitSize->setEnabled(splittable && m_ui->rbSplitSize->isChecked());
}

bool TfrmMain::TakeDroppedSource(QEvent* event)
{
    // The first file, as the browse button would take it.
    return TakeLocalFileDrop(event,
                             [this](const QStringList& files) { OpenSplitSource(files.constFirst()); });
}

std::string TfrmMain::SplitSourcePassword() const
{
    const std::string source = Trim(toNative(m_ui->edtSplitSrc->text()));
    return source == m_splitPasswordFor ? m_splitPassword : std::string();
}
