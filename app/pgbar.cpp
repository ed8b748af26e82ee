#include "pgbar.h"

#include "ui_pgbar.h"

#include <QFontMetrics>
#include <QPushButton>

TfrmProgress* frmProgress = nullptr;

TfrmProgress::TfrmProgress(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::TfrmProgress>())
{
    m_ui->setupUi(this);
    setWindowTitle(tr("Merging PDF"));
    connect(m_ui->btnCancel, &QPushButton::clicked, this, &TfrmProgress::reject);
}

TfrmProgress::~TfrmProgress() = default;

QProgressBar* TfrmProgress::ProgressBar1() const
{
    return m_ui->ProgressBar1;
}

QLabel* TfrmProgress::Label1() const
{
    return m_ui->Label1;
}

void TfrmProgress::CloseJobWindow()
{
    done(QDialog::Accepted);
}

void TfrmProgress::SetLabelText(const QString& text)
{
    m_ui->Label1->setText(text);
}

void TfrmProgress::StartJob(bool merge, const QString& outputName)
{
    m_merge = merge;
    m_output = outputName;
    m_piece = 0;
    m_cancelling = false;
    Meter = {};
    m_ui->btnCancel->setEnabled(true);
    setWindowTitle(merge ? tr("Merging PDF") : tr("Splitting PDF"));
    SetCurrentText(merge ? tr("Writing %1").arg(outputName) : QString());
}

void TfrmProgress::ShowInput(const QString& name, int number, int count)
{
    SetCurrentText(tr("Writing %1\nPages of %2 (%3 of %4)")
                       .arg(m_output, name, QString::number(number), QString::number(count)));
}

void TfrmProgress::ShowPiece(int number, std::int64_t firstPage)
{
    m_piece = number;
    SetCurrentText(tr("Writing piece %1, from page %2").arg(number).arg(firstPage));
}

void TfrmProgress::ShowWriting()
{
    if (m_merge)
        SetCurrentText(tr("Writing %1\nSaving the merged file").arg(m_output));
}

QString TfrmProgress::CurrentText() const
{
    return m_ui->lblCurrent->text();
}

void TfrmProgress::SetCurrentText(const QString& text)
{
    if (m_cancelling)
        return;
    // Long names keep their distinguishing ends.
    const QFontMetrics metrics(m_ui->lblCurrent->font());
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = metrics.elidedText(line, Qt::ElideMiddle, m_ui->lblCurrent->width());
    m_ui->lblCurrent->setText(lines.join(QLatin1Char('\n')));
}

void TfrmProgress::reject()
{
    if (m_cancelling || !isVisible())
        return;
    SetCurrentText(tr("Cancelling... what is finished is kept."));
    m_cancelling = true;
    m_ui->btnCancel->setEnabled(false);
    emit cancelRequested();
}

void TfrmProgress::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfrmProgress::FormShow()
{
    SetLabelText(QStringLiteral("  0%"));
}
